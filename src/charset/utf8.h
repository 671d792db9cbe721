// UTF-8, strictly: no overlong forms, no surrogates, nothing past U+10FFFF.
#ifndef QDCONV_CHARSET_UTF8_H_
#define QDCONV_CHARSET_UTF8_H_

#include <cstddef>
#include <cstdint>
#include <cstring>

// The longest UTF-8 form of a character of the handheld's character set.
const std::size_t kMaxUtf8BytesPerHandheldByte = 3;

const int kUtf8Incomplete = 0;
const int kUtf8Invalid = -1;

// Given the bytes of an 8-byte word masked to their top bits (0x80 set where
// a byte is special), the number of bytes before the first special one, in
// memory order: 0 to 8.
inline int CountPlainBytes(std::uint64_t special) {
  if (special == 0) return 8;
#if defined(__GNUC__)
  return (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? __builtin_ctzll(special)
                                                     : __builtin_clzll(special)) / 8;
#else
  int plain = 0;
  unsigned char bytes[8];
  std::memcpy(bytes, &special, sizeof bytes);
  while (bytes[plain] == 0) ++plain;
  return plain;
#endif
}

// Decode the character that starts |bytes| (|available| of them, at least
// one). Returns how many bytes it takes, kUtf8Incomplete when |available|
// ends inside a sequence that is valid so far, or kUtf8Invalid.
int DecodeUtf8Character(const unsigned char* bytes, std::size_t available,
                        std::uint32_t& character);

// Write |character| (at most U+10FFFF, no surrogate) to |out|, which has
// room for 4 bytes; returns how many bytes it took.
std::size_t EncodeUtf8Character(std::uint32_t character, char* out);

// Write |length| bytes of the handheld's character set as UTF-8 to |out|,
// which has room for kMaxUtf8BytesPerHandheldByte * |length| bytes; returns
// how many bytes it took.
std::size_t HandheldTextToUtf8(const char* text, std::size_t length, char* out);

#endif  // QDCONV_CHARSET_UTF8_H_
