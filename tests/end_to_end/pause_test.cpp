// The end of a run: everything is shown and written before the converter waits
// for one character, and it ends only once that character has come.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "console_texts.h"
#include "converter_process.h"
#include "test_files.h"

TEST(PauseTest, WaitsForOneCharacterAfterTheRunIsComplete) {
  const std::string folder = MakeScratchFolder();
  WriteFileBytes(folder + "/birds.txt", "Birds\nRed breast?\nRobin");
  const std::string consolePath = folder + "/console";
  const std::string expectedConsole = ConsoleText(
      kFixedBlock + "birds.txt birds.pdb Birds\n0\n1\nQuestions converted: 1\n");

  int keyboard[2];
  ASSERT_EQ(pipe(keyboard), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    dup2(keyboard[0], 0);
    close(keyboard[0]);
    close(keyboard[1]);
    const int console = open("console", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(console, 1);
    const std::string command = "exec " + ConverterCommand() + " birds.txt";
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(keyboard[0]);

  // Before it waits, the run is complete: its console, redirected to a file,
  // and its database. Wait for exactly that, then see that it keeps waiting.
  const std::string expectedDatabase = ReadHexFixture("birds.pdb.hex");
  const auto complete = [&] {
    return ReadFileBytes(consolePath) == expectedConsole &&
           ReadFileBytes(folder + "/birds.pdb") == expectedDatabase;
  };
  for (int waited = 0; waited < 60000 && !complete(); waited += 20) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(ReadFileBytes(consolePath), expectedConsole);
  EXPECT_EQ(ReadFileBytes(folder + "/birds.pdb"), expectedDatabase);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  int status = 0;
  EXPECT_EQ(waitpid(child, &status, WNOHANG), 0) << "ended without waiting";

  ASSERT_EQ(write(keyboard[1], "\n", 1), 1);
  close(keyboard[1]);
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_EQ(ReadFileBytes(consolePath), expectedConsole) << "printed after the pause";
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
