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
  bool posixOnly = false;
  std::string input = "< /dev/null";  // standard input, in shell syntax
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

// The program's name as --help and the command line's errors give it.
std::string Installed(const std::string& program) {
  return IsWindowsRun() ? program + ".exe" : program;
}

std::string Help() {
  return "Usage: " + Installed("qdconv") +
         " [-o DATABASE] [--encoding NAME] QUESTION_FILE...\n"
         "Converts each question file into a database of the tutor application,\n"
         "written beside it with the extension .pdb: quiz.txt gives quiz.pdb.\n"
         "A question file is plain text: the database name on line 1, then a\n"
         "question line and an answer line for each question. A table of\n"
         "questions and answers saved as .csv (a spreadsheet) or .tsv (tab-separated,\n"
         "a flashcard program) converts too. qdtext writes a database's question\n"
         "file back.\n\n"
         "  -o, --output FILE  write the database of the one question file to FILE\n"
         "  -                  read the question file from standard input (with -o)\n"
         "  --encoding NAME    read the files in this encoding: utf-8, utf-16,\n"
         "                     windows-1250 ... (by default it is found out)\n"
         "  --                 end the options: a file named -x is given as -- -x\n"
         "  -h, --help         show this help\n"
         "      --version      show the version\n\n"
         "Several question files may be given at once. More: man qdconv, or README.txt.\n";
}

// What a wrong command line gets on standard error.
std::string Wrong(const std::string& program, const std::string& problem) {
  return Installed(program) + ": " + problem + "\nTry \"" + Installed(program) + " --help\".\n";
}

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
                   "bad.txt: Hint: line 1, the database name, holds a tab at character 5: a "
                   "name holds no control character\n",
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
  const std::string help = Help();
  cases.push_back({"Help", {{"quiz.txt", kCapitals}}, {"--help"}, help, "", 0, {}});
  cases.push_back({"ShortHelp", {{"quiz.txt", kCapitals}}, {"-h"}, help, "", 0, {}});
  cases.push_back({"HelpAmongFiles", {{"quiz.txt", kCapitals}}, {"quiz.txt", "--help"}, help,
                   "", 0, {}});
  CommandCase windowsHelp = {"SlashQuestionMarkOnWindows", {}, {"/?"}, help, "", 0, {}};
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
  const std::string unknown = "\": a file of that name is reached as \"./";
  cases.push_back({"UnknownOption", {{"quiz.txt", kCapitals}}, {"quiz.txt", "-x"}, "",
                   Wrong("qdconv", "unknown option \"-x" + unknown + "-x\" or after \"--\""), 2,
                   {}});
  cases.push_back({"UnknownLongOption", {}, {"--frobnicate", "quiz.txt"}, "",
                   Wrong("qdconv", "unknown option \"--frobnicate" + unknown +
                                       "--frobnicate\" or after \"--\""),
                   2, {}});

  // -o names what the one file makes; "-" is standard input.
  const std::string capitalsEcho = " Capitals\n0\n1\n2\n3\nQuestions converted: 2\n";
  cases.push_back({"OutputOption", {{"quiz.txt", kCapitals}}, {"-o", "x.pdb", "quiz.txt"},
                   kFixedBlock + "quiz.txt x.pdb" + capitalsEcho, "", 0,
                   {{"x.pdb", DatabaseOf(kCapitals)}}});
  cases.push_back({"OutputOptionJoined", {{"quiz.txt", kCapitals}}, {"--output=x.pdb", "quiz.txt"},
                   kFixedBlock + "quiz.txt x.pdb" + capitalsEcho, "", 0,
                   {{"x.pdb", DatabaseOf(kCapitals)}}});
  CommandCase fromInput = {"StandardInput", {{"quiz.txt", kCapitals}}, {"-", "-o", "x.pdb"},
                           kFixedBlock + "- x.pdb" + capitalsEcho, "", 0,
                           {{"x.pdb", DatabaseOf(kCapitals)}}};
  fromInput.input = "< quiz.txt";
  cases.push_back(fromInput);
  // Nothing is written among the devices on the input's behalf.
  CommandCase device = {"DeviceAsInput", {{"quiz.txt", kCapitals}}, {"/dev/stdin"},
                        kFixedBlock + "Could not open output file\n",
                        Hint("\"/dev/stdin.pdb\" would be written among the system's devices "
                             "and processes, where no file belongs: name the file to write with "
                             "-o FILE"),
                        1, {}};
  device.input = "< quiz.txt";
  device.posixOnly = true;
  cases.push_back(device);
  cases.push_back({"StandardInputNeedsOutput", {{"quiz.txt", kCapitals}}, {"-"}, "",
                   Wrong("qdconv", "\"-\" reads standard input, which has no name to write "
                                   "beside: name what is written with -o FILE"),
                   2, {}});
  cases.push_back({"OutputOfSeveralFiles", {{"a.txt", kCapitals}, {"b.txt", kBirds}},
                   {"-o", "x.pdb", "a.txt", "b.txt"}, "",
                   Wrong("qdconv", "-o names what the work on one file writes, and 2 files are "
                                   "given"),
                   2, {}});
  cases.push_back({"OutputWithoutName", {{"quiz.txt", kCapitals}}, {"quiz.txt", "-o"}, "",
                   Wrong("qdconv", "-o needs the name of the file to write"), 2, {}});
  CommandCase recoveredTo = {"QdtextOutputOption", {{"quiz.pdb", DatabaseOf(kCapitals)}},
                             {"-o", "back.txt", "quiz.pdb"},
                             kRecoveryFixedBlock + "quiz.pdb back.txt Capitals\n"
                                                   "Questions written: 2\n",
                             "", 0, {{"back.txt", kCapitals}}};
  recoveredTo.recovery = true;
  cases.push_back(recoveredTo);
  CommandCase recoveredFromInput = {"QdtextReadsNoStandardInput",
                                    {{"quiz.pdb", DatabaseOf(kCapitals)}},
                                    {"-"}, "",
                                    Wrong("qdtext", "\"-\" (standard input) is not read: name "
                                                    "the file, or reach a file named \"-\" as "
                                                    "\"./-\""),
                                    2, {}};
  recoveredFromInput.recovery = true;
  cases.push_back(recoveredFromInput);
  return cases;
}

void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }

class CommandLineTest : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandLineTest, ConsoleErrorsAndFiles) {
  const CommandCase& c = GetParam();
  if (c.windowsOnly && !IsWindowsRun()) GTEST_SKIP() << "a Windows convention";
  if (c.posixOnly && IsWindowsRun()) GTEST_SKIP() << "POSIX's devices";
  const std::string folder = MakeScratchFolder();
  for (const auto& file : c.files) WriteFileBytes(folder + "/" + file.first, file.second);
  std::map<std::string, std::string> expected = FolderContents(folder);

  RunOptions options;
  options.input = c.input;
  const ConverterRun run = c.recovery ? RunRecovery(folder, c.arguments, options)
                                      : RunConverter(folder, c.arguments, options);
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

// Standard input is read as raw bytes on every system: a UTF-16 text whose
// bytes hold 0x1A (U+201A, a low quotation mark), which a Windows text mode
// read would take for the end, converts as the file itself does.
TEST(StandardInputTest, ConvertsAsTheFileDoes) {
  const std::string folder = MakeScratchFolder();
  std::string utf16 = "\xFF\xFE";  // UTF-16LE; '@' stands for U+201A
  for (const char c : std::string("Quiz\nHe said @hello?\nYes\r\nNo?\nMaybe")) {
    utf16 += c == '@' ? std::string("\x1A\x20") : std::string(1, c) + '\0';
  }
  WriteFileBytes(folder + "/quiz.txt", utf16);
  ASSERT_EQ(RunConverter(folder, {"quiz.txt"}).exitStatus, 0);
  RunOptions fromInput;
  fromInput.input = "< quiz.txt";
  const ConverterRun run = RunConverter(folder, {"-o", "x.pdb", "-"}, fromInput);
  EXPECT_EQ(run.exitStatus, 0) << run.console << run.errors;
  EXPECT_EQ(ReadFileBytes(folder + "/x.pdb"), ReadFileBytes(folder + "/quiz.pdb"));
  RemoveScratchFolder(folder);
}

INSTANTIATE_TEST_SUITE_P(Runs, CommandLineTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<CommandCase>& info) {
                           return info.param.name;
                         });

}  // namespace
