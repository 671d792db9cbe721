#include "conversion/table_lines.h"

namespace {

// Adds |cell| as a line; false, with |out|'s fault set, when it holds a
// character the handheld cannot show: the line then ends before it, without
// line end, and is the last.
bool AddCell(const TableCell& cell, TableLines& out) {
  const std::size_t showable = ShowableLength(cell);
  if (showable == cell.text.size()) {
    out.lines.push_back(LineOfText(cell.text.data(), cell.text.size(), true));
    return true;
  }
  out.fault = {0, kUnmappableCharacter, 0, cell.unmapped.empty() ? 0 : cell.unmapped[0]};
  out.lines.push_back(LineOfText(cell.text.data(), showable, false));
  out.lines.back().fault = kUnmappableCharacter;
  return false;
}

// Ends the lines with an empty one that carries |fault|.
void EndWithFault(const DecodingOutcome& fault, int row, int column, TableLines& out) {
  out.fault = fault;
  out.faultRow = row;
  out.faultColumn = column;
  out.lines.push_back({"", 0, false, false, fault.fault});
}

// The characters the handheld cannot show in the questions and answers of
// |pairs| from pair |from| on, but for the first, which stopped the lines.
LaterUnshowable LaterUnshowableInTable(const std::vector<TablePair>& pairs, std::size_t from) {
  LaterUnshowable later = {};
  bool first = true;
  for (std::size_t k = from; k < pairs.size(); ++k) {
    for (int column = 0; column < 2; ++column) {
      for (const std::uint32_t character : pairs[k].cells[column].unmapped) {
        if (!first) AddLaterUnshowable({pairs[k].row, column, character}, later);
        first = false;
      }
    }
  }
  return later;
}

}  // namespace

void MakeTableLines(const TableOfQuestions& table, TableLines& out) {
  out.lines.clear();
  out.fault = {0, kNoTextFault, 0, 0};
  out.rows.clear();
  out.laterUnshowable = {};
  out.faultRow = out.faultColumn = 0;
  if (table.nameFault.fault != kNoTextFault) {
    out.fault = table.nameFault;
    out.lines.push_back(LineOfText(table.name.text.data(), table.name.text.size(), false));
    out.lines.back().fault = table.nameFault.fault;
    return;
  }
  if (!AddCell(table.name, out)) return;
  const std::vector<TablePair>& pairs = table.table.pairs;
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    out.rows.push_back(pairs[k].row);
    if (!AddCell(pairs[k].cells[0], out) || !AddCell(pairs[k].cells[1], out)) {
      out.laterUnshowable = LaterUnshowableInTable(pairs, k);
      return;
    }
  }
  if (table.textFault.fault != kNoTextFault) {
    EndWithFault(table.textFault, table.table.endRow, table.table.endColumn, out);
  } else if (table.table.unclosedQuoteRow != 0) {
    EndWithFault({0, kUnclosedQuote, 0, 0}, table.table.unclosedQuoteRow,
                 table.table.unclosedQuoteColumn, out);
  }
}
