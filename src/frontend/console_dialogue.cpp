#include "frontend/console_dialogue.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "charset/utf8.h"
#include "console/console_text.h"
#include "console/pause.h"
#include "console/print_report.h"
#include "console/report_text.h"
#include "files/same_file.h"
#include "frontend/command_line.h"

namespace {

const ReportPrinting kNoSubject = {"", "", ""};
const int kDone = 0;
const int kStopped = 1;
const int kWrongArguments = 2;

#ifdef _WIN32
const bool kSlashQuestionMarkIsHelp = true;
const char kProgramSuffix[] = ".exe";
#else
const bool kSlashQuestionMarkIsHelp = false;
const char kProgramSuffix[] = "";
#endif

// A database that the run wrote or read, with the name it carries.
struct DoneFile {
  const char* file;
  FileWorkDone work;
};

bool NamesStandardInput(const std::vector<const char*>& files) {
  for (const char* file : files) {
    if (std::strcmp(file, "-") == 0) return true;
  }
  return false;
}

bool IsGivenBefore(const std::vector<const char*>& files, std::size_t index) {
  for (std::size_t k = 0; k < index; ++k) {
    if (std::strcmp(files[k], files[index]) == 0 || IsSameFile(files[k], files[index])) {
      return true;
    }
  }
  return false;
}

// Warn when |done| shares its database's name or path with a file done
// earlier in the run.
void WarnOfCollisions(const std::vector<DoneFile>& earlier, const DoneFile& done,
                      const ConsoleProgram& program) {
  for (const DoneFile& before : earlier) {
    if (IsSameFile(before.work.databasePath.c_str(), done.work.databasePath.c_str())) {
      PrintWarningText(FormattedText("\"%s\" replaced \"%s\", written for \"%s\" earlier "
                                     "in this run",
                                     done.file, done.work.databasePath.c_str(), before.file),
                       kNoSubject);
      return;
    }
  }
  const std::string& name = done.work.databaseName;
  for (const DoneFile& before : earlier) {
    if (!name.empty() && name == before.work.databaseName) {
      PrintWarningText(FormattedText(program.sameName, before.file, done.file,
                                     HandheldTextInUtf8(name.data(), name.size()).c_str()),
                       kNoSubject);
      return;
    }
  }
}

int WorkOnFiles(const CommandLine& line, const ConsoleProgram& program) {
  const std::vector<const char*>& files = line.files;
  std::vector<DoneFile> done;
  int distinct = 0;
  bool stopped = false;
  for (std::size_t k = 0; k < files.size(); ++k) {
    if (IsGivenBefore(files, k)) {
      PrintWarningText(FormattedText(program.givenAgain, files[k]), kNoSubject);
      continue;
    }
    ++distinct;
    DoneFile file = {files[k], FileWorkDone()};
    if (!program.work(files[k], line, files.size() > 1 ? files[k] : "", file.work)) {
      stopped = true;
      continue;
    }
    WarnOfCollisions(done, file, program);
    done.push_back(file);
  }
  if (files.size() > 1) {
    std::printf(program.closingLine, static_cast<int>(done.size()), distinct);
  }
  return stopped ? kStopped : kDone;
}

}  // namespace

int RunConsoleDialogue(int argumentCount, char* arguments[], const ConsoleProgram& program) {
  CommandLine line = ParseCommandLine(argumentCount, arguments, kSlashQuestionMarkIsHelp,
                                      program.takesEncoding);
  const std::string name = std::string(program.name) + kProgramSuffix;
  const bool working = line.action == kWorkOnFiles || line.action == kWrongCommandLine;
  if (working && !program.readsStandardInput && NamesStandardInput(line.files)) {
    line.action = kWrongCommandLine;
    line.problem = "\"-\" (standard input) is not read: name the file, or reach a file named "
                   "\"-\" as \"./-\"";
  }
  if (line.action == kWrongCommandLine) {
    // The problem may quote an argument: shown as any text from outside is.
    WriteConsoleText(stderr, name + ": " + line.problem + "\nTry \"" + name + " --help\".\n");
    return kWrongArguments;
  }
  if (line.action == kShowHelp) {
    std::printf(program.help, name.c_str());
    return kDone;
  }
  if (line.action == kShowVersion) {
    std::fputs(program.version, stdout);
    return kDone;
  }
  std::fputs(program.introduction, stdout);
  std::fputs(program.usage, stdout);
  int status = kWrongArguments;
  if (line.files.empty()) {
    std::fputs(program.usage, stdout);
  } else {
    status = WorkOnFiles(line, program);
  }
  std::fflush(stdout);
  if (IsPauseWanted(CurrentConsoleSituation())) PauseForEnter();
  return status;
}
