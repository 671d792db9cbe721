#include "conversion/line_rules.h"

#include "database/database_header.h"

namespace {

bool IsControlByte(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

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
  if (length < 1 || length > kMaxDatabaseNameLength) return false;
  for (std::uint64_t i = 0; i < length; ++i) {
    if (IsControlByte(static_cast<unsigned char>(nameLine.bytes[i]))) return false;
  }
  return true;
}

std::uint64_t RecordTextLength(const QuestionLine& line) { return LengthWithoutLineFeed(line); }

bool IsRecordLineTooLong(const QuestionLine& line) {
  const std::uint64_t limit =
      line.endsWithLineFeed ? kMaxRecordLineLength : kMaxStoredLineBytes;
  return RecordTextLength(line) > limit;
}
