// The 8-bit code pages a question file may be saved in besides the
// handheld's own (Windows code page 1252, code_page_1252.h): Windows 1250,
// 1251, 1253, 1254 and 1257, DOS 437, 850, 852 and 866, and Mac OS Roman,
// Mac Central European and Mac Cyrillic. Bytes 0x00 to 0x7F are ASCII in
// each; a byte a code page leaves undefined has no character there. The
// tables are generated (scripts/generate_code_page_tables.py) from Python's
// codecs, Mac OS Roman as glibc's iconv reads it.
//
// The names a user gives an encoding by are here too: the WHATWG and
// common names, such as "utf-8", "windows-1250", "cp1250", "1250", "cp850",
// "mac-roman", "mac-ce", "mac-cyrillic".
#ifndef QDCONV_CHARSET_CODE_PAGES_H_
#define QDCONV_CHARSET_CODE_PAGES_H_

#include <cstdint>
#include <string>

#include "charset/text_encoding.h"

// Whether |encoding| is one byte a character: kBytesAsTheyAre (code page
// 1252), Mac OS Roman and the code pages above.
bool IsSingleByteEncoding(TextEncoding encoding);

// The character of |byte| in the single-byte |encoding|; false for a byte
// the code page leaves undefined. kBytesAsTheyAre gives code page 1252's
// characters, its five undefined bytes included as undefined.
bool CharacterOfCodePageByte(TextEncoding encoding, unsigned char byte,
                             std::uint32_t& character);

// |bytes| of the single-byte |encoding| in UTF-8; an undefined byte
// becomes U+FFFD.
std::string CodePageTextInUtf8(TextEncoding encoding, const std::string& bytes);

// The encoding a user names, case and the separators '-' and '_' aside;
// false for a name not known. "utf-16" gives kUtf16LittleEndian (a byte
// order mark decides, when the file has one).
bool TextEncodingOfName(const char* name, TextEncoding& encoding);

// The names TextEncodingOfName knows, one of each encoding, as a user may
// write them: "utf-8, utf-16, windows-1250, ...".
const char* KnownEncodingNames();

// The Windows ANSI code page of a language (ISO 639-1 code, such as "pl"
// or "pt"), as Windows sets it for that language: 1250, 1251, 1253, 1254 or
// 1257, and kBytesAsTheyAre (1252) for every other language.
TextEncoding AnsiCodePageOfLanguage(const char* language);

// The single-byte encoding of a Windows code page number (1250, 850 ...);
// false for one not known.
bool TextEncodingOfCodePage(unsigned codePage, TextEncoding& encoding);

#endif  // QDCONV_CHARSET_CODE_PAGES_H_
