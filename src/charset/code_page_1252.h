// The handheld's character set: Windows code page 1252, one byte per
// character. Bytes 0x00 to 0x7F are ASCII, 0xA0 to 0xFF are U+00A0 to
// U+00FF, and 0x80 to 0x9F hold the euro sign, curly quotes, dashes and the
// like. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same number (U+0081
// ...), as in Windows' own conversion, so that every byte has a character
// and every such character its byte. The handheld's fonts have no letter for
// 0x8E and 0x9E: their characters, Ž and ž, are ones the handheld cannot
// show, although a text taken byte for byte may hold those bytes.
#ifndef QDCONV_CHARSET_CODE_PAGE_1252_H_
#define QDCONV_CHARSET_CODE_PAGE_1252_H_

#include <cstdint>

// The Unicode character of a byte.
std::uint32_t CharacterOfHandheldByte(unsigned char byte);

// Whether the handheld's fonts have a letter for |byte|: not for the bytes
// the code page leaves undefined, nor for 0x8E and 0x9E (Ž and ž), which
// show as nothing or as a wrong sign.
bool HandheldHasLetterFor(unsigned char byte);

// The byte of a Unicode character; false when the handheld has none for it
// (Ž and ž included).
bool HandheldByteOfCharacter(std::uint32_t character, unsigned char& byte);

#endif  // QDCONV_CHARSET_CODE_PAGE_1252_H_
