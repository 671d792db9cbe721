#include "frontend/question_paths.h"

#include "files/sibling_path.h"

std::string DeriveDatabasePath(const char* questionPath) {
  return SiblingPath(questionPath, ".pdb");
}

QuestionFileFacts QuestionFileFactsOf(const char* questionPath) {
  QuestionFileFacts facts = {kNotATable, std::string(), std::string(), false, WesternMachine()};
  if (HasExtension(questionPath, ".tsv")) {
    facts.table = kTabSeparatedTable;
  } else if (HasExtension(questionPath, ".csv")) {
    facts.table = kCommaSeparatedTable;
  } else {
    return facts;
  }
  const std::size_t nameStart = FileNameStart(questionPath);
  facts.fileName = questionPath + nameStart;
  facts.tableName = SiblingPath(questionPath, "").substr(nameStart);
  return facts;
}
