#include "charset/code_page_1252.h"

namespace {

// The characters of bytes 0x80 to 0x9F.
const std::uint16_t kHighControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

}  // namespace

std::uint32_t CharacterOfHandheldByte(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControlRange[byte - 0x80] : byte;
}

bool HandheldHasLetterFor(unsigned char byte) {
  switch (byte) {
    case 0x81: case 0x8D: case 0x8E: case 0x8F: case 0x90: case 0x9D: case 0x9E:
      return false;
    default:
      return true;
  }
}

bool HandheldByteOfCharacter(std::uint32_t character, unsigned char& byte) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    byte = static_cast<unsigned char>(character);
    return true;
  }
  // The characters of bytes 0x80 to 0x9F, by character.
  switch (character) {
    case 0x0081: case 0x008D: case 0x008F: case 0x0090: case 0x009D:
      byte = static_cast<unsigned char>(character);
      return true;
    case 0x0152: byte = 0x8C; return true;
    case 0x0153: byte = 0x9C; return true;
    case 0x0160: byte = 0x8A; return true;
    case 0x0161: byte = 0x9A; return true;
    case 0x0178: byte = 0x9F; return true;
    case 0x0192: byte = 0x83; return true;
    case 0x02C6: byte = 0x88; return true;
    case 0x02DC: byte = 0x98; return true;
    case 0x2013: byte = 0x96; return true;
    case 0x2014: byte = 0x97; return true;
    case 0x2018: byte = 0x91; return true;
    case 0x2019: byte = 0x92; return true;
    case 0x201A: byte = 0x82; return true;
    case 0x201C: byte = 0x93; return true;
    case 0x201D: byte = 0x94; return true;
    case 0x201E: byte = 0x84; return true;
    case 0x2020: byte = 0x86; return true;
    case 0x2021: byte = 0x87; return true;
    case 0x2022: byte = 0x95; return true;
    case 0x2026: byte = 0x85; return true;
    case 0x2030: byte = 0x89; return true;
    case 0x2039: byte = 0x8B; return true;
    case 0x203A: byte = 0x9B; return true;
    case 0x20AC: byte = 0x80; return true;
    case 0x2122: byte = 0x99; return true;
    default: return false;
  }
}
