// Reading a table's text field by field and row by row, for the table
// reader (table_reader.h): the separator between fields, fields in double
// quotes as RFC 4180 reads them, and line breaks inside a cell made one
// space. A cell keeps the marks of characters the handheld cannot show
// (charset/handheld_decoder.h: kUnmappedMark) with the characters they stand
// for.
#ifndef QDCONV_TABLE_TABLE_ROWS_H_
#define QDCONV_TABLE_TABLE_ROWS_H_

#include <cstddef>
#include <string>
#include <vector>

#include "charset/handheld_decoder.h"
#include "table/table_reader.h"

// Where the reading stands in a decoded text, and the characters its marks
// stand for, by their offset in the text.
struct TableCursor {
  const unsigned char* text;
  std::size_t length;
  std::size_t position;
  const std::vector<UnmappedCharacter>* unmapped;
};

// One row as read: its first two cells, and what else it held.
struct RowRead {
  TableCell cells[2];
  int cellCount;
  bool textBeyondB;
  bool quoteNotClosed;  // in cell |cellCount - 1|
};

// Whether |text| is empty or only spaces and tabs.
bool IsBlank(const std::string& text);

// Read the row at the cursor, and step past its end.
void ReadRow(TableCursor& cursor, char separator, RowRead& row);

// Whether the row's first two cells are blank.
bool IsEmptyRow(const RowRead& row);

#endif  // QDCONV_TABLE_TABLE_ROWS_H_
