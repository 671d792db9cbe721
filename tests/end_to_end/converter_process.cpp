#include "converter_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::string MakeScratchFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "qdconv-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
  return pattern;
}

void RemoveScratchFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::map<std::string, std::string> FolderContents(const std::string& folder) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> contents;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const std::string path = fs::relative(entry.path(), folder).generic_string();
    if (entry.is_symlink()) {
      contents[path] = "link to " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      contents[path] = "folder";
    } else {
      contents[path] = ReadFileBytes(entry.path().string());
    }
  }
  return contents;
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ignored));
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

int RunShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool IsWindowsRun() { return std::getenv("QDCONV_WINDOWS_EXE") != nullptr; }

std::string ConverterExecutable() {
  return IsWindowsRun() ? std::getenv("QDCONV_WINDOWS_EXE") : QDCONV_EXECUTABLE;
}

std::string CommandToStart(const std::string& executable) {
  return IsWindowsRun() ? std::string(kWineCommand) + " " + ShellQuote(executable)
                        : ShellQuote(executable);
}

std::string ConverterCommand() { return CommandToStart(ConverterExecutable()); }

std::string InterposableConverterCommand() { return ShellQuote(QDCONV_INTERPOSABLE_EXECUTABLE); }

std::string RecoveryExecutable() {
  if (!IsWindowsRun()) return QDTEXT_EXECUTABLE;
  return (std::filesystem::path(ConverterExecutable()).parent_path() / "qdtext.exe").string();
}

std::string RecoveryCommand() { return CommandToStart(RecoveryExecutable()); }

std::string ConsoleText(const std::string& text) {
  if (!IsWindowsRun()) return text;
  std::string windows;
  for (char c : text) windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return windows;
}

namespace {

ConverterRun RunProgram(const std::string& programCommand, const std::string& folder,
                        const std::vector<std::string>& arguments, const RunOptions& options) {
  const std::string console = folder + "/../" +
                              std::filesystem::path(folder).filename().string() +
                              ".console";
  const std::string errors = console + ".errors";
  std::string command = "cd " + ShellQuote(folder + "/" + options.subfolder) + " && ";
  command += options.before + " ";
  if (!options.environment.empty()) command += "env " + options.environment + " ";
  // Before setpriv: a program it starts may start no other from a folder
  // only root may search.
  if (!IsWindowsRun()) command += "env LC_ALL=" + options.locale + " ";
  if (options.unprivileged && geteuid() == 0) {
    std::filesystem::permissions(folder, std::filesystem::perms::others_read |
                                             std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    command += "setpriv --reuid=65534 --regid=65534 --clear-groups ";
  }
  std::string program = programCommand;
  const std::string wineLocale = "LC_ALL=C.UTF-8";
  const std::size_t at = program.find(wineLocale);
  if (IsWindowsRun() && at != std::string::npos) {
    program.replace(at, wineLocale.size(), "LC_ALL=" + options.locale);
  }
  command += program;
  for (const std::string& argument : arguments) command += " " + ShellQuote(argument);
  command += " " + options.input + " > " + ShellQuote(console) + " 2> " + ShellQuote(errors);

  ConverterRun run;
  run.exitStatus = RunShell(command);
  run.console = ReadFileBytes(console);
  run.errors = ReadFileBytes(errors);
  std::filesystem::remove(console);
  std::filesystem::remove(errors);
  return run;
}

}  // namespace

ConverterRun RunConverter(const std::string& folder, const std::vector<std::string>& arguments,
                          const RunOptions& options) {
  return RunProgram(options.interposable ? InterposableConverterCommand() : ConverterCommand(),
                    folder, arguments, options);
}

ConverterRun RunRecovery(const std::string& folder, const std::vector<std::string>& arguments,
                         const RunOptions& options) {
  return RunProgram(RecoveryCommand(), folder, arguments, options);
}
