#include "conversion/conversion_passes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "console/report_text.h"
#include "conversion/line_rules.h"

namespace {

// What standard output gets of |report|.
std::string StandardOutput(const Report& report) {
  std::string out;
  for (const ReportEntry& entry : report) {
    if (entry.kind == kProgressNumbers) {
      for (std::uint64_t k = 0; k < entry.number; ++k) out += std::to_string(k) + "\n";
    } else if (IsStandardOutput(entry.kind)) {
      out += MessageText(entry);
    }
  }
  return out;
}

struct Measurement {
  bool complete;
  std::vector<std::string> texts;
  std::vector<std::uint32_t> sizes;
  std::string console;
  RecordWarnings warnings;
};

Measurement Measure(const std::string& recordLines) {
  QuestionReader reader;
  StartQuestionReader(reinterpret_cast<const unsigned char*>(recordLines.data()),
                      recordLines.size(), kNoTextFault, reader);
  const DecodingOutcome text = {recordLines.size(), kNoTextFault, 0, 0};
  auto records = std::make_unique<RecordTexts>();
  RecordWarnings warnings;
  const QuestionLine nameLine = {"Quiz", 4, true, false, kNoTextFault};
  StartRecordWarnings(nameLine, warnings);
  const RecordOrigin origin = {nullptr, 0, 0, 0, nullptr, nullptr};
  Report report;
  const bool complete =
      MeasureRecordLines(reader, text, kBytesAsTheyAre, origin, *records, warnings, report);
  Measurement result = {complete, {}, {}, StandardOutput(report), warnings};
  for (int k = 0; k < records->count; ++k) {
    result.texts.emplace_back(records->texts[k], records->sizes[k] - 1);
    result.sizes.push_back(records->sizes[k]);
  }
  return result;
}

// The places of the warnings of |kind| for a measured file, and the number
// of lines the warning about the rest counts.
std::vector<int> WarnedLines(const Measurement& m, ReportKind kind, ReportKind more,
                             std::uint64_t& rest) {
  const RecordOrigin origin = {nullptr, 0, 0, 0, nullptr, nullptr};
  Report report;
  ReportRecordWarnings(m.warnings, static_cast<int>(m.texts.size()), origin, report);
  std::vector<int> lines;
  rest = 0;
  for (const ReportEntry& entry : report) {
    if (entry.kind == more) rest = entry.number;
    if (entry.kind == kind) lines.push_back(entry.place.line);
  }
  return lines;
}

}  // namespace

TEST(MeasureRecordLinesTest, KeepsOneTextPerLineAndPrintsIndexes) {
  const Measurement m = Measure(std::string("France?\n\nab\0cd\n", 15) +
                                std::string(200, 'x') + "\n" + std::string(250, 'y'));
  EXPECT_TRUE(m.complete);
  EXPECT_EQ(m.sizes, (std::vector<std::uint32_t>{8, 1, 3, 201, 251}));
  EXPECT_EQ(m.texts, (std::vector<std::string>{"France?", "", "ab", std::string(200, 'x'),
                                               std::string(250, 'y')}));
  EXPECT_EQ(m.console, "0\n1\n2\n3\n4\n");
}

TEST(MeasureRecordLinesTest, NotesBlankAndCutLinesByTheirLineInTheFile) {
  std::string lines = std::string("Q1\n\n \t\nA\0cut\n\0\n", 15);
  for (int i = 0; i < 6; ++i) lines += "\n";
  const Measurement m = Measure(lines + "last");
  EXPECT_TRUE(m.complete);
  std::uint64_t moreBlank = 0, moreCut = 0;
  EXPECT_EQ(WarnedLines(m, kWarnBlankAnswer, kWarnMoreBlankLines, moreBlank),
            (std::vector<int>{3, 7, 9}));
  EXPECT_EQ(WarnedLines(m, kWarnBlankLineShifts, kWarnMoreBlankLines, moreBlank),
            (std::vector<int>{4, 8}));
  EXPECT_EQ(moreBlank, 3u);
  EXPECT_EQ(WarnedLines(m, kWarnLineHoldsNul, kWarnMoreLinesHoldNul, moreCut),
            (std::vector<int>{5, 6}));
  EXPECT_EQ(moreCut, 0u);
  EXPECT_FALSE(m.warnings.nameCutByNul);
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
