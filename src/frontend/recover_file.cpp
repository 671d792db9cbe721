#include "frontend/recover_file.h"

#include <vector>

#include "console/print_report.h"
#include "files/output_file.h"
#include "files/sibling_path.h"
#include "frontend/output_steps.h"
#include "frontend/read_input.h"
#include "recovery/recover_question_file.h"

namespace {

void ReportQuestionFileExists(const std::string& questionPath, Report& report) {
  report.push_back(MakeEntry(kQuestionFileExists));
  report.push_back(EntryWithText(kHintQuestionFileKept, questionPath));
}

// Begins the question file, which must not exist yet.
bool BeginQuestionFile(const std::string& questionPath, OutputFile& file, Report& report) {
  if (IsPathTaken(questionPath.c_str())) {
    ReportQuestionFileExists(questionPath, report);
    return false;
  }
  return BeginOutput(questionPath, file, report);
}

// Writes and commits the question file.
bool WriteQuestionFile(const std::string& questionPath, const std::string& text,
                       OutputFile& file, Report& report) {
  const OutputPiece whole = {text.data(), text.size()};
  if (!WriteOutput(file, questionPath, &whole, 1, report)) return false;
  switch (CommitOutputFile(file, kKeepExistingTarget)) {
    case kCommitted:
      return true;
    case kCommitTargetExists:
      ReportQuestionFileExists(questionPath, report);
      return false;
    case kCommitFailed:
      break;
  }
  ReportWriteFailure(questionPath, file.error, report);
  return false;
}

}  // namespace

bool RecoverFile(const char* databasePath, const CommandLine& line, const std::string& subject,
                 FileWorkDone& done) {
  const char* output = line.output;
  const std::string questionPath = output ? output : SiblingPath(databasePath, ".txt");
  const ReportPrinting printing = {databasePath, questionPath.c_str(), subject};
  Report report;
  ByteBuffer bytes;
  if ((!output && !IsDerivedPathWritable(databasePath, questionPath, report)) ||
      !ReadDatabaseFile(databasePath, bytes, report)) {
    PrintReport(report, 0, report.size(), printing);
    return false;
  }
  RecoveryResult result;
  RecoverQuestionFile(bytes.data(), bytes.size(), databasePath, false, result);
  const Report& said = result.report;
  PrintReport(said, 0, result.recordsStart, printing);
  const bool echoed = result.recordsStart > 0 && said[result.recordsStart - 1].kind == kEchoLine;
  if (!echoed) return false;  // the database was refused
  OutputFile file;
  if (!BeginQuestionFile(questionPath, file, report)) {
    PrintReport(report, 0, report.size(), printing);
    return false;
  }
  const std::size_t summary = result.recovered ? said.size() - 1 : said.size();
  PrintReport(said, result.recordsStart, summary, printing);
  if (!result.recovered) {
    AbandonOutputFile(file);
    return false;
  }
  if (!WriteQuestionFile(questionPath, result.questionText, file, report)) {
    PrintReport(report, 0, report.size(), printing);
    return false;
  }
  PrintReport(said, summary, said.size(), printing);
  done.databasePath = databasePath;
  done.databaseName = result.databaseName;
  return true;
}
