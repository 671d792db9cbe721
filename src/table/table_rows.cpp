#include "table/table_rows.h"

#include <algorithm>
#include <cstring>

namespace {

// The character a mark at |offset| of the text stands for.
std::uint32_t UnmappedAt(const TableCursor& cursor, std::size_t offset) {
  const auto& list = *cursor.unmapped;
  const auto found = std::lower_bound(
      list.begin(), list.end(), offset,
      [](const UnmappedCharacter& entry, std::size_t at) { return entry.textOffset < at; });
  return found != list.end() && found->textOffset == offset ? found->character : 0;
}

// Adds the byte at |at| to |cell| (when there is a cell to keep).
void Keep(const TableCursor& cursor, std::size_t at, TableCell* cell) {
  if (!cell) return;
  const unsigned char byte = cursor.text[at];
  cell->text += static_cast<char>(byte);
  if (byte == kUnmappedMark) cell->unmapped.push_back(UnmappedAt(cursor, at));
}

// Whether the row ends at the cursor: LF, CR LF or the end; steps past it.
bool AtRowEnd(TableCursor& cursor) {
  if (cursor.position >= cursor.length) return true;
  const unsigned char c = cursor.text[cursor.position];
  if (c == '\n') {
    ++cursor.position;
    return true;
  }
  if (c == '\r' && cursor.position + 1 < cursor.length &&
      cursor.text[cursor.position + 1] == '\n') {
    cursor.position += 2;
    return true;
  }
  return false;
}

// Adds one space for a line break at the cursor and steps past it, if there
// is one.
bool TakeLineBreak(TableCursor& cursor, TableCell* cell) {
  const unsigned char c = cursor.text[cursor.position];
  if (c != '\r' && c != '\n') return false;
  cursor.position += c == '\r' && cursor.position + 1 < cursor.length &&
                             cursor.text[cursor.position + 1] == '\n'
                         ? 2
                         : 1;
  if (cell) cell->text += ' ';
  return true;
}

enum FieldEnd { kSeparatorFollows, kRowEnds, kQuoteNotClosed };

// Reads a field in quotes, the cursor on its opening quote, into |cell|.
// Returns false, the cursor and |cell| as they were, when it is no field in
// quotes after all: text follows its closing quote, or it has none.
bool ReadQuotedField(TableCursor& cursor, char separator, TableCell* cell) {
  const TableCursor start = cursor;
  TableCell quoted;
  ++cursor.position;
  for (;;) {
    if (cursor.position >= cursor.length) {
      cursor = start;
      return false;
    }
    if (cursor.text[cursor.position] == '"') {
      if (cursor.position + 1 < cursor.length && cursor.text[cursor.position + 1] == '"') {
        Keep(cursor, cursor.position, &quoted);
        cursor.position += 2;
        continue;
      }
      ++cursor.position;
      break;
    }
    if (!TakeLineBreak(cursor, &quoted)) Keep(cursor, cursor.position++, &quoted);
  }
  const bool fieldEnds = cursor.position >= cursor.length ||
                         cursor.text[cursor.position] == static_cast<unsigned char>(separator) ||
                         cursor.text[cursor.position] == '\n' ||
                         (cursor.text[cursor.position] == '\r' &&
                          cursor.position + 1 < cursor.length &&
                          cursor.text[cursor.position + 1] == '\n');
  if (!fieldEnds) {
    cursor = start;
    return false;
  }
  if (cell) {
    cell->text += quoted.text;
    cell->unmapped.insert(cell->unmapped.end(), quoted.unmapped.begin(), quoted.unmapped.end());
  }
  return true;
}

// Whether a quote at the cursor opens a field that no quote closes.
bool QuoteNeverClosed(const TableCursor& cursor) {
  return std::memchr(cursor.text + cursor.position + 1, '"',
                     cursor.length - cursor.position - 1) == nullptr;
}

// Reads one field into |cell| (null: read past it) and says what follows.
FieldEnd ReadField(TableCursor& cursor, char separator, TableCell* cell) {
  if (cursor.position < cursor.length && cursor.text[cursor.position] == '"') {
    if (QuoteNeverClosed(cursor)) return kQuoteNotClosed;
    ReadQuotedField(cursor, separator, cell);
  }
  // Unquoted, or what follows a field in quotes up to the separator.
  for (;;) {
    if (AtRowEnd(cursor)) return kRowEnds;
    if (cursor.text[cursor.position] == static_cast<unsigned char>(separator)) {
      ++cursor.position;
      return kSeparatorFollows;
    }
    if (!TakeLineBreak(cursor, cell)) Keep(cursor, cursor.position++, cell);
  }
}

}  // namespace

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

void ReadRow(TableCursor& cursor, char separator, RowRead& row) {
  row.cells[0] = TableCell();
  row.cells[1] = TableCell();
  row.cellCount = 0;
  row.textBeyondB = false;
  row.quoteNotClosed = false;
  TableCell further;
  for (FieldEnd end = kSeparatorFollows; end == kSeparatorFollows;) {
    TableCell* cell = row.cellCount < 2 ? &row.cells[row.cellCount] : &further;
    further = TableCell();
    end = ReadField(cursor, separator, cell);
    ++row.cellCount;
    if (cell == &further && !IsBlank(further.text)) row.textBeyondB = true;
    row.quoteNotClosed = end == kQuoteNotClosed;
  }
}

bool IsEmptyRow(const RowRead& row) {
  return IsBlank(row.cells[0].text) && IsBlank(row.cells[1].text);
}


bool IsTabSeparatedPaste(const unsigned char* text, std::size_t length) {
  const std::vector<UnmappedCharacter> none;
  TableCursor cursor = {text, length, 0, &none};
  RowRead row;
  int rows = 0;
  while (cursor.position < cursor.length) {
    ReadRow(cursor, '\t', row);
    if (row.cellCount < 2 && row.cells[0].text.empty() && !row.quoteNotClosed) continue;
    if (row.cellCount < 2) return false;
    ++rows;
    if (row.quoteNotClosed) break;
  }
  return rows > 0;
}
