// Where each record of a database comes from, to name it in findings as the
// teacher sees it: a line of a question file, as an editor numbers it (the
// name is line 1), or a cell of a table, as a spreadsheet shows it (row 12,
// column B).
#ifndef QDCONV_CONVERSION_RECORD_ORIGIN_H_
#define QDCONV_CONVERSION_RECORD_ORIGIN_H_

#include <vector>

#include "charset/unshowable_characters.h"
#include "report/report.h"
#include "table/table_reader.h"

struct RecordOrigin {
  // For a table: the spreadsheet row of each question and answer pair, and
  // how many such rows it holds in all; null for a question file.
  const std::vector<int>* tableRows;
  int tableRowCount;
  // For a table whose text could not be decoded, or that holds a quote never
  // closed: the cell where it stopped.
  int faultRow;
  int faultColumn;  // from 0
  // For a table: what its reader noticed of it as a whole.
  const TableNotes* tableNotes;
  // For a text that stopped at a character the handheld cannot show: the
  // ones after it; null when not looked for.
  const LaterUnshowable* laterUnshowable;
};

// The line (5) or the row (12) of record |index| (counted from 0); a table
// record's column is its side of the pair, index % 2. A table's record past
// its rows is the one the text stopped at: its row is the fault's.
int LineOrRowOfRecord(const RecordOrigin& origin, int index);

// Line 5, or row 12, column B, for record |index| (counted from 0).
Place PlaceOfRecord(const RecordOrigin& origin, int index);

#endif  // QDCONV_CONVERSION_RECORD_ORIGIN_H_
