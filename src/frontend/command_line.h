// What a command line asks of either program: help, its version, or the work
// on the files it names, as Unix tools read their options. The options are
// "--help" and "-h" (and "/?" where Windows' convention is taken),
// "--version", and "-o FILE" ("--output FILE", "--output=FILE", "-oFILE"),
// which names what the work on a single file writes, and "--encoding NAME"
// ("--encoding=NAME"), the encoding the files are read in (charset/
// code_pages.h names them), which only qdconv takes. "--" ends the options,
// so a file named "-h" is reached as "./-h" or after "--". "-" alone names
// standard input, and needs "-o". Any other argument that starts with '-'
// before "--" is an unknown option, and the line a wrong one.
#ifndef QDCONV_FRONTEND_COMMAND_LINE_H_
#define QDCONV_FRONTEND_COMMAND_LINE_H_

#include <string>
#include <vector>

#include "charset/text_encoding.h"

enum CommandAction { kWorkOnFiles, kShowHelp, kShowVersion, kWrongCommandLine };

struct CommandLine {
  CommandAction action;  // help or the version, whichever comes first, wins
  std::vector<const char*> files;  // in command line order, "--" left out
  const char* output;    // given with -o; null when not
  bool encodingNamed;    // --encoding was given
  TextEncoding encoding;
  std::string problem;   // for kWrongCommandLine: what is wrong, in one line
};

// A command line that names files and no option: the work on a file with
// nothing asked but the file.
CommandLine PlainCommandLine();

// Read |arguments[1 .. argumentCount)|.
CommandLine ParseCommandLine(int argumentCount, char* arguments[], bool slashQuestionMarkIsHelp,
                             bool takesEncoding);

#endif  // QDCONV_FRONTEND_COMMAND_LINE_H_
