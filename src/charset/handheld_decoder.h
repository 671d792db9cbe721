// A question file's text as bytes of the handheld's character set (code page
// 1252), whatever its encoding (text_encoding.h), decoded in place: bytes as
// they are stay as they are; UTF-8 and UTF-16 lose their byte order mark and
// every character becomes its one byte, which is never longer than its form
// in the file.
//
// CR, LF and NUL are the same bytes in the handheld's character set as the
// characters they are in every encoding read, so the reading rules apply to
// the decoded bytes unchanged, but for one: a text that holds no LF and a CR
// has its lines end in CR alone, as old Mac programs write them; each of its
// CRs becomes an LF. The text ends before its first 0x1A.
//
// A letter followed by a combining mark it composes with (decomposed text)
// is the composed letter (charset/compositions.h), as in UTF-8 and UTF-16.
//
// A character the handheld lacks but whose meaning it has (a narrow no-break
// space, a minus sign, a zero width space ...) is stored in its handheld form
// (charset/handheld_forms.h). Decoding stops at the first other character
// the handheld has no byte for and at
// the first sequence that is not valid in the encoding (a UTF-8 file with a
// byte order mark can hold one; so can UTF-16, with a lone surrogate or an
// odd number of bytes): the text is what came before it, and |fault| tells
// why it ended there.
#ifndef QDCONV_CHARSET_HANDHELD_DECODER_H_
#define QDCONV_CHARSET_HANDHELD_DECODER_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "charset/text_encoding.h"

enum TextFault {
  kNoTextFault,
  kUnmappableCharacter,  // a character the handheld cannot show
  kInvalidText,          // not valid UTF-8 or UTF-16
  // Not the decoder's: a table's cell opens a quote that is never closed
  // (table/table_reader.h).
  kUnclosedQuote,
};

struct DecodingOutcome {
  std::size_t length;  // the decoded text is the first |length| bytes
  TextFault fault;     // why the text ended early, if it did
  // With a fault: where in the file the character or sequence starts, and
  // for kUnmappableCharacter the character (its Unicode code point).
  std::size_t faultOffset;
  std::uint32_t faultCharacter;
};

// A character worth a warning although the text holds it: one the handheld
// lacks, stored in its handheld form (charset/handheld_forms.h), or, in a
// text taken byte for byte, one whose byte the handheld's fonts have no
// letter for (code_page_1252.h).
struct CharacterNote {
  std::size_t textOffset;  // where it stands (or would) in the decoded text
  std::uint32_t character;
};

// Decode |bytes[0..length)|, a whole file in |encoding|, in place; |notes|,
// when given, gets the characters worth a warning, in text order.
DecodingOutcome DecodeHandheldText(unsigned char* bytes, std::size_t length, TextEncoding encoding,
                                   std::vector<CharacterNote>* notes = nullptr);

// A character the handheld has no byte for, passed over by
// DecodeHandheldTextMarking.
struct UnmappedCharacter {
  std::size_t textOffset;  // where its mark stands in the decoded text
  std::size_t fileOffset;  // where it starts in the file
  std::uint32_t character;
};

// The byte that stands for an unmapped character in a marked text: 0x1A,
// which a decoded text never holds otherwise.
const unsigned char kUnmappedMark = 0x1A;

// As DecodeHandheldText, but a character the handheld cannot show becomes
// kUnmappedMark and is listed in |unmapped|, and decoding goes on: for a file
// of which only some parts are kept (a table's first two columns). Only text
// that is not valid in its encoding ends it early.
DecodingOutcome DecodeHandheldTextMarking(unsigned char* bytes, std::size_t length,
                                          TextEncoding encoding,
                                          std::vector<UnmappedCharacter>& unmapped,
                                          std::vector<CharacterNote>* notes = nullptr);

#endif  // QDCONV_CHARSET_HANDHELD_DECODER_H_
