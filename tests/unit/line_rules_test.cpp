#include "conversion/line_rules.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::unique_ptr<QuestionLine> LineOf(std::uint64_t length, bool endsWithLineFeed) {
  auto line = std::make_unique<QuestionLine>();
  line->bytes[0] = '\0';
  line->length = length;
  line->endsWithLineFeed = endsWithLineFeed;
  return line;
}

}  // namespace

TEST(LineRulesTest, NameLineHoldsOneToThirtyOneBytesWithItsLineFeed) {
  const struct {
    std::uint64_t length;
    bool endsWithLineFeed;
    bool valid;
  } cases[] = {
      {0, false, false},  {1, true, true},    {1, false, true},
      {31, true, true},   {32, true, false},  {31, false, true},
      {32, false, false}, {5000, true, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsDatabaseNameValid(*LineOf(c.length, c.endsWithLineFeed)), c.valid)
        << c.length << (c.endsWithLineFeed ? " with LF" : " without LF");
  }
}

TEST(LineRulesTest, RecordLineLengthTest) {
  const struct {
    std::uint64_t length;
    bool endsWithLineFeed;
    std::uint64_t textLength;
    bool tooLong;
  } cases[] = {
      {1, true, 0, false},         // an empty line
      {201, true, 200, false},     // 200 bytes and LF pass
      {202, true, 201, true},      // 201 bytes and LF fail
      {250, false, 250, false},    // a last line without LF has no 200 limit
      {3999, false, 3999, false},  // ... up to what a line keeps
      {4000, false, 4000, true},
      {5001, true, 5000, true},
  };
  for (const auto& c : cases) {
    const auto line = LineOf(c.length, c.endsWithLineFeed);
    EXPECT_EQ(RecordTextLength(*line), c.textLength) << c.length;
    EXPECT_EQ(IsRecordLineTooLong(*line), c.tooLong) << c.length;
  }
}
