#include "console/print_report.h"

#include <charconv>
#include <cstdio>

#include "console/console_text.h"
#include "console/echo_line.h"
#include "console/report_text.h"

namespace {

// "0\n" to "count - 1\n", one write for many numbers.
void PrintProgressNumbers(std::uint64_t count) {
  char text[1 << 12];
  std::size_t used = 0;
  for (std::uint64_t index = 0; index < count; ++index) {
    if (used + 24 > sizeof text) {
      std::fwrite(text, 1, used, stdout);
      used = 0;
    }
    char* end = std::to_chars(text + used, text + sizeof text, index).ptr;
    *end++ = '\n';
    used = static_cast<std::size_t>(end - text);
  }
  std::fwrite(text, 1, used, stdout);
}

void PrintNote(const std::string& note, const ReportPrinting& printing) {
  std::fflush(stdout);
  WriteConsoleText(stderr, printing.subject.empty() ? note : printing.subject + ": " + note);
  std::fflush(stderr);
}

void PrintReportEntry(const ReportEntry& entry, const ReportPrinting& printing) {
  if (entry.kind == kEchoLine) {
    PrintEchoLine(printing.inputPath, printing.outputPath, entry.text, entry.otherText);
  } else if (entry.kind == kProgressNumbers) {
    PrintProgressNumbers(entry.number);
  } else if (IsStandardOutput(entry.kind)) {
    const std::string message = MessageText(entry);
    std::fwrite(message.data(), 1, message.size(), stdout);
  } else {
    PrintNote(ReportEntryText(entry), printing);
  }
}

}  // namespace

void PrintReport(const Report& report, std::size_t from, std::size_t to,
                 const ReportPrinting& printing) {
  for (std::size_t k = from; k < to && k < report.size(); ++k) {
    PrintReportEntry(report[k], printing);
  }
}

void PrintWarningText(const std::string& text, const ReportPrinting& printing) {
  PrintNote("Warning: " + text + "\n", printing);
}
