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
  } cases[] = {
      {{}, false, kWorkOnFiles, {}},
      {{"a.txt", "b.txt", "a.txt"}, false, kWorkOnFiles, {"a.txt", "b.txt", "a.txt"}},
      {{"--help"}, false, kShowHelp, {}},
      {{"-h"}, false, kShowHelp, {}},
      {{"a.txt", "--version"}, false, kShowVersion, {"a.txt"}},
      {{"--version", "--help"}, false, kShowVersion, {}},
      {{"/?"}, true, kShowHelp, {}},
      {{"/?"}, false, kWorkOnFiles, {"/?"}},
      {{"./-h", "-quiz.txt", "-x"}, false, kWorkOnFiles, {"./-h", "-quiz.txt", "-x"}},
      {{"--", "-h", "--", "--version"}, false, kWorkOnFiles, {"-h", "--", "--version"}},
  };
  for (const auto& c : cases) {
    std::vector<char*> arguments = {const_cast<char*>("qdconv")};
    for (const std::string& argument : c.arguments) {
      arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    const CommandLine line =
        ParseCommandLine(static_cast<int>(arguments.size()), arguments.data(), c.windows);
    EXPECT_EQ(line.action, c.action) << testing::PrintToString(c.arguments);
    EXPECT_EQ(std::vector<std::string>(line.files.begin(), line.files.end()), c.files)
        << testing::PrintToString(c.arguments);
  }
}
