#include "table/table_question_text.h"

#include <memory>

#include "charset/encoding_guess.h"
#include "table/table_of_questions.h"

std::string TableQuestionTextInUtf8(unsigned char* bytes, std::size_t length,
                                    const std::string& tableName, bool tabSeparated) {
  auto table = std::make_unique<TableOfQuestions>();
  const EncodingDecision decision = DecideTextEncoding(bytes, length, WesternMachine());
  const TextEncoding encoding =
      decision.verdict == kEncodingDecided ? decision.encoding : kBytesAsTheyAre;
  ReadTableOfQuestions(bytes, length, encoding, tableName, "", tabSeparated, length, *table);
  std::string text = CellInUtf8(table->name);
  if (text.empty()) return text;
  text += '\n';
  for (const TablePair& pair : table->table.pairs) {
    text += CellInUtf8(pair.cells[0]) + '\n' + CellInUtf8(pair.cells[1]) + '\n';
  }
  return text;
}
