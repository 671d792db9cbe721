// The English text of a report's entries (report/report.h), as both programs
// print them: a message line for standard output, or a note for standard
// error that starts with "Warning: " or "Hint: ". Every text ends with its
// line feed. The echo line and the progress numbers are not here: they are
// printed as they are (console/print_report.h).
#ifndef QDCONV_CONSOLE_REPORT_TEXT_H_
#define QDCONV_CONSOLE_REPORT_TEXT_H_

#include <string>

#include "report/report.h"

std::string ReportEntryText(const ReportEntry& entry);

// The parts the texts share, for the files that make them.
std::string FormattedText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// "line 5", "row 12, column B", or the file name that makes a table's name.
std::string PlaceText(const Place& place);

// "row 12, column B" for |row| and |column| (counted from 0).
std::string CellText(int row, int column);

// "line 3", "lines 3, 4 and 9", "rows 3, 4, 5, 6, 7 and 2 more": the named
// |numbers| of |count| in all.
std::string NumberedPlaces(const char* one, const char* several, const std::vector<int>& numbers,
                           std::uint64_t count);

std::string MessageText(const ReportEntry& entry);
std::string HintText(const ReportEntry& entry);
std::string WarningText(const ReportEntry& entry);

#endif  // QDCONV_CONSOLE_REPORT_TEXT_H_
