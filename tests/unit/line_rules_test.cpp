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

// The line as the reader yields it for |seenBytes|.
std::unique_ptr<QuestionLine> LineHolding(const std::string& seenBytes) {
  auto line = LineOf(seenBytes.size(), !seenBytes.empty() && seenBytes.back() == '\n');
  seenBytes.copy(line->bytes, seenBytes.size());
  line->bytes[seenBytes.size()] = '\0';
  return line;
}

}  // namespace

TEST(LineRulesTest, NameHoldsOneToThirtyOneBytesWithoutLineEndAndNoControlByte) {
  const std::string n30(30, 'n'), n31(31, 'n'), n32(32, 'n');
  const struct {
    std::string nameLine;
    bool valid;
  } cases[] = {
      {"", false},
      {"Q", true},
      {"Q\n", true},
      {n30, true},
      {n30 + "\n", true},
      {n31, true},
      {n31 + "\n", true},
      {n32, false},
      {n32 + "\n", false},
      {"\n", false},
      {"Capitals\tof Europe\n", false},
      {"Capitals\r\n", false},
      {"Capi\rtals", false},
      {"Quiz\x7F\n", false},
      {"Quiz\x1F\n", false},
      {"Capitales d'Europe \xE9t\xE9 \x80\xFF\n", true},
      {" \n", true},
      {"~\n", true},
  };
  for (const auto& c : cases) {
    const auto line = LineHolding(c.nameLine);
    EXPECT_EQ(IsDatabaseNameValid(*line), c.valid) << testing::PrintToString(c.nameLine);
  }
  EXPECT_EQ(DatabaseNameLength(*LineHolding(n31 + "\n")), 31u);
  EXPECT_EQ(DatabaseNameLength(*LineHolding(n31)), 31u);
  EXPECT_FALSE(IsDatabaseNameValid(*LineOf(5000, true))) << "longer than a line keeps";
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
