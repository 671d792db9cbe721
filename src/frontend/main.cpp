// The converter's entry point and its console dialogue: the fixed banner block,
// the argument check, the conversion, and a pause for one character before the
// process ends. The exit status is 0 on every path.
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

}  // namespace

int main(int argumentCount, char* arguments[]) {
  std::fputs(kBanner, stdout);
  std::fputs(kVersion, stdout);
  std::fputs(kFormatHelp, stdout);
  std::fputs(kUsage, stdout);
  if (argumentCount == 2) {
    ConvertQuestionFile(arguments[1]);
  } else {
    std::fputs(kUsage, stdout);
  }
  // Everything printed is on the screen (or in the file) before the wait.
  std::fflush(stdout);
  std::getchar();
  return 0;
}
