#include "frontend/command_line.h"

#include <cstring>

#include "charset/code_pages.h"

namespace {

bool IsOneOf(const char* argument, const char* first, const char* second) {
  return std::strcmp(argument, first) == 0 || std::strcmp(argument, second) == 0;
}

// What is wrong with a line whose options were all understood.
std::string ProblemWithFiles(const CommandLine& line) {
  bool standardInput = false;
  for (const char* file : line.files) standardInput |= std::strcmp(file, "-") == 0;
  if (line.output && line.files.size() > 1) {
    return "-o names what the work on one file writes, and " +
           std::to_string(line.files.size()) + " files are given";
  }
  if (line.output && std::strcmp(line.output, "-") == 0) {
    return "-o names a file: standard output holds the run's messages";
  }
  if (standardInput && !line.output) {
    return "\"-\" reads standard input, which has no name to write beside: name what is "
           "written with -o FILE";
  }
  return std::string();
}

}  // namespace

CommandLine PlainCommandLine() {
  return {kWorkOnFiles, {}, nullptr, false, kBytesAsTheyAre, std::string()};
}

CommandLine ParseCommandLine(int argumentCount, char* arguments[], bool slashQuestionMarkIsHelp,
                             bool takesEncoding) {
  CommandLine line = PlainCommandLine();
  bool options = true;
  for (int i = 1; i < argumentCount; ++i) {
    const char* argument = arguments[i];
    if (!options || std::strcmp(argument, "-") == 0 ||
        (argument[0] != '-' && !(slashQuestionMarkIsHelp && std::strcmp(argument, "/?") == 0))) {
      line.files.push_back(argument);
      continue;
    }
    const char* output = nullptr;
    if (std::strcmp(argument, "--") == 0) {
      options = false;
    } else if (IsOneOf(argument, "--help", "-h") || std::strcmp(argument, "/?") == 0) {
      if (line.action == kWorkOnFiles) line.action = kShowHelp;
    } else if (std::strcmp(argument, "--version") == 0) {
      if (line.action == kWorkOnFiles) line.action = kShowVersion;
    } else if (IsOneOf(argument, "-o", "--output")) {
      if (i + 1 == argumentCount) {
        line.problem = std::string(argument) + " needs the name of the file to write";
        break;
      }
      output = arguments[++i];
    } else if (std::strncmp(argument, "--output=", 9) == 0) {
      output = argument + 9;
    } else if (std::strncmp(argument, "-o", 2) == 0) {
      output = argument + 2;
    } else if (takesEncoding && (std::strcmp(argument, "--encoding") == 0 ||
                                 std::strncmp(argument, "--encoding=", 11) == 0)) {
      const bool joined = argument[10] == '=';
      if (!joined && i + 1 == argumentCount) {
        line.problem = "--encoding needs the name of an encoding: " +
                       std::string(KnownEncodingNames());
        break;
      }
      const char* name = joined ? argument + 11 : arguments[++i];
      if (!TextEncodingOfName(name, line.encoding)) {
        line.problem = "unknown encoding \"" + std::string(name) +
                       "\": the encodings known are " + KnownEncodingNames();
        break;
      }
      if (line.encodingNamed) {
        line.problem = "--encoding is given more than once";
        break;
      }
      line.encodingNamed = true;
    } else {
      line.problem = "unknown option \"" + std::string(argument) +
                     "\": a file of that name is reached as \"./" + argument +
                     "\" or after \"--\"";
      break;
    }
    if (output && *output == '\0') {
      line.problem = "-o needs the name of the file to write";
      break;
    }
    if (output && line.output) {
      line.problem = "-o is given more than once";
      break;
    }
    if (output) line.output = output;
  }
  if (line.action != kWorkOnFiles) line.problem.clear();
  if (line.problem.empty() && line.action == kWorkOnFiles) line.problem = ProblemWithFiles(line);
  if (!line.problem.empty() && line.action == kWorkOnFiles) line.action = kWrongCommandLine;
  return line;
}
