// File names between Windows' UTF-16 and the UTF-8 the programs hold them in,
// losslessly. Windows allows a file name any 16-bit units, a lone surrogate
// (half of a pair) included, which UTF-8 cannot say; WTF-8 writes it as the
// three bytes UTF-8 would give it were it a character, so that such a name
// comes back to the same units and the file is reached. For every valid
// name, WTF-8 is UTF-8. Portable: no call of the platform's.
#ifndef QDCONV_FILES_WTF8_H_
#define QDCONV_FILES_WTF8_H_

#include <string>

// |units| in WTF-8.
std::string Wtf8OfUtf16(const std::u16string& units);

// The units that |wtf8| stands for. A byte that is not WTF-8 becomes
// U+FFFD: it cannot come from Wtf8OfUtf16.
std::u16string Utf16OfWtf8(const std::string& wtf8);

#endif  // QDCONV_FILES_WTF8_H_
