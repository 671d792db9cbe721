#include "charset/text_encoding.h"

#include <cstdint>
#include <cstring>

#include "charset/utf8.h"
#include "charset/word_steps.h"

namespace {

bool StartsWith(const unsigned char* bytes, std::size_t length, const char* mark,
                std::size_t markLength) {
  return length >= markLength && std::memcmp(bytes, mark, markLength) == 0;
}

// Whether |bytes| (|length|, even) look like UTF-16 without byte order mark
// whose high bytes stand at |highByteOffset| (1: little-endian, 0: big): in
// the first 64 bytes no unit is 0000, and at least half of the units are
// characters up to U+00FF, their high byte 00.
bool LooksLikeUtf16WithoutMark(const unsigned char* bytes, std::size_t length,
                               std::size_t highByteOffset) {
  if (length == 0 || length % 2 != 0) return false;
  const std::size_t sample = length < 64 ? length : 64;
  std::size_t latin = 0;
  for (std::size_t i = 0; i < sample; i += 2) {
    if (bytes[i + 1 - highByteOffset] == 0x00 && bytes[i + highByteOffset] == 0x00) return false;
    latin += bytes[i + highByteOffset] == 0x00;
  }
  return 2 * latin >= sample / 2;
}

}  // namespace

std::size_t LengthBeforeEndOfFile(const unsigned char* bytes, std::size_t length) {
  const void* stop = std::memchr(bytes, kEndOfFileByte, length);
  return stop ? static_cast<std::size_t>(static_cast<const unsigned char*>(stop) - bytes)
              : length;
}

std::size_t FindHighByte(const unsigned char* bytes, std::size_t from, std::size_t end) {
  // Whole groups first: a loop the compiler turns into vector instructions.
  const std::size_t kGroup = 32;
  while (end - from >= kGroup) {
    unsigned char any = 0;
    for (std::size_t i = 0; i < kGroup; ++i) any |= bytes[from + i];
    if (any & 0x80) break;
    from += kGroup;
  }
  while (from < end && bytes[from] < 0x80) ++from;
  return from;
}

TextEncoding DetectTextEncoding(const unsigned char* bytes, std::size_t length) {
  if (StartsWith(bytes, length, "\xEF\xBB\xBF", 3)) return kUtf8WithByteOrderMark;
  if (StartsWith(bytes, length, "\xFF\xFE", 2)) return kUtf16LittleEndian;
  if (StartsWith(bytes, length, "\xFE\xFF", 2)) return kUtf16BigEndian;
  if (LooksLikeUtf16WithoutMark(bytes, length, 1)) return kUtf16LittleEndianWithoutMark;
  if (LooksLikeUtf16WithoutMark(bytes, length, 0)) return kUtf16BigEndianWithoutMark;
  length = LengthBeforeEndOfFile(bytes, length);
  std::size_t i = FindHighByte(bytes, 0, length);
  const bool highByteSeen = i < length;
  while (i < length) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      ++i;
      while (length - i >= 8) {
        const std::size_t ascii = LeadingAsciiOfEight(bytes + i);
        i += ascii;
        if (ascii < 8) break;
      }
      continue;
    }
    // Two-byte forms, the most common beyond ASCII, are checked here.
    if (lead >= 0xC2 && lead <= 0xDF && i + 1 < length && (bytes[i + 1] & 0xC0) == 0x80) {
      i += 2;
      while (length - i >= 8 && AreFourTwoByteCharacters(bytes + i)) i += 8;
      continue;
    }
    std::uint32_t character;
    const int taken = DecodeUtf8Character(bytes + i, length - i, character);
    if (taken <= 0) {
      const bool macLineEnds = std::memchr(bytes, '\n', length) == nullptr &&
                               std::memchr(bytes, '\r', length) != nullptr;
      return macLineEnds ? kMacRoman : kBytesAsTheyAre;
    }
    i += static_cast<std::size_t>(taken);
  }
  return highByteSeen ? kUtf8 : kBytesAsTheyAre;
}

std::size_t ByteOrderMarkLength(TextEncoding encoding) {
  if (encoding == kUtf8WithByteOrderMark) return 3;
  if (encoding == kUtf16LittleEndian || encoding == kUtf16BigEndian) return 2;
  return 0;
}

bool IsBigEndian(TextEncoding encoding) {
  return encoding == kUtf16BigEndian || encoding == kUtf16BigEndianWithoutMark;
}
