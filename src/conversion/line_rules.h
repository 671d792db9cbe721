// What the converter accepts of the lines it reads.
//
// The first line of a question file names the database. The name is its seen
// bytes (see question_reader.h) without its LF, accepted by the rule of
// IsValidDatabaseName (database_header.h): 1 to 31 bytes, no control byte.
//
// Every later line is one record. Its record text is its seen bytes without
// the LF. A line whose seen bytes end with an LF may hold at most 200 bytes
// of text; any other line (a last line without LF, one cut by 0x1A or by a
// NUL before its LF) at most kMaxStoredLineBytes, the most a line keeps.
#ifndef QDCONV_CONVERSION_LINE_RULES_H_
#define QDCONV_CONVERSION_LINE_RULES_H_

#include <cstdint>

#include "conversion/question_reader.h"

const std::uint64_t kMaxRecordLineLength = 200;

// The database name is nameLine.bytes[0 .. DatabaseNameLength(nameLine)).
std::uint64_t DatabaseNameLength(const QuestionLine& nameLine);

bool IsDatabaseNameValid(const QuestionLine& nameLine);

// The record text is line.bytes[0 .. RecordTextLength(line)).
std::uint64_t RecordTextLength(const QuestionLine& line);

bool IsRecordLineTooLong(const QuestionLine& line);

#endif  // QDCONV_CONVERSION_LINE_RULES_H_
