#include "conversion/record_warnings.h"

#include <string>

#include "console/run_notes.h"
#include "conversion/line_rules.h"

namespace {

void AddLine(int index, LinesOfOneKind& lines) {
  if (lines.count < kLinesNamedPerWarning) {
    lines.recordIndexes[lines.count] = index;
  }
  ++lines.count;
}

const char* SideOfPair(int index) { return index % 2 == 0 ? "question" : "answer"; }

void PrintTableWarnings(const RecordWarnings& warnings, int recordCount,
                        const RecordOrigin& origin) {
  const LinesOfOneKind& blank = warnings.blankLines;
  for (int k = 0; k < blank.count && k < kLinesNamedPerWarning; ++k) {
    const int index = blank.recordIndexes[k];
    PrintWarning(index % 2 == 0 ? "%s is empty: the answer of that row has no question"
                                : "%s is empty: the question of that row has no answer",
                 PlaceOfRecord(origin, index).c_str());
  }
  if (blank.count > kLinesNamedPerWarning) {
    PrintWarning("%i more empty cells", blank.count - kLinesNamedPerWarning);
  }
  const LinesOfOneKind& cut = warnings.cutLines;
  for (int k = 0; k < cut.count && k < kLinesNamedPerWarning; ++k) {
    PrintWarning("%s holds a NUL byte: the text after it is not stored",
                 PlaceOfRecord(origin, cut.recordIndexes[k]).c_str());
  }
  if (cut.count > kLinesNamedPerWarning) {
    PrintWarning("%i more cells hold a NUL byte", cut.count - kLinesNamedPerWarning);
  }
  if (recordCount == 0) {
    PrintWarning("no rows of questions: the database holds no question");
  }
}

}  // namespace

void StartRecordWarnings(const QuestionLine& nameLine, RecordWarnings& warnings) {
  warnings.nameCutByNul = nameLine.cutByNul;
  warnings.blankLines.count = 0;
  warnings.cutLines.count = 0;
}

void NoteRecordLine(const QuestionLine& line, int index, RecordWarnings& warnings) {
  RecordFinding finding = kRecordSound;
  if (line.cutByNul) {
    AddLine(index, warnings.cutLines);
    finding = kRecordCutByNul;
  } else if (IsBlankText(line.text, line.length)) {
    AddLine(index, warnings.blankLines);
    finding = kRecordBlank;
  }
  if (index < kMaxRecordCount) warnings.findings[index] = finding;
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
  const LinesOfOneKind& blank = warnings.blankLines;
  for (int k = 0; k < blank.count && k < kLinesNamedPerWarning; ++k) {
    const int index = blank.recordIndexes[k];
    const std::string place = PlaceOfRecord(origin, index);
    if (index + 1 == recordCount) {
      PrintWarning("%s is blank: it becomes an empty %s at the end of the quiz "
                   "(an extra line end at the end of the file?)",
                   place.c_str(), SideOfPair(index));
    } else {
      PrintWarning("%s is blank: it becomes an empty %s, and every question and answer "
                   "after it moves by one line",
                   place.c_str(), SideOfPair(index));
    }
  }
  if (blank.count > kLinesNamedPerWarning) {
    PrintWarning("%i more blank lines", blank.count - kLinesNamedPerWarning);
  }
  const LinesOfOneKind& cut = warnings.cutLines;
  for (int k = 0; k < cut.count && k < kLinesNamedPerWarning; ++k) {
    PrintWarning("%s holds a NUL byte: the text after it on that line is not stored",
                 PlaceOfRecord(origin, cut.recordIndexes[k]).c_str());
  }
  if (cut.count > kLinesNamedPerWarning) {
    PrintWarning("%i more lines hold a NUL byte", cut.count - kLinesNamedPerWarning);
  }
  if (recordCount == 0) {
    PrintWarning("no question and answer lines after the name: the database holds no question");
  } else if (recordCount % 2 != 0) {
    PrintWarning("an odd number of question and answer lines (%i): the last question "
                 "(line %i) has no answer",
                 recordCount, LineNumberOfRecord(recordCount - 1));
  }
}
