#include "table/table_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "charset/utf8.h"
#include "table/column_headings.h"
#include "table/html_text.h"
#include "table/table_rows.h"

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

std::size_t ShowableLength(const TableCell& cell) {
  const std::size_t mark = cell.text.find(static_cast<char>(kUnmappedMark));
  return mark == std::string::npos ? cell.text.size() : mark;
}

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
    if (firstRow && IsColumnHeading(pair.cells[0]) && IsColumnHeading(pair.cells[1])) {
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
