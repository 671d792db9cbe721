#include "conversion/line_rules.h"

#include "database/database_header.h"

namespace {

// Text and name alike: the seen bytes without the LF that ends them.
std::uint64_t LengthWithoutLineFeed(const QuestionLine& line) {
  return line.endsWithLineFeed ? line.length - 1 : line.length;
}

}  // namespace

std::uint64_t DatabaseNameLength(const QuestionLine& nameLine) {
  return LengthWithoutLineFeed(nameLine);
}

bool IsDatabaseNameValid(const QuestionLine& nameLine) {
  const std::uint64_t length = DatabaseNameLength(nameLine);
  return length <= kMaxDatabaseNameLength &&
         IsValidDatabaseName(nameLine.bytes, static_cast<std::size_t>(length));
}

std::uint64_t RecordTextLength(const QuestionLine& line) { return LengthWithoutLineFeed(line); }

bool IsRecordLineTooLong(const QuestionLine& line) {
  const std::uint64_t limit =
      line.endsWithLineFeed ? kMaxRecordLineLength : kMaxStoredLineBytes;
  return RecordTextLength(line) > limit;
}
