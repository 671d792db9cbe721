#include "charset/encoding_guess.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

#include "charset/code_page_statistics.h"
#include "charset/code_pages.h"
#include "charset/utf8.h"
#include "charset/word_steps.h"

namespace {

// The readings a file of 8-bit text is weighed in.
const TextEncoding kReadings[] = {
    kBytesAsTheyAre, kWindows1250, kWindows1251, kWindows1253, kWindows1254,
    kWindows1257,    kDos437,      kDos850,      kDos852,      kDos866,
    kMacRoman,       kMacCentralEuropean,        kMacCyrillic,
};
const int kReadingCount = sizeof(kReadings) / sizeof(kReadings[0]);

// Costs, in the statistics' quarter bits.
const long kSignBetweenLetters = 160;
const long kOddSignCost = 120;
// A sign touching a word costs about what a letter does: otherwise a
// reading that makes signs of letters would pay less for them. Quotation
// marks are at home there.
const long kSignTouchingWord = 40;
const long kQuotationTouchingWord = 8;
const long kCapitalInsideWord = 60;
const long kWesternFavour = 64;
const long kMachineFavour = 40;
// DOS and Mac code pages are the rarer ones today.
const long kDosOrMac = 24;
// Western Europe's DOS code page is 850; 437 is the American one.
const long kDosUnitedStates = 8;
// Lines that end in CR alone are old Mac programs' own, and CR LF
// Windows' and DOS's.
const long kMacLineEndsOffMac = 400;
const long kWindowsLineEndsOnMac = 80;
// How near in cost a reading of another text must come to leave the
// choice open.
const long kNearReading = 24;
// How near the likeliest reading in other languages must come to be offered
// too when the choice is open.
const long kOtherLanguagesReading = 160;

// How many words beyond ASCII are weighed: all of them, up to this many;
// after the first few, only in the readings and languages not far behind.
const int kMostWords = 400;
const int kWordsBeforePruning = 32;
const long kReadingFarBehind = 800;
const long kLanguageFarBehind = 240;
const long kFarBehind = 1L << 30;  // long may be 32 bits (Windows, WebAssembly)

bool IsDos(TextEncoding e) { return e == kDos437 || e == kDos850 || e == kDos852 || e == kDos866; }
bool IsMac(TextEncoding e) {
  return e == kMacRoman || e == kMacCentralEuropean || e == kMacCyrillic;
}

bool IsWordByte(unsigned char byte) { return byte >= 0x80 || std::isalpha(byte); }

// Which of the bytes 0x80 to 0xFF the text holds.
struct HighBytes {
  bool held[128];
};

HighBytes HighBytesOf(const unsigned char* bytes, std::size_t length) {
  // Every byte marked, ASCII in a table of its own: no branch a byte.
  bool held[256] = {};
  std::size_t i = FindHighByte(bytes, 0, length);
  for (; length - i >= 8; i += 8) {
    if (LeadingAsciiOfEight(bytes + i) == 8) continue;
    for (std::size_t k = 0; k < 8; ++k) held[bytes[i + k]] = true;
  }
  for (; i < length; ++i) held[bytes[i]] = true;
  HighBytes high;
  std::copy(held + 0x80, held + 0x100, high.held);
  return high;
}

bool SameCharacter(TextEncoding a, TextEncoding b, unsigned char byte) {
  std::uint32_t first = 0, second = 0;
  const bool inA = CharacterOfCodePageByte(a, byte, first);
  const bool inB = CharacterOfCodePageByte(b, byte, second);
  return inA == inB && first == second;
}

bool SameText(TextEncoding a, TextEncoding b, const HighBytes& high) {
  for (int i = 0; i < 128; ++i) {
    if (high.held[i] && !SameCharacter(a, b, static_cast<unsigned char>(0x80 + i))) return false;
  }
  return true;
}

bool Defined(TextEncoding encoding, const HighBytes& high) {
  std::uint32_t character = 0;
  for (int i = 0; i < 128; ++i) {
    if (high.held[i] &&
        !CharacterOfCodePageByte(encoding, static_cast<unsigned char>(0x80 + i), character)) {
      return false;
    }
  }
  return true;
}

bool IsLetter(unsigned char letter) {
  return letter != 0 && letter != kOddSign && letter != kWordJoiner &&
         letter != kQuotationSign && letter != kMiddleDot && letter != kApartSign;
}

// How unlikely the word bytes |segment[0..length)| are in a language.
long CostOfSegment(const unsigned char* segment, std::size_t length,
                   const LanguageModel& language) {
  const unsigned char* letters = language.letters;
  long cost = 0;
  int previous = 0;
  bool previousSmall = false;
  bool previousHigh = false;
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char byte = segment[i];
    const unsigned char letter = letters[byte];
    const bool high = byte >= 0x80;
    if (!IsLetter(letter)) {
      if (letter == kOddSign) cost += kOddSignCost;
      const bool letterNext = i + 1 < length && IsLetter(letters[segment[i + 1]]);
      const bool between = previous != 0 && letterNext;
      const bool joins =
          letter == kWordJoiner ||
          (letter == kMiddleDot && previous == kLetterL && letterNext &&
           (letters[segment[i + 1]] & ~kCapitalLetter) == kLetterL);
      if (high && (previous != 0 || letterNext) && !(between && joins)) {
        cost += between || letter == kApartSign ? kSignBetweenLetters
                : letter == kQuotationSign        ? kQuotationTouchingWord
                                                  : kSignTouchingWord;
      }
      if (previous != 0) cost += language.costs[previous * language.size];
      previous = 0;
      continue;
    }
    const int number = letter & ~kCapitalLetter;
    const bool capital = (letter & kCapitalLetter) != 0;
    if (previous != 0 && capital && previousSmall && (high || previousHigh)) {
      cost += kCapitalInsideWord;
    }
    cost += language.costs[previous * language.size + number];
    previous = number;
    previousSmall = !capital;
    previousHigh = high;
  }
  if (previous != 0) cost += language.costs[previous * language.size];
  return cost;
}

enum LineEnds { kWindowsLineEnds, kUnixLineEnds, kMacLineEnds };

LineEnds LineEndsOf(const unsigned char* bytes, std::size_t length) {
  const void* lineFeed = std::memchr(bytes, '\n', length);
  if (!lineFeed) return std::memchr(bytes, '\r', length) ? kMacLineEnds : kUnixLineEnds;
  const auto* at = static_cast<const unsigned char*>(lineFeed);
  return at > bytes && at[-1] == '\r' ? kWindowsLineEnds : kUnixLineEnds;
}

long Favour(TextEncoding encoding, const EncodingChoice& choice, LineEnds ends) {
  long cost = 0;
  if (LanguagesOfCodePage(encoding).family == LanguagesOfCodePage(kBytesAsTheyAre).family) {
    cost -= kWesternFavour;
  }
  if (encoding == choice.machine) {
    cost -= kMachineFavour;
  } else if (LanguagesOfCodePage(encoding).family == LanguagesOfCodePage(choice.machine).family) {
    cost -= kMachineFavour / 2;  // the DOS or Mac code page of the machine's languages
  }
  if (encoding == kDos437) cost += kDosUnitedStates;
  if (IsDos(encoding) || IsMac(encoding)) cost += kDosOrMac;
  if (ends == kMacLineEnds && !IsMac(encoding)) cost += kMacLineEndsOffMac;
  if (ends == kWindowsLineEnds && IsMac(encoding)) cost += kWindowsLineEndsOnMac;
  return cost;
}

// Whether a character of valid UTF-8 is one a European text holds: Latin,
// Greek and Cyrillic letters, punctuation, currency signs, emoji (not the
// C1 controls, IPA, lone accents or other scripts). An 8-bit line is
// valid UTF-8 by chance now and then (Cyrillic in DOS code page 866 is, a
// word at a time), but as characters of other scripts.
bool IsEuropeanCharacter(std::uint32_t character) {
  return (character >= 0x00A0 && character < 0x0250) ||
         (character >= 0x0370 && character < 0x0530) ||
         (character >= 0x1E00 && character < 0x2070) ||
         (character >= 0x20A0 && character < 0x20D0) ||
         (character >= 0x2100 && character < 0x2150) ||
         (character >= 0x1F300 && character < 0x1FB00);
}

// A line of UTF-8 beyond ASCII and a line that is not UTF-8, when the text
// holds both.
bool FindMixedLines(const unsigned char* bytes, std::size_t length, EncodingDecision& decision) {
  int line = 1;
  int utf8Line = 0, otherLine = 0;
  for (std::size_t start = 0; start < length && (utf8Line == 0 || otherLine == 0); ++line) {
    const void* lineFeed = std::memchr(bytes + start, '\n', length - start);
    const std::size_t end =
        lineFeed ? static_cast<std::size_t>(static_cast<const unsigned char*>(lineFeed) - bytes)
                 : length;
    bool beyondAscii = false, valid = true;
    for (std::size_t i = FindHighByte(bytes, start, end); i < end && valid;
         i = FindHighByte(bytes, i, end)) {
      std::uint32_t character = 0;
      const int taken = DecodeUtf8Character(bytes + i, end - i, character);
      valid = taken > 0 && IsEuropeanCharacter(character);
      beyondAscii = true;
      i += valid ? static_cast<std::size_t>(taken) : 1;
    }
    if (beyondAscii && valid && utf8Line == 0) utf8Line = line;
    if (!valid && otherLine == 0) otherLine = line;
    start = end + 1;
  }
  if (utf8Line == 0 || otherLine == 0) return false;
  decision.verdict = kEncodingMixed;
  decision.utf8Line = utf8Line;
  decision.otherLine = otherLine;
  return true;
}

// A word that reads differently in |a| and |b|.
void FindTellingWord(const unsigned char* bytes, std::size_t length, TextEncoding a,
                     TextEncoding b, EncodingDecision& decision) {
  for (std::size_t i = FindHighByte(bytes, 0, length); i < length;
       i = FindHighByte(bytes, i + 1, length)) {
    if (SameCharacter(a, b, bytes[i])) continue;
    std::size_t start = i, end = i + 1;
    while (start > 0 && IsWordByte(bytes[start - 1])) --start;
    while (end < length && IsWordByte(bytes[end])) ++end;
    decision.wordStart = start;
    decision.wordLength = end - start;
    return;
  }
}

EncodingDecision Decided(TextEncoding encoding, bool guessed) {
  EncodingDecision decision = {};
  decision.verdict = kEncodingDecided;
  decision.encoding = encoding;
  decision.guessed = guessed;
  return decision;
}

EncodingDecision GuessCodePage(const unsigned char* bytes, std::size_t length,
                               const EncodingChoice& choice) {
  const HighBytes high = HighBytesOf(bytes, length);
  // Each reading is as likely as the language it reads best in.
  const int kMostLanguages = 16;
  long costs[kReadingCount];
  long languageCosts[kReadingCount][kMostLanguages] = {};
  bool possible[kReadingCount];
  const LineEnds ends = LineEndsOf(bytes, length);
  for (int r = 0; r < kReadingCount; ++r) {
    possible[r] = Defined(kReadings[r], high);
    costs[r] = Favour(kReadings[r], choice, ends);
  }
  // The languages each reading is weighed in; once the first words have
  // told, those far behind the reading's best, and readings far behind the
  // best one, are weighed no more.
  bool weighed[kReadingCount][kMostLanguages] = {};
  for (int r = 0; r < kReadingCount; ++r) {
    for (int l = 0; l < LanguagesOfCodePage(kReadings[r]).count && l < kMostLanguages; ++l) {
      weighed[r][l] = possible[r];
    }
  }
  const auto bestLanguage = [&](int r) {
    long best = kFarBehind;
    for (int l = 0; l < kMostLanguages; ++l) {
      if (weighed[r][l]) best = std::min(best, languageCosts[r][l]);
    }
    return best;
  };
  int words = 0;
  for (std::size_t i = FindHighByte(bytes, 0, length); i < length && words < kMostWords;
       i = FindHighByte(bytes, i, length)) {
    std::size_t start = i, end = i + 1;
    while (start > 0 && IsWordByte(bytes[start - 1])) --start;
    while (end < length && IsWordByte(bytes[end])) ++end;
    for (int r = 0; r < kReadingCount; ++r) {
      const LanguageModels& languages = LanguagesOfCodePage(kReadings[r]);
      for (int l = 0; l < kMostLanguages; ++l) {
        if (!weighed[r][l]) continue;
        languageCosts[r][l] += CostOfSegment(bytes + start, end - start, languages.languages[l]);
      }
    }
    i = end;
    if (++words != kWordsBeforePruning) continue;
    long leader = kFarBehind;
    for (int r = 0; r < kReadingCount; ++r) {
      if (possible[r]) leader = std::min(leader, costs[r] + bestLanguage(r));
    }
    for (int r = 0; r < kReadingCount; ++r) {
      const long best = bestLanguage(r);
      const bool behind = costs[r] + best - leader > kReadingFarBehind;
      for (int l = 0; l < kMostLanguages; ++l) {
        weighed[r][l] = weighed[r][l] && !behind && languageCosts[r][l] - best <= kLanguageFarBehind;
      }
    }
  }
  for (int r = 0; r < kReadingCount; ++r) {
    const long best = bestLanguage(r);
    possible[r] = possible[r] && best != kFarBehind;
    costs[r] += best;
  }
  int best = -1;
  for (int r = 0; r < kReadingCount; ++r) {
    if (possible[r] && (best < 0 || costs[r] < costs[best])) best = r;
  }
  const TextEncoding chosen = kReadings[best];
  // Another name for the same text: bytes as they are keep their database.
  if (chosen != kBytesAsTheyAre && possible[0] && SameText(chosen, kBytesAsTheyAre, high)) {
    return Decided(kBytesAsTheyAre, false);
  }
  EncodingDecision decision = Decided(chosen, chosen != kBytesAsTheyAre);
  decision.candidates[0] = chosen;
  decision.candidateCount = 1;
  bool taken[kReadingCount] = {};
  taken[best] = true;
  // The nearest reading within |margin| that |wanted| allows.
  const auto nearest = [&](long margin, auto wanted) {
    int next = -1;
    for (int r = 0; r < kReadingCount; ++r) {
      if (!possible[r] || taken[r] || costs[r] - costs[best] >= margin || !wanted(r)) continue;
      if (next < 0 || costs[r] < costs[next]) next = r;
    }
    if (next >= 0) taken[next] = true;
    return next;
  };
  const auto offer = [&](int r) {
    for (int c = 0; c < decision.candidateCount; ++c) {
      if (SameText(kReadings[r], decision.candidates[c], high)) return;
    }
    decision.candidates[decision.candidateCount++] = kReadings[r];
  };
  // The near readings of other texts, nearest first.
  const auto any = [](int) { return true; };
  for (int r; decision.candidateCount < kMostCandidates && (r = nearest(kNearReading, any)) >= 0;) {
    offer(r);
  }
  if (decision.candidateCount > 1 && decision.candidateCount < kMostCandidates) {
    // The choice is open: the likeliest reading in other languages is
    // offered too, since the right one may be further off.
    const auto otherLanguages = [&](int r) {
      for (int c = 0; c < decision.candidateCount; ++c) {
        if (LanguagesOfCodePage(kReadings[r]).family ==
            LanguagesOfCodePage(decision.candidates[c]).family) {
          return false;
        }
      }
      return true;
    };
    const int other = nearest(kOtherLanguagesReading, otherLanguages);
    if (other >= 0) offer(other);
  }
  if (decision.candidateCount > 1) {
    decision.verdict = kEncodingUncertain;
    FindTellingWord(bytes, length, decision.candidates[0], decision.candidates[1], decision);
  }
  return decision;
}

}  // namespace

EncodingChoice WesternMachine() { return {kBytesAsTheyAre, false, kBytesAsTheyAre}; }

EncodingDecision DecideTextEncoding(const unsigned char* bytes, std::size_t length,
                                    const EncodingChoice& choice) {
  if (choice.named) {
    TextEncoding named = choice.encoding;
    if (named == kUtf8 && length >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
      named = kUtf8WithByteOrderMark;
    }
    if (named == kUtf16LittleEndian || named == kUtf16BigEndian) {
      const bool marked = length >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) ||
                                          (bytes[0] == 0xFE && bytes[1] == 0xFF));
      if (marked) {
        named = bytes[0] == 0xFE ? kUtf16BigEndian : kUtf16LittleEndian;
      } else {
        named = named == kUtf16BigEndian ? kUtf16BigEndianWithoutMark
                                         : kUtf16LittleEndianWithoutMark;
      }
    }
    return Decided(named, false);
  }
  const TextEncoding form = DetectTextEncoding(bytes, length);
  if (form != kBytesAsTheyAre && form != kMacRoman) return Decided(form, false);
  length = LengthBeforeEndOfFile(bytes, length);
  if (FindHighByte(bytes, 0, length) == length) return Decided(kBytesAsTheyAre, false);
  EncodingDecision mixed = {};
  if (FindMixedLines(bytes, length, mixed)) return mixed;
  return GuessCodePage(bytes, length, choice);
}
