// qdconv: converts question files into the tutor application's databases.
#include "conversion/convert_question_file.h"
#include "conversion/database_path.h"
#include "frontend/console_dialogue.h"
#include "frontend/program_entry.h"

namespace {

const char kIntroduction[] =
    "Quendle <- Text file conversion Utility\n"
    "Version " QDCONV_VERSION "\n\n\n"
    "The format of the text file must be one question per line,\n"
    "followed by an answer line,\n"
    "with no final return character on the last line\n\n";
const char kUsage[] = "Command Line Argument Usage:\n qdconv.exe <input_file>\n";

}  // namespace

int RunProgram(int argumentCount, char* arguments[]) {
  const ConsoleProgram program = {
      kIntroduction,
      kUsage,
      "Several question files may be given at once. More: man qdconv, or README.txt.\n",
      "qdconv " QDCONV_VERSION "\n",
      "Files converted: %i of %i\n",
      "\"%s\" is given more than once: it is converted once",
      kSameDatabaseNameWarning,
      ConvertQuestionFile,
      DeriveDatabasePath,
  };
  return RunConsoleDialogue(argumentCount, arguments, program);
}
