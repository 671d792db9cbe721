// What a command line asks of either program: help, its version, or the work
// on the files it names. Only "--help", "-h" (and "/?" where Windows'
// convention is taken) and "--version" are options; "--" ends them, so a file
// named "-h" is reached as "./-h" or after "--". Every other argument, one
// that starts with '-' included, names a file.
#ifndef QDCONV_FRONTEND_COMMAND_LINE_H_
#define QDCONV_FRONTEND_COMMAND_LINE_H_

#include <vector>

enum CommandAction { kWorkOnFiles, kShowHelp, kShowVersion };

struct CommandLine {
  CommandAction action;  // the first option given decides
  std::vector<const char*> files;  // in command line order, "--" left out
};

// Read |arguments[1 .. argumentCount)|.
CommandLine ParseCommandLine(int argumentCount, char* arguments[], bool slashQuestionMarkIsHelp);

#endif  // QDCONV_FRONTEND_COMMAND_LINE_H_
