#include "table/table_of_questions.h"

#include "limits/quiz_limits.h"

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

// The name cell: |tableName| cut after kMaxDatabaseNameLength characters of
// the handheld's character set, without the spaces it then ends with;
// |fault| tells when it holds text that is not valid, and |cut| when it was
// cut.
TableCell MakeNameCell(const std::string& tableName, DecodingOutcome& fault, bool& cut) {
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

}  // namespace

void ReadTableOfQuestions(unsigned char* bytes, std::size_t length, TextEncoding encoding,
                          const std::string& tableName,
                          const std::string& fileName, bool tabSeparated, std::size_t maxPairs,
                          TableOfQuestions& out) {
  out.encoding = encoding;
  bool nameCut = false;
  out.name = MakeNameCell(tableName, out.nameFault, nameCut);
  out.characterNotes.clear();
  std::vector<UnmappedCharacter> unmapped;
  out.textFault =
      DecodeHandheldTextMarking(bytes, length, out.encoding, unmapped, &out.characterNotes);
  ReadQuestionTable(bytes, out.textFault.length, unmapped, tabSeparated, maxPairs, out.table);
  out.table.notes.nameCut = nameCut;
  if (nameCut) {
    out.table.notes.fileName = fileName;
    out.table.notes.nameKept = CellInUtf8(out.name);
  }
}
