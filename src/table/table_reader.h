// Reading a table of questions: a spreadsheet's CSV or a flashcard export's
// tab-separated lines, already decoded into the handheld's character set
// (charset/handheld_decoder.h, with unmapped characters marked; a text whose
// lines end in CR alone has them as LF by then).
//
//   - Header lines at the top: Excel's "sep=;" as the very first line names
//     the separator (any one character); lines "#key:value" whose key is one
//     of a flashcard export's header (separator, html, columns, tags column,
//     notetype, deck ...) are read for "separator:" (tab, comma, semicolon,
//     pipe, or the character itself) and "html:" (true or false). Any other
//     row, one that starts with '#' too, is a row of the table.
//   - Without a separator named, a tab-separated file uses tabs; a CSV file
//     uses the one of tab, ';' and ',' that splits its rows most
//     consistently into two cells or more, the rows read exactly as the
//     cells are read below. A tie goes to the one that leaves more rows
//     with both a question and an answer, then to the fewer cells, then to
//     tab, ';', ','.
//   - Fields follow RFC 4180: a field that starts with a double quote may
//     hold the separator, line breaks and a doubled quote up to its closing
//     quote. A field whose closing quote is followed by more text, and a
//     quote anywhere else in a field, keep every character as typed. A quote
//     that opens a field and is never closed ends the reading there (the
//     table's |unclosedQuoteRow|). Rows end with LF or CR LF; the last may
//     have none.
//   - A line break inside a cell (CR LF, LF or CR) becomes one space. With
//     html:true, the cells are made plain text (table/html_text.h).
//   - Each row is a question (first column) and its answer (second); further
//     columns are ignored. A row whose first two cells are empty or hold
//     only spaces and tabs is skipped; so is a first row whose two cells are
//     column headings ("Question", "Réponse", "Front", "Back" ...).
// Rows are numbered as a spreadsheet shows them: every row of the file,
// header and empty ones included, from 1.
#ifndef QDCONV_TABLE_TABLE_READER_H_
#define QDCONV_TABLE_TABLE_READER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "charset/handheld_decoder.h"

struct TableCell {
  std::string text;  // bytes of the handheld's character set
  // The characters that the kUnmappedMark bytes of |text| stand for, in order.
  std::vector<std::uint32_t> unmapped;
};

// How much of |cell|'s text comes before its first character the handheld
// cannot show: all of it when it holds none.
std::size_t ShowableLength(const TableCell& cell);

// |cell| in UTF-8, its marked characters put back.
std::string CellInUtf8(const TableCell& cell);

struct TablePair {
  int row;  // as a spreadsheet numbers it
  TableCell cells[2];  // question, answer
};

// What the reader noticed of the table as a whole, for the warnings.
struct TableNotes {
  int headingsRow;          // a first row of column headings, left out; 0: none
  TableCell headings[2];
  // Rows holding text beyond column B, when no header line names the
  // columns.
  std::vector<int> rowsBeyondB;
  // A table whose name was cut to fit a database name: the file name and the
  // name kept, in UTF-8 (set by table/table_question_text.h).
  bool nameCut;
  std::string fileName;
  std::string nameKept;
};

struct QuestionTable {
  // The rows kept, in order; at most |keep| of them (ReadQuestionTable).
  std::vector<TablePair> pairs;
  int pairCount;  // every row kept or not, past |keep| too
  // Where the text ended: the row and the column (from 0) of the cell it
  // ended in, or of the cell that would have come next.
  int endRow;
  int endColumn;
  // Where a quote opened a field that it never closed (the reading ended
  // there); 0 when none did.
  int unclosedQuoteRow;
  int unclosedQuoteColumn;
  TableNotes notes;
  // Where each row read starts in the text: row r at rowStarts[r - 1].
  std::vector<std::size_t> rowStarts;
};

// Whether |text[0..length)| (UTF-8) is rows of cells copied from a
// spreadsheet: every row that is not empty holds two cells or more, split by
// tabs and read as a tab-separated table's are, and there is such a row.
bool IsTabSeparatedPaste(const unsigned char* text, std::size_t length);

// Read the table |text[0..length)|; |unmapped| lists its marked characters
// (by their offset in |text|). Keeps at most |keep| pairs.
void ReadQuestionTable(const unsigned char* text, std::size_t length,
                       const std::vector<UnmappedCharacter>& unmapped, bool tabSeparated,
                       std::size_t keep, QuestionTable& table);

#endif  // QDCONV_TABLE_TABLE_READER_H_
