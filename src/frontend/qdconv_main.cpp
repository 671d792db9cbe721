// qdconv: converts question files into the tutor application's databases.
#include "frontend/console_dialogue.h"
#include "frontend/convert_file.h"
#include "frontend/program_entry.h"
#include "frontend/question_paths.h"

namespace {

const char kIntroduction[] =
    "Quendle <- Text file conversion Utility\n"
    "Version " QDCONV_VERSION "\n\n\n"
    "The format of the text file must be one question per line,\n"
    "followed by an answer line,\n"
    "with no final return character on the last line\n\n";
const char kUsage[] = "Command Line Argument Usage:\n qdconv.exe <input_file>\n";
const char kHelp[] =
    "Usage: %s [-o DATABASE] [--encoding NAME] QUESTION_FILE...\n"
    "Converts each question file into a database of the tutor application,\n"
    "written beside it with the extension .pdb: quiz.txt gives quiz.pdb.\n"
    "A question file is plain text: the database name on line 1, then a\n"
    "question line and an answer line for each question. A table of\n"
    "questions and answers saved as .csv (a spreadsheet) or .tsv (tab-separated,\n"
    "a flashcard program) converts too. qdtext writes a database's question\n"
    "file back.\n"
    "\n"
    "  -o, --output FILE  write the database of the one question file to FILE\n"
    "  -                  read the question file from standard input (with -o)\n"
    "  --encoding NAME    read the files in this encoding: utf-8, utf-16,\n"
    "                     windows-1250 ... (by default it is found out)\n"
    "  --                 end the options: a file named -x is given as -- -x\n"
    "  -h, --help         show this help\n"
    "      --version      show the version\n"
    "\n"
    "Several question files may be given at once. More: man qdconv, or README.txt.\n";

}  // namespace

int RunProgram(int argumentCount, char* arguments[]) {
  const ConsoleProgram program = {
      "qdconv",
      kIntroduction,
      kUsage,
      kHelp,
      "qdconv " QDCONV_VERSION "\n",
      true,
      true,
      "Files converted: %i of %i\n",
      "\"%s\" is given more than once: it is converted once",
      kSameDatabaseNameWarning,
      ConvertFile,
  };
  return RunConsoleDialogue(argumentCount, arguments, program);
}
