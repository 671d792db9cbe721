// The steps both programs take around the file they write, each reported as
// the run's message and a hint when it fails: the path is not among the
// system's devices (files/system_folder.h), the file can be begun
// (files/output_file.h), and its bytes reach the disk.
#ifndef QDCONV_FRONTEND_OUTPUT_STEPS_H_
#define QDCONV_FRONTEND_OUTPUT_STEPS_H_

#include <string>
#include <vector>

#include "files/output_file.h"
#include "report/report.h"

// Whether |outputPath|, derived from |inputPath| (not given with -o), may be
// written.
bool IsDerivedPathWritable(const char* inputPath, const std::string& outputPath,
                           Report& report);

// BeginOutputFile, reported.
bool BeginOutput(const std::string& path, OutputFile& file, Report& report);

// Write |pieces[0..count)| to |file| in order, after what it holds; false,
// with the file abandoned and the failure reported, when they could not be
// written.
bool WriteOutput(OutputFile& file, const std::string& path, const OutputPiece* pieces,
                 std::size_t count, Report& report);

// That the file at |path| could not be written, for |error| (an errno value).
void ReportWriteFailure(const std::string& path, int error, Report& report);

#endif  // QDCONV_FRONTEND_OUTPUT_STEPS_H_
