// Steps over runs of text eight bytes at a time, for the scans that tell and
// decode a whole file: a run of ASCII, and a run of characters of two bytes
// in UTF-8. Each reads exactly the eight bytes it is given. Where a machine
// stores words other than least significant byte first, the runs of two-byte
// characters are not taken whole (the callers then go a character at a
// time) and a run of ASCII is measured byte by byte.
#ifndef QDCONV_CHARSET_WORD_STEPS_H_
#define QDCONV_CHARSET_WORD_STEPS_H_

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#define QDCONV_WORDS_LOW_BYTE_FIRST 1
#else
#define QDCONV_WORDS_LOW_BYTE_FIRST 0
#endif

inline std::uint64_t EightBytesAt(const unsigned char* bytes) {
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// How many of the eight bytes at |bytes| come before the first of 0x80 or
// above: 8 when none is.
inline std::size_t LeadingAsciiOfEight(const unsigned char* bytes) {
  const std::uint64_t high = EightBytesAt(bytes) & 0x8080808080808080u;
  if (high == 0) return 8;
#if QDCONV_WORDS_LOW_BYTE_FIRST && defined(__GNUC__)
  return static_cast<std::size_t>(__builtin_ctzll(high)) / 8;
#else
  std::size_t ascii = 0;
  while (bytes[ascii] < 0x80) ++ascii;
  return ascii;
#endif
}

// Whether the eight bytes at |bytes| are four well-formed UTF-8 characters
// of two bytes each, U+0080 to U+07FF: each a lead byte C2 to DF and a
// continuation byte 80 to BF.
inline bool AreFourTwoByteCharacters(const unsigned char* bytes) {
#if QDCONV_WORDS_LOW_BYTE_FIRST
  // In each 16-bit lane the lead is the low byte, the continuation the high.
  const std::uint64_t word = EightBytesAt(bytes);
  if ((word & 0xC0E0C0E0C0E0C0E0u) != 0x80C080C080C080C0u) return false;
  // A lead of C0 or C1 would be an overlong form: bits 1 to 4 are not all 0.
  const std::uint64_t leadBits = word & 0x001E001E001E001Eu;
  return ((leadBits + 0x007E007E007E007Eu) & 0x0080008000800080u) == 0x0080008000800080u;
#else
  (void)bytes;
  return false;
#endif
}

// Whether the eight bytes at |bytes| are four characters from U+00C0 to
// U+00FF (C3 80 to C3 BF), the accented letters of most Western languages,
// which are their own bytes in code page 1252; if so, those four bytes go to
// |out|, which may overlap the eight read.
inline bool TakeFourLatinLetters(const unsigned char* bytes, unsigned char* out) {
#if QDCONV_WORDS_LOW_BYTE_FIRST
  const std::uint64_t word = EightBytesAt(bytes);
  if ((word & 0xC0FFC0FFC0FFC0FFu) != 0x80C380C380C380C3u) return false;
  // Each continuation 10xxxxxx becomes 11xxxxxx, moved down into its lane's
  // low byte; then the four lanes are packed together.
  std::uint64_t letters = ((word >> 8) & 0x00FF00FF00FF00FFu) | 0x0040004000400040u;
  letters = (letters | letters >> 8) & 0x0000FFFF0000FFFFu;
  letters = (letters | letters >> 16) & 0x00000000FFFFFFFFu;
  const std::uint32_t four = static_cast<std::uint32_t>(letters);
  std::memcpy(out, &four, sizeof four);
  return true;
#else
  (void)bytes;
  (void)out;
  return false;
#endif
}

#endif  // QDCONV_CHARSET_WORD_STEPS_H_
