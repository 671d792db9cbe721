#include "charset/unshowable_characters.h"

namespace {

// The same encoding without the byte order mark, which the rest of a file
// does not start with.
TextEncoding WithoutByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case kUtf8WithByteOrderMark:
      return kUtf8;
    case kUtf16LittleEndian:
      return kUtf16LittleEndianWithoutMark;
    case kUtf16BigEndian:
      return kUtf16BigEndianWithoutMark;
    default:
      return encoding;
  }
}

}  // namespace

Alphabet AlphabetOf(std::uint32_t character) {
  if (character >= 0x0400 && character <= 0x052F) return kCyrillicAlphabet;
  if ((character >= 0x0370 && character <= 0x03FF) || (character >= 0x1F00 && character <= 0x1FFF)) {
    return kGreekAlphabet;
  }
  return kNoAlphabet;
}

void AddLaterUnshowable(const PlacedCharacter& character, LaterUnshowable& later) {
  if (later.count < kUnshowableCharactersNamed - 1) later.named.push_back(character);
  ++later.count;
  if (later.lines.empty() || later.lines.back() != character.lineOrRow) {
    later.lines.push_back(character.lineOrRow);
  }
  later.alphabets |= 1u << AlphabetOf(character.character);
}

LaterUnshowable FindLaterUnshowable(const unsigned char* bytes, std::size_t length,
                                    TextEncoding encoding, const DecodingOutcome& decoded) {
  LaterUnshowable later = {};
  if (decoded.fault != kUnmappableCharacter) return later;
  // Where the text stopped: its line, and how many characters of it came
  // before.
  int line = 1;
  int column = 1;
  for (std::size_t i = 0; i < decoded.length; ++i) {
    column = bytes[i] == '\n' ? 1 : column + 1;
    line += bytes[i] == '\n';
  }
  std::vector<unsigned char> rest(bytes + decoded.faultOffset, bytes + length);
  std::vector<UnmappedCharacter> unmapped;
  const DecodingOutcome text = DecodeHandheldTextMarking(rest.data(), rest.size(),
                                                      WithoutByteOrderMark(encoding), unmapped);
  std::size_t at = 0;
  for (std::size_t k = 0; k < unmapped.size(); ++k) {
    for (; at < unmapped[k].textOffset && at < text.length; ++at) {
      column = rest[at] == '\n' ? 1 : column + 1;
      line += rest[at] == '\n';
    }
    // The first is the one the text stopped at.
    if (k > 0) AddLaterUnshowable({line, column, unmapped[k].character}, later);
  }
  return later;
}
