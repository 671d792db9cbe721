// What the guess of a file's code page (encoding_guess.h) knows of each
// single-byte encoding (code_pages.h): the languages it is written in, and
// for each, which of its bytes are letters of that language's alphabet, of
// which case, and how likely each letter is after another in the
// language's words (generated from Debian's word lists by
// scripts/generate_code_page_tables.py). For charset/ alone.
#ifndef QDCONV_CHARSET_CODE_PAGE_STATISTICS_H_
#define QDCONV_CHARSET_CODE_PAGE_STATISTICS_H_

#include "charset/text_encoding.h"

// A byte's letter: 0 not a letter, kOddSign a sign that text hardly holds
// (box drawing, most of mathematics, an accent alone, a control
// character), else the letter's number in the language's alphabet (size - 1
// for a letter outside it), with kCapitalLetter set for a capital.
// kWordJoiner: a sign that stands inside words (an apostrophe, a hyphen);
// kQuotationSign: one at a word's edge (quotation marks, ¿ and ¡);
// kMiddleDot: the sign Catalan writes between two l's (col·legi);
// kApartSign: one that stands apart from words (a bullet, a dagger). Every
// alphabet starts a to z: 'l' is letter 12.
const unsigned char kCapitalLetter = 0x80;
const unsigned char kOddSign = 0x7F;
const unsigned char kWordJoiner = 0x7E;
const unsigned char kQuotationSign = 0x7D;
const unsigned char kMiddleDot = 0x7C;
const unsigned char kApartSign = 0x7B;
const int kLetterL = 12;

// One language in one code page: |letters| for each byte, and
// costs[a * size + b], -log2 of the chance of letter b after letter a (0: a
// word's start or end), in quarter bits.
struct LanguageModel {
  const unsigned char* letters;
  int size;
  const unsigned char* costs;
};

struct LanguageModels {
  const LanguageModel* languages;
  int count;
  int family;  // Western, Central European, Cyrillic ...: code pages of one family share it
};

// The languages of |encoding|, a single-byte encoding.
const LanguageModels& LanguagesOfCodePage(TextEncoding encoding);

// Where |encoding|'s table stands among the generated ones; -1 for an
// encoding that is not single-byte.
int CodePageTableIndex(TextEncoding encoding);

#endif  // QDCONV_CHARSET_CODE_PAGE_STATISTICS_H_
