#include "frontend/output_steps.h"

#include "files/system_folder.h"

namespace {

ReportEntry WithPath(ReportKind kind, const std::string& path) {
  ReportEntry entry = MakeEntry(kind);
  entry.text = path;
  return entry;
}

}  // namespace

bool IsDerivedPathWritable(const char* inputPath, const std::string& outputPath,
                           Report& report) {
  if (!IsWrittenBesideADevice(inputPath, outputPath.c_str())) return true;
  report.push_back(MakeEntry(kCouldNotOpenOutput));
  report.push_back(WithPath(kHintBesideADevice, outputPath));
  return false;
}

bool BeginOutput(const std::string& path, OutputFile& file, Report& report) {
  if (BeginOutputFile(path.c_str(), file)) return true;
  report.push_back(MakeEntry(kCouldNotOpenOutput));
  ReportEntry hint = WithPath(file.linkRefused ? kHintLinkRefused : kHintSystemError, path);
  hint.number = static_cast<std::uint64_t>(file.error);
  report.push_back(hint);
  return false;
}

bool WriteOutput(OutputFile& file, const std::string& path,
                 const std::vector<OutputPiece>& pieces, Report& report) {
  if (WriteOutputPieces(file, pieces.data(), pieces.size())) return true;
  const int error = file.error;
  AbandonOutputFile(file);
  ReportWriteFailure(path, error, report);
  return false;
}

void ReportWriteFailure(const std::string& path, int error, Report& report) {
  report.push_back(MakeEntry(kCouldNotWriteOutput));
  ReportEntry hint = WithPath(kHintSystemError, path);
  hint.number = static_cast<std::uint64_t>(error);
  report.push_back(hint);
}
