#include "frontend/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ParseCommandLineTest, OnlyItsOptionsAreOptionsAndDoubleDashEndsThem) {
  const struct {
    std::vector<std::string> arguments;
    bool windows;
    CommandAction action;
    std::vector<std::string> files;
    std::string output = "";
    TextEncoding encoding = kBytesAsTheyAre;
    bool takesEncoding = true;
  } cases[] = {
      {{}, false, kWorkOnFiles, {}},
      {{"a.txt", "b.txt", "a.txt"}, false, kWorkOnFiles, {"a.txt", "b.txt", "a.txt"}},
      {{"--help"}, false, kShowHelp, {}},
      {{"-h"}, false, kShowHelp, {}},
      {{"a.txt", "--version"}, false, kShowVersion, {"a.txt"}},
      {{"--version", "--help"}, false, kShowVersion, {}},
      {{"/?"}, true, kShowHelp, {}},
      {{"/?"}, false, kWorkOnFiles, {"/?"}},
      {{"./-h", "-quiz.txt"}, false, kWrongCommandLine, {"./-h"}},
      {{"-x", "--help"}, false, kWrongCommandLine, {}},
      {{"--help", "-x"}, false, kShowHelp, {}},
      {{"--", "-h", "--", "--version"}, false, kWorkOnFiles, {"-h", "--", "--version"}},
      {{"-o", "x.pdb", "--", "-"}, false, kWorkOnFiles, {"-"}, "x.pdb"},
      {{"-o", "x.pdb", "a.txt"}, false, kWorkOnFiles, {"a.txt"}, "x.pdb"},
      {{"a.txt", "--output", "-x"}, false, kWorkOnFiles, {"a.txt"}, "-x"},
      {{"-ox.pdb", "-"}, false, kWorkOnFiles, {"-"}, "x.pdb"},
      {{"--output=x.pdb", "--", "-o"}, false, kWorkOnFiles, {"-o"}, "x.pdb"},
      {{"-o", "x.pdb", "a.txt", "b.txt"}, false, kWrongCommandLine, {"a.txt", "b.txt"}, "x.pdb"},
      {{"-o", "x.pdb", "-o", "y.pdb", "a.txt"}, false, kWrongCommandLine, {}, "x.pdb"},
      {{"a.txt", "-o"}, false, kWrongCommandLine, {"a.txt"}},
      {{"-o", "", "a.txt"}, false, kWrongCommandLine, {}},
      {{"-o", "-", "a.txt"}, false, kWrongCommandLine, {"a.txt"}, "-"},
      {{"-"}, false, kWrongCommandLine, {"-"}},
      {{"--encoding", "windows-1250", "a.txt"}, false, kWorkOnFiles, {"a.txt"}, "", kWindows1250},
      {{"--encoding=CP_852", "a.txt"}, false, kWorkOnFiles, {"a.txt"}, "", kDos852},
      {{"--encoding", "1251", "a.txt"}, false, kWorkOnFiles, {"a.txt"}, "", kWindows1251},
      {{"--encoding=Mac-CE", "a.txt"}, false, kWorkOnFiles, {"a.txt"}, "", kMacCentralEuropean},
      {{"--encoding=utf-16", "a.txt"}, false, kWorkOnFiles, {"a.txt"}, "", kUtf16LittleEndian},
      {{"--encoding", "klingon", "a.txt"}, false, kWrongCommandLine, {}},
      {{"a.txt", "--encoding"}, false, kWrongCommandLine, {"a.txt"}},
      {{"--encoding=cp850", "--encoding=cp850", "a.txt"}, false, kWrongCommandLine, {}, "",
       kDos850},
      {{"--encoding=cp850", "a.txt"}, false, kWrongCommandLine, {}, "", kBytesAsTheyAre, false},
  };
  for (const auto& c : cases) {
    std::vector<char*> arguments = {const_cast<char*>("qdconv")};
    for (const std::string& argument : c.arguments) {
      arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    const CommandLine line =
        ParseCommandLine(static_cast<int>(arguments.size()), arguments.data(), c.windows,
                         c.takesEncoding);
    EXPECT_EQ(line.action, c.action) << testing::PrintToString(c.arguments);
    EXPECT_EQ(std::vector<std::string>(line.files.begin(), line.files.end()), c.files)
        << testing::PrintToString(c.arguments);
    EXPECT_EQ(line.output ? line.output : "", c.output) << testing::PrintToString(c.arguments);
    EXPECT_EQ(line.encodingNamed ? line.encoding : kBytesAsTheyAre, c.encoding)
        << testing::PrintToString(c.arguments);
    EXPECT_EQ(line.problem.empty(), c.action != kWrongCommandLine)
        << testing::PrintToString(c.arguments);
  }
}
