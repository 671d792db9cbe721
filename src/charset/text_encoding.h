// How a question file's text is encoded, decided once from the file as a
// whole before it is read as lines:
//   - it starts with the byte order mark EF BB BF: UTF-8;
//   - it starts with FF FE or FE FF: UTF-16, little- or big-endian;
//   - its length is even, and in its first 64 bytes (all, when it is
//     shorter) no pair of bytes is 00 00 and at least half of the pairs hold
//     00 at their odd offset: UTF-16 little-endian without byte order mark
//     (a character up to U+00FF; Latin text saved so by some tools is mostly
//     such characters, with a few beyond, such as ’ € œ); the mirror image:
//     big-endian. No text in a one-byte encoding looks like this (it would be
//     a NUL every other character);
//   - otherwise, when its bytes before the first 0x1A (which ends the file)
//     are valid UTF-8 and at least one of them is 0x80 or above: UTF-8;
//   - otherwise, when those bytes hold one of 0x80 or above, no LF and a CR:
//     Mac OS Roman (mac_roman.h), which the Mac programs that end lines in
//     CR alone write;
//   - anything else (ASCII, the Windows ANSI code page, which is the
//     handheld's own, or any bytes that are not valid UTF-8): bytes as they
//     are, taken unchanged.
// That is the file's form alone; which 8-bit code page a file that is
// neither UTF-8 nor UTF-16 was saved in is guessed from its words
// (encoding_guess.h).
// A text in the ANSI code page is almost never valid UTF-8 by chance: an
// accented letter there is one byte of 0x80 or above between ASCII bytes,
// which UTF-8 never allows.
#ifndef QDCONV_CHARSET_TEXT_ENCODING_H_
#define QDCONV_CHARSET_TEXT_ENCODING_H_

#include <cstddef>

#include "limits/quiz_limits.h"

enum TextEncoding {
  kBytesAsTheyAre,
  kUtf8,
  kUtf8WithByteOrderMark,
  kUtf16LittleEndian,  // with its byte order mark
  kUtf16BigEndian,     // with its byte order mark
  kUtf16LittleEndianWithoutMark,
  kUtf16BigEndianWithoutMark,
  kMacRoman,
  // The other 8-bit code pages a file may be saved in (code_pages.h), which
  // only a guess from the file's words (encoding_guess.h) or the user's
  // choice reads a file in.
  kWindows1250,
  kWindows1251,
  kWindows1253,
  kWindows1254,
  kWindows1257,
  kDos437,
  kDos850,
  kDos852,
  kDos866,
  kMacCentralEuropean,
  kMacCyrillic,
};

// Tell how the file whose bytes are |bytes[0..length)| is encoded.
TextEncoding DetectTextEncoding(const unsigned char* bytes, std::size_t length);

std::size_t ByteOrderMarkLength(TextEncoding encoding);

bool IsBigEndian(TextEncoding encoding);

// The length of |bytes[0..length)| before its first 0x1A, which ends a text.
std::size_t LengthBeforeEndOfFile(const unsigned char* bytes, std::size_t length);

// Where the first byte of 0x80 or above stands in |bytes[from..end)|; |end|
// when there is none.
std::size_t FindHighByte(const unsigned char* bytes, std::size_t from, std::size_t end);

#endif  // QDCONV_CHARSET_TEXT_ENCODING_H_
