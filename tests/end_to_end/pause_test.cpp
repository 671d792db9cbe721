// The end of a run: a pause only in a Windows console of the run's own (as
// Wine gives a program started at a terminal), with a prompt on it, once
// everything is shown and written; anywhere else, a Linux terminal included,
// no pause, and nothing read from standard input. What a terminal shows of a
// file never drives it.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cctype>
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

// What a terminal shows of |output|: its control sequences gone, a cursor
// step forward (how Wine's console draws a blank) a blank again, no CRs.
std::string ShownText(const std::string& output) {
  std::string shown;
  for (std::size_t i = 0; i < output.size(); ++i) {
    if (output.compare(i, 4, "\x1B[1C") == 0) {
      shown += ' ';
      i += 3;
    } else if (output[i] == '\x1B' && i + 1 < output.size() && output[i + 1] == '[') {
      i += 2;
      while (i < output.size() && !std::isalpha(static_cast<unsigned char>(output[i]))) ++i;
    } else if (output[i] != '\r') {
      shown += output[i];
    }
  }
  return shown;
}

// Reads what |terminal| shows into |output| until it shows |text|; false when
// nothing more comes for |seconds| first.
bool ReadUntilShown(int terminal, const std::string& text, std::string& output, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (ShownText(output).find(text) == std::string::npos) {
    pollfd ready = {terminal, POLLIN, 0};
    if (std::chrono::steady_clock::now() > deadline || poll(&ready, 1, 100) < 0) return false;
    if (!(ready.revents & POLLIN)) continue;
    char bytes[4096];
    const ssize_t got = read(terminal, bytes, sizeof bytes);
    if (got <= 0) return false;
    output.append(bytes, static_cast<std::size_t>(got));
  }
  return true;
}

// Reads what |terminal| shows into |output| for |time|, so that the program
// never waits to write.
void KeepReading(int terminal, std::string& output, std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    pollfd ready = {terminal, POLLIN, 0};
    if (poll(&ready, 1, 50) <= 0 || !(ready.revents & POLLIN)) continue;
    char bytes[4096];
    const ssize_t got = read(terminal, bytes, sizeof bytes);
    if (got <= 0) return;
    output.append(bytes, static_cast<std::size_t>(got));
  }
}

// A terminal, on Linux a pseudo-terminal; the Windows build under Wine takes
// it for a console of its own, which shows what the program writes as UTF-8
// on it. A name line that would clear the screen shows as text.
TEST(PauseTest, OnATerminalShowsEveryLetterAndNoControlThenPausesOnlyOnWindows) {
  const std::string folder = MakeScratchFolder();
  const std::string stem = "\xC3\x89" "conomie";
  const std::string name = "Fran\xC3\xA7" "ais \xE2\x80\x93 Le\xC3\xA7on 3";
  const std::string trick = "\x1B[2JQuestions converted: 99";
  WriteFileBytes(folder + "/" + stem + ".txt", name + trick + "\nQ?\nA");
  int terminal = -1;
  winsize size = {};  // a terminal of no size leaves Wine's console nothing to draw on
  size.ws_row = 24;
  size.ws_col = 120;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, &size);
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    const std::string command = "exec " + ConverterCommand() + " " + ShellQuote(stem + ".txt");
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  const std::string last = IsWindowsRun() ? "Press Enter to close." : "no control character";
  std::string output;
  ASSERT_TRUE(ReadUntilShown(terminal, last, output, 60)) << output;
  int status = 0;
  if (IsWindowsRun()) {
    // The prompt comes last, once the run is complete; Enter, until the run
    // ends: Wine's console drops a key that comes before it reads, and
    // nothing shows when it starts to.
    EXPECT_EQ(waitpid(child, &status, WNOHANG), 0) << "ended without waiting";
    pid_t ended = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (ended == 0 && std::chrono::steady_clock::now() < deadline) {
      ASSERT_EQ(write(terminal, "\r", 1), 1);
      KeepReading(terminal, output, std::chrono::milliseconds(500));
      ended = waitpid(child, &status, WNOHANG);
    }
    ASSERT_EQ(ended, child) << "still waiting after Enter";
  } else {
    KeepReading(terminal, output, std::chrono::milliseconds(200));
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(output.find("Press Enter"), std::string::npos) << output;
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  const std::string shown = ShownText(output);
  EXPECT_NE(shown.find(stem + ".txt " + stem + ".pdb " + name +
                       "^[[2JQuestions converted: 99\nDatabase name invalid\nHint: line 1"),
            std::string::npos)
      << shown;
  EXPECT_EQ(output.find('\x1B' + trick.substr(1)), std::string::npos);
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
