#include "frontend/convert_file.h"

#include <cstring>
#include <vector>

#include "console/print_report.h"
#include "conversion/convert_question_file.h"
#include "files/output_file.h"
#include "files/same_file.h"
#include "files/sibling_path.h"
#include "frontend/output_steps.h"
#include "frontend/question_paths.h"
#include "frontend/read_input.h"

namespace {

// Whether the question file and the database are two files.
bool AreDistinct(const char* questionPath, const std::string& databasePath, Report& report) {
  if (std::strcmp(questionPath, "-") == 0 || !IsSameFile(questionPath, databasePath.c_str())) {
    return true;
  }
  report.push_back(MakeEntry(kInputIsOutput));
  const bool database = HasExtension(questionPath, ".pdb");
  report.push_back(database ? EntryWithText(kHintDatabaseGiven, questionPath)
                            : EntryWithText(kHintOutputIsInput, databasePath));
  return false;
}

// The pieces |image| is written from: its head, then each record's text
// between the zeros of the prefixes and NULs around it.
std::vector<OutputPiece> PiecesOf(const DatabaseImage& image) {
  static const char kZeros[kRecordPrefixSize + 1] = {};
  const std::size_t count = image.texts.size();
  std::vector<OutputPiece> pieces;
  pieces.reserve(2 * count + 2);
  pieces.push_back({image.head.data(), image.head.size()});
  if (count > 0) pieces.push_back({kZeros, kRecordPrefixSize});
  for (std::size_t k = 0; k < count; ++k) {
    pieces.push_back({image.texts[k], image.sizes[k] - 1});
    pieces.push_back({kZeros, k + 1 < count ? kRecordPrefixSize + 1 : 1});
  }
  return pieces;
}

}  // namespace

bool ConvertFile(const char* questionPath, const char* output, const std::string& subject,
                 FileWorkDone& done) {
  const std::string databasePath = output ? output : DeriveDatabasePath(questionPath);
  const ReportPrinting printing = {questionPath, databasePath.c_str(), subject};
  Report report;
  std::vector<unsigned char> bytes;
  OutputFile database;
  if (!ReadQuestionFile(questionPath, bytes, report) ||
      (!output && !IsDerivedPathWritable(questionPath, databasePath, report)) ||
      !AreDistinct(questionPath, databasePath, report) ||
      !BeginOutput(databasePath, database, report)) {
    PrintReport(report, 0, report.size(), printing);
    return false;
  }
  QuestionFileFacts facts = QuestionFileFactsOf(questionPath);
  ConversionResult result;
  ConvertQuestionFile(bytes, facts, result);
  const Report& said = result.report;
  PrintReport(said, 0, result.warningsStart, printing);
  if (!result.converted) {
    AbandonOutputFile(database);
    PrintReport(said, result.warningsStart, said.size(), printing);
    return false;
  }
  if (!WriteOutput(database, databasePath, PiecesOf(result.database), report)) {
    PrintReport(report, 0, report.size(), printing);
    return false;
  }
  if (CommitOutputFile(database, kReplaceExistingTarget) != kCommitted) {
    ReportWriteFailure(databasePath, database.error, report);
    PrintReport(report, 0, report.size(), printing);
    return false;
  }
  PrintReport(said, result.warningsStart, said.size(), printing);
  done.databasePath = databasePath;
  done.databaseName = result.databaseName;
  return true;
}
