#include "conversion/record_warnings.h"

#include <algorithm>
#include <vector>

#include "conversion/line_rules.h"

namespace {

// The lines of one kind among the first |recordCount| noted: the first
// kLinesNamedPerWarning of them, which the warnings name, and how many in all.
struct LinesOfOneKind {
  int recordIndexes[kLinesNamedPerWarning];  // in file order
  int count;
};

// The blank record that puts every pair after it off: the first blank one
// of an odd number of records; -1 when there is none.
int ShiftingBlankRecord(const RecordWarnings& warnings, int recordCount) {
  if (recordCount % 2 == 0) return -1;
  for (int index = 0; index < recordCount && index < kMaxRecordCount; ++index) {
    if (warnings.findings[index] == kRecordBlank) return index;
  }
  return -1;
}

LinesOfOneKind FindLines(const RecordWarnings& warnings, RecordFinding finding,
                         int recordCount) {
  LinesOfOneKind lines;
  lines.count = 0;
  for (int index = 0; index < recordCount && index < kMaxRecordCount; ++index) {
    if (warnings.findings[index] != finding) continue;
    if (lines.count < kLinesNamedPerWarning) lines.recordIndexes[lines.count] = index;
    ++lines.count;
  }
  return lines;
}

// Reports each named line of |lines| with |entryFor|, then the rest as
// |more|, with their number.
template <typename EntryFor>
void ReportLines(const LinesOfOneKind& lines, EntryFor entryFor, ReportKind more,
                 Report& report) {
  for (int k = 0; k < lines.count && k < kLinesNamedPerWarning; ++k) {
    report.push_back(entryFor(lines.recordIndexes[k]));
  }
  if (lines.count > kLinesNamedPerWarning) {
    ReportEntry entry = MakeEntry(more);
    entry.number = static_cast<std::uint64_t>(lines.count - kLinesNamedPerWarning);
    report.push_back(entry);
  }
}

void ReportTableNotes(const TableNotes& notes, Report& report) {
  if (notes.nameCut) {
    ReportEntry entry = MakeEntry(kWarnTableNameCut);
    entry.text = notes.fileName;
    entry.otherText = notes.nameKept;
    entry.limit = kMaxDatabaseNameLength;
    report.push_back(entry);
  }
  if (notes.headingsRow != 0) {
    ReportEntry entry = EntryAt(kWarnHeadingsSkipped, {kInCell, notes.headingsRow, 0});
    entry.text = CellInUtf8(notes.headings[0]);
    entry.otherText = CellInUtf8(notes.headings[1]);
    report.push_back(entry);
  }
  if (!notes.rowsBeyondB.empty()) {
    ReportEntry entry = MakeEntry(kWarnRowsBeyondB);
    entry.number = notes.rowsBeyondB.size();
    const std::size_t named = std::min<std::size_t>(notes.rowsBeyondB.size(), kLinesNamedPerWarning);
    entry.numbers.assign(notes.rowsBeyondB.begin(), notes.rowsBeyondB.begin() + named);
    entry.inTable = true;
    report.push_back(entry);
  }
}

void ReportTableWarnings(const RecordWarnings& warnings, int recordCount,
                         const RecordOrigin& origin, Report& report) {
  if (origin.tableNotes) ReportTableNotes(*origin.tableNotes, report);
  const auto cell = [&](ReportKind kind) {
    return [&origin, kind](int index) { return EntryAt(kind, PlaceOfRecord(origin, index)); };
  };
  ReportLines(FindLines(warnings, kRecordBlank, recordCount), cell(kWarnEmptyCell),
              kWarnMoreEmptyCells, report);
  ReportLines(FindLines(warnings, kRecordCutByNul, recordCount), cell(kWarnCellHoldsNul),
              kWarnMoreCellsHoldNul, report);
  if (recordCount == 0) report.push_back(MakeEntry(kWarnNoRows));
}

}  // namespace

void StartRecordWarnings(const QuestionLine& nameLine, RecordWarnings& warnings) {
  warnings.nameCutByNul = nameLine.cutByNul;
}

void NoteRecordLine(const QuestionLine& line, int index, RecordWarnings& warnings) {
  if (index >= kMaxRecordCount) return;
  warnings.findings[index] = line.cutByNul                         ? kRecordCutByNul
                             : IsBlankText(line.text, line.length) ? kRecordBlank
                                                                   : kRecordSound;
}

void ReportRecordWarnings(const RecordWarnings& warnings, int recordCount,
                          const RecordOrigin& origin, Report& report) {
  if (origin.tableRows) {
    ReportTableWarnings(warnings, recordCount, origin, report);
    return;
  }
  if (warnings.nameCutByNul) report.push_back(MakeEntry(kWarnNameCutByNul));
  // A blank line in a question's place moves the pairs after it. One in an
  // answer's place is an empty answer, but for the first blank line of an
  // odd number of lines: that one puts every pair after it off.
  const int shifting = ShiftingBlankRecord(warnings, recordCount);
  const auto blank = [&](int index) {
    const Place place = PlaceOfRecord(origin, index);
    if (index == shifting && index + 1 == recordCount) {
      ReportEntry entry = EntryAt(kWarnBlankLineAtEnd, place);
      entry.detail = index % 2;
      return entry;
    }
    if (index % 2 == 1 && index != shifting) {
      ReportEntry entry = EntryAt(kWarnBlankAnswer, place);
      entry.number = static_cast<std::uint64_t>(LineNumberOfRecord(index - 1));
      return entry;
    }
    ReportEntry entry = EntryAt(kWarnBlankLineShifts, place);
    entry.detail = index % 2;
    return entry;
  };
  ReportLines(FindLines(warnings, kRecordBlank, recordCount), blank, kWarnMoreBlankLines, report);
  ReportLines(
      FindLines(warnings, kRecordCutByNul, recordCount),
      [&](int index) { return EntryAt(kWarnLineHoldsNul, PlaceOfRecord(origin, index)); },
      kWarnMoreLinesHoldNul, report);
  if (recordCount == 0) {
    report.push_back(MakeEntry(kWarnNoQuestionLines));
  } else if (recordCount % 2 != 0) {
    ReportEntry entry = EntryAt(kWarnOddLineCount, {kAtLine, LineNumberOfRecord(recordCount - 1), 0});
    entry.number = static_cast<std::uint64_t>(recordCount);
    report.push_back(entry);
  }
}
