#include "conversion/conversion_passes.h"

#include "conversion/line_rules.h"
#include "conversion/question_hints.h"

namespace {

void ReportProgress(int lineCount, Report& report) {
  ReportEntry entry = MakeEntry(kProgressNumbers);
  entry.number = static_cast<std::uint64_t>(lineCount);
  report.push_back(entry);
}

}  // namespace

bool MeasureRecordLines(QuestionReader& reader, const DecodingOutcome& text, TextEncoding encoding,
                        const RecordOrigin& origin, RecordTexts& records,
                        RecordWarnings& warnings, Report& report) {
  QuestionLine line;
  records.count = 0;
  records.texts.clear();
  records.sizes.clear();
  records.texts.reserve(kMaxRecordCount);
  records.sizes.reserve(kMaxRecordCount);
  int index = 0;
  for (; ReadQuestionLine(reader, line); ++index) {
    records.stoppedAt = line;
    if (index >= kMaxRecordCount) {
      ReportProgress(index + 1, report);
      int lineCount = index + 1;
      while (ReadQuestionLine(reader, line)) ++lineCount;
      ReportTooManyRecords(lineCount, origin, report);
      return false;
    }
    if (line.fault != kNoTextFault) {
      ReportProgress(index + 1, report);
      ReportTextFault(text, encoding, origin, index + 1, report);
      return false;
    }
    if (IsRecordLineTooLong(line)) {
      ReportProgress(index + 1, report);
      ReportLineTooLong(line, origin, index, report);
      return false;
    }
    NoteRecordLine(line, index, warnings);
    records.texts.push_back(line.text);
    records.sizes.push_back(static_cast<std::uint32_t>(line.length + 1));
    records.count = index + 1;
  }
  ReportProgress(index, report);
  return true;
}
