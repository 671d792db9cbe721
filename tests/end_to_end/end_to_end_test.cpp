// Runs the converter as a process on a table of question files and compares
// its console output, its exit status and what it leaves in its folder, byte
// for byte. A run either leaves a complete database at the database path and
// changes nothing else, or leaves the folder exactly as it was.
#include <iconv.h>

#include <gtest/gtest.h>

#include <cctype>
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

namespace fs = std::filesystem;

enum class Platform { kBoth, kLinux, kWindows };

enum class Database {
  kWritten,    // a complete database holding |contents| is at the database path
  kUnchanged,  // the folder is exactly as before the run, the database path too
};

struct Case {
  std::string name;
  std::vector<std::pair<std::string, std::string>> files;  // written first
  std::vector<std::string> arguments;
  std::string console;  // what follows the fixed block
  std::string windowsConsole;  // instead of |console| on Windows, when not empty
  std::string errors;   // standard error: the run's warnings and hints
  int exitStatus;
  // Relative to the folder; when nothing is there, the case runs once more
  // with an old database at this path.
  std::string databasePath;
  Database database;
  DatabaseContents contents;
  std::string fixture;        // a hex fixture the database must match too
  std::string setup;          // shell command run in the folder first
  std::string check;          // shell command run in the folder after; must succeed
  RunOptions options;
  Platform platform = Platform::kBoth;
};

const int kConverted = 0;
const int kStopped = 1;
const int kWrongArguments = 2;

const std::string kCapitals = "Capitals\nFrance?\nParis\nSpain?\nMadrid";
const DatabaseContents kCapitalsContents = {"Capitals",
                                            {"France?", "Paris", "Spain?", "Madrid"}};
const std::string kConvertedCapitals = " Capitals\n0\n1\n2\n3\nQuestions converted: 2\n";
const std::string kCapitalsConsole = "quiz.txt quiz.pdb" + kConvertedCapitals;

// A run on quiz.txt holding |question| that writes quiz.pdb.
Case Converts(std::string name, std::string question, std::string console,
              DatabaseContents contents, std::string errors = "") {
  Case c;
  c.name = std::move(name);
  c.files = {{"quiz.txt", std::move(question)}};
  c.arguments = {"quiz.txt"};
  c.console = std::move(console);
  c.errors = std::move(errors);
  c.exitStatus = kConverted;
  c.databasePath = "quiz.pdb";
  c.database = Database::kWritten;
  c.contents = std::move(contents);
  return c;
}

// A run on quiz.txt holding |question| that stops and changes nothing.
Case Stops(std::string name, std::string question, std::string console,
           std::string errors = "") {
  Case c = Converts(std::move(name), std::move(question), std::move(console), {},
                    std::move(errors));
  c.exitStatus = kStopped;
  c.database = Database::kUnchanged;
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

// |c| with the test-only library that scripts the opens of quiz.txt
// (file_events.c) preloaded into the converter. A run opens the question file
// once.
Case WithFileEvents(Case c, const std::string& events) {
  c.options.environment = "LD_PRELOAD=" + ShellQuote(QDCONV_FILE_EVENTS) +
                          " ASAN_OPTIONS=verify_asan_link_order=0 " + events;
  c.options.interposable = true;
  c.platform = Platform::kLinux;
  return c;
}

// |utf8| as UTF-16 in the byte order |encoding| names ("UTF-16LE" or
// "UTF-16BE"), with its byte order mark, by the C library's iconv.
std::string Utf16WithByteOrderMark(const std::string& utf8, const char* encoding) {
  iconv_t converter = iconv_open(encoding, "UTF-8");
  std::string input = utf8;
  std::string output(4 * utf8.size() + 2, '\0');
  char* in = &input[0];
  char* out = &output[0];
  std::size_t inLeft = input.size(), outLeft = output.size();
  iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  output.resize(output.size() - outLeft);
  const bool bigEndian = std::string(encoding) == "UTF-16BE";
  return (bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE")) + output;
}

const std::string kNoQuestion =
    Warning("no question and answer lines after the name: the database holds no question");
std::string OddLines(int count) {
  return Warning("an odd number of question and answer lines (" + std::to_string(count) +
                 "): the last question (line " + std::to_string(count + 1) +
                 ") has no answer");
}
std::string NameLength(int length) {
  return Hint("line 1, the database name, is " + std::to_string(length) +
              " characters long: a name holds at most 31");
}
std::string LineTooLong(int line, int length) {
  return Hint("line " + std::to_string(line) + " is " + std::to_string(length) +
              " characters long: a line holds at most 200 (only the last line, without a line "
              "end, up to 3999)");
}
std::string SystemError(const std::string& path, const std::string& reason) {
  return Hint("\"" + path + "\": " + reason);
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
  Case none = Stops("NoArgument", kCapitals, kUsageText);
  none.arguments = {};
  none.exitStatus = kWrongArguments;
  cases.push_back(none);
  Case empty = Stops("EmptyArgument", kCapitals, "Could not open input file\n",
                     SystemError("", "No such file or directory"));
  empty.arguments = {""};
  empty.databasePath = ".pdb";
  cases.push_back(empty);
  cases.push_back(OnQuestionFile(
      Converts("ArgumentWithHyphen", kCapitals, "./-quiz.txt ./-quiz.pdb" + kConvertedCapitals,
               kCapitalsContents),
      "./-quiz.txt", "-quiz.pdb"));
  cases.push_back(OnQuestionFile(
      Converts("PathWithBlanks", kCapitals, "my quiz.txt my quiz.pdb" + kConvertedCapitals,
               kCapitalsContents),
      "my quiz.txt", "my quiz.pdb"));
  Case noInput = Converts("NoStandardInput", kCapitals, kCapitalsConsole, kCapitalsContents);
  noInput.options.input = "<&-";
  cases.push_back(noInput);

  // Whole conversions.
  Case birds = Converts("BirdsExample", "Birds\nRed breast?\nRobin",
                        "birds.txt birds.pdb Birds\n0\n1\nQuestions converted: 1\n",
                        {"Birds", {"Red breast?", "Robin"}});
  birds = OnQuestionFile(birds, "birds.txt", "birds.pdb");
  birds.fixture = "birds.pdb.hex";
  cases.push_back(birds);
  DatabaseContents example;
  ReadDatabaseContents(ReadHexFixture("example.pdb.hex"), example);
  Case bundled = OnQuestionFile(
      Converts("BundledExample", ReadFileBytes(QDCONV_EXAMPLE_QUESTION_FILE),
               "capitals.txt capitals.pdb Capitals of Europe\n" + ProgressNumbers(8) +
                   "Questions converted: 4\n",
               example),
      "capitals.txt", "capitals.pdb");
  bundled.fixture = "example.pdb.hex";
  cases.push_back(bundled);
  for (const auto& variant : std::vector<std::pair<std::string, std::string>>{
           {"Capitals", kCapitals},
           {"CapitalsWithCrLf", "Capitals\r\nFrance?\r\nParis\r\nSpain?\r\nMadrid"},
           {"CapitalsWithFinalLineFeed", kCapitals + "\n"}}) {
    Case c = Converts(variant.first, variant.second, kCapitalsConsole, kCapitalsContents);
    c.fixture = "capitals.pdb.hex";
    cases.push_back(c);
  }
  Case keepsMode = Converts("ReplacedDatabaseKeepsItsPermissions", kCapitals,
                            kCapitalsConsole, kCapitalsContents);
  keepsMode.setup = "printf old > quiz.pdb && chmod 640 quiz.pdb";
  keepsMode.check = "test \"$(stat -c %a quiz.pdb)\" = 640";
  keepsMode.platform = Platform::kLinux;
  cases.push_back(keepsMode);

  // The name line.
  cases.push_back(Stops("EmptyQuestionFile", "", "quiz.txt quiz.pdb \nDatabase name invalid\n",
                        Hint("the file holds no text: write the quiz's name on line 1, then a "
                             "question line and an answer line for each question")));
  cases.push_back(Converts("NameLineOnly", "Quiz\n",
                           "quiz.txt quiz.pdb Quiz\nQuestions converted: 0\n", {"Quiz", {}},
                           kNoQuestion));
  cases.push_back(Converts("NameLineOnlyWithoutLineFeed", "Quiz",
                           "quiz.txt quiz.pdb Quiz\nQuestions converted: 0\n", {"Quiz", {}},
                           kNoQuestion));
  cases.push_back(Converts("Name30AndLineFeed", n30 + "\nQ?",
                           "quiz.txt quiz.pdb " + n30 + "\n0\nQuestions converted: 0\n",
                           {n30, {"Q?"}}, OddLines(1)));
  cases.push_back(Converts("Name31AndLineFeed", n31 + "\nQ?\nA",
                           "quiz.txt quiz.pdb " + n31 + "\n0\n1\nQuestions converted: 1\n",
                           {n31, {"Q?", "A"}}));
  cases.push_back(Converts("Name31Alone", n31,
                           "quiz.txt quiz.pdb " + n31 + "\nQuestions converted: 0\n", {n31, {}},
                           kNoQuestion));
  cases.push_back(Stops("Name32AndLineFeed", n32 + "\nQ?",
                        "quiz.txt quiz.pdb " + n32 + "\nDatabase name invalid\n",
                        NameLength(32)));
  cases.push_back(Stops("Name32Alone", n32,
                        "quiz.txt quiz.pdb " + n32 + "\nDatabase name invalid\n", NameLength(32)));
  cases.push_back(Stops("NameLoneLineFeed", "\nQ?\nA",
                        "quiz.txt quiz.pdb \nDatabase name invalid\n",
                        Hint("line 1, the database name, is empty: the quiz's name goes there, "
                             "with no blank line before it")));
  cases.push_back(Stops("NameWithATab", "Capitals\tEurope\nQ?\nA",
                        "quiz.txt quiz.pdb Capitals\tEurope\nDatabase name invalid\n",
                        Hint("line 1, the database name, holds a tab at character 9: a name "
                             "holds no control character")));
  cases.push_back(Stops("NameWithACarriageReturnBeforeItsLineFeed", "Capitals\r\r\nQ?\nA",
                        "quiz.txt quiz.pdb Capitals\r\nDatabase name invalid\n",
                        Hint("line 1, the database name, holds a carriage return (CR) at "
                             "character 9: a name holds no control character")));
  cases.push_back(Stops("NameWithAControlCharacterAndTooLong", "Capitals\x01" + n31 + "\nQ?\nA",
                        "quiz.txt quiz.pdb Capitals\x01" + n31 + "\nDatabase name invalid\n",
                        Hint("line 1, the database name, holds the control character 0x01 at "
                             "character 9: a name holds no control character") +
                            NameLength(40)));
  cases.push_back(Converts("NameWithBytesOfTheHandheldsCharacterSet",
                           "Capitales \xE9t\xE9\nQ?\nA",
                           "quiz.txt quiz.pdb Capitales \xE9t\xE9\n0\n1\nQuestions converted: 1\n",
                           {"Capitales \xE9t\xE9", {"Q?", "A"}}));
  cases.push_back(Converts("NameCutByNul", std::string("Qu\0iz\nQ?\nA", 10),
                           "quiz.txt quiz.pdb Qu\n0\n1\nQuestions converted: 1\n",
                           {"Qu", {"Q?", "A"}},
                           Warning("line 1 holds a NUL byte: the database name ends before it")));
  cases.push_back(Stops("NameOfSeveralHundredBytes", std::string(300, 'n') + "\nQ?\nA",
                        "quiz.txt quiz.pdb " + std::string(300, 'n') +
                            "\nDatabase name invalid\n",
                        NameLength(300)));
  cases.push_back(Stops("NameLongerThanALineKeeps", std::string(5000, 'n') + "\nQ?\nA",
                        "quiz.txt quiz.pdb " + std::string(3999, 'n') +
                            "\nDatabase name invalid\n",
                        NameLength(5000)));

  // Record lines.
  const std::string x200(200, 'x'), x201(201, 'x');
  cases.push_back(Converts("Record200AndLineFeed", "Quiz\n" + x200 + "\nA",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {x200, "A"}}));
  cases.push_back(Stops("Record201AndLineFeedFirst", "Quiz\n" + x201 + "\nA",
                        "quiz.txt quiz.pdb Quiz\n0\nLine data too long at record : 1 \n",
                        LineTooLong(2, 201)));
  cases.push_back(Stops("Record201AndLineFeedThird", "Quiz\nQ1?\nA1\n" + x201 + "\nA",
                        "quiz.txt quiz.pdb Quiz\n0\n1\n2\nLine data too long at record : 3 \n",
                        LineTooLong(4, 201)));
  cases.push_back(Converts("LastLine250WithoutLineFeed", "Quiz\nQ?\n" + std::string(250, 'y'),
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {"Q?", std::string(250, 'y')}}));
  cases.push_back(Converts("EmptyRecordLine", "Quiz\nQ1?\n\nQ2?\nA2",
                           "quiz.txt quiz.pdb Quiz\n0\n1\n2\n3\nQuestions converted: 2\n",
                           {"Quiz", {"Q1?", "", "Q2?", "A2"}},
                           Warning("line 3 is blank: the question on line 2 has an empty "
                                   "answer")));
  cases.push_back(Converts("BlankAnswersInAnOddQuiz", "Quiz\nQ1?\n\nQ2?\nA2\nQ3?\n\nA3",
                           "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(7) +
                               "Questions converted: 3\n",
                           {"Quiz", {"Q1?", "", "Q2?", "A2", "Q3?", "", "A3"}},
                           Warning("line 3 is blank: it becomes an empty answer, and every "
                                   "question and answer after it moves by one line") +
                               Warning("line 7 is blank: the question on line 6 has an empty "
                                       "answer") +
                               OddLines(7)));
  cases.push_back(Converts("ThreeRecordLines", "Quiz\nQ1?\nA1\nQ2?",
                           "quiz.txt quiz.pdb Quiz\n0\n1\n2\nQuestions converted: 1\n",
                           {"Quiz", {"Q1?", "A1", "Q2?"}}, OddLines(3)));
  cases.push_back(Converts("EndOfFileByte", "Quiz\nQ1?\nA1\x1AQ2?\nA2\n",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {"Q1?", "A1"}}));
  cases.push_back(Converts("CarriageReturnsStay", "Quiz\nQ\r1?\nA1\r",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {"Q\r1?", "A1\r"}}));
  const std::string cutLine2 =
      Warning("line 2 holds a NUL byte: the text after it on that line is not stored");
  cases.push_back(Converts("NulCutsARecord", std::string("Quiz\nab\0cd\nA", 12),
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {"ab", "A"}}, cutLine2));

  // Character sets: text typed in any of today's editors arrives as typed,
  // in the handheld's own character set (code page 1252).
  const std::string ansiQuiz =
      "Capitales d'\xE9t\xE9\nO\xF9 est Paris ?\n\xC0 Paris, bien s\xFBr\n"
      "\x93Madrid\x94 \x96 capitale de l\x92" "Espagne ?\nOui\x85 5 \x80";
  const std::string utf8Quiz =
      "Capitales d'\xC3\xA9t\xC3\xA9\nO\xC3\xB9 est Paris ?\n\xC3\x80 Paris, bien s\xC3\xBBr\n"
      "\xE2\x80\x9CMadrid\xE2\x80\x9D \xE2\x80\x93 capitale de l\xE2\x80\x99" "Espagne ?\n"
      "Oui\xE2\x80\xA6 5 \xE2\x82\xAC";
  const DatabaseContents quizContents = {
      "Capitales d'\xE9t\xE9",
      {"O\xF9 est Paris ?", "\xC0 Paris, bien s\xFBr",
       "\x93Madrid\x94 \x96 capitale de l\x92" "Espagne ?", "Oui\x85 5 \x80"}};
  const std::string quizProgress = "\n0\n1\n2\n3\nQuestions converted: 2\n";
  const struct {
    const char* name;
    std::string question;
    std::string echoedName;
  } savedAs[] = {
      {"AccentsSavedAsAnsi", ansiQuiz, "Capitales d'\xE9t\xE9"},
      {"AccentsSavedAsUtf8", utf8Quiz, "Capitales d'\xC3\xA9t\xC3\xA9"},
      {"AccentsSavedAsUtf8WithByteOrderMark", "\xEF\xBB\xBF" + utf8Quiz,
       "Capitales d'\xC3\xA9t\xC3\xA9"},
      {"AccentsSavedAsUtf16LittleEndian", Utf16WithByteOrderMark(utf8Quiz, "UTF-16LE"),
       "Capitales d'\xC3\xA9t\xC3\xA9"},
      {"AccentsSavedAsUtf16BigEndianWithCrLf",
       Utf16WithByteOrderMark(
           "Capitales d'\xC3\xA9t\xC3\xA9\r\nO\xC3\xB9 est Paris ?\r\n\xC3\x80 Paris, bien "
           "s\xC3\xBBr\r\n\xE2\x80\x9CMadrid\xE2\x80\x9D \xE2\x80\x93 capitale de "
           "l\xE2\x80\x99" "Espagne ?\r\nOui\xE2\x80\xA6 5 \xE2\x82\xAC",
           "UTF-16BE"),
       "Capitales d'\xC3\xA9t\xC3\xA9"},
      // Some tools write UTF-16 without a byte order mark.
      {"AccentsSavedAsUtf16LittleEndianWithoutByteOrderMark",
       Utf16WithByteOrderMark(utf8Quiz, "UTF-16LE").substr(2), "Capitales d'\xC3\xA9t\xC3\xA9"},
      {"AccentsSavedAsUtf16BigEndianWithoutByteOrderMark",
       Utf16WithByteOrderMark(utf8Quiz, "UTF-16BE").substr(2), "Capitales d'\xC3\xA9t\xC3\xA9"},
  };
  cases.push_back(Converts("CurlyApostropheEarlyInUtf16WithoutByteOrderMark",
                           Utf16WithByteOrderMark("C\xE2\x80\x99" "est l\xE2\x80\x99\xC3\xA9t\xC3\xA9"
                                                  "\n\xC5\x93uf ?\n\xE2\x82\xAC",
                                                  "UTF-16LE")
                               .substr(2),
                           "quiz.txt quiz.pdb C\xE2\x80\x99" "est l\xE2\x80\x99\xC3\xA9t\xC3\xA9\n"
                           "0\n1\nQuestions converted: 1\n",
                           {"C\x92" "est l\x92\xE9t\xE9", {"\x9C" "uf ?", "\x80"}}));
  for (const auto& saved : savedAs) {
    cases.push_back(Converts(saved.name, saved.question,
                             "quiz.txt quiz.pdb " + saved.echoedName + quizProgress,
                             quizContents));
  }
  const std::string name29 = std::string(26, 'n') + "\xC3\xA9t\xC3\xA9";
  cases.push_back(Converts("Name29WithByteOrderMark", "\xEF\xBB\xBF" + name29 + "\nQ?\nA",
                           "quiz.txt quiz.pdb " + name29 + "\n0\n1\nQuestions converted: 1\n",
                           {std::string(26, 'n') + "\xE9t\xE9", {"Q?", "A"}}));
  std::string accented150, accented201;
  for (int i = 0; i < 150; ++i) accented150 += "\xC3\xA9";
  for (int i = 0; i < 201; ++i) accented201 += "\xC3\xA9";
  cases.push_back(Converts("Utf8RecordOf150AccentedLetters", "Quiz\n" + accented150 + "\nA",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {std::string(150, '\xE9'), "A"}}));
  cases.push_back(Stops("Utf8RecordOf201AccentedLetters", "Quiz\n" + accented201 + "\nA",
                        "quiz.txt quiz.pdb Quiz\n0\nLine data too long at record : 1 \n",
                        LineTooLong(2, 201)));
  cases.push_back(Stops("EmojiInRecordLine7",
                        "Quiz\nQ1\nA1\nQ2\nA2\nQ3\nA3\nQ4 \xF0\x9F\x98\x80 ?\nA4",
                        "quiz.txt quiz.pdb Quiz\n0\n1\n2\n3\n4\n5\n6\n"
                        "Character the handheld cannot show at record : 7 \n",
                        Hint("line 8 holds \"\xF0\x9F\x98\x80\" (U+1F600), a character the "
                             "handheld cannot show: replace it")));
  cases.push_back(Stops("LetterOfAnotherAlphabetInTheName", "\xC5\x81\xC3\xB3" "d\xC5\xBA\nQ?\nA",
                        "quiz.txt quiz.pdb \nCharacter the handheld cannot show in the database name\n",
                        Hint("line 1 holds \"\xC5\x81\" (U+0141), a character the handheld "
                             "cannot show: replace it") +
                            Hint("the handheld cannot show this character either: line 1, "
                                 "column 4: \"\xC5\xBA\" (U+017A)")));
  cases.push_back(Stops("PolishLetterInARecordSavedAsUtf16",
                        Utf16WithByteOrderMark("Quiz\nQ1\nWis\xC5\x82\xC4\x85\n", "UTF-16BE"),
                        "quiz.txt quiz.pdb Quiz\n0\n1\n"
                        "Character the handheld cannot show at record : 2 \n",
                        Hint("line 3 holds \"\xC5\x82\" (U+0142), a character the handheld "
                             "cannot show: replace it") +
                            Hint("the handheld cannot show this character either: line 3, "
                                 "column 5: \"\xC4\x85\" (U+0105)")));
  // Every such character at once: the first ten named, at their lines and
  // columns, an invisible one in words; the rest counted.
  std::string greek = "Quiz\n\xE2\x80\x8FQ?\nA\n", greekHint;
  for (int line = 4; line <= 8; ++line) {
    greek += "\xCE\xB1\xCE\xB2\n";
    greekHint += "; line " + std::to_string(line) + ", column 1: \"\xCE\xB1\" (U+03B1)";
    if (line < 8) {
      greekHint += "; line " + std::to_string(line) + ", column 2: \"\xCE\xB2\" (U+03B2)";
    }
  }
  cases.push_back(Stops("EveryCharacterTheHandheldLacksNamed", greek,
                        "quiz.txt quiz.pdb Quiz\n0\nCharacter the handheld cannot show at "
                        "record : 1 \n",
                        Hint("line 2 holds a right-to-left mark (U+200F), a character the "
                             "handheld cannot show: replace it") +
                            Hint("the handheld cannot show these characters either: " +
                                 greekHint.substr(2) + "; and 1 more")));
  cases.push_back(Stops("InvalidUtf8AfterAByteOrderMark", "\xEF\xBB\xBFQuiz\nQ1\nCaf\xE9\nA",
                        "quiz.txt quiz.pdb Quiz\n0\n1\nText is not valid UTF-8 at record : 2 \n",
                        Hint("line 3 is not valid UTF-8 at byte offset 14 of the file: save the "
                             "file again as UTF-8 from your editor")));
  cases.push_back(Stops("LoneSurrogateInUtf16", Utf16WithByteOrderMark("Quiz\nQ1\n", "UTF-16LE") +
                                                    std::string("\x00\xDC", 2),
                        "quiz.txt quiz.pdb Quiz\n0\n1\nText is not valid UTF-16 at record : 2 \n",
                        Hint("line 3 is not valid UTF-16 at byte offset 18 of the file: save the "
                             "file again as UTF-16 from your editor")));
  cases.push_back(Stops("AnsiWithAUtf8Line", "Caf\xC3\xA9\nD\xE9j\xE0 vu ?\nOui",
                        "quiz.txt quiz.pdb \nText encoding mixed\n",
                        Hint("line 1 is UTF-8, but line 2 is not: the file holds text in two "
                             "encodings (an ANSI file with UTF-8 lines added?); save the whole "
                             "file again in one encoding, UTF-8, from your editor")));
  // Characters the handheld lacks but whose meaning it has are stored in its
  // own form; bytes its fonts have no letter for are warned about.
  const std::string lacks = ", which the handheld lacks: it is stored as ";
  cases.push_back(Converts(
      "TypographicSpacesAndDashes",
      "Fran\xC3\xA7" "ais\nQuel est le prix\xE2\x80\xAF?\n12\xE2\x80\xAF\xE2\x82\xAC\n"
      "Temp\xC3\xA9rature\xE2\x80\xAF?\n\xE2\x88\x92" "5\xE2\x80\x8B\xE2\x80\x89\xC2\xB0" "C\xE2\x80\x87!",
      "quiz.txt quiz.pdb Fran\xC3\xA7" "ais\n0\n1\n2\n3\nQuestions converted: 2\n",
      {"Fran\xE7" "ais", {"Quel est le prix\xA0?", "12\xA0\x80", "Temp\xE9rature\xA0?", "-5 \xB0" "C\xA0!"}},
      Warning("lines 2, 3 and 4 hold a narrow no-break space (U+202F)" + lacks +
              "a no-break space") +
          Warning("line 5 holds a minus sign (U+2212)" + lacks + "\"-\"") +
          Warning("line 5 holds a zero width space (U+200B)" + lacks + "nothing: it is left out") +
          Warning("line 5 holds a thin space (U+2009)" + lacks + "a space") +
          Warning("line 5 holds a figure space (U+2007)" + lacks + "a no-break space")));
  const std::string noLetter =
      ", for which the handheld's fonts have no letter: it shows as nothing or as a wrong sign";
  cases.push_back(Converts(
      "AnsiBytesWithoutALetter",
      "Vocabulaire\nZ\x8Eljko ?\nPr\xE9nom\nna\x9E" "e ?\nZ\x8Eljko",
      "quiz.txt quiz.pdb Vocabulaire\n0\n1\n2\n3\nQuestions converted: 2\n",
      {"Vocabulaire", {"Z\x8Eljko ?", "Pr\xE9nom", "na\x9E" "e ?", "Z\x8Eljko"}},
      Warning("lines 2 and 5 hold byte 0x8E (\"\xC5\xBD\" in Windows' code page 1252)" +
              noLetter) +
          Warning("line 4 holds byte 0x9E (\"\xC5\xBE\" in Windows' code page 1252)" +
                  noLetter)));
  cases.push_back(Stops("LetterZWithCaronInUtf8", "Pr\xC3\xA9noms\n\xC5\xBD" "eljko ?\nOui",
                        "quiz.txt quiz.pdb Pr\xC3\xA9noms\n0\n"
                        "Character the handheld cannot show at record : 1 \n",
                        Hint("line 2 holds \"\xC5\xBD\" (U+017D), a character the handheld "
                             "cannot show: replace it")));
  // Old Mac programs end lines in CR alone, and write Mac OS Roman.
  cases.push_back(Converts("MacLineEnds", "Capitals\rFrance?\rParis\rSpain?\rMadrid\r",
                           kCapitalsConsole, kCapitalsContents));
  cases.push_back(Converts("MacRomanWithMacLineEnds", "Caf\x8E\rD\x8Ej\x88 vu ?\r\xC7Oui\xC8\r",
                           "quiz.txt quiz.pdb Caf\xC3\xA9\n0\n1\nQuestions converted: 1\n",
                           {"Caf\xE9", {"D\xE9j\xE0 vu ?", "\xABOui\xBB"}},
                           Warning("the file's lines end in CR alone and it is not UTF-8: it was "
                                   "read as Mac OS Roman, the character set of the Mac programs "
                                   "that write such lines")));
  cases.push_back(Stops("MacRomanLetterTheHandheldLacks", "Math\x8Ematiques\rPi?\r\xB9\r",
                        "quiz.txt quiz.pdb Math\xC3\xA9matiques\n0\n1\n"
                        "Character the handheld cannot show at record : 2 \n",
                        Warning("the file's lines end in CR alone and it is not UTF-8: it was "
                                "read as Mac OS Roman, the character set of the Mac programs "
                                "that write such lines") +
                            Hint("line 3 holds \"\xCF\x80\" (U+03C0), a character the handheld "
                                 "cannot show: replace it")));

  // 8-bit text in the code page it was saved in: the one its words make
  // plausible, the machine's own counting in its favour, or the one named;
  // otherwise the readings that stay are named.
  const std::string readAs = "the file is not UTF-8: from its words it was read as ";
  const std::string ifWrong = "; if a letter is wrong, name the encoding it was saved in with "
                              "--encoding, or save it as UTF-8 from your editor";
  const std::string polish = "S\xB3\xF3wka\r\nJak si\xEA masz?\r\nDzi\xEAkuj\xEA bardzo";
  cases.push_back(Stops(
      "PolishAnsiNamesHerLetter", polish,
      "quiz.txt quiz.pdb S\nCharacter the handheld cannot show in the database name\n",
      Warning(readAs + "Central European (Windows-1250)" + ifWrong) +
          Hint("line 1 holds \"\xC5\x82\" (U+0142), a character the handheld cannot show: "
               "replace it") +
          Hint("the handheld cannot show these characters either: line 2, column 7: "
               "\"\xC4\x99\" (U+0119); line 3, column 4: \"\xC4\x99\" (U+0119); line 3, "
               "column 8: \"\xC4\x99\" (U+0119)")));
  cases.push_back(Stops(
      "CzechByteUndefinedInWestern",
      "Slov\xED\xE8ka\r\nVelbloud je \x9D" "ava?\r\nAno, \x9D" "ava",
      "quiz.txt quiz.pdb Slov\xC3\xAD\nCharacter the handheld cannot show in the database "
      "name\n",
      Warning(readAs + "Central European (Windows-1250)" + ifWrong) +
          Hint("line 1 holds \"\xC4\x8D\" (U+010D), a character the handheld cannot show: "
               "replace it") +
          Hint("the handheld cannot show these characters either: line 2, column 13: "
               "\"\xC5\xA5\" (U+0165); line 3, column 6: \"\xC5\xA5\" (U+0165)")));
  cases.push_back(Stops(
      "RussianWithALatinName", "English 5\r\n\xCA\xE0\xEA \xE4\xE5\xEB\xE0?\r\nFine, thanks",
      "quiz.txt quiz.pdb English 5\n0\nCharacter the handheld cannot show at record : 1 \n",
      Warning(readAs + "Cyrillic (Windows-1251)" + ifWrong) +
          Hint("the handheld has no Cyrillic letters: line 2 holds them; write the quiz in "
               "Latin letters (saving the file in another way cannot help)")));
  // Decomposed text, as some Mac programs write it: a letter and a combining
  // mark are the letter they compose.
  cases.push_back(Converts("DecomposedText", "Cafe\xCC\x81\nQue\xCC\x81" "bec ?\nO\xCC\x80u\xCC\x80",
                           "quiz.txt quiz.pdb Caf\xC3\xA9\n0\n1\nQuestions converted: 1\n",
                           {"Caf\xE9", {"Qu\xE9" "bec ?", "\xD2\xF9"}}));
  cases.push_back(Stops(
      "DecomposedLetterTheHandheldLacks", "Quiz\nPan\xCC\x81stwo ?\nTak",
      "quiz.txt quiz.pdb Quiz\n0\nCharacter the handheld cannot show at record : 1 \n",
      Hint("line 2 holds \"\xC5\x84\" (U+0144), a character the handheld cannot show: "
           "replace it")));
  // A whole alphabet beyond the handheld is said once, whatever the encoding.
  std::string russian = "Russian";
  for (int k = 0; k < 8; ++k) russian += "\n\xD0\x9A\xD0\xB0\xD0\xBA?";
  cases.push_back(Stops(
      "RussianInUtf8", russian,
      "quiz.txt quiz.pdb Russian\n0\nCharacter the handheld cannot show at record : 1 \n",
      Hint("the handheld has no Cyrillic letters: lines 2, 3, 4, 5, 6 and 3 more hold them; "
           "write the quiz in Latin letters (saving the file in another way cannot help)")));
  const std::string estonian = "K\xFCsimused\r\nMis on \xF0okolaad?\r\n\xD0okolaad on magus";
  Case estonianAtHome = Converts(
      "EstonianOnAnEstonianMachine", estonian,
      "quiz.txt quiz.pdb K\xC3\xBCsimused\n0\n1\nQuestions converted: 1\n",
      {"K\xFCsimused", {"Mis on \x9Aokolaad?", "\x8Aokolaad on magus"}},
      Warning(readAs + "Baltic (Windows-1257)" + ifWrong));
  estonianAtHome.options.locale = "et_EE.UTF-8";
  cases.push_back(estonianAtHome);
  const std::string notCertain =
      "the file is not UTF-8, and its words read as more than one code page: ";
  cases.push_back(Stops(
      "EstonianElsewhereAsksWhich", estonian, "quiz.txt quiz.pdb \nText encoding not certain\n",
      Hint(notCertain + "\"\xC3\xB0okolaad\" in Western (Windows-1252), "
           "\"\xC5\xA1okolaad\" in Baltic (Windows-1257) or \"\xC4\x91okolaad\" in Central "
           "European (Windows-1250); name the one it was saved in with --encoding windows-1252, "
           "windows-1257 or windows-1250, or save it as UTF-8 from your editor")));
  const std::string turkish = "Selam\r\nG\xFCnayd\xFDn?\r\nGood morning";
  const std::string dotlessI = Hint("line 2 holds \"\xC4\xB1\" (U+0131), a character the "
                                    "handheld cannot show: replace it");
  Case turkishAtHome = Stops(
      "TurkishOnATurkishMachine", turkish,
      "quiz.txt quiz.pdb Selam\n0\nCharacter the handheld cannot show at record : 1 \n",
      Warning(readAs + "Turkish (Windows-1254)" + ifWrong) + dotlessI);
  turkishAtHome.options.locale = "tr_TR.UTF-8";
  cases.push_back(turkishAtHome);
  cases.push_back(Stops(
      "TurkishElsewhereAsksWhich", turkish, "quiz.txt quiz.pdb \nText encoding not certain\n",
      Hint(notCertain + "\"G\xC3\xBCnayd\xC3\xBDn\" in Western (Windows-1252) or "
           "\"G\xC3\xBCnayd\xC4\xB1n\" in Turkish (Windows-1254); name the one it was saved "
           "in with --encoding windows-1252 or windows-1254, or save it as UTF-8 from your "
           "editor")));
  Case turkishNamed = Stops(
      "TurkishNamedOnTheCommandLine", turkish,
      "quiz.txt quiz.pdb Selam\n0\nCharacter the handheld cannot show at record : 1 \n",
      dotlessI);
  turkishNamed.arguments = {"--encoding", "windows-1254", "quiz.txt"};
  cases.push_back(turkishNamed);
  Case undefinedInNamed = Stops(
      "ByteUndefinedInTheNamedCodePage", "Quiz\r\nQ\xAA?\r\nA",
      "quiz.txt quiz.pdb Quiz\n0\nText is not valid Windows-1253 at record : 1 \n",
      Hint("line 2 holds a byte that Windows-1253 leaves undefined, at byte offset 7 of the file: "
           "the file was not saved in Windows-1253; name the encoding it was saved in with "
           "--encoding, or save it as UTF-8 from your editor"));
  undefinedInNamed.arguments = {"--encoding=cp1253", "quiz.txt"};
  cases.push_back(undefinedInNamed);
  cases.push_back(Converts(
      "FrenchFromDos", "Vocabulaire\r\nO\x97 est-il all\x82 ?\r\n\xB7 c\x93t\x82 de l'h\x93tel",
      "quiz.txt quiz.pdb Vocabulaire\n0\n1\nQuestions converted: 1\n",
      {"Vocabulaire", {"O\xF9 est-il all\xE9 ?", "\xC0 c\xF4t\xE9 de l'h\xF4tel"}},
      Warning(readAs + "Western European (DOS 850)" + ifWrong)));
  cases.push_back(Converts(
      "GermanFromTextEditWithLineFeeds", "Deutsch\nStra\xA7" "e und Br\x9F" "cke?\nStreet and bridge",
      "quiz.txt quiz.pdb Deutsch\n0\n1\nQuestions converted: 1\n",
      {"Deutsch", {"Stra\xDF" "e und Br\xFC" "cke?", "Street and bridge"}},
      Warning(readAs + "Western (Mac OS Roman)" + ifWrong)));
  Case frenchOnPolish = Converts(
      "FrenchOnAPolishMachineAsAlways",
      "Vocabulaire d'\xE9t\xE9\r\nO\xF9 est la for\xEAt ?\r\nL\xE0-bas, pr\xE8s du ch\xE2teau",
      "quiz.txt quiz.pdb Vocabulaire d'\xE9t\xE9\n0\n1\nQuestions converted: 1\n",
      {"Vocabulaire d'\xE9t\xE9", {"O\xF9 est la for\xEAt ?", "L\xE0-bas, pr\xE8s du ch\xE2teau"}});
  frenchOnPolish.options.locale = "pl_PL.UTF-8";
  cases.push_back(frenchOnPolish);

  // Mistakes that convert, but not into the quiz the teacher meant: warned
  // about, naming the lines as an editor numbers them.
  const std::string shifts = ", and every question and answer after it moves by one line";
  cases.push_back(Converts(
      "BlankLinesBetweenPairs",
      "Capitales\nFrance ?\nParis\n\nEspagne ?\nMadrid\n\nItalie ?\nRome",
      "quiz.txt quiz.pdb Capitales\n" + ProgressNumbers(8) + "Questions converted: 4\n",
      {"Capitales", {"France ?", "Paris", "", "Espagne ?", "Madrid", "", "Italie ?", "Rome"}},
      Warning("line 4 is blank: it becomes an empty question" + shifts) +
          Warning("line 7 is blank: the question on line 6 has an empty answer")));
  cases.push_back(Converts(
      "ExtraLineEndAtTheEnd", kCapitals + "\n\n",
      "quiz.txt quiz.pdb Capitals\n" + ProgressNumbers(5) + "Questions converted: 2\n",
      {"Capitals", {"France?", "Paris", "Spain?", "Madrid", ""}},
      Warning("line 6 is blank: it becomes an empty question at the end of the quiz (an extra "
              "line end at the end of the file?)") +
          OddLines(5)));
  cases.push_back(Converts("LineOfBlanksOnly", "Quiz\nQ1?\n \t \nQ2?\nA2",
                           "quiz.txt quiz.pdb Quiz\n0\n1\n2\n3\nQuestions converted: 2\n",
                           {"Quiz", {"Q1?", " \t ", "Q2?", "A2"}},
                           Warning("line 3 is blank: the question on line 2 has an empty answer")));
  std::string manyFindings = "Quiz\n";
  DatabaseContents manyContents = {"Quiz", {}};
  std::string manyWarnings;
  for (int i = 0; i < 7; ++i) {
    manyFindings += "\nQ" + std::string(1, '\0') + std::to_string(i) + "\n";
    manyContents.texts.insert(manyContents.texts.end(), {"", "Q"});
    if (i < 5) {
      manyWarnings += Warning("line " + std::to_string(2 * i + 2) + " is blank: it becomes an "
                              "empty question" + shifts);
    }
  }
  manyWarnings += Warning("2 more blank lines");
  for (int i = 0; i < 5; ++i) {
    manyWarnings += Warning("line " + std::to_string(2 * i + 3) +
                            " holds a NUL byte: the text after it on that line is not stored");
  }
  manyWarnings += Warning("2 more lines hold a NUL byte");
  std::string fiveCut = "Quiz\n", fiveWarnings;
  DatabaseContents fiveContents = {"Quiz", {}};
  for (int i = 0; i < 5; ++i) {
    fiveCut += "Q" + std::to_string(i) + std::string(1, '\0') + "x\nA\n";
    fiveContents.texts.insert(fiveContents.texts.end(), {"Q" + std::to_string(i), "A"});
    fiveWarnings += Warning("line " + std::to_string(2 * i + 2) +
                            " holds a NUL byte: the text after it on that line is not stored");
  }
  cases.push_back(Converts("FiveOfAKindAllNamed", fiveCut,
                           "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(10) +
                               "Questions converted: 5\n",
                           fiveContents, fiveWarnings));
  cases.push_back(Converts(
      "RepeatedQuestions",
      "Quiz\nCapital of France?\nParis\nSpain?\nMadrid\n  capital of FRANCE? \nparis\n"
      "\xC9TAT ?\nNon\n\xE9tat ?\nOui\nSpain?\nMadrid\n\n\n\n\n",
      "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(16) + "Questions converted: 8\n",
      {"Quiz", {"Capital of France?", "Paris", "Spain?", "Madrid", "  capital of FRANCE? ", "paris",
                "\xC9TAT ?", "Non", "\xE9tat ?", "Oui", "Spain?", "Madrid", "", "", "", ""}},
      Warning("line 14 is blank: it becomes an empty question" + shifts) +
          Warning("line 15 is blank: the question on line 14 has an empty answer") +
          Warning("line 16 is blank: it becomes an empty question" + shifts) +
          Warning("line 17 is blank: the question on line 16 has an empty answer") +
          Warning("lines 2 and 6 hold the same question") +
          Warning("lines 8 and 10 hold the same question, with different answers") +
          Warning("lines 4 and 12 hold the same question")));
  // Long questions are compared whole, whatever part of them tells them apart,
  // and case counts nowhere in them: four long questions asked again, each
  // in other case near its end, and one that differs there.
  std::string longQuestions = "Quiz\n";
  std::vector<std::string> longRecords;
  std::string longWarnings;
  const char* const kCountries[] = {"BELGIUM", "PORTUGAL", "DENMARK", "SWEDEN"};
  for (int k = 0; k < 4; ++k) {
    const std::string asked = std::string("Which river flows through the capital city of the ") +
                              "Kingdom of " + kCountries[k] + "?";
    std::string again = asked;
    for (std::size_t i = asked.size() - 6; i < asked.size(); ++i) {
      again[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(again[i])));
    }
    for (const std::string& question : {asked, again}) {
      longQuestions += question + "\nA\n";
      longRecords.insert(longRecords.end(), {question, "A"});
    }
    longWarnings += Warning("lines " + std::to_string(2 + 4 * k) + " and " +
                            std::to_string(4 + 4 * k) + " hold the same question");
  }
  longQuestions += "Which river flows through the capital city of the Republic of Sweden?\nA";
  longRecords.insert(longRecords.end(),
                     {"Which river flows through the capital city of the Republic of Sweden?", "A"});
  cases.push_back(Converts("LongQuestionsRepeatedInOtherCase", longQuestions,
                           "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(18) +
                               "Questions converted: 9\n",
                           {"Quiz", longRecords}, longWarnings));
  cases.push_back(Converts("NameStartingAsAZipArchiveDoesNot", "PKW-Fahrschule\nQ?\nA",
                           "quiz.txt quiz.pdb PKW-Fahrschule\n0\n1\nQuestions converted: 1\n",
                           {"PKW-Fahrschule", {"Q?", "A"}}));
  cases.push_back(Converts("FiveOfAKindNamedAndTheRestCounted", manyFindings,
                           "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(14) +
                               "Questions converted: 7\n",
                           manyContents, manyWarnings));

  // Documents of a word processor are never converted, whatever their first
  // line: they are refused where the name is checked.
  const std::string saveAsText =
      Hint("open it in the program that made it, save it as plain text (\"Save as\", type "
           "\"Text\" or \"Plain text (*.txt)\"), and convert the text file");
  cases.push_back(Stops("RtfDocument",
                        "{\\rtf1\\ansi\\deff0 {\\fonttbl {\\f0 Arial;}}\n"
                        "\\f0\\fs24 Capitals\\par France?\\par Paris\\par\n}",
                        "quiz.txt quiz.pdb \n"
                        "Not plain text but an RTF document: save it as plain text\n",
                        saveAsText));
  cases.push_back(Stops("PdfDocument",
                        "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n"
                        "trailer\n<< /Root 1 0 R >>\n%%EOF\n",
                        "quiz.txt quiz.pdb \n"
                        "Not plain text but a PDF document: save it as plain text\n",
                        saveAsText));
  cases.push_back(Stops("DocDocument",
                        "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(504, '\0'),
                        "quiz.txt quiz.pdb \n"
                        "Not plain text but an Office 97-2003 document (DOC): save it as plain "
                        "text\n",
                        saveAsText));
  // DOCX, ODT, XLSX and ODS are zip archives of their parts, made here as the
  // office programs make them; XLS is a compound file holding a Workbook
  // stream.
  const std::string saveAsCsv =
      Hint("open it in the spreadsheet program, save it as \"CSV UTF-8 (Comma delimited) "
           "(*.csv)\" or \"CSV\" (not as \"Text\", which gives tab-separated lines), and "
           "convert the .csv file");
  const std::string zipMessage =
      "Not plain text but a zip archive (a DOCX or ODT document is one): save it as plain text\n";
  const struct {
    const char* name;
    const char* parts;  // a Python list of (name, text)
    std::string message;
    std::string hint;
  } zipped[] = {
      {"DocxDocument",
       "[('[Content_Types].xml', '<?xml version=\"1.0\"?>\\n<Types/>'),"
       " ('word/document.xml', '<w:document><w:t>Capitals</w:t></w:document>')]",
       zipMessage, saveAsText},
      {"OdtDocument",
       "[('mimetype', 'application/vnd.oasis.opendocument.text'),"
       " ('content.xml', '<office:document-content>Capitals</office:document-content>')]",
       zipMessage, saveAsText},
      {"XlsxWorkbook",
       "[('[Content_Types].xml', '<?xml version=\"1.0\"?>\\n<Types/>'),"
       " ('_rels/.rels', '<Relationships/>'), ('xl/workbook.xml', '<workbook/>')]",
       "Not plain text but a spreadsheet (XLSX): save it as CSV\n", saveAsCsv},
      {"OdsSpreadsheet",
       "[('mimetype', 'application/vnd.oasis.opendocument.spreadsheet'),"
       " ('content.xml', '<office:document-content>Capitals</office:document-content>')]",
       "Not plain text but a spreadsheet (ODS): save it as CSV\n", saveAsCsv},
  };
  for (const auto& z : zipped) {
    Case c = Stops(z.name, "", "quiz.txt quiz.pdb \n" + z.message, z.hint);
    c.files = {};
    c.setup = std::string("python3 -c \"import zipfile\n"
                          "with zipfile.ZipFile('quiz.txt', 'w') as z:\n"
                          "    for name, text in ") + z.parts + ": z.writestr(name, text)\"";
    cases.push_back(c);
  }
  std::string xls = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + std::string(504, '\0');
  xls += std::string("W\0o\0r\0k\0b\0o\0o\0k\0", 16) + std::string(112, '\0');
  cases.push_back(Stops("XlsWorkbook", xls,
                        "quiz.txt quiz.pdb \nNot plain text but a spreadsheet (XLS): save it as "
                        "CSV\n",
                        saveAsCsv));
  cases.push_back(Stops("SpreadsheetSavedAsTabSeparatedText",
                        "Question\tAnswer\r\nFrance?\tParis\r\n\r\nSpain?\tMadrid\r\n",
                        "quiz.txt quiz.pdb Question\tAnswer\nDatabase name invalid\n",
                        Hint("line 1, the database name, holds a tab at character 9: a name "
                             "holds no control character") +
                            Hint("every line holds a tab, as a spreadsheet saved as \"Text (Tab "
                                 "delimited)\" does: rename the file to end in .tsv, or save the "
                                 "spreadsheet as CSV, and convert that file")));

  // Long lines are never split into records.
  cases.push_back(Stops("Record4100AndLineFeed", "Quiz\nQ?\n" + std::string(4100, 'x') + "\nA",
                        "quiz.txt quiz.pdb Quiz\n0\n1\nLine data too long at record : 2 \n",
                        LineTooLong(3, 4100)));
  cases.push_back(Converts("LastLine3999WithoutLineFeed", "Quiz\nQ?\n" + std::string(3999, 'y'),
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {"Q?", std::string(3999, 'y')}}));
  cases.push_back(Stops("LastLine4000WithoutLineFeed", "Quiz\nQ?\n" + std::string(4000, 'y'),
                        "quiz.txt quiz.pdb Quiz\n0\n1\nLine data too long at record : 2 \n",
                        Hint("line 3 is 4000 characters long: even without a line end a line "
                             "holds at most 3999")));
  cases.push_back(Converts("NulBeforeALongRest",
                           "Quiz\nab" + std::string(1, '\0') + std::string(5000, 'z') + "\nA",
                           "quiz.txt quiz.pdb Quiz\n0\n1\nQuestions converted: 1\n",
                           {"Quiz", {"ab", "A"}}, cutLine2));

  // The record tables hold 3000 records.
  std::string lines3000 = "Quiz\n";
  DatabaseContents contents3000 = {"Quiz", {}};
  for (int i = 0; i < 3000; ++i) {
    lines3000 += "Q" + std::to_string(i) + "\n";
    contents3000.texts.push_back("Q" + std::to_string(i));
  }
  cases.push_back(Converts("ThreeThousandRecords", lines3000,
                           "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(3000) +
                               "Questions converted: 1500\n",
                           contents3000));
  cases.push_back(Stops("ThreeThousandAndOneRecords", lines3000 + "A\nQ?\nA",
                        "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(3001) +
                            "Too many records: at most 3000\n",
                        Hint("the file holds 3003 question and answer lines, a database at "
                             "most 3000 (1500 questions): split the file into several")));

  // Where the database goes: beside its question file.
  // Longer than 200 bytes, within what Windows takes without long path support.
  const std::string folder(110, 'd'), stem(110, 'q');
  cases.push_back(OnQuestionFile(
      Converts("PathLongerThan200Bytes", kCapitals,
               folder + "/" + stem + ".txt " + folder + "/" + stem + ".pdb" + kConvertedCapitals,
               kCapitalsContents),
      folder + "/" + stem + ".txt", folder + "/" + stem + ".pdb"));
  const struct {
    const char* name;
    const char* questionPath;
    const char* databasePath;  // as the console shows it
    const char* subfolder;     // where the converter runs
    const char* folderPath;    // the database's path in the folder
  } paths[] = {
      {"NoExtension", "quiz", "quiz.pdb", "", "quiz.pdb"},
      {"TwoExtensions", "quiz.old.txt", "quiz.old.pdb", "", "quiz.old.pdb"},
      {"DotsInTheName", "Unit 3.1 vocabulary.txt", "Unit 3.1 vocabulary.pdb", "",
       "Unit 3.1 vocabulary.pdb"},
      {"NameWithoutExtensionStartingWithADot", ".quiz", ".quiz.pdb", "", ".quiz.pdb"},
      {"DottedFolder", "dir.old/quiz.txt", "dir.old/quiz.pdb", "", "dir.old/quiz.pdb"},
      {"DotSlash", "./quiz.txt", "./quiz.pdb", "", "quiz.pdb"},
      {"ParentFolder", "../quiz.txt", "../quiz.pdb", "sub", "quiz.pdb"},
      {"NameStartingWithADot", ".quiz.txt", ".quiz.pdb", "", ".quiz.pdb"},
  };
  for (const auto& p : paths) {
    Case c = Converts(p.name, kCapitals,
                      std::string(p.questionPath) + " " + p.databasePath + kConvertedCapitals,
                      kCapitalsContents);
    c.arguments = {p.questionPath};
    const std::string questionInFolder =
        p.subfolder[0] ? fs::path(std::string(p.subfolder) + "/" + p.questionPath)
                             .lexically_normal()
                             .string()
                       : p.questionPath;
    c.files = {{questionInFolder, kCapitals}};
    c.databasePath = p.folderPath;
    c.options.subfolder = p.subfolder;
    if (p.subfolder[0]) c.setup = std::string("mkdir ") + p.subfolder;
    cases.push_back(c);
  }
  // Any name the file system takes; the console shows it as the ANSI code page
  // can on Windows (Wine's: 1252), the closest letter or '?' for the others.
  const std::string longFolder(100, 'f');
  const struct {
    const char* name;
    std::string folder;
    std::string stem;
    std::string windowsFolder;
    std::string windowsStem;
  } names[] = {
      {"NameOutsideTheAnsiCodePage", "", "\xC5\x81\xC3\xB3" "d\xC5\xBA", "", "L\xF3" "dz"},
      {"NameInAnotherScript", "", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", "", "???"},
      {"FolderWithAccentsAndDots", "Ann\xC3\xA9" "e 7.b/", "quiz", "Ann\xE9" "e 7.b/", "quiz"},
      {"FullPathLongerThan300Characters",
       longFolder + "/" + longFolder + "/" + longFolder + "/", "quiz",
       longFolder + "/" + longFolder + "/" + longFolder + "/", "quiz"},
  };
  for (const auto& n : names) {
    Case c = OnQuestionFile(
        Converts(n.name, kCapitals,
                 n.folder + n.stem + ".txt " + n.folder + n.stem + ".pdb" + kConvertedCapitals,
                 kCapitalsContents),
        n.folder + n.stem + ".txt", n.folder + n.stem + ".pdb");
    c.windowsConsole = n.windowsFolder + n.windowsStem + ".txt " + n.windowsFolder +
                       n.windowsStem + ".pdb" + kConvertedCapitals;
    cases.push_back(c);
  }
  Case trailingDot = OnQuestionFile(
      Converts("PathEndingInADot", kCapitals, "quiz. quiz.pdb" + kConvertedCapitals,
               kCapitalsContents),
      "quiz.", "quiz.pdb");
  trailingDot.platform = Platform::kLinux;  // Windows names no file with a final dot
  cases.push_back(trailingDot);

  // The database would be the question file itself.
  const std::string givenADatabase =
      " is a database, not a question file: qdtext turns a database back into its question file";
  cases.push_back(OnQuestionFile(
      Stops("InputIsTheDatabasePath", kCapitals, "Input and output file are the same\n",
            Hint("\"quiz.pdb\"" + givenADatabase)),
      "quiz.pdb", "quiz.pdb"));
  cases.push_back(OnQuestionFile(
      Stops("DotSlashInputIsTheDatabasePath", kCapitals, "Input and output file are the same\n",
            Hint("\"./good.pdb\"" + givenADatabase)),
      "./good.pdb", "good.pdb"));
  Case sameLink = Stops("DatabasePathLinksToInput", kCapitals,
                        "Input and output file are the same\n",
                        Hint("\"quiz.pdb\", where the database goes, leads to the question "
                             "file itself: rename one of them"));
  sameLink.setup = "ln -s quiz.txt quiz.pdb";
  sameLink.platform = Platform::kLinux;
  cases.push_back(sameLink);
  Case sameCase = OnQuestionFile(
      Stops("DatabasePathDiffersInCaseOnly", kCapitals, "Input and output file are the same\n",
            Hint("\"Quiz.PDB\"" + givenADatabase)),
      "Quiz.PDB", "Quiz.PDB");
  sameCase.platform = Platform::kWindows;
  cases.push_back(sameCase);

  // The database path as something else than a plain file or nothing.
  Case link = Converts("DatabasePathIsALink", kCapitals, kCapitalsConsole, kCapitalsContents);
  link.setup = "mkdir real && printf old > real/quiz.pdb && ln -s real/quiz.pdb quiz.pdb";
  link.check = "test -L quiz.pdb";
  cases.push_back(link);
  Case dangling = Stops("DatabasePathLinksIntoAMissingFolder", kCapitals,
                        "Could not open output file\n",
                        SystemError("quiz.pdb", "No such file or directory"));
  dangling.setup = "ln -s missing/quiz.pdb quiz.pdb";
  dangling.platform = Platform::kLinux;
  cases.push_back(dangling);
  Case outputDirectory = Stops("DatabasePathIsADirectory", kCapitals,
                               "Could not open output file\n",
                               SystemError("quiz.pdb", "Is a directory"));
  outputDirectory.setup = "mkdir quiz.pdb";
  cases.push_back(outputDirectory);
  // Root may write anything: these run as an unprivileged user.
  // The folder may be written, so that only the database's own permission
  // keeps it from being replaced.
  Case readOnly = Stops("DatabaseIsReadOnly", kCapitals, "Could not open output file\n",
                        SystemError("quiz.pdb", "Permission denied"));
  readOnly.setup = "printf old > quiz.pdb && chmod 444 quiz.pdb && chmod 777 .";
  readOnly.options.unprivileged = true;
  readOnly.platform = Platform::kLinux;
  cases.push_back(readOnly);
  Case readOnlyFolder = OnQuestionFile(
      Stops("FolderIsReadOnly", kCapitals, "Could not open output file\n",
            SystemError("ro/quiz.pdb", "Permission denied")),
      "ro/quiz.txt",
      "ro/quiz.pdb");
  readOnlyFolder.setup = "chmod 555 ro";
  readOnlyFolder.options.unprivileged = true;
  readOnlyFolder.platform = Platform::kLinux;
  cases.push_back(readOnlyFolder);
  Case hidden = Stops("DatabasePathLinksIntoAFolderNotToBeSearched", kCapitals,
                      "Could not open output file\n",
                      SystemError("quiz.pdb", "Permission denied"));
  hidden.setup = "mkdir locked && chmod 700 locked && ln -s locked/quiz.pdb quiz.pdb";
  hidden.options.unprivileged = true;
  hidden.platform = Platform::kLinux;
  cases.push_back(hidden);
  Case device = Stops("DatabasePathIsAFullDevice", kCapitals,
                      kCapitalsConsole + "Could not write output file\n",
                      SystemError("quiz.pdb", "No space left on device"));
  device.setup = "ln -s /dev/full quiz.pdb";
  device.platform = Platform::kLinux;
  cases.push_back(device);

  // Failures.
  const std::string noQuestionFile = SystemError("quiz.txt", "No such file or directory");
  Case missing = Stops("QuestionFileMissing", kCapitals, "Could not open input file\n",
                       noQuestionFile);
  missing.files = {};
  cases.push_back(missing);
  Case directory = Stops("QuestionFileIsADirectory", kCapitals, "Could not open input file\n",
                         SystemError("quiz.txt", "Is a directory"));
  directory.files = {};
  directory.setup = "mkdir quiz.txt";
  cases.push_back(directory);
  // The disk fills up: a file size limit of 100 blocks of 512 bytes, far
  // below the database, with the signal it raises ignored.
  std::string large = "Quiz";
  for (int i = 0; i < 3000; ++i) large += "\n" + std::string(200, 'a' + i % 26);
  Case limit = Stops("FileSizeLimit", large,
                     "quiz.txt quiz.pdb Quiz\n" + ProgressNumbers(3000) +
                         "Questions converted: 1500\nCould not write output file\n",
                     SystemError("quiz.pdb", "File too large"));
  limit.options.before = "ulimit -f 100 && trap '' XFSZ &&";
  limit.platform = Platform::kLinux;
  cases.push_back(limit);
  // The question file is read once, whole: what goes wrong while it is read
  // stops the run, and nothing after can mix another file into the database.
  const std::string sixRecords = "Capitals\nFrance?\nParis\nSpain?\nMadrid\nItaly?\nRome";
  const std::string readError = SystemError("quiz.txt", "Input/output error");
  cases.push_back(WithFileEvents(Stops("ReadErrorPartWay", sixRecords,
                                       "Could not read input file\n", readError),
                                 "QDCONV_QUESTION_OPENS=readfail:30"));
  cases.push_back(WithFileEvents(Stops("ReadErrorAtTheFirstByte", sixRecords,
                                       "Could not read input file\n", readError),
                                 "QDCONV_QUESTION_OPENS=readfail:0"));
  cases.push_back(WithFileEvents(Stops("QuestionFileVanishesAsItIsOpened", kCapitals,
                                       "Could not open input file\n", noQuestionFile),
                                 "QDCONV_QUESTION_OPENS=fail"));
  // The finished database cannot be moved into place: its temporary file goes.
  cases.push_back(WithFileEvents(Stops("DatabaseCannotBeMovedIntoPlace", kCapitals,
                                       kCapitalsConsole + "Could not write output file\n",
                                       SystemError("quiz.pdb", "Input/output error")),
                                 "QDCONV_FAIL_RENAME=1"));
  cases.push_back(WithFileEvents(Stops("DatabaseNotTakenByTheDisk", kCapitals,
                                       kCapitalsConsole + "Could not write output file\n",
                                       SystemError("quiz.pdb", "Input/output error")),
                                 "QDCONV_FAIL_FSYNC=1"));
  // The database moved into place, but its folder entry may not be on the
  // disk: the run cannot say it is done.
  Case folderNotFlushed = WithFileEvents(
      Converts("FolderNotTakenByTheDisk", kCapitals,
               kCapitalsConsole + "Could not write output file\n", kCapitalsContents,
               SystemError("quiz.pdb", "Input/output error")),
      "QDCONV_FAIL_FOLDER_FSYNC=1");
  folderNotFlushed.exitStatus = kStopped;
  cases.push_back(folderNotFlushed);
  // A file system that cannot flush a folder at all (EINVAL) still converts.
  cases.push_back(WithFileEvents(Converts("FolderThatCannotBeFlushed", kCapitals,
                                          kCapitalsConsole, kCapitalsContents),
                                 "QDCONV_FAIL_FOLDER_FSYNC=EINVAL"));
  return cases;
}

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// Runs |c| in a new folder, over |oldDatabase| when not null. Sets
// |databasePathFree| to whether the case left the database path free.
void RunCase(const Case& c, const std::string* oldDatabase, bool& databasePathFree) {
  const std::string folder = MakeScratchFolder();
  for (const auto& file : c.files) {
    fs::create_directories(fs::path(folder + "/" + file.first).parent_path());
    WriteFileBytes(folder + "/" + file.first, file.second);
  }
  const std::string databasePath = folder + "/" + c.databasePath;
  if (oldDatabase) WriteFileBytes(databasePath, *oldDatabase);
  if (!c.setup.empty()) {
    ASSERT_EQ(RunShell("cd " + ShellQuote(folder) + " && " + c.setup), 0);
  }
  databasePathFree = !FileExists(databasePath);
  std::map<std::string, std::string> expected = FolderContents(folder);

  const ConverterRun run = RunConverter(folder, c.arguments, c.options);
  EXPECT_EQ(run.exitStatus, c.exitStatus);
  EXPECT_EQ(run.errors, ConsoleText(c.errors));
  const std::string& console =
      IsWindowsRun() && !c.windowsConsole.empty() ? c.windowsConsole : c.console;
  EXPECT_EQ(run.console, ConsoleText(kFixedBlock + console));

  if (c.database == Database::kWritten) {
    const std::string bytes = ReadFileBytes(databasePath);
    DatabaseContents contents;
    EXPECT_EQ(ReadDatabaseContents(bytes, contents), "");
    EXPECT_EQ(contents.name, c.contents.name);
    EXPECT_EQ(contents.texts, c.contents.texts);
    if (!c.fixture.empty()) {
      EXPECT_EQ(bytes, ReadHexFixture(c.fixture));
    }
    EXPECT_EQ(PalmReport(databasePath), ExpectedPalmReport(c.contents));
    const fs::path written = fs::relative(fs::canonical(databasePath), fs::canonical(folder));
    expected[written.generic_string()] = bytes;
  }
  EXPECT_EQ(FolderContents(folder), expected) << "the folder holds what it should";
  if (!c.check.empty()) {
    EXPECT_EQ(RunShell("cd " + ShellQuote(folder) + " && " + c.check), 0) << c.check;
  }
  RemoveScratchFolder(folder);
}

class EndToEndTest : public testing::TestWithParam<Case> {};

TEST_P(EndToEndTest, ConsoleAndFolder) {
  const Case& c = GetParam();
  if (c.platform == (IsWindowsRun() ? Platform::kLinux : Platform::kWindows)) {
    GTEST_SKIP() << "not a case for this platform";
  }
  bool databasePathFree = false;
  {
    SCOPED_TRACE("with no database before the run");
    RunCase(c, nullptr, databasePathFree);
  }
  if (databasePathFree) {
    SCOPED_TRACE("over an old database");
    const std::string oldDatabase = "an old database, to be kept or replaced whole";
    RunCase(c, &oldDatabase, databasePathFree);
  }
}

INSTANTIATE_TEST_SUITE_P(Runs, EndToEndTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case>& info) {
                           return info.param.name;
                         });

}  // namespace
