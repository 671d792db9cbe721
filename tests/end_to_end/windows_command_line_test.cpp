// How a command line typed at the Windows command interpreter reaches the
// converter. A batch file line is handed to the program as typed, and the
// program's start-up splits it into arguments by the Windows rule.
#include <gtest/gtest.h>

#include <string>

#include "console_texts.h"
#include "converter_process.h"

TEST(WindowsCommandLineTest, SplitsTheLineAsWindowsDoes) {
  if (!IsWindowsRun()) GTEST_SKIP() << "needs the Windows build";
  const std::string capitals = "Capitals\nFrance?\nParis\nSpain?\nMadrid";
  const std::string converted = " Capitals\n0\n1\n2\n3\nQuestions converted: 2\n";
  const struct {
    const char* what;
    std::string line;
    std::string console;
  } cases[] = {
      {"a quoted path with blanks is one argument", R"(qdconv.exe "my quiz.txt")",
       "my quiz.txt my quiz.pdb" + converted},
      {"the same path unquoted is two", "qdconv.exe my quiz.txt", kUsageText},
      {"a quoted stretch joins the rest of its argument", R"(qdconv.exe "my quiz".txt)",
       "my quiz.txt my quiz.pdb" + converted},
      {"a pair of quotes is one empty argument", R"(qdconv.exe "")",
       "Could not open input file\n"},
      {"doubled quotes inside quotes stay in one argument", R"(qdconv.exe "x""y.txt")",
       "Could not open input file\n"},
      {"runs of blanks and tabs separate, trailing ones add nothing",
       "qdconv.exe \t  quiz.txt \t ", "quiz.txt quiz.pdb" + converted},
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
                       " && env WINEDEBUG=-all wine cmd /c run.bat < /dev/null > console"),
              0)
        << c.what;
    EXPECT_EQ(ReadFileBytes(folder + "/console"), ConsoleText(kFixedBlock + c.console))
        << c.what;
    RemoveScratchFolder(folder);
  }
}
