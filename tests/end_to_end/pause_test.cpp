// The end of a run: a pause only where someone at a terminal can answer it,
// with a prompt on that terminal, once everything is shown and written;
// anywhere else no pause, and nothing read from standard input.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "console_texts.h"
#include "converter_process.h"
#include "test_files.h"

namespace {

const char kBirds[] = "Birds\nRed breast?\nRobin";
const std::string kBirdsConsole = "birds.txt birds.pdb Birds\n0\n1\nQuestions converted: 1\n";

}  // namespace

// In a loop that reads a list of files, the list stays whole for the loop.
TEST(PauseTest, NoPauseAndNothingReadWhenInputIsAPipe) {
  const std::string folder = MakeScratchFolder();
  WriteFileBytes(folder + "/birds.txt", kBirds);
  ASSERT_EQ(RunShell("cd " + ShellQuote(folder) + " && printf 'good2.txt\\nmore\\n' | { " +
                     ConverterCommand() + " birds.txt > console; echo $? > status; cat > rest; }"),
            0);
  EXPECT_EQ(ReadFileBytes(folder + "/status"), "0\n");
  EXPECT_EQ(ReadFileBytes(folder + "/console"), ConsoleText(kFixedBlock + kBirdsConsole));
  EXPECT_EQ(ReadFileBytes(folder + "/rest"), "good2.txt\nmore\n");
  EXPECT_EQ(ReadFileBytes(folder + "/birds.pdb"), ReadHexFixture("birds.pdb.hex"));
  RemoveScratchFolder(folder);
}

// Reads what |terminal| shows into |shown| until it holds |text|; false when
// the program stops showing anything for |seconds| first.
bool ReadUntilShown(int terminal, const std::string& text, std::string& shown, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (shown.find(text) == std::string::npos) {
    pollfd ready = {terminal, POLLIN, 0};
    if (std::chrono::steady_clock::now() > deadline || poll(&ready, 1, 100) < 0) return false;
    if (!(ready.revents & POLLIN)) continue;
    char bytes[4096];
    const ssize_t got = read(terminal, bytes, sizeof bytes);
    if (got <= 0) return false;
    shown.append(bytes, static_cast<std::size_t>(got));
  }
  return true;
}

TEST(PauseTest, OnATerminalPromptsThenWaitsForEnter) {
  if (IsWindowsRun()) GTEST_SKIP() << "a pseudo-terminal is a Linux terminal";
  const std::string folder = MakeScratchFolder();
  WriteFileBytes(folder + "/birds.txt", kBirds);
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    const std::string command = "exec " + ConverterCommand() + " birds.txt";
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  // The prompt comes last, once the run is complete.
  std::string shown;
  ASSERT_TRUE(ReadUntilShown(terminal, "Press Enter to close.", shown, 60)) << shown;
  EXPECT_NE(shown.find("Questions converted: 1"), std::string::npos) << shown;
  EXPECT_EQ(ReadFileBytes(folder + "/birds.pdb"), ReadHexFixture("birds.pdb.hex"));
  int status = 0;
  EXPECT_EQ(waitpid(child, &status, WNOHANG), 0) << "ended without waiting";

  ASSERT_EQ(write(terminal, "\n", 1), 1);
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  close(terminal);
  RemoveScratchFolder(folder);
}

TEST(CommandNameTest, UsageNamesQdconvExeWhateverTheCommandName) {
  const std::string folder = MakeScratchFolder();
  const std::string renamed = folder + (IsWindowsRun() ? "/quizmaker.exe" : "/quizmaker");
  ASSERT_EQ(RunShell("cp " + ShellQuote(ConverterExecutable()) + " " + ShellQuote(renamed)), 0);
  ASSERT_EQ(RunShell("cd " + ShellQuote(folder) + " && " + CommandToStart(renamed) +
                     " < /dev/null > console"),
            2);
  EXPECT_EQ(ReadFileBytes(folder + "/console"), ConsoleText(kFixedBlock + kUsageText));
  RemoveScratchFolder(folder);
}
