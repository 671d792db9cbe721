// What the converter accepts of the lines it reads.
//
// The first line of a question file names the database. The name is its seen
// bytes (see question_reader.h) without its LF, accepted by the rule of
// IsValidDatabaseName (database_header.h): 1 to 31 bytes, no control byte.
//
// Every later line is one record. Its record text is its seen bytes without
// the LF. A line whose seen bytes end with an LF may hold at most 200 bytes
// of text; any other line (a last line without LF, one cut by 0x1A or by a
// NUL before its LF) at most kMaxRecordTextLength, the most a line keeps
// (limits/quiz_limits.h).
#ifndef QDCONV_CONVERSION_LINE_RULES_H_
#define QDCONV_CONVERSION_LINE_RULES_H_

#include <cstddef>
#include <cstdint>

#include "conversion/question_reader.h"
#include "limits/quiz_limits.h"

// The largest question file that can convert: a byte order mark, then the
// name line and kMaxRecordCount record lines, each keeping the most a line
// keeps in the widest encoding (three bytes of UTF-8 for a character of the
// handheld's character set), with a NUL and a CR LF. Anything a larger file
// holds beyond that is bytes that no record keeps (after a line's NUL, after
// a 0x1A), so it is refused before it is read whole.
const std::uint64_t kMaxQuestionFileSize =
    3 + (kMaxRecordCount + 1) * (3 * static_cast<std::uint64_t>(kMaxRecordTextLength) + 3);

// The number an editor shows for record line |index| (counted from 0): the
// name line is line 1.
inline int LineNumberOfRecord(int index) { return index + 2; }

bool IsDatabaseNameValid(const QuestionLine& nameLine);

bool IsRecordLineTooLong(const QuestionLine& line);

#endif  // QDCONV_CONVERSION_LINE_RULES_H_
