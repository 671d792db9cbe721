#include "charset/handheld_decoder.h"

#include <cstdint>
#include <cstring>

#include "charset/code_page_1252.h"
#include "charset/handheld_forms.h"
#include "charset/code_pages.h"
#include "charset/compositions.h"
#include "charset/utf8.h"
#include "charset/word_steps.h"

namespace {

// As DecodeUtf8Character, for UTF-16 in the given byte order.
int DecodeUtf16Character(const unsigned char* bytes, std::size_t available,
                         bool bigEndian, std::uint32_t& character) {
  const auto unitAt = [&](std::size_t at) -> std::uint32_t {
    return bigEndian ? bytes[at] << 8 | bytes[at + 1] : bytes[at + 1] << 8 | bytes[at];
  };
  if (available < 2) return kUtf8Incomplete;
  const std::uint32_t unit = unitAt(0);
  if (unit >= 0xDC00 && unit <= 0xDFFF) return kUtf8Invalid;
  if (unit < 0xD800 || unit > 0xDBFF) {
    character = unit;
    return 2;
  }
  if (available < 4) return kUtf8Incomplete;
  const std::uint32_t low = unitAt(2);
  if (low < 0xDC00 || low > 0xDFFF) return kUtf8Invalid;
  character = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
  return 4;
}

// A combining mark after the letter it composes with (decomposed text, as
// macOS writes it): the letter is taken back, and |character| becomes the
// one they compose, in the mark's stead.
void ComposeWithLetterBefore(const unsigned char* bytes, unsigned char*& out,
                             std::uint32_t& character) {
  std::uint32_t composed = 0;
  if (IsCombiningMark(character) && out > bytes &&
      ComposeCharacters(CharacterOfHandheldByte(out[-1]), character, composed)) {
    --out;
    character = composed;
  }
}

// The byte of a decoded character, or the fault that ends the text there.
TextFault ByteOfDecodedCharacter(int taken, std::uint32_t character, unsigned char& byte) {
  if (taken <= 0) return kInvalidText;
  return HandheldByteOfCharacter(character, byte) ? kNoTextFault : kUnmappableCharacter;
}

DecodingOutcome TextUpTo(const unsigned char* bytes, const unsigned char* out) {
  return {static_cast<std::size_t>(out - bytes), kNoTextFault, 0, 0};
}

DecodingOutcome TextUpToFault(const unsigned char* bytes, const unsigned char* out,
                              TextFault fault, std::size_t offset, std::uint32_t character) {
  return {static_cast<std::size_t>(out - bytes), fault, offset,
          fault == kUnmappableCharacter ? character : 0};
}

// Where unmapped characters go when decoding passes over them (null when the
// first one ends the text), and where the notes on characters go (null: not
// kept).
using UnmappedList = std::vector<UnmappedCharacter>;

struct DecodeLists {
  UnmappedList* unmapped;
  std::vector<CharacterNote>* notes;
};

// Whether |character|, which the handheld lacks, is stored in its handheld
// form at |out| (and noted).
bool StoreHandheldForm(std::uint32_t character, unsigned char* bytes, unsigned char*& out,
                       const DecodeLists& lists) {
  const HandheldForm* form = HandheldFormOf(character);
  if (!form) return false;
  if (lists.notes) lists.notes->push_back({static_cast<std::size_t>(out - bytes), character});
  if (form->byte != kLeftOut) *out++ = static_cast<unsigned char>(form->byte);
  return true;
}

// Whether decoding goes on past |fault| at |in|, |out|: with a list, an
// unmapped character is marked and listed.
bool PassOver(TextFault fault, unsigned char* bytes, unsigned char*& out, std::size_t in,
              std::uint32_t character, UnmappedList* unmapped) {
  if (fault != kUnmappableCharacter || !unmapped) return false;
  unmapped->push_back({static_cast<std::size_t>(out - bytes), in, character});
  *out++ = kUnmappedMark;
  return true;
}

DecodingOutcome DecodeUtf16(unsigned char* bytes, std::size_t from, std::size_t length,
                            bool bigEndian, const DecodeLists& lists) {
  UnmappedList* unmapped = lists.unmapped;
  unsigned char* out = bytes;
  for (std::size_t in = from; in < length;) {
    std::uint32_t character = 0;
    const int taken = DecodeUtf16Character(bytes + in, length - in, bigEndian, character);
    if (taken > 0) ComposeWithLetterBefore(bytes, out, character);
    unsigned char byte = 0;
    const TextFault fault = ByteOfDecodedCharacter(taken, character, byte);
    if ((fault == kUnmappableCharacter && StoreHandheldForm(character, bytes, out, lists)) ||
        PassOver(fault, bytes, out, in, character, unmapped)) {
      in += static_cast<std::size_t>(taken);
      continue;
    }
    if (fault != kNoTextFault) return TextUpToFault(bytes, out, fault, in, character);
    if (byte == kEndOfFileByte) break;
    *out++ = byte;
    in += static_cast<std::size_t>(taken);
  }
  return TextUpTo(bytes, out);
}

// In UTF-8 a byte 0x1A is always the character, so the text's end is known
// before decoding.
DecodingOutcome DecodeUtf8(unsigned char* bytes, std::size_t from, std::size_t length,
                           const DecodeLists& lists) {
  UnmappedList* unmapped = lists.unmapped;
  length = from + LengthBeforeEndOfFile(bytes + from, length - from);
  // The text up to its first byte beyond ASCII stays as it is.
  const std::size_t in = FindHighByte(bytes, from, length);
  if (from != 0) std::memmove(bytes, bytes + from, in - from);
  unsigned char* out = bytes + (in - from);
  const unsigned char* const end = bytes + length;
  const unsigned char* next = bytes + in;
  while (next < end) {
    const unsigned char lead = *next;
    if (lead < 0x80) {
      *out++ = lead;
      ++next;
      // Bytes not yet taken are never written over: |out| trails |next|,
      // and a whole word goes out only when it ends before |next|.
      while (end - next >= 8) {
        const std::size_t ascii = LeadingAsciiOfEight(next);
        if (next - out >= 8) {
          std::memcpy(out, next, 8);
        } else {
          std::memmove(out, next, ascii);
        }
        out += ascii;
        next += ascii;
        if (ascii < 8) break;
      }
      continue;
    }
    // The accented letters of most Western languages, U+00C0 to U+00FF,
    // are their own bytes on the handheld.
    if (lead == 0xC3 && end - next >= 2 && (next[1] & 0xC0) == 0x80) {
      *out++ = static_cast<unsigned char>(0xC0 | (next[1] & 0x3F));
      next += 2;
      while (end - next >= 8 && TakeFourLatinLetters(next, out)) {
        out += 4;
        next += 8;
      }
      continue;
    }
    std::uint32_t character = 0;
    const int taken =
        DecodeUtf8Character(next, static_cast<std::size_t>(end - next), character);
    if (taken > 0) ComposeWithLetterBefore(bytes, out, character);
    unsigned char byte = 0;
    const TextFault fault = ByteOfDecodedCharacter(taken, character, byte);
    const std::size_t in = static_cast<std::size_t>(next - bytes);
    if ((fault == kUnmappableCharacter && StoreHandheldForm(character, bytes, out, lists)) ||
        PassOver(fault, bytes, out, in, character, unmapped)) {
      next += taken;
      continue;
    }
    if (fault != kNoTextFault) return TextUpToFault(bytes, out, fault, in, character);
    *out++ = byte;
    next += taken;
  }
  return TextUpTo(bytes, out);
}

// A single-byte code page other than the handheld's own: each byte becomes
// one at most, so the text up to its first byte beyond ASCII stays.
DecodingOutcome DecodeCodePage(unsigned char* bytes, std::size_t length, TextEncoding encoding,
                               const DecodeLists& lists) {
  length = LengthBeforeEndOfFile(bytes, length);
  std::size_t in = FindHighByte(bytes, 0, length);
  unsigned char* out = bytes + in;
  for (; in < length; ++in) {
    std::uint32_t character = 0;
    const int taken = CharacterOfCodePageByte(encoding, bytes[in], character) ? 1 : kUtf8Invalid;
    unsigned char byte = 0;
    const TextFault fault = ByteOfDecodedCharacter(taken, character, byte);
    if ((fault == kUnmappableCharacter && StoreHandheldForm(character, bytes, out, lists)) ||
        PassOver(fault, bytes, out, in, character, lists.unmapped)) {
      continue;
    }
    if (fault != kNoTextFault) return TextUpToFault(bytes, out, fault, in, character);
    *out++ = byte;
  }
  return TextUpTo(bytes, out);
}

// Lines ending in CR alone: each CR of the decoded |text| becomes an LF.
DecodingOutcome WithMacLineEnds(unsigned char* bytes, DecodingOutcome text) {
  for (std::size_t i = 0; i < text.length; ++i) {
    if (bytes[i] == '\r') bytes[i] = '\n';
  }
  return text;
}

// Notes each byte of |text| for which the handheld's fonts have no letter:
// for a text taken byte for byte.
void NoteBytesWithoutLetter(const unsigned char* bytes, const DecodingOutcome& text,
                            std::vector<CharacterNote>* notes) {
  if (!notes) return;
  for (std::size_t i = FindHighByte(bytes, 0, text.length); i < text.length;
       i = FindHighByte(bytes, i + 1, text.length)) {
    if (!HandheldHasLetterFor(bytes[i])) {
      notes->push_back({i, CharacterOfHandheldByte(bytes[i])});
    }
  }
}

DecodingOutcome DecodeByEncoding(unsigned char* bytes, std::size_t length, TextEncoding encoding,
                                 const DecodeLists& lists) {
  const std::size_t mark =
      ByteOrderMarkLength(encoding) < length ? ByteOrderMarkLength(encoding) : length;
  switch (encoding) {
    case kUtf8:
    case kUtf8WithByteOrderMark:
      return DecodeUtf8(bytes, mark, length, lists);
    case kUtf16LittleEndian:
    case kUtf16BigEndian:
    case kUtf16LittleEndianWithoutMark:
    case kUtf16BigEndianWithoutMark:
      return DecodeUtf16(bytes, mark, length, IsBigEndian(encoding), lists);
    case kMacRoman:
    case kWindows1250:
    case kWindows1251:
    case kWindows1253:
    case kWindows1254:
    case kWindows1257:
    case kDos437:
    case kDos850:
    case kDos852:
    case kDos866:
    case kMacCentralEuropean:
    case kMacCyrillic:
      return DecodeCodePage(bytes, length, encoding, lists);
    case kBytesAsTheyAre:
      break;
  }
  const DecodingOutcome text = {LengthBeforeEndOfFile(bytes, length), kNoTextFault, 0, 0};
  NoteBytesWithoutLetter(bytes, text, lists.notes);
  return text;
}

DecodingOutcome Decode(unsigned char* bytes, std::size_t length, TextEncoding encoding,
                       const DecodeLists& lists) {
  // Told from the file, not from the text decoded: a text that stops early
  // may stop before its first LF.
  const bool macLineEnds = std::memchr(bytes, '\n', length) == nullptr;
  const DecodingOutcome text = DecodeByEncoding(bytes, length, encoding, lists);
  return macLineEnds ? WithMacLineEnds(bytes, text) : text;
}

}  // namespace

DecodingOutcome DecodeHandheldText(unsigned char* bytes, std::size_t length,
                                   TextEncoding encoding, std::vector<CharacterNote>* notes) {
  if (notes) notes->clear();
  return Decode(bytes, length, encoding, {nullptr, notes});
}

DecodingOutcome DecodeHandheldTextMarking(unsigned char* bytes, std::size_t length,
                                          TextEncoding encoding, UnmappedList& unmapped,
                                          std::vector<CharacterNote>* notes) {
  unmapped.clear();
  if (notes) notes->clear();
  return Decode(bytes, length, encoding, {&unmapped, notes});
}
