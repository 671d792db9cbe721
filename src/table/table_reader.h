// Reading a table of questions: a spreadsheet's CSV or a flashcard export's
// tab-separated lines, already decoded into the handheld's character set
// (charset/handheld_decoder.h, with unmapped characters marked).
//
//   - Header lines at the top that start with '#' are read for
//     "separator:" (tab, comma, semicolon, pipe, or the character itself)
//     and "html:" (true or false), and otherwise skipped.
//   - Without a separator header, a tab-separated file uses tabs; a CSV
//     file uses ';' when its first row holds more semicolons than commas
//     outside quotes (spreadsheets in much of Europe), else ','.
//   - Fields follow RFC 4180: a field in double quotes may hold the
//     separator, line breaks and a doubled quote. Rows end with LF or CR LF;
//     the last may have none.
//   - A line break inside a cell (CR LF, LF or CR) becomes one space. With
//     html:true, tags go, <br> and <div> become one space, and character
//     references (&amp; &nbsp; &#233; &#xE9; ...) become their characters.
//   - Each row is a question (first column) and its answer (second); further
//     columns are ignored, and a row whose first two cells are empty is
//     skipped.
// Rows are numbered as a spreadsheet shows them: every row of the file,
// header and empty ones included, from 1.
#ifndef QDCONV_TABLE_TABLE_READER_H_
#define QDCONV_TABLE_TABLE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "charset/handheld_decoder.h"

// Whether |path| names a table: its name ends in ".csv" or ".tsv", in any
// case. |tabSeparated| tells which.
bool IsTablePath(const char* path, bool& tabSeparated);

struct TableCell {
  std::string text;  // bytes of the handheld's character set
  // The characters that the kUnmappedMark bytes of |text| stand for, in order.
  std::vector<std::uint32_t> unmapped;
};

struct TablePair {
  int row;  // as a spreadsheet numbers it
  TableCell cells[2];  // question, answer
};

struct QuestionTable {
  // The rows kept, in order; at most |keep| of them (ReadQuestionTable).
  std::vector<TablePair> pairs;
  int pairCount;  // every row kept or not, past |keep| too
  // Where the text ended: the row and the column (from 0) of its last cell.
  int endRow;
  int endColumn;
};

// Read the table |text[0..length)|; |unmapped| lists its marked characters
// (by their offset in |text|). Keeps at most |keep| pairs.
void ReadQuestionTable(const unsigned char* text, std::size_t length,
                       const std::vector<UnmappedCharacter>& unmapped, bool tabSeparated,
                       std::size_t keep, QuestionTable& table);

#endif  // QDCONV_TABLE_TABLE_READER_H_
