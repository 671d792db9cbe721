// Printing a run's report (report/report.h) on the console, as both programs
// always have: the echo line, the progress numbers and the messages on
// standard output; each warning and hint on standard error, one line each,
// after standard output is flushed, so that on a console both appear in the
// order they were made while standard output stays what scripts read. Text
// from a file or a name is shown as typed and never drives a terminal
// (console_text.h).
#ifndef QDCONV_CONSOLE_PRINT_REPORT_H_
#define QDCONV_CONSOLE_PRINT_REPORT_H_

#include <cstddef>
#include <string>

#include "report/report.h"

struct ReportPrinting {
  const char* inputPath;   // for the echo line: the file read
  const char* outputPath;  // and the file written
  // Starts every note with it and ": " (the file a run of several files is
  // working on); empty for none.
  std::string subject;
};

// Print |report|[from .. to).
void PrintReport(const Report& report, std::size_t from, std::size_t to,
                 const ReportPrinting& printing);

// Print "Warning: " and |text| (UTF-8) as a note.
void PrintWarningText(const std::string& text, const ReportPrinting& printing);

#endif  // QDCONV_CONSOLE_PRINT_REPORT_H_
