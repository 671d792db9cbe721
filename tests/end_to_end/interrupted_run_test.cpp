// Runs that do not end on their own: a converter killed while it writes, two
// converters writing the same database at once, a question file replaced
// while it is converted, and one that comes through a pipe. None may leave a
// database path that holds anything but a whole database of one question
// file.
#include <signal.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "console_texts.h"
#include "converter_process.h"
#include "database_contents.h"

namespace {

namespace fs = std::filesystem;

// A question file of 3000 record lines of 200 bytes.
std::string LargeQuestionFile() {
  std::string question = "Quiz";
  for (int i = 0; i < 3000; ++i) question += "\n" + std::string(200, 'a' + i % 26);
  return question;
}

std::set<std::string> FileNames(const std::string& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Starts the converter on quiz.txt in |folder| with the test-only library
// preloaded and |event| set, its console going to |console|; returns once it
// has stopped itself there (-1 when it did not).
pid_t StartStoppedConverter(const std::string& folder, const std::string& event,
                            const std::string& console, const std::string& shellFirst = "") {
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    const std::string command = shellFirst + "exec env LD_PRELOAD=" + ShellQuote(QDCONV_FILE_EVENTS) +
                                " ASAN_OPTIONS=verify_asan_link_order=0 " + event + " " +
                                InterposableConverterCommand() + " quiz.txt < /dev/null > " +
                                console;
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, WUNTRACED) != child || !WIFSTOPPED(status)) return -1;
  return child;
}

}  // namespace

TEST(InterruptedRunTest, AKilledRunLeavesTheOldDatabase) {
  if (IsWindowsRun()) GTEST_SKIP() << "stops the converter through a preloaded library";
  const struct {
    const char* when;
    const char* event;  // makes the converter stop itself there (file_events.c)
    bool temporaryComplete;
  } cases[] = {
      {"while it writes the database", "QDCONV_STOP_BEFORE_FLUSH=1", false},
      {"just before the database moves into place", "QDCONV_STOP_BEFORE_RENAME=1", true},
  };
  const std::string oldDatabase = "last week's database";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.when);
    const std::string folder = MakeScratchFolder();
    WriteFileBytes(folder + "/quiz.txt", LargeQuestionFile());
    WriteFileBytes(folder + "/quiz.pdb", oldDatabase);
    const pid_t child = StartStoppedConverter(folder, c.event, "/dev/null");
    ASSERT_GT(child, 0) << "the converter ended instead of stopping";

    // The run is under way: its temporary file exists, the old database stays.
    std::set<std::string> others = FileNames(folder);
    others.erase("quiz.txt");
    others.erase("quiz.pdb");
    ASSERT_EQ(others.size(), 1u) << "one temporary file";
    const std::string temporary = folder + "/" + *others.begin();
    if (c.temporaryComplete) {
      DatabaseContents contents;
      EXPECT_EQ(ReadDatabaseContents(ReadFileBytes(temporary), contents), "");
      EXPECT_EQ(contents.texts.size(), 3000u);
    }
    EXPECT_EQ(ReadFileBytes(folder + "/quiz.pdb"), oldDatabase);

    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadFileBytes(folder + "/quiz.pdb"), oldDatabase);
    RemoveScratchFolder(folder);
  }
}

// Ctrl-C, a closed terminal or a polite kill while the database is written:
// the temporary file goes, the old database stays, and the process ends as
// the signal ends it.
TEST(InterruptedRunTest, AnInterruptedRunRemovesItsTemporaryFile) {
  if (IsWindowsRun()) GTEST_SKIP() << "stops the converter through a preloaded library";
  const std::string oldDatabase = "last week's database";
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(strsignal(signal));
    const std::string folder = MakeScratchFolder();
    WriteFileBytes(folder + "/quiz.txt", LargeQuestionFile());
    WriteFileBytes(folder + "/quiz.pdb", oldDatabase);
    const pid_t child = StartStoppedConverter(folder, "QDCONV_STOP_BEFORE_FLUSH=1", "/dev/null");
    ASSERT_GT(child, 0) << "the converter ended instead of stopping";
    ASSERT_EQ(FileNames(folder).size(), 3u) << "a temporary file";

    ASSERT_EQ(kill(child, signal), 0);
    ASSERT_EQ(kill(child, SIGCONT), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(FileNames(folder), (std::set<std::string>{"quiz.pdb", "quiz.txt"}));
    EXPECT_EQ(ReadFileBytes(folder + "/quiz.pdb"), oldDatabase);
    RemoveScratchFolder(folder);
  }
}

// A signal that the run was started to ignore (nohup) stays ignored: the
// run goes on and writes its database.
TEST(InterruptedRunTest, AnIgnoredSignalStaysIgnored) {
  if (IsWindowsRun()) GTEST_SKIP() << "stops the converter through a preloaded library";
  const std::string folder = MakeScratchFolder();
  WriteFileBytes(folder + "/quiz.txt", LargeQuestionFile());
  const pid_t child =
      StartStoppedConverter(folder, "QDCONV_STOP_BEFORE_FLUSH=1", "/dev/null", "trap '' HUP; ");
  ASSERT_GT(child, 0) << "the converter ended instead of stopping";
  ASSERT_EQ(kill(child, SIGHUP), 0);
  // Each flush of a file stops it once more.
  int status = 0;
  do {
    ASSERT_EQ(kill(child, SIGCONT), 0);
    ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
  } while (WIFSTOPPED(status));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  DatabaseContents contents;
  EXPECT_EQ(ReadDatabaseContents(ReadFileBytes(folder + "/quiz.pdb"), contents), "");
  EXPECT_EQ(contents.texts.size(), 3000u);
  RemoveScratchFolder(folder);
}

// An editor saves by writing a new file and renaming it over the old one:
// the database is the first file's, never a mix of both.
TEST(InterruptedRunTest, AQuestionFileReplacedDuringTheRunDoesNotReachTheDatabase) {
  if (IsWindowsRun()) GTEST_SKIP() << "stops the converter through a preloaded library";
  const std::string folder = MakeScratchFolder();
  WriteFileBytes(folder + "/quiz.txt", "Capitals\nFrance?\nParis\nSpain?\nMadrid");
  const pid_t child = StartStoppedConverter(folder, "QDCONV_STOP_BEFORE_RENAME=1", "console");
  ASSERT_GT(child, 0) << "the converter ended instead of stopping";
  WriteFileBytes(folder + "/saved.tmp", "Capitols\nGreece?\nRome!\nItaly?\nAthens");
  ASSERT_EQ(rename((folder + "/saved.tmp").c_str(), (folder + "/quiz.txt").c_str()), 0);
  ASSERT_EQ(kill(child, SIGCONT), 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadFileBytes(folder + "/console"),
            ConsoleText(kFixedBlock +
                        "quiz.txt quiz.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n"));
  DatabaseContents contents;
  EXPECT_EQ(ReadDatabaseContents(ReadFileBytes(folder + "/quiz.pdb"), contents), "");
  EXPECT_EQ(contents.name, "Capitals");
  EXPECT_EQ(contents.texts, (std::vector<std::string>{"France?", "Paris", "Spain?", "Madrid"}));
  RemoveScratchFolder(folder);
}

// A question file that can be read only once: a named pipe fed by another
// program converts as a regular file would, its database beside it.
TEST(PipedQuestionFileTest, ANamedPipeConverts) {
  if (IsWindowsRun()) GTEST_SKIP() << "named pipes in the file system are POSIX's";
  const std::string folder = MakeScratchFolder();
  ASSERT_EQ(mkfifo((folder + "/quiz.txt").c_str(), 0600), 0);
  WriteFileBytes(folder + "/source", "Capitals\nFrance?\nParis\nSpain?\nMadrid");
  ASSERT_EQ(RunShell("cd " + ShellQuote(folder) + " && { cat source > quiz.txt & " +
                     ConverterCommand() + " quiz.txt < /dev/null > console; echo $? > status; "
                     "wait; }"),
            0);
  EXPECT_EQ(ReadFileBytes(folder + "/status"), "0\n");
  EXPECT_EQ(ReadFileBytes(folder + "/console"),
            ConsoleText(kFixedBlock +
                        "quiz.txt quiz.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n"));
  DatabaseContents contents;
  EXPECT_EQ(ReadDatabaseContents(ReadFileBytes(folder + "/quiz.pdb"), contents), "");
  EXPECT_EQ(contents.texts, (std::vector<std::string>{"France?", "Paris", "Spain?", "Madrid"}));
  RemoveScratchFolder(folder);
}

TEST(ConcurrentRunTest, TwoRunsAtOnceLeaveOneWholeDatabase) {
  const std::string folder = MakeScratchFolder();
  const std::string question = LargeQuestionFile();
  WriteFileBytes(folder + "/quiz.txt", question);
  const std::string run = ConverterCommand() + " quiz.txt < /dev/null";
  ASSERT_EQ(RunShell("cd " + ShellQuote(folder) + " && { (" + run + " > c1; echo $? > s1) & (" +
                     run + " > c2; echo $? > s2) & wait; }"),
            0);
  EXPECT_EQ(ReadFileBytes(folder + "/s1"), "0\n");
  EXPECT_EQ(ReadFileBytes(folder + "/s2"), "0\n");
  EXPECT_EQ(ReadFileBytes(folder + "/c1"), ReadFileBytes(folder + "/c2"));
  DatabaseContents contents;
  EXPECT_EQ(ReadDatabaseContents(ReadFileBytes(folder + "/quiz.pdb"), contents), "");
  EXPECT_EQ(contents.texts.size(), 3000u);
  EXPECT_EQ(FileNames(folder),
            (std::set<std::string>{"c1", "c2", "quiz.pdb", "quiz.txt", "s1", "s2"}));
  RemoveScratchFolder(folder);
}
