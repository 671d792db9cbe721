// Running the built programs (the converter qdconv and the way back, qdtext)
// as processes, as a user would, in a scratch folder of their own.
//
// By default the native build runs. With QDCONV_WINDOWS_EXE naming a
// qdconv.exe, that runs instead, with the qdtext.exe beside it, under Wine;
// their console lines then end in CR LF, as Windows' text streams write them.
#ifndef QDCONV_TESTS_END_TO_END_CONVERTER_PROCESS_H_
#define QDCONV_TESTS_END_TO_END_CONVERTER_PROCESS_H_

#include <map>
#include <string>
#include <vector>

// A new empty folder, removed again by RemoveScratchFolder.
std::string MakeScratchFolder();
void RemoveScratchFolder(const std::string& folder);

void WriteFileBytes(const std::string& path, const std::string& bytes);

// Everything in |folder|, by path relative to it: a file's bytes, a link's
// target, or a mark for a folder. Two readings compare equal when nothing in
// the folder changed.
std::map<std::string, std::string> FolderContents(const std::string& folder);
bool FileExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);

struct ConverterRun {
  int exitStatus;  // -1 when the process did not exit normally
  std::string console;  // standard output
  std::string errors;   // standard error
};

struct RunOptions {
  std::string input = "< /dev/null";  // standard input, in shell syntax
  std::string before;       // shell commands run first, such as a ulimit
  std::string environment;  // shell assignments for the converter's process
  // The machine's locale (LC_ALL): on Linux the converter reads its
  // language, and Wine sets Windows' ANSI code page from it.
  std::string locale = "C.UTF-8";
  std::string subfolder;    // where in the folder it runs, when not at its top
  // Run it as an unprivileged user when the tests run as root (Linux only),
  // so that file permissions apply to it.
  bool unprivileged = false;
  // Run the dynamically linked build (Linux only), for a run that preloads a
  // library to take over its calls.
  bool interposable = false;
};

// Run the converter in |folder| with |arguments|.
ConverterRun RunConverter(const std::string& folder,
                          const std::vector<std::string>& arguments,
                          const RunOptions& options = RunOptions());

// Run qdtext in |folder| with |arguments|.
ConverterRun RunRecovery(const std::string& folder,
                         const std::vector<std::string>& arguments,
                         const RunOptions& options = RunOptions());

// Whether the Windows build is under test.
bool IsWindowsRun();

// The executable under test.
std::string ConverterExecutable();

// The shell command that starts Wine. Wine maps the command line's bytes to
// UTF-16 by the locale: UTF-8 here. Address space randomization is off for it:
// with it, Wine now and then cannot map the page it keeps at a fixed address
// ("failed to map the shared user data") and exits with status 1 before the
// program runs.
const char kWineCommand[] = "env WINEDEBUG=-all LC_ALL=C.UTF-8 setarch -R wine";

// The shell command that starts |executable|, a copy of the one under test.
std::string CommandToStart(const std::string& executable);

// CommandToStart(ConverterExecutable()).
std::string ConverterCommand();

// The command that starts the dynamically linked build of the converter,
// whose calls a preloaded library can take over.
std::string InterposableConverterCommand();

// The qdtext executable under test, and the command that starts it.
std::string RecoveryExecutable();
std::string RecoveryCommand();

// |text| as the converter's console shows it: each LF as CR LF on Windows.
std::string ConsoleText(const std::string& text);

// |text| quoted for a POSIX shell.
std::string ShellQuote(const std::string& text);

// Run a shell command; returns its exit status.
int RunShell(const std::string& command);

#endif  // QDCONV_TESTS_END_TO_END_CONVERTER_PROCESS_H_
