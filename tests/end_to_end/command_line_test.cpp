// Runs either program as a process on command lines of several files and of
// options, and compares standard output, standard error, exit status and
// the files written, byte for byte, on a table of cases.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "console_texts.h"
#include "converter_process.h"
#include "test_files.h"

namespace {

struct CommandCase {
  std::string name;
  std::vector<std::pair<std::string, std::string>> files;  // written first
  std::vector<std::string> arguments;
  std::string console;  // all of standard output
  std::string errors;   // all of standard error
  int exitStatus;
  std::map<std::string, std::string> written;  // files the run adds, by path
  bool recovery = false;                       // runs qdtext instead of qdconv
  bool windowsOnly = false;
};

const std::string kCapitals = "Capitals\nFrance?\nParis\nSpain?\nMadrid";
const std::string kBirds = "Birds\nRed breast?\nRobin";

std::string Converted(const std::string& stem, const std::string& question) {
  const std::string echo = stem + ".txt " + stem + ".pdb ";
  return question == kCapitals ? echo + "Capitals\n0\n1\n2\n3\nQuestions converted: 2\n"
                               : echo + "Birds\n0\n1\nQuestions converted: 1\n";
}

std::string DatabaseOf(const std::string& question) {
  return ReadHexFixture(question == kCapitals ? "capitals.pdb.hex" : "birds.pdb.hex");
}

std::string SameName(const std::string& first, const std::string& second,
                     const std::string& verb) {
  return Warning("\"" + first + "\" and \"" + second + "\" " + verb +
                 " \"Capitals\": the handheld keeps one database per name, so only one of "
                 "them stays installed");
}

const std::string kHelp =
    kUsageText + "Several question files may be given at once. More: man qdconv, or README.txt.\n";

std::vector<CommandCase> Cases() {
  std::vector<CommandCase> cases;
  cases.push_back({"SeveralFiles",
                   {{"a.txt", kCapitals}, {"b.txt", kBirds}},
                   {"a.txt", "b.txt"},
                   kFixedBlock + Converted("a", kCapitals) + Converted("b", kBirds) +
                       "Files converted: 2 of 2\n",
                   "",
                   0,
                   {{"a.pdb", DatabaseOf(kCapitals)}, {"b.pdb", DatabaseOf(kBirds)}}});
  cases.push_back({"OneRefusedInTheMiddle",
                   {{"a.txt", kCapitals}, {"bad.txt", "Quiz\tname\nQ\nA"}, {"c.txt", kBirds}},
                   {"a.txt", "bad.txt", "c.txt"},
                   kFixedBlock + Converted("a", kCapitals) +
                       "bad.txt bad.pdb Quiz\tname\nDatabase name invalid\n" +
                       Converted("c", kBirds) + "Files converted: 2 of 3\n",
                   "Hint: line 1, the database name, holds a tab at character 5: a name holds "
                   "no control character\n",
                   1,
                   {{"a.pdb", DatabaseOf(kCapitals)}, {"c.pdb", DatabaseOf(kBirds)}}});
  cases.push_back({"SameFileTwice",
                   {{"quiz.txt", kCapitals}},
                   {"quiz.txt", "./quiz.txt"},
                   kFixedBlock + Converted("quiz", kCapitals) + "Files converted: 1 of 1\n",
                   Warning("\"./quiz.txt\" is given more than once: it is converted once"),
                   0,
                   {{"quiz.pdb", DatabaseOf(kCapitals)}}});
  cases.push_back({"TwoFilesOneDatabaseName",
                   {{"a.txt", kCapitals}, {"b.txt", kCapitals}},
                   {"a.txt", "b.txt"},
                   kFixedBlock + Converted("a", kCapitals) + Converted("b", kCapitals) +
                       "Files converted: 2 of 2\n",
                   SameName("a.txt", "b.txt", "both make a database named"),
                   0,
                   {{"a.pdb", DatabaseOf(kCapitals)}, {"b.pdb", DatabaseOf(kCapitals)}}});
  cases.push_back({"TwoFilesOneDatabasePath",
                   {{"quiz.txt", kCapitals}, {"quiz.text", kBirds}},
                   {"quiz.txt", "quiz.text"},
                   kFixedBlock + Converted("quiz", kCapitals) +
                       "quiz.text quiz.pdb Birds\n0\n1\nQuestions converted: 1\n" +
                       "Files converted: 2 of 2\n",
                   Warning("\"quiz.text\" replaced \"quiz.pdb\", written for \"quiz.txt\" "
                           "earlier in this run"),
                   0,
                   {{"quiz.pdb", DatabaseOf(kBirds)}}});
  CommandCase recovered = {
      "QdtextSeveralDatabasesOfOneName",
      {{"a.pdb", DatabaseOf(kCapitals)}, {"b.pdb", DatabaseOf(kCapitals)}},
      {"a.pdb", "b.pdb"},
      kRecoveryFixedBlock + "a.pdb a.txt Capitals\nQuestions written: 2\n" +
          "b.pdb b.txt Capitals\nQuestions written: 2\nQuestion files written: 2 of 2\n",
      SameName("a.pdb", "b.pdb", "are both databases named"),
      0,
      {{"a.txt", kCapitals}, {"b.txt", kCapitals}}};
  recovered.recovery = true;
  cases.push_back(recovered);

  // Options: only these, and "--" ends them.
  cases.push_back({"Help", {{"quiz.txt", kCapitals}}, {"--help"}, kHelp, "", 0, {}});
  cases.push_back({"ShortHelp", {{"quiz.txt", kCapitals}}, {"-h"}, kHelp, "", 0, {}});
  cases.push_back({"HelpAmongFiles", {{"quiz.txt", kCapitals}}, {"quiz.txt", "--help"}, kHelp,
                   "", 0, {}});
  CommandCase windowsHelp = {"SlashQuestionMarkOnWindows", {}, {"/?"}, kHelp, "", 0, {}};
  windowsHelp.windowsOnly = true;
  cases.push_back(windowsHelp);
  cases.push_back({"Version", {}, {"--version"}, "qdconv 1.1\n", "", 0, {}});
  CommandCase qdtextVersion = {"QdtextVersion", {}, {"--version"}, "qdtext 1.1\n", "", 0, {}};
  qdtextVersion.recovery = true;
  cases.push_back(qdtextVersion);
  cases.push_back({"FileNamedLikeAnOptionAfterDotSlash",
                   {{"-h", kCapitals}},
                   {"./-h"},
                   kFixedBlock + "./-h ./-h.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n",
                   "",
                   0,
                   {{"-h.pdb", DatabaseOf(kCapitals)}}});
  cases.push_back({"FileNamedLikeAnOptionAfterDoubleDash",
                   {{"--version", kCapitals}},
                   {"--", "--version"},
                   kFixedBlock +
                       "--version --version.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n",
                   "",
                   0,
                   {{"--version.pdb", DatabaseOf(kCapitals)}}});
  return cases;
}

void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }

class CommandLineTest : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandLineTest, ConsoleErrorsAndFiles) {
  const CommandCase& c = GetParam();
  if (c.windowsOnly && !IsWindowsRun()) GTEST_SKIP() << "a Windows convention";
  const std::string folder = MakeScratchFolder();
  for (const auto& file : c.files) WriteFileBytes(folder + "/" + file.first, file.second);
  std::map<std::string, std::string> expected = FolderContents(folder);

  const ConverterRun run =
      c.recovery ? RunRecovery(folder, c.arguments) : RunConverter(folder, c.arguments);
  EXPECT_EQ(run.exitStatus, c.exitStatus);
  EXPECT_EQ(run.console, ConsoleText(c.console));
  EXPECT_EQ(run.errors, ConsoleText(c.errors));
  for (const auto& file : c.written) {
    // A question file that qdtext writes has the platform's line ends.
    expected[file.first] = c.recovery ? ConsoleText(file.second) : file.second;
  }
  EXPECT_EQ(FolderContents(folder), expected);
  RemoveScratchFolder(folder);
}

INSTANTIATE_TEST_SUITE_P(Runs, CommandLineTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<CommandCase>& info) {
                           return info.param.name;
                         });

}  // namespace
