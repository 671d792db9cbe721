// The characters the handheld cannot show that a text holds after the one
// its decoding stopped at, with their places, so that a teacher can replace
// them all at once rather than one run at a time.
#ifndef QDCONV_CHARSET_UNSHOWABLE_CHARACTERS_H_
#define QDCONV_CHARSET_UNSHOWABLE_CHARACTERS_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"

// Together with the one the text stopped at, how many are named.
const int kUnshowableCharactersNamed = 10;

struct PlacedCharacter {
  int lineOrRow;  // from 1
  int column;     // a question file's: from 1, in characters; a table's: from 0
  std::uint32_t character;
};

// The alphabets of which the handheld has no letter at all.
enum Alphabet : unsigned char { kNoAlphabet, kCyrillicAlphabet, kGreekAlphabet };

// The alphabet |character| is a letter of, among those; kNoAlphabet for any
// other character.
Alphabet AlphabetOf(std::uint32_t character);

struct LaterUnshowable {
  std::vector<PlacedCharacter> named;  // the first kUnshowableCharactersNamed - 1
  int count;                           // all of them
  std::vector<int> lines;              // the lines or rows they stand in, each once
  unsigned alphabets;                  // 1 << the Alphabet of each
};

// Adds |character| at its place to |later|, which starts empty ({}).
void AddLaterUnshowable(const PlacedCharacter& character, LaterUnshowable& later);

// Those of the file |bytes[0..length)| in |encoding|, which DecodeHandheldText
// decoded in place into |decoded|, which stopped at a character the handheld
// cannot show: the bytes from there on are still the file's.
LaterUnshowable FindLaterUnshowable(const unsigned char* bytes, std::size_t length,
                                    TextEncoding encoding, const DecodingOutcome& decoded);

#endif  // QDCONV_CHARSET_UNSHOWABLE_CHARACTERS_H_
