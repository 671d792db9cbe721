#include "table/table_question_text.h"

#include "charset/utf8.h"
#include "database/database_header.h"
#include "table/table_reader.h"

namespace {

// |name| without control characters.
std::string WithoutControlCharacters(const std::string& name) {
  std::string kept;
  for (const char c : name) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) kept += c;
  }
  return kept;
}

// The name cell: |tableName| cut after kMaxDatabaseNameLength
// characters of the handheld's character set, without the spaces it then
// ends with; |fault| tells when it holds a character the handheld cannot
// show, or text that is not valid, and |cut| when it was cut.
TableCell MakeNameCell(const std::string& tableName, HandheldText& fault, bool& cut) {
  std::string stem = WithoutControlCharacters(tableName);
  std::vector<UnmappedCharacter> unmapped;
  fault = DecodeHandheldTextMarking(reinterpret_cast<unsigned char*>(&stem[0]), stem.size(), kUtf8,
                                    unmapped);
  cut = fault.fault == kNoTextFault && fault.length > kMaxDatabaseNameLength;
  stem.resize(fault.length < kMaxDatabaseNameLength ? fault.length : kMaxDatabaseNameLength);
  if (cut) stem.erase(stem.find_last_not_of(' ') + 1);
  TableCell cell = {stem, {}};
  for (const UnmappedCharacter& character : unmapped) {
    if (character.textOffset < stem.size()) cell.unmapped.push_back(character.character);
  }
  return cell;
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

// The characters the handheld cannot show in the questions and answers of
// |pairs| from pair |from| on, but for the first, which stopped the text.
LaterUnshowable LaterUnshowableInTable(const std::vector<TablePair>& pairs, std::size_t from) {
  LaterUnshowable later = {{}, 0};
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

void MakeTableQuestionText(unsigned char* bytes, std::size_t length, const std::string& tableName,
                           const std::string& fileName, bool tabSeparated, std::size_t maxPairs,
                           TableQuestionText& out) {
  out.text.clear();
  out.fault = {0, kNoTextFault, 0, 0};
  out.rows.clear();
  out.rowCount = 0;
  out.laterUnshowable = {{}, 0};
  out.faultRow = out.faultColumn = 0;
  out.notes = TableNotes();
  out.characterNotes.clear();
  out.rowStarts.clear();
  out.encoding = DetectTextEncoding(bytes, length);

  // The name line, from the file name.
  HandheldText name;
  bool nameCut = false;
  const TableCell nameCell = MakeNameCell(tableName, name, nameCut);
  if (name.fault != kNoTextFault) {
    out.text = nameCell.text;
    out.fault = name;
    return;
  }
  if (!AppendCell(nameCell, out)) return;

  std::vector<UnmappedCharacter> unmapped;
  const HandheldText text =
      DecodeHandheldTextMarking(bytes, length, out.encoding, unmapped, &out.characterNotes);
  QuestionTable table;
  ReadQuestionTable(bytes, text.length, unmapped, tabSeparated, maxPairs, table);
  out.rowCount = table.pairCount;
  out.rowStarts = std::move(table.rowStarts);
  out.notes = std::move(table.notes);
  out.notes.nameCut = nameCut;
  if (nameCut) {
    out.notes.fileName = fileName;
    out.notes.nameKept = CellInUtf8(nameCell);
  }
  for (std::size_t k = 0; k < table.pairs.size(); ++k) {
    out.rows.push_back(table.pairs[k].row);
    if (!AppendCell(table.pairs[k].cells[0], out) || !AppendCell(table.pairs[k].cells[1], out)) {
      out.laterUnshowable = LaterUnshowableInTable(table.pairs, k);
      return;
    }
  }
  if (text.fault != kNoTextFault) {
    out.fault = text;
    out.faultRow = table.endRow;
    out.faultColumn = table.endColumn;
  } else if (table.unclosedQuoteRow != 0) {
    out.fault = {0, kUnclosedQuote, 0, 0};
    out.faultRow = table.unclosedQuoteRow;
    out.faultColumn = table.unclosedQuoteColumn;
  }
}

std::string TableQuestionTextInUtf8(unsigned char* bytes, std::size_t length,
                                    const std::string& tableName, bool tabSeparated) {
  HandheldText name;
  bool nameCut = false;
  const TableCell nameCell = MakeNameCell(tableName, name, nameCut);
  std::string text = CellInUtf8(nameCell);
  if (text.empty()) return text;
  text += '\n';
  std::vector<UnmappedCharacter> unmapped;
  const TextEncoding encoding = DetectTextEncoding(bytes, length);
  const HandheldText decoded = DecodeHandheldTextMarking(bytes, length, encoding, unmapped);
  QuestionTable table;
  ReadQuestionTable(bytes, decoded.length, unmapped, tabSeparated, length, table);
  for (const TablePair& pair : table.pairs) {
    text += CellInUtf8(pair.cells[0]) + '\n' + CellInUtf8(pair.cells[1]) + '\n';
  }
  return text;
}
