#include "conversion/question_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>


namespace {

struct ReadLine {
  std::string text;
  bool endsWithLineFeed;
  TextFault fault = kNoTextFault;

  bool operator==(const ReadLine& other) const {
    return text == other.text && endsWithLineFeed == other.endsWithLineFeed &&
           fault == other.fault;
  }
};

std::ostream& operator<<(std::ostream& out, const ReadLine& line) {
  return out << "{\"" << line.text.substr(0, 40) << "\" (" << line.text.size() << " bytes), "
             << line.endsWithLineFeed << ", fault " << line.fault << "}";
}

// The lines of |bytes|, a file in |encoding|, decoded as the converter does.
std::vector<ReadLine> ReadAllLines(std::string bytes, TextEncoding encoding = kBytesAsTheyAre) {
  unsigned char* data = reinterpret_cast<unsigned char*>(&bytes[0]);
  const DecodingOutcome text = DecodeHandheldText(data, bytes.size(), encoding);
  QuestionReader reader;
  StartQuestionReader(data, text.length, text.fault, reader);
  std::vector<ReadLine> lines;
  QuestionLine line;
  while (ReadQuestionLine(reader, line)) {
    lines.push_back({std::string(line.text, line.length), line.endsWithLineFeed, line.fault});
  }
  return lines;
}

std::string S(const char* bytes, std::size_t size) { return std::string(bytes, size); }

}  // namespace

TEST(ReadQuestionLineTest, AppliesTheReadingRules) {
  const struct {
    const char* what;
    std::string input;
    std::vector<ReadLine> lines;
  } cases[] = {
      {"empty file", "", {}},
      {"lines with LF, last without", "ab\ncd", {{"ab", true}, {"cd", false}}},
      {"an LF after the last line adds no line", "ab\n", {{"ab", true}}},
      {"a lone LF is a line", "\n\n", {{"", true}, {"", true}}},
      {"CR LF is read as LF", "ab\r\ncd\r\n", {{"ab", true}, {"cd", true}}},
      {"a lone CR stays", "a\rb\n", {{"a\rb", true}}},
      {"a final CR stays", "ab\ncd\r", {{"ab", true}, {"cd\r", false}}},
      {"without any LF, a CR ends a line", "ab\rcd\r\r", {{"ab", true}, {"cd", true}, {"", true}}},
      {"CR CR LF keeps the first CR", "a\r\r\n", {{"a\r", true}}},
      {"CR LF as a whole line", "\r\nb", {{"", true}, {"b", false}}},
      {"0x1A ends the file", "Q1?\nA1\x1AQ2?\n", {{"Q1?", true}, {"A1", false}}},
      {"0x1A at the start leaves nothing", "\x1A" "ab\n", {}},
      {"CR before 0x1A stays", "b\na\r\x1A", {{"b", true}, {"a\r", false}}},
      {"NUL hides the rest of the line and its LF",
       S("ab\0cd\nef\n", 9), {{"ab", false}, {"ef", true}}},
      {"a NUL hides a CR before the LF too", S("ab\0\r\n", 5), {{"ab", false}}},
      {"a line of NULs is an empty line", S("\0\0\n", 3), {{"", false}}},
      {"a long line is one line", std::string(5000, 'x') + "\nz",
       {{std::string(5000, 'x'), true}, {"z", false}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAllLines(c.input), c.lines) << c.what;
  }
}

TEST(ReadQuestionLineTest, ReadsDecodedTextAndGivesAFaultToTheLineItStopsIn) {
  const std::string emoji = "\xF0\x9F\x98\x80";
  const struct {
    const char* what;
    std::string input;
    std::vector<ReadLine> lines;
  } cases[] = {
      {"lengths count the handheld's bytes", "O\xC3\xB9?\r\n\xC3\xA9t\xC3\xA9",
       {{"O\xF9?", true}, {"\xE9t\xE9", false}}},
      {"inside a line", "Q1\nQ2 " + emoji + "\nQ3",
       {{"Q1", true}, {"Q2 ", false, kUnmappableCharacter}}},
      {"at the start of a line", "Q1\n" + emoji,
       {{"Q1", true}, {"", false, kUnmappableCharacter}}},
      {"after a CR that stays", "Q1\r" + emoji + "\n", {{"Q1\r", false, kUnmappableCharacter}}},
      {"after a NUL", S("Q1\0x", 4) + emoji, {{"Q1", false, kUnmappableCharacter}}},
      {"at the very start", emoji, {{"", false, kUnmappableCharacter}}},
      {"after 0x1A nothing counts", "Q1\x1A" + emoji, {{"Q1", false}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAllLines(c.input, kUtf8), c.lines) << c.what;
  }
}

TEST(ReadQuestionLineTest, LeavesTheLineAsItWasWhenNothingIsLeft) {
  const unsigned char text[] = "ab";
  QuestionReader reader;
  StartQuestionReader(text, 2, kNoTextFault, reader);
  QuestionLine line;
  EXPECT_TRUE(ReadQuestionLine(reader, line));
  EXPECT_FALSE(ReadQuestionLine(reader, line));
  EXPECT_FALSE(ReadQuestionLine(reader, line));
  EXPECT_EQ(std::string(line.text, line.length), "ab");
}
