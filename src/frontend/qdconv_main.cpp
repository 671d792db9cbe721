// qdconv: converts a question file into the tutor application's database.
#include "conversion/convert_question_file.h"
#include "frontend/console_dialogue.h"
#include "frontend/program_entry.h"

namespace {

const char kIntroduction[] =
    "Quendle <- Text file conversion Utility\n"
    "Version 1.1\n\n\n"
    "The format of the text file must be one question per line,\n"
    "followed by an answer line,\n"
    "with no final return character on the last line\n\n";
const char kUsage[] = "Command Line Argument Usage:\n qdconv.exe <input_file>\n";

}  // namespace

int RunProgram(int argumentCount, char* arguments[]) {
  return RunConsoleDialogue(argumentCount, arguments, kIntroduction, kUsage, ConvertQuestionFile);
}
