#include "table/table_question_text.h"

#include "database/database_header.h"
#include "files/sibling_path.h"
#include "table/table_reader.h"

namespace {

// The file name of |path| without its folder and last extension, and without
// control characters, in UTF-8.
std::string FileNameStem(const char* path) {
  const std::string withoutExtension = SiblingPath(path, "");
  std::string stem;
  for (std::size_t i = FileNameStart(path); i < withoutExtension.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(withoutExtension[i]);
    if (c >= 0x20 && c != 0x7F) stem += static_cast<char>(c);
  }
  return stem;
}

// Appends |cell| as a line; false, with |out|'s fault set, when it holds a
// character the handheld cannot show (the line then ends before it, without
// LF, and is the text's last).
bool AppendCell(const TableCell& cell, TableQuestionText& out) {
  const std::size_t mark = cell.text.find(static_cast<char>(kUnmappedMark));
  if (mark == std::string::npos) {
    out.text += cell.text;
    out.text += '\n';
    return true;
  }
  out.text.append(cell.text, 0, mark);
  out.fault = {0, kUnmappableCharacter, 0, cell.unmapped.empty() ? 0 : cell.unmapped[0]};
  return false;
}

}  // namespace

void MakeTableQuestionText(unsigned char* bytes, std::size_t length, const char* path,
                           bool tabSeparated, std::size_t maxPairs, TableQuestionText& out) {
  out.text.clear();
  out.fault = {0, kNoTextFault, 0, 0};
  out.rows.clear();
  out.rowCount = 0;
  out.faultRow = out.faultColumn = 0;

  // The name line, from the file name.
  std::string stem = FileNameStem(path);
  std::vector<UnmappedCharacter> unmapped;
  const HandheldText name = DecodeHandheldTextMarking(
      reinterpret_cast<unsigned char*>(&stem[0]), stem.size(), kUtf8, unmapped);
  stem.resize(name.length < kMaxDatabaseNameLength ? name.length : kMaxDatabaseNameLength);
  TableCell nameCell = {stem, {}};
  for (const UnmappedCharacter& character : unmapped) {
    if (character.textOffset < stem.size()) nameCell.unmapped.push_back(character.character);
  }
  if (name.fault != kNoTextFault) {
    out.text = stem;
    out.fault = name;
    return;
  }
  if (!AppendCell(nameCell, out)) return;

  out.encoding = DetectTextEncoding(bytes, length);
  const HandheldText text = DecodeHandheldTextMarking(bytes, length, out.encoding, unmapped);
  QuestionTable table;
  ReadQuestionTable(bytes, text.length, unmapped, tabSeparated, maxPairs, table);
  out.rowCount = table.pairCount;
  for (const TablePair& pair : table.pairs) {
    out.rows.push_back(pair.row);
    if (!AppendCell(pair.cells[0], out) || !AppendCell(pair.cells[1], out)) return;
  }
  if (text.fault != kNoTextFault) {
    out.fault = text;
    out.faultRow = table.endRow;
    out.faultColumn = table.endColumn;
  }
}
