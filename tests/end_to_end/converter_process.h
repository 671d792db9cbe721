// Running the built converter as a process, as a user would, in a scratch
// folder of its own.
//
// By default the native build runs. With QDCONV_WINDOWS_EXE naming a
// qdconv.exe, that runs instead, under Wine; its console lines then end in
// CR LF, as Windows' text streams write them.
#ifndef QDCONV_TESTS_END_TO_END_CONVERTER_PROCESS_H_
#define QDCONV_TESTS_END_TO_END_CONVERTER_PROCESS_H_

#include <string>
#include <vector>

// A new empty folder, removed again by RemoveScratchFolder.
std::string MakeScratchFolder();
void RemoveScratchFolder(const std::string& folder);

void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);

struct ConverterRun {
  int exitStatus;  // -1 when the process did not exit normally
  std::string console;  // standard output
  std::string errors;   // standard error
};

// Run the converter in |folder| with |arguments|. |input| redirects its
// standard input (shell syntax, "< /dev/null" by default); |feed|, when not
// empty, is a shell command whose output is piped into the process;
// |environment| holds shell variable assignments for the process.
ConverterRun RunConverter(const std::string& folder,
                          const std::vector<std::string>& arguments,
                          const std::string& input = "< /dev/null",
                          const std::string& feed = "",
                          const std::string& environment = "");

// Whether the Windows build is under test.
bool IsWindowsRun();

// The executable under test.
std::string ConverterExecutable();

// The shell command that starts |executable|, a copy of the one under test.
std::string CommandToStart(const std::string& executable);

// CommandToStart(ConverterExecutable()).
std::string ConverterCommand();

// |text| as the converter's console shows it: each LF as CR LF on Windows.
std::string ConsoleText(const std::string& text);

// |text| quoted for a POSIX shell.
std::string ShellQuote(const std::string& text);

// Run a shell command; returns its exit status.
int RunShell(const std::string& command);

#endif  // QDCONV_TESTS_END_TO_END_CONVERTER_PROCESS_H_
