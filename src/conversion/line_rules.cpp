#include "conversion/line_rules.h"

#include "database/database_header.h"

bool IsDatabaseNameValid(const QuestionLine& nameLine) {
  return IsValidDatabaseName(nameLine.text, nameLine.length);
}

bool IsRecordLineTooLong(const QuestionLine& line) {
  return line.length > (line.endsWithLineFeed ? kMaxRecordLineLength : kMaxRecordTextLength);
}
