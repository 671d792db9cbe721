// The console dialogue that both programs run around their work on files: a
// fixed block of texts, the command line, the work on each file it names in
// turn, and a pause before the process ends when someone at a console can
// answer it (console/pause.h), so that a console window opened by dropping
// files onto the program stays readable.
//
// Each file is worked on exactly as a run with that one file would: the same
// lines on standard output, the same file written. A file named twice (by any
// spelling: files/same_file.h) is worked on once. With more than one file, a
// closing line counts those done, and standard error warns when two files of
// the run give databases of one name (the handheld keeps one database per
// name) or one database path.
//
// With more than one file, every warning and hint starts with the file it is
// about.
//
// "--help", "-h" (and "/?" on Windows) print the help, which names the
// program as it is installed ("qdconv.exe" on Windows, "qdconv" elsewhere);
// "--version" prints the program's name and version; neither pauses. A
// wrong command line (frontend/command_line.h) prints what is wrong on
// standard error, and nothing else happens.
//
// The exit status tells how the run ended:
//   0  every file was done completely (or help or the version was shown);
//   1  the work on at least one file stopped with one of its messages;
//   2  the command line named no file (the usage text is then shown a
//      second time and nothing else happens), or was wrong.
#ifndef QDCONV_FRONTEND_CONSOLE_DIALOGUE_H_
#define QDCONV_FRONTEND_CONSOLE_DIALOGUE_H_

#include <string>

#include "frontend/command_line.h"

// What the work on a file that was done completely tells the run: the
// database it wrote or read, and that database's name (bytes of the
// handheld's character set).
struct FileWorkDone {
  std::string databasePath;
  std::string databaseName;
};

struct ConsoleProgram {
  const char* name;          // as installed off Windows: "qdconv"
  const char* introduction;  // printed first by every run
  const char* usage;         // printed after it
  const char* help;          // what --help prints, "%s" the program's name
  const char* version;       // what --version prints
  bool readsStandardInput;   // whether "-" names standard input
  bool takesEncoding;        // whether --encoding is an option
  // Formats of the lines a run of several files adds: the closing line
  // (files done, files given) on standard output, and on standard error the
  // warning for a file given again (its path) and for two files whose
  // databases share a name (both paths, the name).
  const char* closingLine;
  const char* givenAgain;
  const char* sameName;
  // The work on one file as |line| asks, writing to its output (null:
  // beside |file|): prints its own messages, each note starting with
  // |subject| and ": " when it is not empty, and returns whether it was done
  // completely.
  bool (*work)(const char* file, const CommandLine& line, const std::string& subject,
               FileWorkDone& done);
};

// Run |program| with the command line's |arguments| (|argumentCount|
// counting the command name); returns the exit status.
int RunConsoleDialogue(int argumentCount, char* arguments[], const ConsoleProgram& program);

#endif  // QDCONV_FRONTEND_CONSOLE_DIALOGUE_H_
