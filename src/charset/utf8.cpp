#include "charset/utf8.h"

#include "charset/code_page_1252.h"
#include "charset/text_encoding.h"

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

int DecodeUtf8Character(const unsigned char* bytes, std::size_t available,
                        std::uint32_t& character) {
  const unsigned char lead = bytes[0];
  if (lead < 0x80) {
    character = lead;
    return 1;
  }
  int length;
  // The range the second byte must fall in: it rules out overlong forms,
  // surrogates and characters past U+10FFFF.
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    character = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    character = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    character = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return kUtf8Invalid;
  }
  for (int i = 1; i < length; ++i) {
    if (static_cast<std::size_t>(i) == available) return kUtf8Incomplete;
    const unsigned char byte = bytes[i];
    if (i == 1 ? byte < low || byte > high : !IsContinuation(byte)) return kUtf8Invalid;
    character = character << 6 | (byte & 0x3F);
  }
  return length;
}

std::size_t EncodeUtf8Character(std::uint32_t character, char* out) {
  if (character < 0x80) {
    out[0] = static_cast<char>(character);
    return 1;
  }
  if (character < 0x800) {
    out[0] = static_cast<char>(0xC0 | character >> 6);
    out[1] = static_cast<char>(0x80 | (character & 0x3F));
    return 2;
  }
  if (character < 0x10000) {
    out[0] = static_cast<char>(0xE0 | character >> 12);
    out[1] = static_cast<char>(0x80 | (character >> 6 & 0x3F));
    out[2] = static_cast<char>(0x80 | (character & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | character >> 18);
  out[1] = static_cast<char>(0x80 | (character >> 12 & 0x3F));
  out[2] = static_cast<char>(0x80 | (character >> 6 & 0x3F));
  out[3] = static_cast<char>(0x80 | (character & 0x3F));
  return 4;
}

std::string HandheldTextInUtf8(const char* text, std::size_t length) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  std::string utf8;
  utf8.reserve(length);
  // Runs of ASCII are the same bytes in UTF-8.
  for (std::size_t from = 0; from < length;) {
    const std::size_t high = FindHighByte(bytes, from, length);
    utf8.append(text + from, high - from);
    if (high == length) break;
    char encoded[4];
    utf8.append(encoded, EncodeUtf8Character(CharacterOfHandheldByte(bytes[high]), encoded));
    from = high + 1;
  }
  return utf8;
}

