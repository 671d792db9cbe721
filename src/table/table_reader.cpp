#include "table/table_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "charset/utf8.h"
#include "table/column_headings.h"
#include "table/html_text.h"

namespace {

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lowered(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

// The separator a header's value names, or 0.
char SeparatorNamed(const std::string& value) {
  const std::string name = Lowered(value);
  if (name == "tab") return '\t';
  if (name == "comma") return ',';
  if (name == "semicolon") return ';';
  if (name == "pipe") return '|';
  return value.size() == 1 ? value[0] : 0;
}

// The keys of a flashcard export's header lines.
bool IsHeaderKey(const std::string& key) {
  static const char* const kKeys[] = {
      "separator",   "html",          "tags",        "columns",      "notetype",
      "deck",        "notetype column", "deck column", "tags column", "guid column",
  };
  for (const char* known : kKeys) {
    if (key == known) return true;
  }
  return false;
}

struct TableCursor {
  const unsigned char* text;
  std::size_t length;
  std::size_t position;
  const std::vector<UnmappedCharacter>* unmapped;
};

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

// One row as read: its first two cells, and what else it held.
struct RowRead {
  TableCell cells[2];
  int cellCount;
  bool textBeyondB;
  bool quoteNotClosed;  // in cell |cellCount - 1|
};

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

// How consistently |separator| splits the rows from the cursor on: how many
// of the first rows that hold text have the count of cells most of them
// have, when that count is two or more; how many of those hold both a
// question and an answer; and that count.
struct SeparatorFit {
  int rows;
  int filledRows;
  int cells;
};

// Whether |fit| splits the rows better than |other|.
bool FitsBetter(const SeparatorFit& fit, const SeparatorFit& other) {
  if (fit.rows != other.rows) return fit.rows > other.rows;
  if (fit.filledRows != other.filledRows) return fit.filledRows > other.filledRows;
  return fit.cells < other.cells;
}

SeparatorFit FitOfSeparator(TableCursor cursor, char separator) {
  const int kRowsLooked = 100;
  const int kMostCells = 64;
  int rowsWith[kMostCells + 1] = {};
  int filledRowsWith[kMostCells + 1] = {};
  RowRead row;
  for (int looked = 0; looked < kRowsLooked && cursor.position < cursor.length;) {
    ReadRow(cursor, separator, row);
    if (row.quoteNotClosed) break;
    if (IsEmptyRow(row) && !row.textBeyondB) continue;
    const int cells = std::min(row.cellCount, kMostCells);
    ++rowsWith[cells];
    if (!IsBlank(row.cells[0].text) && !IsBlank(row.cells[1].text)) ++filledRowsWith[cells];
    ++looked;
  }
  SeparatorFit fit = {0, 0, 0};
  for (int cells = 2; cells <= kMostCells; ++cells) {
    const SeparatorFit candidate = {rowsWith[cells], filledRowsWith[cells], cells};
    if (candidate.rows > 0 && FitsBetter(candidate, fit)) fit = candidate;
  }
  return fit;
}

// The separator of a CSV file whose rows start at the cursor.
char DetectSeparator(const TableCursor& cursor) {
  char best = ',';
  SeparatorFit bestFit = {0, 0, 0};
  for (const char separator : {'\t', ';', ','}) {
    const SeparatorFit fit = FitOfSeparator(cursor, separator);
    if (fit.rows > 0 && FitsBetter(fit, bestFit)) {
      best = separator;
      bestFit = fit;
    }
  }
  return best;
}

// The line at the cursor, without its line end, and the cursor past it.
std::string TakeLine(TableCursor& cursor) {
  const unsigned char* start = cursor.text + cursor.position;
  const void* end = std::memchr(start, '\n', cursor.length - cursor.position);
  const std::size_t lineLength =
      end ? static_cast<std::size_t>(static_cast<const unsigned char*>(end) - start)
          : cursor.length - cursor.position;
  std::string line(reinterpret_cast<const char*>(start), lineLength);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  cursor.position += lineLength + (end ? 1 : 0);
  return line;
}

// Excel's "sep=;" first line: the separator it names, or 0.
char ExcelSeparatorLine(const TableCursor& cursor) {
  const std::size_t left = cursor.length - cursor.position;
  const unsigned char* at = cursor.text + cursor.position;
  if (left < 5 || Lowered(std::string(reinterpret_cast<const char*>(at), 4)) != "sep=") return 0;
  const bool lineEnds = left == 5 || at[5] == '\n' || (at[5] == '\r' && (left == 6 || at[6] == '\n'));
  return lineEnds && at[4] != '\n' && at[4] != '\r' ? static_cast<char>(at[4]) : 0;
}

// The header at the top: what it sets, and how many rows it takes.
struct TableHeader {
  char separator;  // 0: none named
  bool html;
  bool columnsNamed;
  int rows;
};

TableHeader ReadHeader(TableCursor& cursor, std::vector<std::size_t>& rowStarts) {
  TableHeader header = {ExcelSeparatorLine(cursor), false, false, 0};
  if (header.separator) {
    rowStarts.push_back(cursor.position);
    TakeLine(cursor);
    ++header.rows;
  }
  while (cursor.position < cursor.length && cursor.text[cursor.position] == '#') {
    TableCursor next = cursor;
    const std::string line = TakeLine(next);
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) break;
    const std::string key = Lowered(Trimmed(line.substr(1, colon - 1)));
    if (!IsHeaderKey(key)) break;
    rowStarts.push_back(cursor.position);
    cursor = next;
    ++header.rows;
    const std::string value = line.substr(colon + 1);
    if (key == "separator") {
      const char named = SeparatorNamed(Trimmed(value).empty() ? value : Trimmed(value));
      if (named) header.separator = named;
    } else if (key == "html") {
      header.html = Lowered(Trimmed(value)) == "true";
    } else if (key == "columns" || key == "tags column") {
      header.columnsNamed = true;
    }
  }
  return header;
}

}  // namespace

std::string CellInUtf8(const TableCell& cell) {
  std::string utf8;
  std::size_t next = 0;  // of cell.unmapped
  std::size_t start = 0;
  for (std::size_t i = 0; i <= cell.text.size(); ++i) {
    if (i < cell.text.size() && static_cast<unsigned char>(cell.text[i]) != kUnmappedMark) {
      continue;
    }
    utf8 += HandheldTextInUtf8(cell.text.data() + start, i - start);
    if (i < cell.text.size() && next < cell.unmapped.size()) {
      char character[4];
      utf8.append(character, EncodeUtf8Character(cell.unmapped[next++], character));
    }
    start = i + 1;
  }
  return utf8;
}

void ReadQuestionTable(const unsigned char* text, std::size_t length,
                       const std::vector<UnmappedCharacter>& unmapped, bool tabSeparated,
                       std::size_t keep, QuestionTable& table) {
  table.pairs.clear();
  table.pairCount = 0;
  table.unclosedQuoteRow = table.unclosedQuoteColumn = 0;
  table.notes = TableNotes();
  table.rowStarts.clear();
  TableCursor cursor = {text, length, 0, &unmapped};
  const TableHeader header = ReadHeader(cursor, table.rowStarts);
  int row = header.rows;
  // The text ends in the last header row, or where the next row would start.
  table.endRow = cursor.position > 0 && text[cursor.position - 1] != '\n' ? row : row + 1;
  table.endColumn = 0;
  const char separator =
      header.separator ? header.separator : tabSeparated ? '\t' : DetectSeparator(cursor);

  RowRead read;
  bool firstRow = true;
  while (cursor.position < length) {
    ++row;
    table.rowStarts.push_back(cursor.position);
    ReadRow(cursor, separator, read);
    table.endRow = row;
    table.endColumn = read.cellCount - 1;
    if (read.quoteNotClosed) {
      table.unclosedQuoteRow = row;
      table.unclosedQuoteColumn = read.cellCount - 1;
      return;
    }
    if (cursor.position > 0 && text[cursor.position - 1] == '\n') {
      table.endRow = row + 1;
      table.endColumn = 0;
    }
    if (read.textBeyondB && !header.columnsNamed) table.notes.rowsBeyondB.push_back(row);
    TablePair pair;
    pair.row = row;
    pair.cells[0] = std::move(read.cells[0]);
    pair.cells[1] = std::move(read.cells[1]);
    if (header.html) {
      MakePlainText(pair.cells[0]);
      MakePlainText(pair.cells[1]);
    }
    // Further columns are ignored: a row without question and answer is empty.
    if (IsBlank(pair.cells[0].text) && IsBlank(pair.cells[1].text)) continue;
    if (firstRow && IsColumnHeading(pair.cells[0].text) && IsColumnHeading(pair.cells[1].text)) {
      table.notes.headingsRow = row;
      table.notes.headings[0] = pair.cells[0];
      table.notes.headings[1] = pair.cells[1];
      firstRow = false;
      continue;
    }
    firstRow = false;
    ++table.pairCount;
    if (table.pairs.size() < keep) table.pairs.push_back(std::move(pair));
  }
}
