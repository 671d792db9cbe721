// How a command line typed at the Windows command interpreter reaches the
// converter. A batch file line is handed to the program as typed, and the
// program's start-up splits it into arguments by the Windows rule.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "console_texts.h"
#include "converter_process.h"
#include "test_files.h"

TEST(WindowsCommandLineTest, SplitsTheLineAsWindowsDoes) {
  if (!IsWindowsRun()) GTEST_SKIP() << "needs the Windows build";
  const std::string capitals = "Capitals\nFrance?\nParis\nSpain?\nMadrid";
  const std::string converted = " Capitals\n0\n1\n2\n3\nQuestions converted: 2\n";
  const struct {
    const char* what;
    std::string line;
    std::string console;
    int exitStatus;
  } cases[] = {
      {"a quoted path with blanks is one argument", R"(qdconv.exe "my quiz.txt")",
       "my quiz.txt my quiz.pdb" + converted, 0},
      {"the same path unquoted is two files", "qdconv.exe my quiz.txt",
       "Could not open input file\nquiz.txt quiz.pdb" + converted + "Files converted: 1 of 2\n",
       1},
      {"a quoted stretch joins the rest of its argument", R"(qdconv.exe "my quiz".txt)",
       "my quiz.txt my quiz.pdb" + converted, 0},
      {"a pair of quotes is one empty argument", R"(qdconv.exe "")",
       "Could not open input file\n", 1},
      {"doubled quotes inside quotes stay in one argument", R"(qdconv.exe "x""y.txt")",
       "Could not open input file\n", 1},
      {"runs of blanks and tabs separate, trailing ones add nothing",
       "qdconv.exe \t  quiz.txt \t ", "quiz.txt quiz.pdb" + converted, 0},
  };
  for (const auto& c : cases) {
    const std::string folder = MakeScratchFolder();
    WriteFileBytes(folder + "/quiz.txt", capitals);
    WriteFileBytes(folder + "/my quiz.txt", capitals);
    WriteFileBytes(folder + "/run.bat", "@" + c.line + "\r\n");
    ASSERT_EQ(RunShell("cp " + ShellQuote(ConverterExecutable()) + " " +
                       ShellQuote(folder + "/qdconv.exe")),
              0);
    EXPECT_EQ(RunShell("cd " + ShellQuote(folder) +
                       " && " + kWineCommand + " cmd /c run.bat < /dev/null > console"),
              c.exitStatus)
        << c.what;
    EXPECT_EQ(ReadFileBytes(folder + "/console"), ConsoleText(kFixedBlock + c.console))
        << c.what;
    RemoveScratchFolder(folder);
  }
}

// Explorer hands a dropped file's full path to the program, quoted; folders
// with dots in their names are common there.
TEST(WindowsCommandLineTest, ADroppedFileGetsItsDatabaseBesideIt) {
  if (!IsWindowsRun()) GTEST_SKIP() << "needs the Windows build";
  const std::string folder = MakeScratchFolder();
  const std::string subfolder = "/first.last/Documents/Year 7.b";
  std::filesystem::create_directories(folder + subfolder);
  WriteFileBytes(folder + subfolder + "/birds.txt", "Birds\nRed breast?\nRobin");
  std::string windowsFolder = "Z:" + folder + subfolder;  // Wine's drive Z: is /
  for (char& c : windowsFolder) c = c == '/' ? '\\' : c;
  const std::string dropped = windowsFolder + "\\birds.txt";
  WriteFileBytes(folder + "/run.bat", "@qdconv.exe \"" + dropped + "\"\r\n");
  ASSERT_EQ(RunShell("cp " + ShellQuote(ConverterExecutable()) + " " +
                     ShellQuote(folder + "/qdconv.exe")),
            0);
  EXPECT_EQ(RunShell("cd " + ShellQuote(folder) +
                     " && " + kWineCommand + " cmd /c run.bat < /dev/null > console"),
            0);
  EXPECT_EQ(ReadFileBytes(folder + "/console"),
            ConsoleText(kFixedBlock + dropped + " " + windowsFolder +
                        "\\birds.pdb Birds\n0\n1\nQuestions converted: 1\n"));
  EXPECT_EQ(ReadFileBytes(folder + subfolder + "/birds.pdb"), ReadHexFixture("birds.pdb.hex"));
  EXPECT_FALSE(FileExists(folder + "/first.pdb"));
  RemoveScratchFolder(folder);
}
