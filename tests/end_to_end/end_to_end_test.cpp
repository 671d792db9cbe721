// Runs the converter as a process on a table of question files and compares
// its console output and the database file it leaves, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "console_texts.h"
#include "converter_process.h"
#include "database_contents.h"
#include "palm_report.h"
#include "test_files.h"

namespace {

enum class Platform { kBoth, kLinux, kWindows };

enum class Database {
  kAbsent,   // no file at the database path
  kEmpty,    // an empty file
  kWritten,  // a complete database holding |contents|
  kFrontOnly,  // the header, record list and filler of |contents|, no body
  kNotChecked,  // the path is something else the case sets up
};

struct Case {
  std::string name;
  std::vector<std::pair<std::string, std::string>> files;  // written first
  std::vector<std::string> arguments;
  std::string console;  // what follows the fixed block
  std::string databasePath;
  Database database;
  DatabaseContents contents;
  std::string fixture;        // a hex fixture the database must match too
  std::string setup;          // shell command run in the folder first
  bool palmReadable = true;   // Palm::PDB takes the name
  std::string input = "< /dev/null";
  std::string feed;
  std::string environment;  // shell assignments for the converter's process
  Platform platform = Platform::kBoth;
};

const std::string kCapitals = "Capitals\nFrance?\nParis\nSpain?\nMadrid";
const DatabaseContents kCapitalsContents = {"Capitals\n",
                                            {"France?", "Paris", "Spain?", "Madrid"}};
const std::string kCapitalsConsole =
    "quiz.txt quiz.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n";

// A run on quiz.txt holding |question| that writes quiz.pdb.
Case Converts(std::string name, std::string question, std::string console,
              DatabaseContents contents) {
  Case c;
  c.name = std::move(name);
  c.files = {{"quiz.txt", std::move(question)}};
  c.arguments = {"quiz.txt"};
  c.console = std::move(console);
  c.databasePath = "quiz.pdb";
  c.database = Database::kWritten;
  c.contents = std::move(contents);
  return c;
}

// A run on quiz.txt holding |question| that stops, leaving quiz.pdb |database|.
Case Stops(std::string name, std::string question, std::string console,
           Database database) {
  Case c = Converts(std::move(name), std::move(question), std::move(console), {});
  c.database = database;
  return c;
}

// |c| run on the question file at |questionPath| instead of quiz.txt, its
// database path being |databasePath|.
Case OnQuestionFile(Case c, const std::string& questionPath,
                    const std::string& databasePath) {
  c.files = {{questionPath, c.files.front().second}};
  c.arguments = {questionPath};
  c.databasePath = databasePath;
  return c;
}

std::string ProgressNumbers(int count) {
  std::string numbers;
  for (int i = 0; i < count; ++i) numbers += std::to_string(i) + "\n";
  return numbers;
}

std::vector<Case> Cases() {
  std::vector<Case> cases;
  const std::string n30(30, 'n'), n31(31, 'n'), n32(32, 'n');

  // The command line.
  Case none = Stops("NoArgument", kCapitals, kUsageText, Database::kAbsent);
  none.arguments = {};
  cases.push_back(none);
  Case two = Stops("TwoArguments", kCapitals, kUsageText, Database::kAbsent);
  two.arguments = {"quiz.txt", "quiz.txt"};
  cases.push_back(two);
  Case empty = Stops("EmptyArgument", kCapitals, "Could not open input file\n",
                     Database::kAbsent);
  empty.arguments = {""};
  empty.databasePath = ".pdb";
  cases.push_back(empty);
  Case hyphen = Converts("ArgumentWithHyphen", kCapitals,
                         "-quiz.txt -quiz.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n",
                         kCapitalsContents);
  hyphen = OnQuestionFile(hyphen, "-quiz.txt", "-quiz.pdb");
  cases.push_back(hyphen);
  Case blanks = Converts("PathWithBlanks", kCapitals,
                         "my quiz.txt my quiz.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n",
                         kCapitalsContents);
  blanks = OnQuestionFile(blanks, "my quiz.txt", "my quiz.pdb");
  cases.push_back(blanks);
  Case noInput = Converts("NoStandardInput", kCapitals, kCapitalsConsole, kCapitalsContents);
  noInput.input = "<&-";
  cases.push_back(noInput);

  // Whole conversions.
  Case birds = Converts("BirdsExample", "Birds\nRed breast?\nRobin",
                        "birds.txt birds.pdb Birds\n0\n1\nQuestions converted: 1\n",
                        {"Birds\n", {"Red breast?", "Robin"}});
  birds = OnQuestionFile(birds, "birds.txt", "birds.pdb");
  birds.fixture = "birds.pdb.hex";
  cases.push_back(birds);
  for (const auto& variant : std::vector<std::pair<std::string, std::string>>{
           {"Capitals", kCapitals},
           {"CapitalsWithCrLf", "Capitals\r\nFrance?\r\nParis\r\nSpain?\r\nMadrid"},
           {"CapitalsWithFinalLineFeed", kCapitals + "\n"}}) {
    Case c = Converts(variant.first, variant.second, kCapitalsConsole, kCapitalsContents);
    c.fixture = "capitals.pdb.hex";
    cases.push_back(c);
  }
  Case replaced = Converts("ReplacesAnExistingDatabase", kCapitals, kCapitalsConsole,
                           kCapitalsContents);
  replaced.files.push_back({"quiz.pdb", std::string(500, 'o')});
  cases.push_back(replaced);

  // The name line.
  cases.push_back(Stops("EmptyQuestionFile", "",
                        "quiz.txt quiz.pdb Database name invalid\n", Database::kEmpty));
  Case emptied = Stops("StopEmptiesAnExistingDatabase", "",
                       "quiz.txt quiz.pdb Database name invalid\n", Database::kEmpty);
  emptied.files.push_back({"quiz.pdb", std::string(500, 'o')});
  cases.push_back(emptied);
  cases.push_back(Converts("NameLineOnly", "Quiz\n",
                           "quiz.txt quiz.pdb Quiz\nQuestions converted: 0\n", {"Quiz\n", {}}));
  cases.push_back(Converts("NameLineOnlyWithoutLineFeed", "Quiz",
                           "quiz.txt quiz.pdb QuizQuestions converted: 0\n", {"Quiz", {}}));
  Case name30 = Converts("Name30AndLineFeed", n30 + "\nQ?",
                         "quiz.txt quiz.pdb " + n30 + "\n0\nQuestions converted: 0\n",
                         {n30 + "\n", {"Q?"}});
  name30.palmReadable = false;  // Palm::PDB wants a byte other than LF before the NUL
  cases.push_back(name30);
  cases.push_back(Stops("Name31AndLineFeed", n31 + "\nQ?",
                        "quiz.txt quiz.pdb " + n31 + "\nDatabase name invalid\n",
                        Database::kEmpty));
  cases.push_back(Converts("Name31Alone", n31,
                           "quiz.txt quiz.pdb " + n31 + "Questions converted: 0\n", {n31, {}}));
  cases.push_back(Stops("Name32Alone", n32,
                        "quiz.txt quiz.pdb " + n32 + "Database name invalid\n",
                        Database::kEmpty));
  cases.push_back(Converts("NameLoneLineFeed", "\nQ?\nA",
                           "quiz.txt quiz.pdb \n0\n1\nQuestions converted: 1\n",
                           {"\n", {"Q?", "A"}}));
  cases.push_back(Converts("NameCutByNul", std::string("Qu\0iz\nQ?\nA", 10),
                           "quiz.txt quiz.pdb Qu0\n1\nQuestions converted: 1\n",
                           {"Qu", {"Q?", "A"}}));
  cases.push_back(Stops("NameOfSeveralHundredBytes", std::string(300, 'n') + "\nQ?\nA",
                        "quiz.txt quiz.pdb " + std::string(300, 'n') +
                            "\nDatabase name invalid\n",
                        Database::kEmpty));
  cases.push_back(Stops("NameLongerThanALineKeeps", std::string(5000, 'n') + "\nQ?\nA",
                        "quiz.txt quiz.pdb " + std::string(3999, 'n') +
                            "Database name invalid\n",
                        Database::kEmpty));

  // Record lines.
  const std::string x200(200, 'x'), x201(201, 'x');
  cases.push_back(Converts("Record200AndLineFeed", "Quiz\n" + x200 + "\nA",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz\n", {x200, "A"}}));
  cases.push_back(Stops("Record201AndLineFeedFirst", "Quiz\n" + x201 + "\nA",
                        "quiz.txt quiz.pdb Quiz\n0\nLine data too long at record : 1 \n",
                        Database::kEmpty));
  cases.push_back(Stops("Record201AndLineFeedThird", "Quiz\nQ1?\nA1\n" + x201 + "\nA",
                        "quiz.txt quiz.pdb Quiz\n0\n1\n2\nLine data too long at record : 3 \n",
                        Database::kEmpty));
  cases.push_back(Converts("LastLine250WithoutLineFeed", "Quiz\nQ?\n" + std::string(250, 'y'),
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz\n", {"Q?", std::string(250, 'y')}}));
  cases.push_back(Converts("EmptyRecordLine", "Quiz\nQ1?\n\nQ2?\nA2",
                           "quiz.txt quiz.pdb Quiz\n0\n1\n2\n3\nQuestions converted: 2\n",
                           {"Quiz\n", {"Q1?", "", "Q2?", "A2"}}));
  cases.push_back(Converts("ThreeRecordLines", "Quiz\nQ1?\nA1\nQ2?",
                           "quiz.txt quiz.pdb Quiz\n0\n1\n2\nQuestions converted: 1\n",
                           {"Quiz\n", {"Q1?", "A1", "Q2?"}}));
  cases.push_back(Converts("EndOfFileByte", "Quiz\nQ1?\nA1\x1AQ2?\nA2\n",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz\n", {"Q1?", "A1"}}));
  cases.push_back(Converts("CarriageReturnsStay", "Quiz\nQ\r1?\nA1\r",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz\n", {"Q\r1?", "A1\r"}}));
  cases.push_back(Converts("NulCutsARecord", std::string("Quiz\nab\0cd\nA", 12),
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz\n", {"ab", "A"}}));

  // Long lines are never split into records.
  cases.push_back(Stops("Record4100AndLineFeed", "Quiz\nQ?\n" + std::string(4100, 'x') + "\nA",
                        "quiz.txt quiz.pdb Quiz\n0\n1\nLine data too long at record : 2 \n",
                        Database::kEmpty));
  cases.push_back(Converts("LastLine3999WithoutLineFeed", "Quiz\nQ?\n" + std::string(3999, 'y'),
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz\n", {"Q?", std::string(3999, 'y')}}));
  cases.push_back(Stops("LastLine4000WithoutLineFeed", "Quiz\nQ?\n" + std::string(4000, 'y'),
                        "quiz.txt quiz.pdb Quiz\n0\n1\nLine data too long at record : 2 \n",
                        Database::kEmpty));
  cases.push_back(Converts("NulBeforeALongRest",
                           "Quiz\nab" + std::string(1, '\0') + std::string(5000, 'z') + "\nA",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz\n", {"ab", "A"}}));

  // The record tables hold 3000 records.
  std::string lines3000 = "Quiz\n";
  DatabaseContents contents3000 = {"Quiz\n", {}};
  for (int i = 0; i < 3000; ++i) {
    lines3000 += "Q" + std::to_string(i) + "\n";
    contents3000.texts.push_back("Q" + std::to_string(i));
  }
  cases.push_back(Converts("ThreeThousandRecords", lines3000,
                           "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(3000) +
                               "Questions converted: 1500\n",
                           contents3000));
  cases.push_back(Stops("ThreeThousandAndOneRecords", lines3000 + "A",
                        "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(3001) +
                            "Too many records: at most 3000\n",
                        Database::kEmpty));

  // Paths.
  // Longer than 200 bytes, within what Windows takes without long path support.
  const std::string folder(110, 'd'), stem(110, 'q');
  Case longPath = Converts("PathLongerThan200Bytes", kCapitals,
                           folder + "/" + stem + ".txt " + folder + "/" + stem +
                               ".pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n",
                           kCapitalsContents);
  longPath = OnQuestionFile(longPath, folder + "/" + stem + ".txt",
                            folder + "/" + stem + ".pdb");
  cases.push_back(longPath);
  Case sameName = Stops("InputIsTheDatabasePath", kCapitals,
                        "Input and output file are the same\n", Database::kNotChecked);
  sameName = OnQuestionFile(sameName, "quiz.pdb", "quiz.pdb");
  cases.push_back(sameName);
  Case sameLink = Stops("DatabasePathLinksToInput", kCapitals,
                        "Input and output file are the same\n", Database::kNotChecked);
  sameLink.setup = "ln -s quiz.txt quiz.pdb";
  sameLink.platform = Platform::kLinux;
  cases.push_back(sameLink);
  Case sameCase = Stops("DatabasePathDiffersInCaseOnly", kCapitals,
                        "Input and output file are the same\n", Database::kNotChecked);
  sameCase = OnQuestionFile(sameCase, "Quiz.PDB", "quiz.pdb");
  sameCase.platform = Platform::kWindows;
  cases.push_back(sameCase);
  Case trailingDot = Converts("PathEndingInADot", kCapitals,
                              "quiz. quiz.pdb Capitals\n0\n1\n2\n3\nQuestions converted: 2\n",
                              kCapitalsContents);
  trailingDot = OnQuestionFile(trailingDot, "quiz.", "quiz.pdb");
  trailingDot.platform = Platform::kLinux;  // Windows names no file with a final dot
  cases.push_back(trailingDot);

  // Failures.
  Case missing = Stops("QuestionFileMissing", kCapitals, "Could not open input file\n",
                       Database::kAbsent);
  missing.files = {};
  cases.push_back(missing);
  Case directory = Stops("QuestionFileIsADirectory", kCapitals,
                         "Could not open input file\n", Database::kAbsent);
  directory.files = {};
  directory.setup = "mkdir quiz.txt";
  cases.push_back(directory);
  Case outputDirectory = Stops("DatabasePathIsADirectory", kCapitals,
                               "Could not open output file\n", Database::kNotChecked);
  outputDirectory.setup = "mkdir quiz.pdb";
  cases.push_back(outputDirectory);
  Case full = Stops("DiskFull", kCapitals,
                    kCapitalsConsole + "Could not write output file\n",
                    Database::kNotChecked);
  full.setup = "ln -s /dev/full quiz.pdb";
  full.platform = Platform::kLinux;
  cases.push_back(full);
  // quiz.txt names a pipe that holds the question file once; opened again it
  // is empty, as if the file had been emptied between the passes.
  Case changed = Stops("QuestionFileChangedBetweenPasses", kCapitals,
                       kCapitalsConsole + "Input file changed during conversion\n",
                       Database::kEmpty);
  changed.files = {};
  changed.setup = "ln -s /dev/fd/3 quiz.txt";
  changed.feed = "printf " + ShellQuote("Capitals\\nFrance?\\nParis\\nSpain?\\nMadrid");
  changed.input = "3<&0 < /dev/null";
  changed.platform = Platform::kLinux;
  cases.push_back(changed);
  Case vanished = Stops("QuestionFileGoneBeforeSecondPass", kCapitals,
                        kCapitalsConsole + "Could not open input file\n",
                        Database::kFrontOnly);
  vanished.contents = kCapitalsContents;
  vanished.fixture = "capitals.pdb.hex";
  vanished.environment = "LD_PRELOAD=" + ShellQuote(QDCONV_FAIL_SECOND_OPEN) +
                         " ASAN_OPTIONS=verify_asan_link_order=0";
  vanished.platform = Platform::kLinux;
  cases.push_back(vanished);
  return cases;
}

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class EndToEndTest : public testing::TestWithParam<Case> {};

TEST_P(EndToEndTest, ConsoleAndDatabase) {
  const Case& c = GetParam();
  if (c.platform == (IsWindowsRun() ? Platform::kLinux : Platform::kWindows)) {
    GTEST_SKIP() << "not a case for this platform";
  }
  const std::string folder = MakeScratchFolder();
  for (const auto& file : c.files) {
    std::filesystem::create_directories(
        std::filesystem::path(folder + "/" + file.first).parent_path());
    WriteFileBytes(folder + "/" + file.first, file.second);
  }
  if (!c.setup.empty()) {
    ASSERT_EQ(RunShell("cd " + ShellQuote(folder) + " && " + c.setup), 0);
  }

  const ConverterRun run =
      RunConverter(folder, c.arguments, c.input, c.feed, c.environment);
  EXPECT_EQ(run.exitStatus, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(run.console, ConsoleText(kFixedBlock + c.console));

  const std::string databasePath = folder + "/" + c.databasePath;
  switch (c.database) {
    case Database::kAbsent:
      EXPECT_FALSE(FileExists(databasePath));
      break;
    case Database::kEmpty:
      ASSERT_TRUE(FileExists(databasePath));
      EXPECT_EQ(ReadFileBytes(databasePath), "");
      break;
    case Database::kWritten: {
      const std::string bytes = ReadFileBytes(databasePath);
      DatabaseContents contents;
      EXPECT_EQ(ReadDatabaseContents(bytes, contents), "");
      EXPECT_EQ(contents.name, c.contents.name);
      EXPECT_EQ(contents.texts, c.contents.texts);
      if (!c.fixture.empty()) {
        EXPECT_EQ(bytes, ReadHexFixture(c.fixture));
      }
      if (c.palmReadable) {
        EXPECT_EQ(PalmReport(databasePath), ExpectedPalmReport(c.contents));
      }
      break;
    }
    case Database::kFrontOnly:
      EXPECT_EQ(ReadFileBytes(databasePath),
                ReadHexFixture(c.fixture).substr(0, 80 + 8 * c.contents.texts.size()));
      break;
    case Database::kNotChecked:
      break;
  }
  for (const auto& file : c.files) {
    if (file.first == c.databasePath && c.database != Database::kNotChecked) continue;
    EXPECT_EQ(ReadFileBytes(folder + "/" + file.first), file.second)
        << file.first << " changed";
  }
  RemoveScratchFolder(folder);
}

INSTANTIATE_TEST_SUITE_P(Runs, EndToEndTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case>& info) {
                           return info.param.name;
                         });

}  // namespace
