// qdtext: writes the question file that makes a database of the tutor
// application, the way back from qdconv's database to its question file.
#include "frontend/console_dialogue.h"
#include "frontend/program_entry.h"
#include "frontend/recover_file.h"

namespace {

const char kIntroduction[] =
    "Quendle -> Text file recovery Utility\n"
    "Version " QDCONV_VERSION "\n\n\n"
    "Writes the question file of a database beside it: the database name\n"
    "on the first line, then one line per record, each question line\n"
    "followed by its answer line\n\n";
const char kUsage[] = "Command Line Argument Usage:\n qdtext.exe <database_file>\n";
const char kHelp[] =
    "Usage: %s [-o QUESTION_FILE] DATABASE...\n"
    "Writes the question file of each database of the tutor application,\n"
    "beside it with the extension .txt: quiz.pdb gives quiz.txt. A file that\n"
    "exists is never replaced. qdconv converts question files and tables\n"
    "(.csv, .tsv) into databases.\n"
    "\n"
    "  -o, --output FILE  write the question file of the one database to FILE\n"
    "  --                 end the options: a file named -x is given as -- -x\n"
    "  -h, --help         show this help\n"
    "      --version      show the version\n"
    "\n"
    "Several databases may be given at once. More: man qdtext, or README.txt.\n";

}  // namespace

int RunProgram(int argumentCount, char* arguments[]) {
  const ConsoleProgram program = {
      "qdtext",
      kIntroduction,
      kUsage,
      kHelp,
      "qdtext " QDCONV_VERSION "\n",
      false,
      false,
      "Question files written: %i of %i\n",
      "\"%s\" is given more than once: its question file is written once",
      "\"%s\" and \"%s\" are both databases named \"%s\": the handheld keeps one database "
      "per name, so only one of them stays installed",
      RecoverFile,
  };
  return RunConsoleDialogue(argumentCount, arguments, program);
}
