#include "conversion/line_rules.h"

#include "database/database_header.h"

bool IsDatabaseNameValid(const QuestionLine& nameLine) {
  return nameLine.length >= 1 && nameLine.length <= kMaxDatabaseNameLength;
}

std::uint64_t RecordTextLength(const QuestionLine& line) {
  return line.endsWithLineFeed ? line.length - 1 : line.length;
}

bool IsRecordLineTooLong(const QuestionLine& line) {
  const std::uint64_t limit =
      line.endsWithLineFeed ? kMaxRecordLineLength : kMaxStoredLineBytes;
  return RecordTextLength(line) > limit;
}
