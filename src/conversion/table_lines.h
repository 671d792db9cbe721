// A table's rows as the record lines the converter reads
// (question_reader.h): the name cell as line 1, then the question and the
// answer cell of each row, each a line of its own ending in a line end, read
// by the same rules as a question file's lines. The lines stop at the first
// character the handheld cannot show in a cell that is kept (that line ends
// before it and carries the fault), or after the last row; a table whose text
// ends early (text that is not valid, a quote never closed) then gives one
// more, empty line that carries why.
#ifndef QDCONV_CONVERSION_TABLE_LINES_H_
#define QDCONV_CONVERSION_TABLE_LINES_H_

#include <vector>

#include "charset/handheld_decoder.h"
#include "charset/unshowable_characters.h"
#include "conversion/question_reader.h"
#include "table/table_of_questions.h"

struct TableLines {
  std::vector<QuestionLine> lines;  // views into the table's cells
  DecodingOutcome fault;            // the one the last line carries, if any
  std::vector<int> rows;            // the spreadsheet row of each pair given
  // When a cell stopped at a character the handheld cannot show: those after
  // it, at their rows and columns.
  LaterUnshowable laterUnshowable;
  // Where a text that is not valid stopped, or the cell whose quote is never
  // closed.
  int faultRow;
  int faultColumn;
};

// The lines of |table|, which must outlive them.
void MakeTableLines(const TableOfQuestions& table, TableLines& out);

#endif  // QDCONV_CONVERSION_TABLE_LINES_H_
