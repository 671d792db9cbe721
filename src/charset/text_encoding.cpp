#include "charset/text_encoding.h"

#include <cstdint>
#include <cstring>

#include "charset/utf8.h"

namespace {

bool StartsWith(const unsigned char* bytes, std::size_t length, const char* mark,
                std::size_t markLength) {
  return length >= markLength && std::memcmp(bytes, mark, markLength) == 0;
}

// How many of the 8 bytes at |bytes| lead before the first of 0x80 or above.
int AsciiBytes(const unsigned char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return CountPlainBytes(word & 0x8080808080808080u);
}

}  // namespace

TextEncoding DetectTextEncoding(std::FILE* file, unsigned char* buffer, std::size_t capacity) {
  std::size_t kept = 0;  // the start of a character that the last block cut
  bool highByteSeen = false;
  for (bool first = true;; first = false) {
    const std::size_t got = std::fread(buffer + kept, 1, capacity - kept, file);
    std::size_t length = kept + got;
    if (first) {
      if (StartsWith(buffer, length, "\xEF\xBB\xBF", 3)) return kUtf8WithByteOrderMark;
      if (StartsWith(buffer, length, "\xFF\xFE", 2)) return kUtf16LittleEndian;
      if (StartsWith(buffer, length, "\xFE\xFF", 2)) return kUtf16BigEndian;
    }
    bool atEnd = got == 0;
    if (const void* end = std::memchr(buffer, kEndOfFileByte, length)) {
      length = static_cast<std::size_t>(static_cast<const unsigned char*>(end) - buffer);
      atEnd = true;
    }
    std::size_t i = 0;
    while (i < length) {
      if (i + 8 <= length) {
        const int ascii = AsciiBytes(buffer + i);
        i += static_cast<std::size_t>(ascii);
        if (ascii == 8) continue;
      }
      const unsigned char lead = buffer[i];
      if (lead < 0x80) {
        ++i;
        continue;
      }
      highByteSeen = true;
      if (lead >= 0xC2 && lead <= 0xDF && i + 1 < length && (buffer[i + 1] & 0xC0) == 0x80) {
        i += 2;
        continue;
      }
      std::uint32_t character;
      const int taken = DecodeUtf8Character(buffer + i, length - i, character);
      if (taken == kUtf8Invalid) return kBytesAsTheyAre;
      if (taken == kUtf8Incomplete) break;
      i += static_cast<std::size_t>(taken);
    }
    if (atEnd) return i == length && highByteSeen ? kUtf8 : kBytesAsTheyAre;
    kept = length - i;
    std::memmove(buffer, buffer + i, kept);
  }
}

const char* TextEncodingName(TextEncoding encoding) {
  switch (encoding) {
    case kUtf8:
    case kUtf8WithByteOrderMark:
      return "UTF-8";
    case kUtf16LittleEndian:
    case kUtf16BigEndian:
      return "UTF-16";
    case kBytesAsTheyAre:
      break;
  }
  return "";
}

std::size_t ByteOrderMarkLength(TextEncoding encoding) {
  switch (encoding) {
    case kUtf8WithByteOrderMark:
      return 3;
    case kUtf16LittleEndian:
    case kUtf16BigEndian:
      return 2;
    case kBytesAsTheyAre:
    case kUtf8:
      break;
  }
  return 0;
}
