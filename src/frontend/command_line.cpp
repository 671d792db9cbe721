#include "frontend/command_line.h"

#include <cstring>

CommandLine ParseCommandLine(int argumentCount, char* arguments[], bool slashQuestionMarkIsHelp) {
  CommandLine line = {kWorkOnFiles, {}};
  bool options = true;
  for (int i = 1; i < argumentCount; ++i) {
    const char* argument = arguments[i];
    if (options && std::strcmp(argument, "--") == 0) {
      options = false;
      continue;
    }
    const bool help = std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0 ||
                      (slashQuestionMarkIsHelp && std::strcmp(argument, "/?") == 0);
    const bool version = std::strcmp(argument, "--version") == 0;
    if (options && (help || version)) {
      if (line.action == kWorkOnFiles) line.action = help ? kShowHelp : kShowVersion;
      continue;
    }
    line.files.push_back(argument);
  }
  return line;
}
