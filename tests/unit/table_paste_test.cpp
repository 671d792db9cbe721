// A paste into the page's editor is taken as spreadsheet rows exactly when
// the table reader reads it as rows of two cells or more.
#include <gtest/gtest.h>

#include <string>

#include "table/table_reader.h"

TEST(TabSeparatedPasteTest, EveryRowThatHoldsTextHasTwoCells) {
  const struct {
    const char* name;
    std::string text;
    bool rows;
  } cases[] = {
      {"TwoRows", "France ?\tParis\r\nSpain?\tMadrid\r\n", true},
      {"EmptyRowsBetween", "\nQ\tA\n\n\nQ2\tA2", true},
      {"ARowWithoutTab", "Q\tA\nJust a line\n", false},
      {"PlainText", "Quiz\nQuestion\nAnswer", false},
      {"Nothing", "", false},
      {"OnlyLineEnds", "\n\r\n", false},
      {"LineBreakInQuotes", "\"Madrid,\r\nla capitale\"\tSpain\n", true},
      {"TabInQuotesIsText", "\"a\tb\"\nc\td\n", false},
      {"QuoteInsideACell", "Un pouce (2.5\")\tinch\n", true},
      {"QuotedWordThenText", "\"Bonjour\" dit-il\tHello\n", true},
      {"SpacesOnlyRow", "Q\tA\n   \n", false},
  };
  for (const auto& c : cases) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(c.text.data());
    EXPECT_EQ(IsTabSeparatedPaste(bytes, c.text.size()), c.rows) << c.name;
  }
}
