// Canonical composition (Unicode's NFC) of a letter and the combining mark
// that follows it: "e" and U+0301 are "é". macOS writes file names
// decomposed, and so do some programs text; the handheld has only the
// composed letters. Generated (scripts/generate_compositions.py) for the
// combining marks U+0300 to U+036F after Latin, Greek and Cyrillic letters.
#ifndef QDCONV_CHARSET_COMPOSITIONS_H_
#define QDCONV_CHARSET_COMPOSITIONS_H_

#include <cstdint>

// Whether |character| is a combining mark (U+0300 to U+036F).
inline bool IsCombiningMark(std::uint32_t character) {
  return character >= 0x0300 && character <= 0x036F;
}

// The character |base| and |mark| compose; false when they compose none.
bool ComposeCharacters(std::uint32_t base, std::uint32_t mark, std::uint32_t& composed);

// |character| without its accents: the letter it is composed from, to the
// last ("ế" is "e"); |character| itself when it is composed of none.
std::uint32_t BaseLetter(std::uint32_t character);

#endif  // QDCONV_CHARSET_COMPOSITIONS_H_
