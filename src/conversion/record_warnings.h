// What a question file holds that converts, but will not make the quiz the
// teacher meant: a blank record line (an empty answer, or an empty question
// that shifts every pair after it; in a file of an odd number of record
// lines, the first blank line shifts them), a line cut by a NUL byte, an odd number of
// record lines (the last question has no answer), no record line at all.
// Gathered while the lines are read, reported as warnings (report/report.h)
// for the database written, naming each line as an editor numbers it (the name
// is line 1). Of each kind of line, the first few are named and the rest
// counted.
#ifndef QDCONV_CONVERSION_RECORD_WARNINGS_H_
#define QDCONV_CONVERSION_RECORD_WARNINGS_H_

#include "conversion/question_reader.h"
#include "conversion/quiz_preview.h"
#include "conversion/record_origin.h"
#include "database/record_list.h"
#include "report/report.h"

struct RecordWarnings {
  bool nameCutByNul;
  // What each record line noted is: sound, blank (empty, or only spaces and
  // tabs) or cut by a NUL byte; by record index.
  RecordFinding findings[kMaxRecordCount];
};

void StartRecordWarnings(const QuestionLine& nameLine, RecordWarnings& warnings);

// Note record line |index| (counted from 0).
void NoteRecordLine(const QuestionLine& line, int index, RecordWarnings& warnings);

// The warnings for a database of |recordCount| records from |origin|; none
// when there is nothing to warn about. In a table, an empty cell shifts
// nothing: the question or the answer of its row is missing.
void ReportRecordWarnings(const RecordWarnings& warnings, int recordCount,
                          const RecordOrigin& origin, Report& report);

#endif  // QDCONV_CONVERSION_RECORD_WARNINGS_H_
