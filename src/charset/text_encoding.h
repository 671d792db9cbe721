// How a question file's text is encoded, decided once from the file as a
// whole before it is read as lines:
//   - it starts with the byte order mark EF BB BF: UTF-8;
//   - it starts with FF FE or FE FF: UTF-16, little- or big-endian;
//   - otherwise, when its bytes before the first 0x1A (which ends the file)
//     are valid UTF-8 and at least one of them is 0x80 or above: UTF-8;
//   - anything else (ASCII, the Windows ANSI code page, which is the
//     handheld's own, or any bytes that are not valid UTF-8): bytes as they
//     are, taken unchanged.
// A text in the ANSI code page is almost never valid UTF-8 by chance: an
// accented letter there is one byte of 0x80 or above between ASCII bytes,
// which UTF-8 never allows.
#ifndef QDCONV_CHARSET_TEXT_ENCODING_H_
#define QDCONV_CHARSET_TEXT_ENCODING_H_

#include <cstddef>
#include <cstdio>

// The byte (and character) that ends a question file's text.
const unsigned char kEndOfFileByte = 0x1A;

enum TextEncoding {
  kBytesAsTheyAre,
  kUtf8,
  kUtf8WithByteOrderMark,
  kUtf16LittleEndian,  // with its byte order mark
  kUtf16BigEndian,     // with its byte order mark
};

// Read |file| from where it stands to its end, using |buffer| (|capacity|
// bytes, at least 4) as room, and tell how its text is encoded.
TextEncoding DetectTextEncoding(std::FILE* file, unsigned char* buffer, std::size_t capacity);

// "UTF-8" or "UTF-16" for the encodings that are decoded; "" otherwise.
const char* TextEncodingName(TextEncoding encoding);

std::size_t ByteOrderMarkLength(TextEncoding encoding);

#endif  // QDCONV_CHARSET_TEXT_ENCODING_H_
