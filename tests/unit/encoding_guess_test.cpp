// Which encoding a question file is read in: the readings its words make
// plausible, the machine's hint, and what the user names.
#include "charset/encoding_guess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

EncodingDecision Decide(const std::string& bytes, TextEncoding machine,
                        bool named = false, TextEncoding encoding = kUtf8) {
  return DecideTextEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                            {machine, named, encoding});
}

// Texts of a few lines, as teachers' editors save them.
const char kFrench[] =
    "Vocabulaire d'\xE9t\xE9\r\nO\xF9 est la for\xEAt ?\r\nL\xE0-bas, pr\xE8s du ch\xE2teau";
const char kFrenchTypographic[] =
    "Vocabulaire\r\nQu\x92" "est-ce que l\x92\xE9t\xE9 ?\r\n\x93La saison\x94 \x96 chaude\x85";
const char kPolish[] = "S\xB3\xF3wka\r\nJak si\xEA masz?\r\nDzi\xEAkuj\xEA bardzo";
const char kTurkish[] = "Selam\r\nG\xFCnayd\xFDn?\r\nGood morning";
const char kGreek[] =
    "\xCB\xDD\xEE\xE5\xE9\xF2\r\n\xCA\xE1\xEB\xE7\xEC\xDD\xF1\xE1 \xF3\xE1\xF2\r\n"
    "\xD4\xE9 \xEA\xDC\xED\xE5\xE9\xF2;";
const char kRussian[] =
    "\xD1\xEB\xEE\xE2\xE0\r\n\xCA\xE0\xEA \xE4\xE5\xEB\xE0?\r\n"
    "\xD5\xEE\xF0\xEE\xF8\xEE, \xF1\xEF\xE0\xF1\xE8\xE1\xEE";
const char kRussianDos[] =
    "\x91\xAB\xAE\xA2\xA0\r\n\x8A\xA0\xAA \xA4\xA5\xAB\xA0?\r\n"
    "\x95\xAE\xE0\xAE\xE8\xAE, \xE1\xAF\xA0\xE1\xA8\xA1\xAE";
const char kRussianMac[] =
    "\x91\xEB\xEE\xE2\xE0\r\x8A\xE0\xEA \xE4\xE5\xEB\xE0?\r"
    "\x95\xEE\xF0\xEE\xF8\xEE, \xF1\xEF\xE0\xF1\xE8\xE1\xEE";
const char kEstonian[] = "K\xFCsimused\r\nMis on \xF0okolaad?\r\n\xD0okolaad on magus";
const char kCzech[] = "Slov\xED\xE8ka\r\nVelbloud je \x9D" "ava?\r\nAno, \x9D" "ava";
const char kFrenchMac[] = "D\x8Ej\x88 vu\rQu'est-ce que c'est ?\rUne illusion";
const char kGermanMac[] = "Deutsch\nStra\xA7" "e und Br\x9F" "cke?\nStreet and bridge";
const char kFrenchDos[] = "Vocabulaire\r\nO\x97 est-il all\x82 ?\r\n\xB7 c\x93t\x82 de l'h\x93tel";
const char kPolishDos[] = "S\x88\xA2wka\r\nJak si\xA9 masz?\r\nDzi\xA9kuj\xA9 bardzo";
const char kItalianDos[] =
    "Verbi\r\nCosa far\x95 domani ?\r\nAndr\x95 in citt\x85, perch\x82 \x8A festa";
const char kItalianDosBullet[] = "Verbi\r\nSvi\x95 ?\r\nTroverebbe";
const char kFrenchBullets[] = "Liste\r\n\x95 Paris ?\r\n\x95 Oui";
const char kDutchMac[] = "Woorden\n\xD2Gellicum\xD3 is een plaats?\nJa, in de Betuwe";
const char kFrenchApostrophes[] =
    "Vocabulaire\r\nQu\x92" "est-ce qu\x92il y a ?\r\nC\x92" "est l\x92heure";
const char kCroatianDos[] =
    "krajobrazni\r\nzamjetljiv ?\r\nplivali\xE7te\r\nbojna ?\r\nko\xE7" "evina";
const char kPortugueseAccentLast[] = "Verbos\r\nTraficar ?\r\nEle trafic\xE1";
const char kGerman[] = "Deutsch\r\n\xDC" "bungen ?\r\nExercises";
const char kSpanish[] = "Palabras\r\nTrif\xE1sica ?\r\nS\xED";
const char kCatalan[] = "Paraules\r\nEl col\xB7legi ?\r\nLa il\xB7lusio";
const char kHungarian[] = "Szavak\r\nHogy vagy?\r\nK\xF6sz\xF6n\xF6m, j\xF3l";

TEST(DecideTextEncodingTest, ReadsEachFileInTheCodePageItsWordsMakePlausible) {
  const struct {
    const char* what;
    std::string bytes;
    TextEncoding machine;
    TextEncoding encoding;
    bool guessed;
  } cases[] = {
      {"ASCII", "Capitals\r\nFrance?\r\nParis", kBytesAsTheyAre, kBytesAsTheyAre, false},
      {"UTF-8", "Caf\xC3\xA9\nD\xC3\xA9j\xC3\xA0 vu ?", kWindows1250, kUtf8, false},
      {"French", kFrench, kBytesAsTheyAre, kBytesAsTheyAre, false},
      {"French on a Polish machine", kFrench, kWindows1250, kBytesAsTheyAre, false},
      {"French on a Russian machine", kFrench, kWindows1251, kBytesAsTheyAre, false},
      {"French on a Turkish machine", kFrench, kWindows1254, kBytesAsTheyAre, false},
      {"French with curly quotes, apostrophes, dashes, an ellipsis", kFrenchTypographic,
       kWindows1250, kBytesAsTheyAre, false},
      {"Polish", kPolish, kBytesAsTheyAre, kWindows1250, true},
      {"Polish on a Polish machine", kPolish, kWindows1250, kWindows1250, true},
      {"Turkish on a Turkish machine", kTurkish, kWindows1254, kWindows1254, true},
      {"Greek", kGreek, kBytesAsTheyAre, kWindows1253, true},
      {"Russian", kRussian, kBytesAsTheyAre, kWindows1251, true},
      {"Russian from DOS", kRussianDos, kBytesAsTheyAre, kDos866, true},
      {"Russian from a Mac", kRussianMac, kBytesAsTheyAre, kMacCyrillic, true},
      {"Estonian on an Estonian machine", kEstonian, kWindows1257, kWindows1257, true},
      {"Czech with a byte 1252 leaves undefined", kCzech, kBytesAsTheyAre, kWindows1250, true},
      {"French from an old Mac, CR line ends", kFrenchMac, kBytesAsTheyAre, kMacRoman, true},
      {"German from TextEdit, LF line ends", kGermanMac, kBytesAsTheyAre, kMacRoman, true},
      {"French from DOS", kFrenchDos, kBytesAsTheyAre, kDos850, true},
      {"Polish from DOS", kPolishDos, kWindows1250, kDos852, true},
      {"Italian from DOS, its letters signs in 1252", kItalianDos, kBytesAsTheyAre, kDos850, true},
      {"Italian from DOS whose \xC3\xB2 is a bullet in 1252", kItalianDosBullet, kBytesAsTheyAre,
       kDos850, true},
      {"French with bullets apart from words", kFrenchBullets, kBytesAsTheyAre, kBytesAsTheyAre,
       false},
      {"Dutch from TextEdit, curly quotes capitals in 1252", kDutchMac, kBytesAsTheyAre,
       kMacRoman, true},
      {"French whose only signs are apostrophes", kFrenchApostrophes, kBytesAsTheyAre,
       kBytesAsTheyAre, false},
      {"Croatian from DOS on a Croatian machine", kCroatianDos, kWindows1250, kDos852, true},
      {"Portuguese whose last letter is a middle dot on a Mac", kPortugueseAccentLast,
       kBytesAsTheyAre, kBytesAsTheyAre, false},
      {"German whose \xDC a Mac reads as a quotation mark, with Windows' line ends", kGerman,
       kBytesAsTheyAre, kBytesAsTheyAre, false},
      {"Western ANSI holding \xC5\xBD, as qdtext writes it, not Mac's \xC3\xA9",
       "Vocabulaire\nZ\x8Eljko ?\nOui", kBytesAsTheyAre, kBytesAsTheyAre, false},
      {"Spanish on a Polish machine, its \xE1 a middle dot on a Mac", kSpanish, kWindows1250,
       kBytesAsTheyAre, false},
      {"Catalan, a middle dot between two l's", kCatalan, kBytesAsTheyAre, kBytesAsTheyAre, false},
      {"a middle dot after an l that ends the file", std::string(kCatalan) + " col\xB7",
       kBytesAsTheyAre, kBytesAsTheyAre, false},
      {"Hungarian in letters Western has too, on a Hungarian machine", kHungarian, kWindows1250,
       kBytesAsTheyAre, false},
  };
  for (const auto& c : cases) {
    const EncodingDecision decision = Decide(c.bytes, c.machine);
    EXPECT_EQ(decision.verdict, kEncodingDecided) << c.what;
    EXPECT_EQ(decision.encoding, c.encoding) << c.what;
    EXPECT_EQ(decision.guessed, c.guessed) << c.what;
  }
}

TEST(DecideTextEncodingTest, NamesTheReadingsThatStayWhenTheyGiveOtherLetters) {
  const struct {
    const char* what;
    std::string bytes;
    TextEncoding machine;
    std::vector<TextEncoding> candidates;
    std::string word;
  } cases[] = {
      {"Turkish elsewhere", kTurkish, kBytesAsTheyAre, {kBytesAsTheyAre, kWindows1254},
       "G\xFCnayd\xFDn"},
      {"Estonian elsewhere, and Central European offered too", kEstonian, kBytesAsTheyAre,
       {kBytesAsTheyAre, kWindows1257, kWindows1250}, "\xF0okolaad"},
  };
  for (const auto& c : cases) {
    const EncodingDecision decision = Decide(c.bytes, c.machine);
    EXPECT_EQ(decision.verdict, kEncodingUncertain) << c.what;
    EXPECT_EQ(std::vector<TextEncoding>(decision.candidates,
                                        decision.candidates + decision.candidateCount),
              c.candidates)
        << c.what;
    EXPECT_EQ(c.bytes.substr(decision.wordStart, decision.wordLength), c.word) << c.what;
  }
}

TEST(DecideTextEncodingTest, AByteACodePageLeavesUndefinedRulesItOut) {
  const struct {
    const char* what;
    std::string bytes;
    TextEncoding machine;
    TextEncoding ruledOut;
  } cases[] = {
      {"Greek with 0xAA on a Greek machine", std::string(kGreek) + " \xAA", kWindows1253,
       kWindows1253},
      {"Polish with 0x98 on a Polish machine", std::string(kPolish) + " \x98", kWindows1250,
       kWindows1250},
      {"Czech with 0x9D", kCzech, kBytesAsTheyAre, kBytesAsTheyAre},
  };
  for (const auto& c : cases) {
    const EncodingDecision decision = Decide(c.bytes, c.machine);
    const TextEncoding* end = decision.candidates + decision.candidateCount;
    if (decision.verdict == kEncodingDecided) {
      EXPECT_NE(decision.encoding, c.ruledOut) << c.what;
    }
    EXPECT_EQ(std::find(decision.candidates, end, c.ruledOut), end) << c.what;
  }
}

TEST(DecideTextEncodingTest, StopsAtUtf8LinesAmongOthersButNotAtChanceUtf8) {
  const EncodingDecision mixed = Decide("Caf\xC3\xA9\nD\xE9j\xE0 vu ?\nOui\nNo\xC3\xABl", kBytesAsTheyAre);
  EXPECT_EQ(mixed.verdict, kEncodingMixed);
  EXPECT_EQ(mixed.utf8Line, 1);
  EXPECT_EQ(mixed.otherLine, 2);
  // In DOS code page 866 a line of small Cyrillic letters is valid UTF-8 as
  // characters of other scripts: "рад" is E0 A0 A4, U+0824.
  const EncodingDecision dos = Decide(std::string(kRussianDos) + "\r\n\xE0\xA0\xA4", kWindows1251);
  EXPECT_EQ(dos.verdict, kEncodingDecided);
  EXPECT_EQ(dos.encoding, kDos866);
}

TEST(DecideTextEncodingTest, TakesTheEncodingTheUserNames) {
  const struct {
    const char* what;
    std::string bytes;
    TextEncoding named;
    TextEncoding encoding;
  } cases[] = {
      {"a code page, whatever the words", kFrench, kWindows1253, kWindows1253},
      {"UTF-8 with its byte order mark", "\xEF\xBB\xBFQ", kUtf8, kUtf8WithByteOrderMark},
      {"UTF-8 of a file that is not", kFrench, kUtf8, kUtf8},
      {"UTF-16 big-endian by its mark", "\xFE\xFF\0Q", kUtf16LittleEndian, kUtf16BigEndian},
      {"UTF-16 without mark", "Q\0", kUtf16LittleEndian, kUtf16LittleEndianWithoutMark},
  };
  for (const auto& c : cases) {
    const EncodingDecision decision = Decide(c.bytes, kBytesAsTheyAre, true, c.named);
    EXPECT_EQ(decision.verdict, kEncodingDecided) << c.what;
    EXPECT_EQ(decision.encoding, c.encoding) << c.what;
    EXPECT_FALSE(decision.guessed) << c.what;
  }
}

}  // namespace
