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

// The pieces a database is written from, gathered a batch at a time in one
// small array rather than all at once: two for each of up to 3000 records.
struct PieceBatch {
  static const std::size_t kSize = 256;
  OutputPiece pieces[kSize];
  std::size_t count;
};

bool AddPiece(OutputFile& file, const std::string& path, const void* bytes, std::size_t size,
              PieceBatch& batch, Report& report) {
  batch.pieces[batch.count++] = {bytes, size};
  if (batch.count < PieceBatch::kSize) return true;
  batch.count = 0;
  return WriteOutput(file, path, batch.pieces, PieceBatch::kSize, report);
}

// Write |image| to |file|: its head, then each record's text between the
// zeros of the prefixes and the NULs around it.
bool WriteDatabaseImage(OutputFile& file, const std::string& path, const DatabaseImage& image,
                        Report& report) {
  static const char kZeros[kRecordPrefixSize + 1] = {};
  const std::size_t count = image.texts.size();
  PieceBatch batch;
  batch.count = 0;
  if (!AddPiece(file, path, image.head.data(), image.head.size(), batch, report)) return false;
  if (count > 0 && !AddPiece(file, path, kZeros, kRecordPrefixSize, batch, report)) return false;
  for (std::size_t k = 0; k < count; ++k) {
    if (!AddPiece(file, path, image.texts[k], image.sizes[k] - 1, batch, report) ||
        !AddPiece(file, path, kZeros, k + 1 < count ? kRecordPrefixSize + 1 : 1, batch,
                  report)) {
      return false;
    }
  }
  return batch.count == 0 || WriteOutput(file, path, batch.pieces, batch.count, report);
}

}  // namespace

bool ConvertFile(const char* questionPath, const char* output, const std::string& subject,
                 FileWorkDone& done) {
  const std::string databasePath = output ? output : DeriveDatabasePath(questionPath);
  const ReportPrinting printing = {questionPath, databasePath.c_str(), subject};
  Report report;
  ByteBuffer bytes;
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
  if (!WriteDatabaseImage(database, databasePath, result.database, report)) {
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
