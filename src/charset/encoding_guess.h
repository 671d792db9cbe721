// Which encoding a question file is read in: its form (text_encoding.h)
// decides UTF-8 and UTF-16; a file of 8-bit text is read in the code page
// (code_pages.h) its words make plausible, or not at all.
//
// A reading is ruled out by a byte its code page leaves undefined, and made
// unlikely by a sign standing between two letters (Polish `ł` read as `³`),
// a capital after a small letter inside a word, and letter pairs that the
// languages written in that code page seldom hold (code_page_statistics.h).
// The machine's own ANSI code page (less its DOS and Mac ones), and the
// Western code pages, 1252 being the handheld's, count in a reading's
// favour; lines that end in CR alone are old Mac programs', CR LF
// Windows' and DOS's. The most likely reading is taken when no other
// that gives a different text comes near it; otherwise the file is not
// read, and the readings that stay are named. A file of both UTF-8 lines
// and 8-bit ones is not read either.
//
// The decision looks at the whole file for undefined bytes and mixed lines,
// and at its first few hundred words beyond ASCII for the rest; it costs
// nothing for a file of ASCII, UTF-8 or UTF-16.
#ifndef QDCONV_CHARSET_ENCODING_GUESS_H_
#define QDCONV_CHARSET_ENCODING_GUESS_H_

#include <cstddef>

#include "charset/text_encoding.h"

// What the machine and the user say of the file's encoding.
struct EncodingChoice {
  // The machine's ANSI code page (kBytesAsTheyAre: Western, 1252): a hint,
  // since a file may come from another machine.
  TextEncoding machine;
  // The user named the encoding: it is taken, whatever the file holds.
  bool named;
  TextEncoding encoding;
};

// The choice of a Western machine with nothing named.
EncodingChoice WesternMachine();

enum EncodingVerdict {
  kEncodingDecided,
  kEncodingUncertain,  // several readings give different texts
  kEncodingMixed,      // UTF-8 lines among 8-bit ones
};

const int kMostCandidates = 3;

struct EncodingDecision {
  EncodingVerdict verdict;
  // kEncodingDecided: the reading; |guessed| when the file's words chose a
  // code page other than 1252 (a note names it).
  TextEncoding encoding;
  bool guessed;
  // kEncodingUncertain: the readings that stay, most likely first, and a
  // word of the file (where it starts and how long it is) that reads
  // differently in the first two.
  TextEncoding candidates[kMostCandidates];
  int candidateCount;
  std::size_t wordStart;
  std::size_t wordLength;
  // kEncodingMixed: a line that is UTF-8 and one that is not, from 1.
  int utf8Line;
  int otherLine;
};

// Decide how the question file |bytes[0..length)| is read.
EncodingDecision DecideTextEncoding(const unsigned char* bytes, std::size_t length,
                                    const EncodingChoice& choice);

#endif  // QDCONV_CHARSET_ENCODING_GUESS_H_
