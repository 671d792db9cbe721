#include "conversion/record_warnings.h"

#include <string>
#include <vector>

#include "console/run_notes.h"
#include "conversion/line_rules.h"
#include "database/database_header.h"

namespace {

const char* SideOfPair(int index) { return index % 2 == 0 ? "question" : "answer"; }

// Warns about each named line of |lines| with |warnAbout|, then about the
// rest with |more| (a format for their number).
template <typename WarnAbout>
void WarnAboutLines(const LinesOfOneKind& lines, WarnAbout warnAbout, const char* more) {
  for (int k = 0; k < lines.count && k < kLinesNamedPerWarning; ++k) {
    warnAbout(lines.recordIndexes[k]);
  }
  if (lines.count > kLinesNamedPerWarning) {
    PrintWarning(more, lines.count - kLinesNamedPerWarning);
  }
}

void PrintTableNotes(const TableNotes& notes) {
  if (notes.nameCut) {
    PrintWarning("the file name \"%s\" is longer than a database name (%i characters): the "
                 "database is named \"%s\", and two files whose names differ only after that "
                 "would replace each other on the handheld",
                 notes.fileName.c_str(), static_cast<int>(kMaxDatabaseNameLength),
                 notes.nameKept.c_str());
  }
  if (notes.headingsRow != 0) {
    PrintWarning("row %i (\"%s\", \"%s\") was taken as column headings: it is not a question",
                 notes.headingsRow, CellInUtf8(notes.headings[0]).c_str(),
                 CellInUtf8(notes.headings[1]).c_str());
  }
  if (!notes.rowsBeyondB.empty()) {
    PrintWarning("%s hold%s text beyond column B: only columns A and B become question and "
                 "answer",
                 NumberedPlaces("row", "rows", notes.rowsBeyondB).c_str(),
                 notes.rowsBeyondB.size() == 1 ? "s" : "");
  }
}

void PrintTableWarnings(const RecordWarnings& warnings, int recordCount,
                        const RecordOrigin& origin) {
  if (origin.tableNotes) PrintTableNotes(*origin.tableNotes);
  WarnAboutLines(
      FindLines(warnings, kRecordBlank, recordCount),
      [&](int index) {
        PrintWarning(index % 2 == 0 ? "%s is empty: the answer of that row has no question"
                                    : "%s is empty: the question of that row has no answer",
                     PlaceOfRecord(origin, index).c_str());
      },
      "%i more empty cells");
  WarnAboutLines(
      FindLines(warnings, kRecordCutByNul, recordCount),
      [&](int index) {
        PrintWarning("%s holds a NUL byte: the text after it is not stored",
                     PlaceOfRecord(origin, index).c_str());
      },
      "%i more cells hold a NUL byte");
  if (recordCount == 0) {
    PrintWarning("no rows of questions: the database holds no question");
  }
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

void PrintRecordWarnings(const RecordWarnings& warnings, int recordCount,
                         const RecordOrigin& origin) {
  if (origin.tableRows) {
    PrintTableWarnings(warnings, recordCount, origin);
    return;
  }
  if (warnings.nameCutByNul) {
    PrintWarning("line 1 holds a NUL byte: the database name ends before it");
  }
  // A blank line in a question's place moves the pairs after it. One in an
  // answer's place is an empty answer, but for the first blank line of an
  // odd number of lines: that one puts every pair after it off.
  const int shifting = ShiftingBlankRecord(warnings, recordCount);
  WarnAboutLines(
      FindLines(warnings, kRecordBlank, recordCount),
      [&](int index) {
        const std::string place = PlaceOfRecord(origin, index);
        if (index == shifting && index + 1 == recordCount) {
          PrintWarning("%s is blank: it becomes an empty %s at the end of the quiz "
                       "(an extra line end at the end of the file?)",
                       place.c_str(), SideOfPair(index));
        } else if (index % 2 == 1 && index != shifting) {
          PrintWarning("%s is blank: the question on line %i has an empty answer",
                       place.c_str(), LineNumberOfRecord(index - 1));
        } else {
          PrintWarning("%s is blank: it becomes an empty %s, and every question and answer "
                       "after it moves by one line",
                       place.c_str(), SideOfPair(index));
        }
      },
      "%i more blank lines");
  WarnAboutLines(
      FindLines(warnings, kRecordCutByNul, recordCount),
      [&](int index) {
        PrintWarning("%s holds a NUL byte: the text after it on that line is not stored",
                     PlaceOfRecord(origin, index).c_str());
      },
      "%i more lines hold a NUL byte");
  if (recordCount == 0) {
    PrintWarning("no question and answer lines after the name: the database holds no question");
  } else if (recordCount % 2 != 0) {
    PrintWarning("an odd number of question and answer lines (%i): the last question "
                 "(line %i) has no answer",
                 recordCount, LineNumberOfRecord(recordCount - 1));
  }
}
