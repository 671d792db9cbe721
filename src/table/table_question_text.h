// The question file a table stands for: the database name made from the
// table's file name on line 1, then the question and the answer of each row
// on lines of their own, in row order, each ending with LF. Converting it
// gives the database of the table, byte for byte that of the question file
// a teacher would have typed; its record lines are the table's cells, so the
// converter's rules, messages and progress numbers apply to them unchanged.
//
// The name is the table's name (its file name without folder and last
// extension), control characters removed, cut after 31 characters of the handheld's character set and then
// without the spaces it ends with; its notes tell when it was cut.
//
// The table is decoded as a question file is (charset/text_encoding.h). A
// character the handheld cannot show stops the text only where it is kept: in
// the name or in a question or answer, not in a column that is ignored.
#ifndef QDCONV_TABLE_TABLE_QUESTION_TEXT_H_
#define QDCONV_TABLE_TABLE_QUESTION_TEXT_H_

#include <cstddef>
#include <string>
#include <vector>

#include "charset/handheld_decoder.h"
#include "charset/text_encoding.h"
#include "charset/unshowable_characters.h"
#include "table/table_reader.h"

struct TableQuestionText {
  std::string text;   // bytes of the handheld's character set
  // Why the text ends early, if it does: the fault belongs to its last line.
  HandheldText fault;
  TextEncoding encoding;   // the table file's
  std::vector<int> rows;   // the spreadsheet row of each question and answer
  int rowCount;            // rows of questions in the table, all of them
  // When a question or answer holds a character the handheld cannot show:
  // those after the first, at their rows and columns.
  LaterUnshowable laterUnshowable;
  // Where a text that is not valid stopped, or the cell whose quote is
  // never closed (|fault| kUnclosedQuote).
  int faultRow;
  int faultColumn;
  TableNotes notes;
  // The characters of the table worth a warning (charset/handheld_decoder.h),
  // and where each row of the decoded table starts, to name their rows.
  std::vector<CharacterNote> characterNotes;
  std::vector<std::size_t> rowStarts;
};

// Make the question text of the table |bytes[0..length)| (decoded in place)
// named |tableName|, from the file |fileName|. At most |maxPairs| rows are
// kept.
void MakeTableQuestionText(unsigned char* bytes, std::size_t length, const std::string& tableName,
                           const std::string& fileName, bool tabSeparated, std::size_t maxPairs,
                           TableQuestionText& out);

// The same question text in UTF-8, every character kept (those the handheld
// cannot show too), for a teacher to edit: every row of the table, and the
// name line; empty when the file name gives no name. A text that is not valid
// in its encoding ends at the last cell read before the fault. Converting the
// result gives what converting the table gives.
std::string TableQuestionTextInUtf8(unsigned char* bytes, std::size_t length,
                                    const std::string& tableName, bool tabSeparated);

#endif  // QDCONV_TABLE_TABLE_QUESTION_TEXT_H_
