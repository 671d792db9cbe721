// Runs qdtext as a process on a table of databases, sound, foreign and
// broken, and compares its console, its exit status and the question file it
// writes beside the database, byte for byte. A refused database leaves the
// folder exactly as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "console_texts.h"
#include "converter_process.h"
#include "database_bytes.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

struct RecoveryCase {
  std::string name;
  std::string database;  // the bytes of quiz.pdb
  std::string console;   // what follows the fixed block
  std::string errors;    // standard error: the hints after a refusal
  int exitStatus;
  // The question file quiz.txt written, its LFs as the platform's line ends;
  // none when the database is refused.
  bool writes;
  std::string question;
  std::string setup;  // shell command run in the folder first
  std::vector<std::string> arguments = {"quiz.pdb"};
  std::string stem = "quiz";   // the database is stem.pdb, the question file stem.txt
  std::string windowsConsole;  // instead of |console| on Windows, when not empty
  bool posixOnly = false;      // about a POSIX file system's devices
};

RecoveryCase Writes(std::string name, std::string database, std::string echoedName,
                    int questions, std::string question) {
  RecoveryCase c;
  c.name = std::move(name);
  c.database = std::move(database);
  c.console = "quiz.pdb quiz.txt " + echoedName + "\nQuestions written: " +
              std::to_string(questions) + "\n";
  c.exitStatus = 0;
  c.writes = true;
  c.question = std::move(question);
  return c;
}

RecoveryCase Refuses(std::string name, std::string database, std::string console,
                     std::string errors) {
  RecoveryCase c;
  c.name = std::move(name);
  c.database = std::move(database);
  c.console = std::move(console);
  c.errors = std::move(errors);
  c.exitStatus = 1;
  c.writes = false;
  return c;
}

// Refused at a record of the database named Quiz: after its echo line.
RecoveryCase RefusesAtARecord(std::string name, std::string database, std::string message,
                              std::string errors) {
  return Refuses(std::move(name), std::move(database), "quiz.pdb quiz.txt Quiz\n" + message,
                 std::move(errors));
}

const std::string kDamaged =
    Hint("the database is damaged: copy it again from the handheld, or convert its question "
         "file again");
const std::string kNotADatabase =
    Hint("\"quiz.pdb\" is not a database: qdtext reads a database (.pdb) that qdconv wrote, "
         "and qdconv converts a question file");
const std::string kOtherApplication =
    Hint("\"quiz.pdb\" belongs to another application: only the tutor application's "
         "databases hold questions");
const std::string kNoLineHoldsIt =
    Hint("no line of a question file holds this record: qdconv did not write this database");

// A sound database named |name| holding |texts|.
std::string Database(const std::string& name, const std::vector<std::string>& texts) {
  DatabaseLayout layout;
  layout.nameField = name;
  for (const std::string& text : texts) layout.bodies.push_back(RecordBody(text));
  return DatabaseBytes(layout);
}

std::vector<RecoveryCase> Cases() {
  std::vector<RecoveryCase> cases;
  const std::string capitals = "Capitals\nFrance?\nParis\nSpain?\nMadrid";

  // Databases it reads.
  cases.push_back(Writes("CapitalsFixture", ReadHexFixture("capitals.pdb.hex"), "Capitals", 2,
                         capitals));
  cases.push_back(Writes("HandheldCharactersComeBackInUtf8",
                         Database("Capitales d'\xE9t\xE9",
                                  {"O\xF9 est Paris ?", "\x93Madrid\x94 \x96 5 \x80\x85"}),
                         "Capitales d'\xC3\xA9t\xC3\xA9", 1,
                         "Capitales d'\xC3\xA9t\xC3\xA9\nO\xC3\xB9 est Paris ?\n"
                         "\xE2\x80\x9CMadrid\xE2\x80\x9D \xE2\x80\x93 5 \xE2\x82\xAC\xE2\x80\xA6"));
  cases.push_back(Writes("UndefinedBytesAsTheirControlCharacters",
                         Database("Quiz", {"\x81\x8D\x8F\x90\x9D"}), "Quiz", 0,
                         "Quiz\n\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"));
  // Ž and ž are bytes without a letter on the handheld: only an ANSI text,
  // taken byte for byte, holds them.
  RecoveryCase ansi = Writes("BytesWithoutALetterComeBackInAnsi",
                             Database("Vocabulaire \xE9t\xE9", {"Z\x8Eljko ?", "nage"}),
                             "Vocabulaire \xC3\xA9t\xC3\xA9", 1,
                             "Vocabulaire \xE9t\xE9\nZ\x8Eljko ?\nnage");
  ansi.errors = Warning("the database holds a byte the handheld's fonts have no letter for "
                        "(0x8E, \"\xC5\xBD\", or 0x9E, \"\xC5\xBE\"), which no UTF-8 text holds: "
                        "the question file is written in Windows' code page 1252 (ANSI)");
  cases.push_back(ansi);
  const std::string notWritable =
      "the database holds bytes 0x8E or 0x9E, which only an ANSI text holds, and its other text "
      "would be read as UTF-8 or in another code page: qdconv did not write this database";
  cases.push_back(RefusesAtARecord("BytesWithoutALetterThatReadAsUtf8",
                                   Database("Quiz", {"\xC2\x9E"}),
                                   "Text not writable as a question file\n",
                                   Hint(notWritable)));
  // In Central European, 0xB3 is a letter: S³ówka is Słówka.
  cases.push_back(RefusesAtARecord("BytesWithoutALetterThatReadAsAnotherCodePage",
                                   Database("Quiz", {"Z\x8Eljko ?", "S\xB3\xF3wka"}),
                                   "Text not writable as a question file\n", Hint(notWritable)));
  cases.push_back(Writes("NameWithTheLineFeedOfEarlierVersions",
                         Database("Capitals\n", {"France?", "Paris"}), "Capitals", 1,
                         "Capitals\nFrance?\nParis"));
  cases.push_back(Writes("RecordsEndingInCarriageReturns", Database("Quiz", {"Q\r", "A\r"}),
                         "Quiz", 1, "Quiz\nQ\r\r\nA\r"));
  cases.push_back(Writes("EmptyLastRecordGetsItsLineEnd", Database("Quiz", {"Q", ""}), "Quiz",
                         1, "Quiz\nQ\n\n"));
  cases.push_back(Writes("NoRecords", Database("Quiz", {}), "Quiz", 0, "Quiz"));
  cases.push_back(Writes("LongestLines",
                         Database("Quiz", {std::string(200, 'q'), std::string(3999, 'a')}),
                         "Quiz", 1, "Quiz\n" + std::string(200, 'q') + "\n" + std::string(3999, 'a')));
  DatabaseLayout varied;
  varied.nameField = "Quiz";
  varied.filler = false;
  varied.markedByTheHandheld = true;
  varied.bodies = {std::string(16, '\x07') + "Q1?" + '\0' + "after its end",
                   RecordBody("A1") + "gap"};
  varied.trailing = "data after the last record";
  cases.push_back(Writes("WhatTheHandheldVaries", DatabaseBytes(varied), "Quiz", 1,
                         "Quiz\nQ1?\nA1"));
  RecoveryCase named = Writes("NameOutsideTheAnsiCodePage", ReadHexFixture("capitals.pdb.hex"),
                              "Capitals", 2, capitals);
  named.stem = "\xC5\x81\xC3\xB3" "d\xC5\xBA";
  named.arguments = {named.stem + ".pdb"};
  named.console = named.stem + ".pdb " + named.stem + ".txt Capitals\nQuestions written: 2\n";
  named.windowsConsole = "L\xF3" "dz.pdb L\xF3" "dz.txt Capitals\nQuestions written: 2\n";
  cases.push_back(named);
  RecoveryCase dotted = Writes("DotsInTheName", ReadHexFixture("capitals.pdb.hex"), "Capitals",
                               2, capitals);
  dotted.stem = "Unit 3.1";
  dotted.arguments = {"Unit 3.1.pdb"};
  dotted.console = "Unit 3.1.pdb Unit 3.1.txt Capitals\nQuestions written: 2\n";
  cases.push_back(dotted);
  RecoveryCase palm = Writes("WrittenByPalmPdb", "", "Palm Quiz", 1, "Palm Quiz\nQ1?\nA1");
  palm.setup = "perl " + ShellQuote(QDCONV_WRITE_PDB_SCRIPT) + " quiz.pdb 'Palm Quiz' QdDb Qndl 'Q1?' A1";
  cases.push_back(palm);

  // Not a database of the tutor's.
  cases.push_back(Refuses("TooShortForAHeader", "Quiz\nQ?\nA",
                          "Not a database: too short for a database header\n", kNotADatabase));
  cases.push_back(Refuses("TextFileRenamed", capitals + "\n" + capitals + "\n" + capitals,
                          "Not a database: its name field has no end\n", kNotADatabase));
  DatabaseLayout foreign;
  foreign.nameField = "MemoDB";
  foreign.type = "DATA";
  foreign.creator = "memo";
  cases.push_back(Refuses("OtherApplication", DatabaseBytes(foreign),
                          "Database of another application: type DATA, creator memo\n",
                          kOtherApplication));
  foreign.type = std::string("\x01\x02xy", 4);
  cases.push_back(Refuses("OtherApplicationWithUnprintableType", DatabaseBytes(foreign),
                          "Database of another application: type ??xy, creator memo\n",
                          kOtherApplication));
  RecoveryCase palmForeign =
      Refuses("OtherApplicationWrittenByPalmPdb", "",
              "Database of another application: type DATA, creator memo\n", kOtherApplication);
  palmForeign.setup =
      "perl " + ShellQuote(QDCONV_WRITE_PDB_SCRIPT) + " quiz.pdb MemoDB DATA memo 'Q1?' A1";
  cases.push_back(palmForeign);

  // Broken databases.
  const std::string sound = Database("Quiz", {"Q1?", "A1", "Q2?"});
  std::string listPastEnd = sound;
  SetNumber(listPastEnd, 76, 2, 200);
  cases.push_back(Refuses("RecordListPastTheEnd", listPastEnd,
                          "Record list runs past the end of the file\n", kDamaged));
  std::string intoHeader = sound;
  SetNumber(intoHeader, RecordListEntryAt(0), 4, 40);
  cases.push_back(RefusesAtARecord("OffsetIntoTheHeader", intoHeader,
                          "Record offset points into the header or record list at record : 1 \n", kDamaged));
  std::string intoList = sound;
  SetNumber(intoList, RecordListEntryAt(1), 4, 90);
  cases.push_back(RefusesAtARecord("OffsetIntoTheList", intoList,
                          "Record offset points into the header or record list at record : 2 \n", kDamaged));
  std::string pastEnd = sound;
  SetNumber(pastEnd, RecordListEntryAt(2), 4, 5000);
  cases.push_back(RefusesAtARecord("OffsetPastTheEnd", pastEnd,
                          "Record offset points past the end of the file at record : 3 \n", kDamaged));
  // An offset at the very end leaves no room for a body.
  std::string atTheEnd = sound;
  SetNumber(atTheEnd, RecordListEntryAt(2), 4, static_cast<std::uint32_t>(sound.size()));
  cases.push_back(RefusesAtARecord("OffsetAtTheEnd", atTheEnd,
                          "Record shorter than its 16-byte prefix at record : 3 \n", kDamaged));
  std::string backwards = sound;
  SetNumber(backwards, RecordListEntryAt(2), 4, 104);
  cases.push_back(RefusesAtARecord("OffsetBeforeThePrevious", backwards,
                          "Record offset points before the previous record at record : 3 \n", kDamaged));
  std::string shortBody = sound;
  SetNumber(shortBody, RecordListEntryAt(1), 4, 104 + 20);
  SetNumber(shortBody, RecordListEntryAt(2), 4, 104 + 20 + 10);
  cases.push_back(RefusesAtARecord("BodyShorterThanItsPrefix", shortBody,
                          "Record shorter than its 16-byte prefix at record : 2 \n", kDamaged));
  std::string noEnd = sound;
  noEnd.pop_back();  // the last text's NUL
  cases.push_back(RefusesAtARecord("TextWithoutEnd", noEnd, "Record text without end at record : 3 \n", kDamaged));
  cases.push_back(RefusesAtARecord("RecordWithALineFeed", Database("Quiz", {"Q1?", "A\n1"}),
                          "Record holds a line feed at record : 2 \n", kNoLineHoldsIt));
  cases.push_back(RefusesAtARecord("RecordWithTheEndOfFileByte", Database("Quiz", {"Q\x1A" "1?", "A1"}),
                          "Record holds the end-of-file byte 0x1A at record : 1 \n", kNoLineHoldsIt));
  // A record that only a line whose NUL hides its line end can hold comes
  // back as such a line.
  cases.push_back(Writes("RecordsLongerThanALineEndedByANul",
                         Database("Quiz", {std::string(201, 'q'), "A\r", std::string(3999, 'b'),
                                           "Z"}),
                         "Quiz", 2,
                         "Quiz\n" + std::string(201, 'q') + std::string(1, '\0') + "\nA\r\r\n" +
                             std::string(3999, 'b') + std::string(1, '\0') + "\nZ"));
  cases.push_back(RefusesAtARecord("RecordLongerThanAnyLine",
                          Database("Quiz", {std::string(4000, 'q'), "A"}),
                          "Line data too long at record : 1 \n",
                          Hint("record 1 is 4000 characters long: a line of a question file "
                               "holds at most 3999")));
  cases.push_back(RefusesAtARecord("LastRecordLongerThanALastLine",
                          Database("Quiz", {"Q", std::string(4000, 'a')}),
                          "Line data too long at record : 2 \n",
                          Hint("record 2 is 4000 characters long: a line of a question file "
                               "holds at most 3999")));
  cases.push_back(Refuses("MoreThan3000Records",
                          Database("Quiz", std::vector<std::string>(3001, "q")),
                          "Too many records: at most 3000\n",
                          Hint("the database holds 3001 records, a question file converts into "
                               "at most 3000")));
  std::string most = "Quiz\n";
  for (int k = 0; k < 3000; ++k) most += k + 1 < 3000 ? "q\n" : "q";
  cases.push_back(Writes("Exactly3000Records", Database("Quiz", std::vector<std::string>(3000, "q")),
                         "Quiz", 1500, most));
  cases.push_back(Refuses("NameEmpty", Database("\n", {"Q", "A"}), "Database name invalid\n",
                          Hint("the database's name is empty: a name holds at least one "
                               "character")));
  cases.push_back(Refuses("NameWithATab", Database("Capitals\tEurope", {"Q", "A"}),
                          "Database name invalid\n",
                          Hint("the database's name holds a tab at character 9: a name holds "
                               "no control character")));

  cases.push_back(Refuses("NameThatStartsAnRtfDocument", Database("{\\rtf1 Quiz", {"Q", "A"}),
                          "Database name invalid\n",
                          Hint("the database's name starts as an RTF document does, and qdconv "
                               "refuses a question file that starts so")));
  cases.push_back(Refuses("NameThatStartsAPdfDocument", Database("%PDF-1 quiz", {"Q", "A"}),
                          "Database name invalid\n",
                          Hint("the database's name starts as a PDF document does, and qdconv "
                               "refuses a question file that starts so")));

  // The files around it.
  RecoveryCase exists = Refuses("QuestionFileExists", ReadHexFixture("capitals.pdb.hex"),
                                "quiz.pdb quiz.txt Capitals\nQuestion file already exists\n",
                                Hint("\"quiz.txt\" is kept as it is: move or rename it, then "
                                     "run qdtext again"));
  exists.setup = "printf 'the teacher\\047s original' > quiz.txt";
  cases.push_back(exists);
  // An existing question file is said before anything of the records.
  RecoveryCase existsDamaged = exists;
  existsDamaged.name = "QuestionFileExistsBesideADamagedDatabase";
  existsDamaged.database = noEnd;
  existsDamaged.console = "quiz.pdb quiz.txt Quiz\nQuestion file already exists\n";
  cases.push_back(existsDamaged);
  // Only a regular file is read as a database: a device is not (and a pipe
  // would wait for a writer).
  RecoveryCase device = Refuses("DatabaseIsADevice", "", "Could not open input file\n",
                                Hint("\"/dev/null\": Invalid argument"));
  device.arguments = {"-o", "out.txt", "/dev/null"};
  device.posixOnly = true;
  cases.push_back(device);
  RecoveryCase missing = Refuses("DatabaseMissing", "", "Could not open input file\n",
                                 Hint("\"missing.pdb\": No such file or directory"));
  missing.arguments = {"missing.pdb"};
  cases.push_back(missing);
  RecoveryCase folder = Refuses("DatabaseIsAFolder", "", "Could not open input file\n",
                                Hint("\"folder.pdb\": Is a directory"));
  folder.arguments = {"folder.pdb"};
  folder.setup = "mkdir folder.pdb";
  cases.push_back(folder);
  RecoveryCase none = Refuses("NoArgument", "", kRecoveryUsage, "");
  none.arguments = {};
  none.exitStatus = 2;
  cases.push_back(none);
  return cases;
}

void PrintTo(const RecoveryCase& c, std::ostream* out) { *out << c.name; }

// |question| with the platform's line ends: on Windows each LF that a CR
// does not already precede becomes CR LF.
std::string WithPlatformLineEnds(const std::string& question) {
  if (!IsWindowsRun()) return question;
  std::string windows;
  for (std::size_t i = 0; i < question.size(); ++i) {
    if (question[i] == '\n' && (i == 0 || question[i - 1] != '\r')) windows += '\r';
    windows += question[i];
  }
  return windows;
}

class RecoveryTest : public testing::TestWithParam<RecoveryCase> {};

TEST_P(RecoveryTest, ConsoleAndQuestionFile) {
  const RecoveryCase& c = GetParam();
  if (c.posixOnly && IsWindowsRun()) GTEST_SKIP() << "Windows has no /dev";
  const std::string folder = MakeScratchFolder();
  if (!c.database.empty()) WriteFileBytes(folder + "/" + c.stem + ".pdb", c.database);
  if (!c.setup.empty()) {
    ASSERT_EQ(RunShell("cd " + ShellQuote(folder) + " && " + c.setup), 0);
  }
  std::map<std::string, std::string> expected = FolderContents(folder);

  const ConverterRun run = RunRecovery(folder, c.arguments);
  EXPECT_EQ(run.exitStatus, c.exitStatus);
  EXPECT_EQ(run.errors, ConsoleText(c.errors));
  const std::string& console =
      IsWindowsRun() && !c.windowsConsole.empty() ? c.windowsConsole : c.console;
  EXPECT_EQ(run.console, ConsoleText(kRecoveryFixedBlock + console));
  if (c.writes) expected[c.stem + ".txt"] = WithPlatformLineEnds(c.question);
  EXPECT_EQ(FolderContents(folder), expected);
  RemoveScratchFolder(folder);
}

INSTANTIATE_TEST_SUITE_P(Databases, RecoveryTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<RecoveryCase>& info) {
                           return info.param.name;
                         });

}  // namespace
