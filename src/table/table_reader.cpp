#include "table/table_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "files/sibling_path.h"
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

// The separator a header's value names, or 0.
char SeparatorNamed(const std::string& value) {
  const std::string name = Lowered(value);
  if (name == "tab") return '\t';
  if (name == "comma") return ',';
  if (name == "semicolon") return ';';
  if (name == "pipe") return '|';
  return value.size() == 1 ? value[0] : 0;
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

// Reads one field into |cell| (null: read past it). Returns true when the
// row ends after it.
bool ReadField(TableCursor& cursor, char separator, TableCell* cell) {
  if (cursor.position < cursor.length && cursor.text[cursor.position] == '"') {
    ++cursor.position;
    while (cursor.position < cursor.length) {
      if (cursor.text[cursor.position] == '"') {
        if (cursor.position + 1 < cursor.length && cursor.text[cursor.position + 1] == '"') {
          Keep(cursor, cursor.position, cell);
          cursor.position += 2;
          continue;
        }
        ++cursor.position;
        break;
      }
      if (!TakeLineBreak(cursor, cell)) Keep(cursor, cursor.position++, cell);
    }
  }
  // Unquoted, or what follows a closing quote up to the separator.
  for (;;) {
    if (AtRowEnd(cursor)) return true;
    if (cursor.text[cursor.position] == static_cast<unsigned char>(separator)) {
      ++cursor.position;
      return false;
    }
    if (!TakeLineBreak(cursor, cell)) Keep(cursor, cursor.position++, cell);
  }
}

// The separator of a CSV file from its first row at the cursor.
char DetectSeparator(const TableCursor& cursor) {
  int semicolons = 0, commas = 0;
  bool quoted = false;
  for (std::size_t i = cursor.position; i < cursor.length; ++i) {
    const unsigned char c = cursor.text[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n') break;
    semicolons += c == ';';
    commas += c == ',';
  }
  return semicolons > commas ? ';' : ',';
}

}  // namespace

bool IsTablePath(const char* path, bool& tabSeparated) {
  tabSeparated = HasExtension(path, ".tsv");
  return tabSeparated || HasExtension(path, ".csv");
}

void ReadQuestionTable(const unsigned char* text, std::size_t length,
                       const std::vector<UnmappedCharacter>& unmapped, bool tabSeparated,
                       std::size_t keep, QuestionTable& table) {
  table.pairs.clear();
  table.pairCount = 0;
  table.endRow = 0;
  table.endColumn = 0;
  TableCursor cursor = {text, length, 0, &unmapped};
  int row = 0;
  char separator = tabSeparated ? '\t' : 0;
  bool html = false;
  while (cursor.position < length && text[cursor.position] == '#') {
    const unsigned char* start = text + cursor.position;
    const void* end = std::memchr(start, '\n', length - cursor.position);
    const std::size_t lineLength =
        end ? static_cast<std::size_t>(static_cast<const unsigned char*>(end) - start)
            : length - cursor.position;
    std::string line(reinterpret_cast<const char*>(start) + 1, lineLength - 1);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    cursor.position += lineLength + (end ? 1 : 0);
    ++row;
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string key = Lowered(Trimmed(line.substr(0, colon)));
    const std::string value = line.substr(colon + 1);
    if (key == "separator") {
      const char named = SeparatorNamed(Trimmed(value).empty() ? value : Trimmed(value));
      if (named) separator = named;
    } else if (key == "html") {
      html = Lowered(Trimmed(value)) == "true";
    }
  }
  if (!separator) separator = DetectSeparator(cursor);

  while (cursor.position < length) {
    ++row;
    TablePair pair;
    pair.row = row;
    int column = 0;
    bool rowEnded = false;
    while (!rowEnded) {
      table.endRow = row;
      table.endColumn = column;
      rowEnded = ReadField(cursor, separator, column < 2 ? &pair.cells[column] : nullptr);
      ++column;
    }
    if (html) {
      MakePlainText(pair.cells[0]);
      MakePlainText(pair.cells[1]);
    }
    // Further columns are ignored: a row without question and answer is empty.
    if (pair.cells[0].text.empty() && pair.cells[1].text.empty()) continue;
    ++table.pairCount;
    if (table.pairs.size() < keep) table.pairs.push_back(std::move(pair));
  }
}
