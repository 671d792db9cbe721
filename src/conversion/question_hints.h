// The hints qdconv gives after a message that stopped a conversion
// (console/run_notes.h), on what to fix in the question file: lines are
// named as an editor numbers them (the name is line 1), lengths count the
// characters the line keeps.
#ifndef QDCONV_CONVERSION_QUESTION_HINTS_H_
#define QDCONV_CONVERSION_QUESTION_HINTS_H_

#include <cstddef>
#include <string>

#include "charset/handheld_decoder.h"
#include "charset/unshowable_characters.h"
#include "charset/text_encoding.h"
#include "conversion/question_reader.h"
#include "conversion/record_origin.h"

// Which character the handheld cannot show and its code point, or where the
// text stopped being valid |encoding|: |text|'s fault, found at |place|
// ("line 3", "row 12, column B").
void HintTextFault(const HandheldText& text, TextEncoding encoding, const std::string& place);

// The characters the handheld cannot show after the one a run stopped at,
// at their lines and columns (or rows and columns, |inTable|): the first
// few, and how many more.
void HintLaterUnshowable(const LaterUnshowable& later, bool inTable);

// That the cell at |place| opens a quote that nothing closes.
void HintUnclosedQuote(const std::string& place);

// Which rule the name line breaks; |fileHoldsText| is false for a file that
// holds no text at all.
void HintDatabaseNameLine(const QuestionLine& nameLine, bool fileHoldsText);

// How long record |index| is, and the most it may hold.
void HintLineTooLong(const QuestionLine& line, const RecordOrigin& origin, int index);

// How many record lines (or table rows) the file holds, and that it must be
// split.
void HintTooManyRecords(int recordLineCount, const RecordOrigin& origin);

// Why the database path is the question file: a database given to qdconv,
// or a path that leads to the question file.
void HintSameFile(const char* questionPath, const std::string& databasePath);

// How to make plain text of a word processor's document.
void HintNotPlainText();

// How to make a CSV file of a spreadsheet.
void HintSpreadsheet();

// Whether |text[0..length)| holds a tab on line 1 and on every other line
// that is not empty: a spreadsheet saved as "Text (Tab delimited)".
bool IsTabSeparatedText(const unsigned char* text, std::size_t length);

// What to do with such a file.
void HintTabSeparatedText();

// That the file is far larger than a question file that converts.
void HintTooLarge(const char* questionPath);

#endif  // QDCONV_CONVERSION_QUESTION_HINTS_H_
