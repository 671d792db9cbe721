// The converter's entry point and its console dialogue: the fixed banner block,
// the argument check, the conversion, and a pause for one character before the
// process ends. The exit status tells how the run ended:
//   0  the database was written completely;
//   1  the conversion stopped with one of its messages;
//   2  the command line did not hold exactly one argument.
#include <cstdio>

#include "conversion/convert_question_file.h"

namespace {

const char kBanner[] = "Quendle <- Text file conversion Utility\n";
const char kVersion[] = "Version 1.0\n\n\n";
const char kFormatHelp[] =
    "The format of the text file must be one question per line,\n"
    "followed by an answer line,\n"
    "with no final return character on the last line\n\n";
const char kUsage[] = "Command Line Argument Usage:\n qdconv.exe <input_file>\n";

const int kConverted = 0;
const int kStopped = 1;
const int kWrongArguments = 2;

}  // namespace

int main(int argumentCount, char* arguments[]) {
  std::fputs(kBanner, stdout);
  std::fputs(kVersion, stdout);
  std::fputs(kFormatHelp, stdout);
  std::fputs(kUsage, stdout);
  int status = kWrongArguments;
  if (argumentCount == 2) {
    status = ConvertQuestionFile(arguments[1]) ? kConverted : kStopped;
  } else {
    std::fputs(kUsage, stdout);
  }
  // Everything printed is on the screen (or in the file) before the wait.
  std::fflush(stdout);
  std::getchar();
  return status;
}
