#include "frontend/output_steps.h"

#include "files/system_folder.h"

bool IsDerivedPathWritable(const char* inputPath, const std::string& outputPath,
                           Report& report) {
  if (!IsWrittenBesideADevice(inputPath, outputPath.c_str())) return true;
  report.push_back(MakeEntry(kCouldNotOpenOutput));
  report.push_back(EntryWithText(kHintBesideADevice, outputPath));
  return false;
}

bool BeginOutput(const std::string& path, OutputFile& file, Report& report) {
  if (BeginOutputFile(path.c_str(), file)) return true;
  if (file.linkRefused) {
    report.push_back(MakeEntry(kCouldNotOpenOutput));
    report.push_back(EntryWithText(kHintLinkRefused, path));
  } else {
    ReportSystemError(kCouldNotOpenOutput, path, file.error, report);
  }
  return false;
}

bool WriteOutput(OutputFile& file, const std::string& path, const OutputPiece* pieces,
                 std::size_t count, Report& report) {
  if (WriteOutputPieces(file, pieces, count)) return true;
  const int error = file.error;
  AbandonOutputFile(file);
  ReportWriteFailure(path, error, report);
  return false;
}

void ReportWriteFailure(const std::string& path, int error, Report& report) {
  ReportSystemError(kCouldNotWriteOutput, path, error, report);
}
