#include "frontend/convert_file.h"

#include <cstring>
#include <vector>

#include "buffer/populate_memory.h"
#include "console/print_report.h"
#include "conversion/convert_question_file.h"
#include "files/output_file.h"
#include "files/same_file.h"
#include "files/sibling_path.h"
#include "frontend/machine_encoding.h"
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

// Write |image| to |file| in one piece, laid out in |bytes|, the question
// file's: over the texts, when they lie there, or in their stead when the
// image holds them (a table's).
bool WriteDatabaseImage(OutputFile& file, const std::string& path, const DatabaseImage& image,
                        ByteBuffer& bytes, Report& report) {
  const std::size_t size = DatabaseFileSize(image);
  std::size_t end = size;
  if (!image.ownsTexts) {
    end = DatabaseEndOverTexts(image, bytes.data());
    if (end > bytes.capacity()) {
      // Room the reading did not leave (it always does): laid out apart.
      const std::vector<unsigned char> apart = DatabaseBytes(image);
      const OutputPiece whole = {apart.data(), apart.size()};
      return WriteOutput(file, path, &whole, 1, report);
    }
  } else {
    bytes.clear();
  }
  const std::size_t held = bytes.size();
  bytes.resize(end);  // over the texts: within the room, so they stay where they are
  if (end > held) PopulateMemory(bytes.data() + held, end - held);
  LayOutDatabase(image, bytes.data() + end);
  const OutputPiece whole = {bytes.data() + end - size, size};
  return WriteOutput(file, path, &whole, 1, report);
}

}  // namespace

bool ConvertFile(const char* questionPath, const CommandLine& line, const std::string& subject,
                 FileWorkDone& done) {
  const char* output = line.output;
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
  facts.encoding = {MachineEncoding(), line.encodingNamed, line.encoding};
  ConversionResult result;
  ConvertQuestionFile(bytes, facts, result);
  const Report& said = result.report;
  PrintReport(said, 0, result.warningsStart, printing);
  if (!result.converted) {
    AbandonOutputFile(database);
    PrintReport(said, result.warningsStart, said.size(), printing);
    return false;
  }
  if (!WriteDatabaseImage(database, databasePath, result.database, bytes, report)) {
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
