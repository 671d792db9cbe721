#include "conversion/line_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The line as the reader yields it for |text|, with or without its LF.
QuestionLine LineHolding(const std::string& text, bool endsWithLineFeed) {
  return {text.data(), text.size(), endsWithLineFeed, false, kNoTextFault};
}

}  // namespace

TEST(LineRulesTest, NameHoldsOneToThirtyOneBytesWithoutLineEndAndNoControlByte) {
  const std::string n30(30, 'n'), n31(31, 'n'), n32(32, 'n');
  const struct {
    std::string name;
    bool valid;
  } cases[] = {
      {"", false},
      {"Q", true},
      {n30, true},
      {n31, true},
      {n32, false},
      {std::string(5000, 'n'), false},
      {"Capitals\tof Europe", false},
      {"Capitals\r", false},
      {"Capi\rtals", false},
      {"Quiz\x7F", false},
      {"Quiz\x1F", false},
      {"Capitales d'Europe \xE9t\xE9 \x80\xFF", true},
      {" ", true},
      {"~", true},
  };
  for (const auto& c : cases) {
    for (bool lineFeed : {false, true}) {
      EXPECT_EQ(IsDatabaseNameValid(LineHolding(c.name, lineFeed)), c.valid)
          << testing::PrintToString(c.name) << (lineFeed ? " and LF" : "");
    }
  }
}

TEST(LineRulesTest, RecordLineLengthTest) {
  const struct {
    std::size_t length;
    bool endsWithLineFeed;
    bool tooLong;
  } cases[] = {
      {0, true, false},       // an empty line
      {200, true, false},     // 200 bytes and LF pass
      {201, true, true},      // 201 bytes and LF fail
      {250, false, false},    // a last line without LF has no 200 limit
      {3999, false, false},   // ... up to what a line keeps
      {4000, false, true},
      {5000, true, true},
  };
  for (const auto& c : cases) {
    const std::string text(c.length, 'x');
    EXPECT_EQ(IsRecordLineTooLong(LineHolding(text, c.endsWithLineFeed)), c.tooLong)
        << c.length << (c.endsWithLineFeed ? " and LF" : "");
  }
}
