// Runs that do not end on their own: a converter killed while it writes, and
// two converters writing the same database at once. Neither may leave a
// database path that holds anything but a whole database.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

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

}  // namespace

TEST(InterruptedRunTest, AKilledRunLeavesTheOldDatabase) {
  if (IsWindowsRun()) GTEST_SKIP() << "stops the converter through a preloaded library";
  const struct {
    const char* when;
    const char* event;  // makes the converter stop itself there (file_events.c)
    bool temporaryComplete;
  } cases[] = {
      {"while it writes the record bodies", "QDCONV_QUESTION_OPENS=open,open,stop", false},
      {"just before the database moves into place", "QDCONV_STOP_BEFORE_RENAME=1", true},
  };
  const std::string oldDatabase = "last week's database";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.when);
    const std::string folder = MakeScratchFolder();
    WriteFileBytes(folder + "/quiz.txt", LargeQuestionFile());
    WriteFileBytes(folder + "/quiz.pdb", oldDatabase);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (chdir(folder.c_str()) != 0) _exit(127);
      const std::string command = "exec env LD_PRELOAD=" + ShellQuote(QDCONV_FILE_EVENTS) +
                                  " ASAN_OPTIONS=verify_asan_link_order=0 " + c.event + " " +
                                  ConverterCommand() + " quiz.txt < /dev/null > /dev/null";
      execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, WUNTRACED), child);
    ASSERT_TRUE(WIFSTOPPED(status)) << "the converter ended instead of stopping";

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
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(ReadFileBytes(folder + "/quiz.pdb"), oldDatabase);
    RemoveScratchFolder(folder);
  }
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
