// Mac OS Roman, the character set of older Mac programs (Excel for Mac's
// "CSV (Macintosh)", TextEdit's "Western (Mac OS Roman)"): bytes 0x00 to 0x7F
// are ASCII; bytes 0x80 to 0xFF are the characters glibc's iconv gives for
// its MACINTOSH encoding.
#ifndef QDCONV_CHARSET_MAC_ROMAN_H_
#define QDCONV_CHARSET_MAC_ROMAN_H_

#include <cstdint>

// The Unicode character of a byte.
std::uint32_t CharacterOfMacRomanByte(unsigned char byte);

#endif  // QDCONV_CHARSET_MAC_ROMAN_H_
