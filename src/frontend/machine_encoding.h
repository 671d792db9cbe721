// The code page this machine saves 8-bit text in, as a hint for reading a
// question file (charset/encoding_guess.h): on Windows its ANSI code page
// (where that is UTF-8, the ANSI code page of the user's locale); elsewhere
// the ANSI code page Windows uses for the language of LC_ALL, LC_CTYPE or
// LANG, the first one set (charset/code_pages.h). Western (1252) when
// nothing tells.
#ifndef QDCONV_FRONTEND_MACHINE_ENCODING_H_
#define QDCONV_FRONTEND_MACHINE_ENCODING_H_

#include "charset/text_encoding.h"

TextEncoding MachineEncoding();

#endif  // QDCONV_FRONTEND_MACHINE_ENCODING_H_
