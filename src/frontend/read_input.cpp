#include "frontend/read_input.h"

#include <errno.h>

#include <cstring>

#include "conversion/line_rules.h"
#include "database/database_writer.h"
#include "files/whole_file.h"

namespace {

// Reports an outcome other than kWholeFileRead, with errno as it was left.
bool ReportOutcome(WholeFileOutcome outcome, const char* path, std::uint64_t maxSize,
                   bool hintTooLarge, Report& report) {
  const int error = errno;
  switch (outcome) {
    case kWholeFileRead:
      return true;
    case kWholeFileNotOpened:
      ReportSystemError(kCouldNotOpenInput, path, error, report);
      break;
    case kWholeFileTooLarge: {
      ReportEntry message = MakeEntry(kInputTooLarge);
      message.limit = maxSize;
      report.push_back(message);
      if (hintTooLarge) report.push_back(EntryWithText(kHintTooLarge, path));
      break;
    }
    case kWholeFileReadFailed:
      ReportSystemError(kCouldNotReadInput, path, error, report);
      break;
  }
  return false;
}

}  // namespace

bool ReadQuestionFile(const char* path, ByteBuffer& bytes, Report& report) {
  const WholeFileOutcome outcome =
      std::strcmp(path, "-") == 0
          ? ReadWholeStandardInput(kMaxQuestionFileSize, bytes, kMaxDatabaseBeyondTexts)
          : ReadWholeFile(path, kMaxQuestionFileSize, bytes, kMaxDatabaseBeyondTexts);
  return ReportOutcome(outcome, path, kMaxQuestionFileSize, true, report);
}

bool ReadDatabaseFile(const char* path, ByteBuffer& bytes, Report& report) {
  const WholeFileOutcome outcome = ReadWholeRegularFile(path, kMaxDatabaseFileSize, bytes);
  return ReportOutcome(outcome, path, kMaxDatabaseFileSize, false, report);
}
