// qdtext: writes the question file that makes a database of the tutor
// application, the way back from qdconv's database to its question file.
#include "frontend/console_dialogue.h"
#include "frontend/program_entry.h"
#include "recovery/recover_question_file.h"

namespace {

const char kIntroduction[] =
    "Quendle -> Text file recovery Utility\n"
    "Version 1.1\n\n\n"
    "Writes the question file of a database beside it: the database name\n"
    "on the first line, then one line per record, each question line\n"
    "followed by its answer line\n\n";
const char kUsage[] = "Command Line Argument Usage:\n qdtext.exe <database_file>\n";

}  // namespace

int RunProgram(int argumentCount, char* arguments[]) {
  return RunConsoleDialogue(argumentCount, arguments, kIntroduction, kUsage, RecoverQuestionFile);
}
