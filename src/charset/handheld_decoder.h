// Reading a question file's text as bytes of the handheld's character set
// (code page 1252), whatever its encoding (text_encoding.h). Bytes as they
// are pass unchanged; UTF-8 and UTF-16 are decoded, their byte order mark
// dropped, and every character turned into its one byte.
//
// CR, LF, NUL and 0x1A are the same bytes in the handheld's character set as
// the characters they are in UTF-8 and UTF-16, so the reading rules apply to
// the decoded bytes unchanged. A decoded text ends after its first 0x1A.
//
// Decoding stops at the first character the handheld has no byte for and at
// the first sequence that is not valid in the encoding (a UTF-8 file with a
// byte order mark can hold one; so can UTF-16, with a lone surrogate or an
// odd number of bytes): the bytes before it are returned, then the text ends
// and |fault| tells why.
#ifndef QDCONV_CHARSET_HANDHELD_DECODER_H_
#define QDCONV_CHARSET_HANDHELD_DECODER_H_

#include <cstddef>
#include <cstdio>

#include "charset/text_encoding.h"

enum TextFault {
  kNoTextFault,
  kUnmappableCharacter,  // a character the handheld cannot show
  kInvalidText,          // not valid UTF-8 or UTF-16
};

struct HandheldDecoder {
  TextEncoding encoding;
  unsigned char cut[4];  // the start of a character that the last block cut
  std::size_t cutLength;
  bool markPassed;  // the byte order mark is behind
  bool finished;    // after a 0x1A or a fault nothing more is read
  TextFault fault;
};

void StartHandheldDecoder(HandheldDecoder& decoder, TextEncoding encoding);

// Read the next bytes of |file| into |block| (room for |capacity| bytes, at
// least 4) as bytes of the handheld's character set. Returns how many; 0 at
// the end of the text: the end of the file, a read error, a fault, or the
// end after a 0x1A.
std::size_t ReadHandheldBytes(HandheldDecoder& decoder, std::FILE* file,
                              unsigned char* block, std::size_t capacity);

#endif  // QDCONV_CHARSET_HANDHELD_DECODER_H_
