// The findings that stop a conversion, as report entries (report/report.h):
// the message and the hints on what to fix in the question file or table.
// Lines are named as an editor numbers them (the name is line 1), lengths
// count the characters the line keeps.
#ifndef QDCONV_CONVERSION_QUESTION_HINTS_H_
#define QDCONV_CONVERSION_QUESTION_HINTS_H_

#include <cstddef>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"
#include "conversion/question_reader.h"
#include "conversion/record_origin.h"
#include "report/report.h"

// Why the text of a line could not be decoded, and hints: the line is record
// |recordNumber| (counted from 1), or the name line when it is 0.
void ReportTextFault(const DecodingOutcome& text, TextEncoding encoding, const RecordOrigin& origin,
                     int recordNumber, Report& report);

// Which rule of a database name |name| (|length| bytes of the handheld's
// character set) breaks, said of |subject|: empty, a control character
// (which one, and where), too long. Nothing when it breaks none.
void ReportDatabaseNameRules(const char* name, std::size_t length, NameSubject subject,
                             Report& report);

// Which rule the name line breaks; |fileHoldsText| is false for a file that
// holds no text at all.
void ReportDatabaseNameLine(const QuestionLine& nameLine, bool fileHoldsText, Report& report);

// Record |index| is too long: how long, and the most it may hold.
void ReportLineTooLong(const QuestionLine& line, const RecordOrigin& origin, int index,
                       Report& report);

// Too many records: how many lines (or table rows) the file holds.
void ReportTooManyRecords(int recordLineCount, const RecordOrigin& origin, Report& report);

// Whether |text[0..length)| holds a tab on line 1 and on every other line
// that is not empty: a spreadsheet saved as "Text (Tab delimited)".
bool IsTabSeparatedText(const unsigned char* text, std::size_t length);

#endif  // QDCONV_CONVERSION_QUESTION_HINTS_H_
