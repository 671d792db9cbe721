#include "conversion/question_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "test_files.h"

namespace {

struct ReadLine {
  std::string stored;
  std::uint64_t length;
  bool endsWithLineFeed;
  TextFault fault = kNoTextFault;

  bool operator==(const ReadLine& other) const {
    return stored == other.stored && length == other.length &&
           endsWithLineFeed == other.endsWithLineFeed && fault == other.fault;
  }
};

std::ostream& operator<<(std::ostream& out, const ReadLine& line) {
  return out << "{\"" << line.stored.substr(0, 40) << "\" (" << line.stored.size()
             << " stored), " << line.length << ", " << line.endsWithLineFeed << ", fault "
             << line.fault << "}";
}

std::vector<ReadLine> ReadAllLines(const std::string& bytes,
                                   TextEncoding encoding = kBytesAsTheyAre) {
  auto reader = std::make_unique<QuestionReader>();
  StartQuestionReader(FileWithBytes(bytes), encoding, *reader);
  std::vector<ReadLine> lines;
  auto line = std::make_unique<QuestionLine>();
  while (ReadQuestionLine(*reader, *line)) {
    lines.push_back({line->bytes, line->length, line->endsWithLineFeed, line->fault});
  }
  CloseQuestionFile(*reader);
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
      {"lines with LF, last without", "ab\ncd", {{"ab\n", 3, true}, {"cd", 2, false}}},
      {"an LF after the last line adds no line", "ab\n", {{"ab\n", 3, true}}},
      {"a lone LF is a line", "\n\n", {{"\n", 1, true}, {"\n", 1, true}}},
      {"CR LF is read as LF", "ab\r\ncd\r\n", {{"ab\n", 3, true}, {"cd\n", 3, true}}},
      {"a lone CR stays", "a\rb\n", {{"a\rb\n", 4, true}}},
      {"a final CR stays", "ab\r", {{"ab\r", 3, false}}},
      {"CR CR LF keeps the first CR", "a\r\r\n", {{"a\r\n", 3, true}}},
      {"0x1A ends the file", "Q1?\nA1\x1AQ2?\n", {{"Q1?\n", 4, true}, {"A1", 2, false}}},
      {"0x1A at the start leaves nothing", "\x1A" "ab\n", {}},
      {"CR before 0x1A stays", "a\r\x1A\n", {{"a\r", 2, false}}},
      {"NUL hides the rest of the line and its LF",
       S("ab\0cd\nef\n", 9), {{"ab", 2, false}, {"ef\n", 3, true}}},
      {"a line of NULs is an empty line", S("\0\0\n", 3), {{"", 0, false}}},
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
       {{"O\xF9?\n", 4, true}, {"\xE9t\xE9", 3, false}}},
      {"inside a line", "Q1\nQ2 " + emoji + "\nQ3", {{"Q1\n", 3, true}, {"Q2 ", 3, false, kUnmappableCharacter}}},
      {"at the start of a line", "Q1\n" + emoji, {{"Q1\n", 3, true}, {"", 0, false, kUnmappableCharacter}}},
      {"after a CR that stays", "Q1\r" + emoji, {{"Q1\r", 3, false, kUnmappableCharacter}}},
      {"after 0x1A nothing counts", "Q1\x1A" + emoji, {{"Q1", 2, false}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAllLines(c.input, kUtf8), c.lines) << c.what;
  }
}

TEST(ReadQuestionLineTest, ReadsALongLineWholeAndKeepsItsStart) {
  const std::string start(kMaxStoredLineBytes, 'x');
  const struct {
    const char* what;
    std::string input;
    std::vector<ReadLine> lines;
  } cases[] = {
      {"3999 bytes and LF", start + "\nz", {{start, 4000, true}, {"z", 1, false}}},
      {"3998 bytes and LF keep the LF", start.substr(1) + "\n",
       {{start.substr(1) + "\n", 3999, true}}},
      {"5000 bytes and LF are one line", start + std::string(1001, 'y') + "\nz",
       {{start, 5001, true}, {"z", 1, false}}},
      {"a NUL after the kept bytes still ends what is seen",
       start + "yy" + std::string(1, '\0') + "yy\nz",
       {{start, 4001, false}, {"z", 1, false}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAllLines(c.input), c.lines) << c.what;
  }
}

TEST(ReadQuestionLineTest, JoinsCrLfAcrossReadBlocks) {
  const std::string before(kReadBlockSize - 1, 'x');
  const std::vector<ReadLine> lines = ReadAllLines(before + "\r\nz");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].length, kReadBlockSize);
  EXPECT_TRUE(lines[0].endsWithLineFeed);
  EXPECT_EQ(lines[1], (ReadLine{"z", 1, false}));
}

TEST(ReadQuestionLineTest, LeavesTheLineAsItWasWhenNothingIsLeft) {
  auto reader = std::make_unique<QuestionReader>();
  StartQuestionReader(FileWithBytes("\x1A" "ab\n"), kBytesAsTheyAre, *reader);
  auto line = std::make_unique<QuestionLine>();
  std::strcpy(line->bytes, "kept");
  line->length = 4;
  EXPECT_FALSE(ReadQuestionLine(*reader, *line));
  EXPECT_FALSE(ReadQuestionLine(*reader, *line));
  EXPECT_STREQ(line->bytes, "kept");
  EXPECT_EQ(line->length, 4u);
  CloseQuestionFile(*reader);
}

TEST(OpenQuestionFileTest, RefusesADirectoryAndAMissingFile) {
  auto reader = std::make_unique<QuestionReader>();
  EXPECT_FALSE(OpenQuestionFile(".", kBytesAsTheyAre, *reader));
  EXPECT_FALSE(OpenQuestionFile("no-such-question-file.txt", kBytesAsTheyAre, *reader));
  EXPECT_FALSE(OpenQuestionFile("", kBytesAsTheyAre, *reader));
}
