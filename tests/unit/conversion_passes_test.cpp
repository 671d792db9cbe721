#include "conversion/conversion_passes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "test_files.h"

namespace {

struct Measurement {
  bool complete;
  std::vector<std::uint32_t> sizes;
  std::string console;
};

Measurement Measure(const std::string& recordLines) {
  auto reader = std::make_unique<QuestionReader>();
  auto measured = std::make_unique<RecordSizes>();
  StartQuestionReader(FileWithBytes(recordLines), kBytesAsTheyAre, *reader);
  testing::internal::CaptureStdout();
  const bool complete = MeasureRecordLines(*reader, *measured);
  std::fflush(stdout);
  Measurement result = {complete, {}, testing::internal::GetCapturedStdout()};
  result.sizes.assign(measured->sizes, measured->sizes + measured->count);
  CloseQuestionFile(*reader);
  return result;
}

}  // namespace

TEST(MeasureRecordLinesTest, NotesOneSizePerLineAndPrintsIndexes) {
  const Measurement m = Measure(std::string("France?\n\nab\0cd\n", 15) +
                                std::string(200, 'x') + "\n" + std::string(250, 'y'));
  EXPECT_TRUE(m.complete);
  EXPECT_EQ(m.sizes, (std::vector<std::uint32_t>{8, 1, 3, 201, 251}));
  EXPECT_EQ(m.console, "0\n1\n2\n3\n4\n");
}

TEST(MeasureRecordLinesTest, StopsAtTheFirstLineTooLong) {
  const Measurement m = Measure("a\nb\n" + std::string(201, 'x') + "\nc\n");
  EXPECT_FALSE(m.complete);
  EXPECT_EQ(m.console, "0\n1\n2\nLine data too long at record : 3 \n");
}

TEST(MeasureRecordLinesTest, StopsAtTheRecordPastTheTable) {
  std::string lines;
  for (int i = 0; i < kMaxRecordCount; ++i) lines += "q\n";
  EXPECT_TRUE(Measure(lines).complete);

  const Measurement m = Measure(lines + "one too many");
  EXPECT_FALSE(m.complete);
  const std::string ending = "2999\n3000\nToo many records: at most 3000\n";
  ASSERT_GE(m.console.size(), ending.size());
  EXPECT_EQ(m.console.substr(m.console.size() - ending.size()), ending);
}

TEST(WriteRecordBodiesTest, WritesBodiesOnlyForLinesThatStillMatch) {
  const struct {
    const char* what;
    std::string secondPass;
    RecordBodiesOutcome outcome;
    std::size_t bodiesWritten;
  } cases[] = {
      {"unchanged", "Red breast?\nRobin", kRecordBodiesWritten, 2},
      {"CR LF instead of LF", "Red breast?\r\nRobin\n", kRecordBodiesWritten, 2},
      {"a text grew", "Red breast?\nRobins", kQuestionFileChanged, 1},
      {"a line added", "Red breast?\nRobin\nWren", kQuestionFileChanged, 2},
      {"a line gone", "Red breast?\n", kQuestionFileChanged, 1},
      {"a line longer than it keeps", std::string(5000, 'x'), kQuestionFileChanged, 0},
  };
  auto measured = std::make_unique<RecordSizes>();
  measured->sizes[0] = 12;
  measured->sizes[1] = 6;
  measured->count = 2;
  for (const auto& c : cases) {
    auto reader = std::make_unique<QuestionReader>();
    StartQuestionReader(FileWithBytes(c.secondPass), kBytesAsTheyAre, *reader);
    std::FILE* database = FileWithBytes("");
    EXPECT_EQ(WriteRecordBodies(*reader, database, *measured), c.outcome) << c.what;
    const std::string bodies = std::string(16, '\0') + "Red breast?" + '\0' +
                               std::string(16, '\0') + "Robin" + '\0';
    const std::size_t expectedSize = c.bodiesWritten == 0 ? 0
                                     : c.bodiesWritten == 1 ? 28
                                                            : bodies.size();
    EXPECT_EQ(BytesOfFile(database), bodies.substr(0, expectedSize)) << c.what;
    std::fclose(database);
    CloseQuestionFile(*reader);
  }
}

TEST(WriteRecordBodiesTest, ReportsAFailedWrite) {
  std::FILE* full = std::fopen("/dev/full", "wb");
  ASSERT_NE(full, nullptr);
  std::setvbuf(full, nullptr, _IONBF, 0);
  auto measured = std::make_unique<RecordSizes>();
  measured->sizes[0] = 2;
  measured->count = 1;
  auto reader = std::make_unique<QuestionReader>();
  StartQuestionReader(FileWithBytes("q"), kBytesAsTheyAre, *reader);
  EXPECT_EQ(WriteRecordBodies(*reader, full, *measured), kDatabaseWriteFailed);
  CloseQuestionFile(*reader);
  std::fclose(full);
}
