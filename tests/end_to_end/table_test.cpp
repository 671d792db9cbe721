// Tables (CSV and tab-separated files) through the converter as a process: a
// table that converts gives byte for byte the database of the question file
// it stands for, with the same console after the paths; one that stops says
// why, and names the row and the column on standard error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console_texts.h"
#include "converter_process.h"

namespace {

struct TableCase {
  std::string name;
  std::string fileName;  // the table's
  std::string table;
  // The question file it stands for; empty when the run stops.
  std::string question;
  std::string console;  // when it stops: what follows the fixed block
  std::string errors;
  int exitStatus = 0;
};

// What follows the database path on the echo line: the name line, the
// progress numbers and the summary.
std::string AfterThePaths(const std::string& console) {
  const std::size_t at = console.find(".pdb ");
  return at == std::string::npos ? console : console.substr(at + 5);
}

TableCase Converts(std::string name, std::string fileName, std::string table,
                   std::string question, std::string errors = "") {
  TableCase c;
  c.name = std::move(name);
  c.fileName = std::move(fileName);
  c.table = std::move(table);
  c.question = std::move(question);
  c.errors = std::move(errors);
  return c;
}

TableCase Stops(std::string name, std::string table, std::string console, std::string errors) {
  TableCase c;
  c.name = std::move(name);
  c.fileName = "quiz.csv";
  c.table = std::move(table);
  c.console = std::move(console);
  c.errors = std::move(errors);
  c.exitStatus = 1;
  return c;
}

std::vector<TableCase> Cases() {
  std::vector<TableCase> cases;
  const std::string capitals = "quiz\nFrance?\nParis\nSpain?\nMadrid";
  cases.push_back(Converts("Comma", "quiz.csv", "France?,Paris\r\nSpain?,Madrid\r\n", capitals));
  cases.push_back(Converts("Semicolon", "quiz.csv", "France?;Paris\nSpain?;Madrid, la capitale",
                           "quiz\nFrance?\nParis\nSpain?\nMadrid, la capitale"));
  // A Mac writes file names decomposed: e and U+0301.
  cases.push_back(Converts("DecomposedFileNameFromAMac", "Re\xCC\x81sume\xCC\x81.csv",
                           "France?;Paris\n", "R\xC3\xA9sum\xC3\xA9\nFrance?\nParis"));
  cases.push_back(Converts("TabSeparated", "quiz.TSV", "France?\tParis\nSpain?\tMadrid", capitals));
  cases.push_back(Converts("QuotedSeparatorsAndDoubledQuotes", "quiz.csv",
                           "\"Paris, France?\",\"The \"\"City of Light\"\"\"\n",
                           "quiz\nParis, France?\nThe \"City of Light\""));
  cases.push_back(Converts("CellOverTwoLines", "quiz.csv",
                           "France?,\"Paris\r\nla capitale\"\nSpain?,\"Madrid\nde Espa\xC3\xB1" "a\"",
                           "quiz\nFrance?\nParis la capitale\nSpain?\nMadrid de Espa\xC3\xB1" "a"));
  cases.push_back(Converts("EmptyRowsAndAThirdColumn", "quiz.csv",
                           "France?,Paris,geo\n\n,,tag only\n \t, \nSpain?,Madrid,geo\n", capitals,
                           "Warning: rows 1, 3 and 5 hold text beyond column B: only columns A "
                           "and B become question and answer\n"));
  std::string sevenRows, sevenQuestions = "quiz";
  for (int i = 1; i <= 7; ++i) {
    sevenRows += "Q" + std::to_string(i) + ",A,tag\n";
    sevenQuestions += "\nQ" + std::to_string(i) + "\nA";
  }
  cases.push_back(Converts("TextBeyondBInManyRows", "quiz.csv", sevenRows, sevenQuestions,
                           "Warning: rows 1, 2, 3, 4, 5 and 2 more hold text beyond column B: "
                           "only columns A and B become question and answer\n"));
  cases.push_back(Converts("ColumnsNamedInTheHeader", "quiz.tsv",
                           "#columns:Front\tBack\tTags\nFrance?\tParis\tgeo\nSpain?\tMadrid\tgeo\n",
                           capitals));
  cases.push_back(Converts("FrenchSemicolonsWithCommasInEveryRow", "quiz.csv",
                           "Bonjour, \xC3\xA7" "a va ?;Hello, how are you?\n"
                           "Combien font 1,5 + 1,5 ?;3\n",
                           "quiz\nBonjour, \xC3\xA7" "a va ?\nHello, how are you?\n"
                           "Combien font 1,5 + 1,5 ?\n3"));
  cases.push_back(Converts("BlankFirstLineAndATitleRowWithAComma", "quiz.csv",
                           "\nVocabulaire, le\xC3\xA7on 3\nchien;dog\nchat;cat\n",
                           "quiz\nVocabulaire, le\xC3\xA7on 3\n\nchien\ndog\nchat\ncat",
                           "Warning: row 2, column B is empty: the question of that row has no "
                           "answer\n"));
  cases.push_back(Converts("InchMarkInRowOne", "quiz.csv", "12\" pizza;large\nsmall;petite\n",
                           "quiz\n12\" pizza\nlarge\nsmall\npetite"));
  cases.push_back(Converts("QuotesKeptAsTyped", "quiz.csv",
                           "\"Bonjour\" dit-il,Hello he says\n5\" de pluie,\"5\"\" of rain\"\n",
                           "quiz\n\"Bonjour\" dit-il\nHello he says\n5\" de pluie\n5\" of rain"));
  cases.push_back(Converts("ExcelSeparatorLine", "quiz.csv", "sep=;\r\nFrance?;Paris, France\r\n",
                           "quiz\nFrance?\nParis, France"));
  cases.push_back(Converts("SeparatorLineNamesAnyCharacter", "quiz.csv",
                           "SEP=|\nFrance?|Paris; France\n", "quiz\nFrance?\nParis; France"));
  cases.push_back(Converts("RowStartingWithHashIsAQuestion", "quiz.csv",
                           "#deck:Heures\n#Note: lire,Oui\n#1 Quelle heure est-il ?,Midi\n",
                           "quiz\n#Note: lire\nOui\n#1 Quelle heure est-il ?\nMidi"));
  cases.push_back(Converts("SemicolonNamedInTheHeader", "quiz.csv",
                           "#separator:semicolon\nFrance, Europe?;Paris\n",
                           "quiz\nFrance, Europe?\nParis"));
  cases.push_back(Converts("ColumnHeadingsLeftOut", "quiz.csv",
                           "  QUESTION ;R\xC3\xA9ponse:\nchien;dog\nQuestion;Answer\n",
                           "quiz\nchien\ndog\nQuestion\nAnswer",
                           "Warning: row 1 (\"  QUESTION \", \"R\xC3\xA9ponse:\") was taken as "
                           "column headings: it is not a question\n"));
  cases.push_back(Converts("HeadingsInOtherLanguages", "quiz.tsv", "Frage\tAntwort\nHund\tdog\n",
                           "quiz\nHund\ndog",
                           "Warning: row 1 (\"Frage\", \"Antwort\") was taken as column headings: "
                           "it is not a question\n"));
  // Headings in the languages of Europe, letters the handheld lacks included,
  // in upper or lower case, with or without accents.
  const struct {
    const char* language;
    const char* question;
    const char* answer;
  } headings[] = {
      {"Polish", "Pytanie", "Odpowied\xC5\xBA"},
      {"Czech", "Ot\xC3\xA1zka", "ODPOV\xC4\x9A\xC4\x8E"},
      {"Hungarian", "K\xC3\xA9rd\xC3\xA9s", "Valasz"},
      {"Romanian", "\xC3\x8Entrebare", "R\xC4\x83spuns"},
      {"Turkish", "Soru", "Cevap"},
      {"Lithuanian", "Klausimas", "Atsakymas"},
      {"Finnish", "Kysymys", "Vastaus"},
      {"Danish", "Sp\xC3\xB8rgsm\xC3\xA5l", "Svar"},
      {"Russian", "\xD0\x92\xD0\xBE\xD0\xBF\xD1\x80\xD0\xBE\xD1\x81",
       "\xD0\x9E\xD1\x82\xD0\xB2\xD0\xB5\xD1\x82"},
      {"Greek", "\xCE\x95\xCF\x81\xCF\x8E\xCF\x84\xCE\xB7\xCF\x83\xCE\xB7",
       "\xCE\x91\xCF\x80\xCE\xAC\xCE\xBD\xCF\x84\xCE\xB7\xCF\x83\xCE\xB7"},
  };
  for (const auto& heading : headings) {
    cases.push_back(Converts(std::string("HeadingsIn") + heading.language, "quiz.csv",
                             std::string(heading.question) + ";" + heading.answer +
                                 "\r\nFrance?;Paris\r\n",
                             "quiz\nFrance?\nParis",
                             "Warning: row 1 (\"" + std::string(heading.question) + "\", \"" +
                                 heading.answer + "\") was taken as column headings: it is not "
                                 "a question\n"));
  }
  cases.push_back(Converts("HeaderBlockWithHtml", "quiz.txt.tsv",
                           "#separator:tab\n#html:true\n#deck:Capitals\n"
                           "France<br>?\t<b>Paris</b> &amp; r&#233;gion &#xE9;le&nbsp;!\t<i>tag\n",
                           "quiz.txt\nFrance ?\nParis & r\xE9gion \xE9le\xA0!",
                           "Warning: row 4 holds text beyond column B: only columns A and B "
                           "become question and answer\n"));
  cases.push_back(Converts("HtmlTagsPartWords", "quiz.tsv",
                           "#html:true\n<div>A</div><div>B</div>\t<p>x&#10;y<li> z</li>w<li>v\n",
                           "quiz\nA B\nx y z w v"));
  cases.push_back(Converts("EveryNamedReference", "quiz.tsv",
                           "#html:true\nL&rsquo;&eacute;t&eacute;&hellip; &fjlig;ord\t"
                           "&Eacute;cole &euro;&nbsp;&AMP; &amp &unknown; &#00000065;\n",
                           "quiz\nL\x92\xE9t\xE9\x85 fjord\n\xC9" "cole \x80\xA0& &amp &unknown; A"));
  cases.push_back(Converts("SeparatorNamedInTheHeader", "quiz.csv",
                           "#separator:pipe\nFrance?|Paris, la capitale\nSpain?|Madrid",
                           "quiz\nFrance?\nParis, la capitale\nSpain?\nMadrid"));
  cases.push_back(Converts("RepeatedQuestion", "quiz.csv", "France?,Paris\nfrance? ,Lyon\n",
                           "quiz\nFrance?\nParis\nfrance? \nLyon",
                           "Warning: rows 1 and 2 hold the same question, with different "
                           "answers\n"));
  std::string sameRows, sameQuestions = "quiz", sameWarnings;
  for (int i = 1; i <= 7; ++i) {
    sameRows += "Q,A\n";
    sameQuestions += "\nQ\nA";
    if (i > 1 && i <= 6) {
      sameWarnings += "Warning: rows 1 and " + std::to_string(i) + " hold the same question\n";
    }
  }
  cases.push_back(Converts("FiveRepeatsNamedAndTheRestCounted", "quiz.csv", sameRows,
                           sameQuestions, sameWarnings + "Warning: 1 more repeated questions\n"));
  cases.push_back(Converts("MacLineEnds", "quiz.csv", "France?,Paris\rSpain?,\"Madrid\"\r",
                           capitals));
  cases.push_back(Converts("MacRoman", "quiz.csv", "Caf\x8E?;Th\x8E, caf\x8E\r",
                           "quiz\nCaf\xE9?\nTh\xE9, caf\xE9",
                           "Warning: the file's lines end in CR alone and it is not UTF-8: it was "
                           "read as Mac OS Roman, the character set of the Mac programs that "
                           "write such lines\n"));
  cases.push_back(Converts("NarrowNoBreakSpace", "quiz.csv",
                           "France ?;Paris\nPrix\xE2\x80\xAF?;\"12\n\xE2\x80\xAF\xE2\x82\xAC\"\n"
                           "\xE2\x80\xAF!;Oui\n",
                           "quiz\nFrance ?\nParis\nPrix\xA0?\n12 \xA0\x80\n\xA0!\nOui",
                           "Warning: rows 2 and 3 hold a narrow no-break space (U+202F), which the "
                           "handheld lacks: it is stored as a no-break space\n"));
  cases.push_back(Converts("Ansi", "quiz.csv", "Caf\xE9?,Th\xE9\n", "quiz\nCaf\xE9?\nTh\xE9"));
  cases.push_back(Converts("Utf8WithByteOrderMark", "quiz.csv",
                           "\xEF\xBB\xBF" "Caf\xC3\xA9?,Th\xC3\xA9 \xE2\x80\x93 \xE2\x82\xAC\n",
                           "quiz\nCaf\xE9?\nTh\xE9 \x96 \x80"));
  cases.push_back(Converts("NameCutAfter31Characters",
                           "G\xC3\xA9ographie europ\xC3\xA9" "enne, premi\xC3\xA8re ann\xC3\xA9" "e.csv",
                           "France?,Paris",
                           "G\xC3\xA9ographie europ\xC3\xA9" "enne, premi\xC3\xA8re\nFrance?\nParis",
                           "Warning: the file name \"G\xC3\xA9ographie europ\xC3\xA9" "enne, "
                           "premi\xC3\xA8re ann\xC3\xA9" "e.csv\" is longer than a database name (31 "
                           "characters): the database is named \"G\xC3\xA9ographie europ\xC3\xA9"
                           "enne, premi\xC3\xA8re\", and two files whose names differ only after "
                           "that would replace each other on the handheld\n"));
  cases.push_back(Converts("NameCutAtASpace", "Vocabulaire de la semaine 1 et 2.csv",
                           "France?,Paris", "Vocabulaire de la semaine 1 et\nFrance?\nParis",
                           "Warning: the file name \"Vocabulaire de la semaine 1 et 2.csv\" is "
                           "longer than a database name (31 characters): the database is named "
                           "\"Vocabulaire de la semaine 1 et\", and two files whose names differ "
                           "only after that would replace each other on the handheld\n"));
  cases.push_back(Converts("LetterTheHandheldLacksInAnIgnoredColumn", "quiz.csv",
                           "France?,Paris,Wis\xC5\x82" "a\n", "quiz\nFrance?\nParis",
                           "Warning: row 1 holds text beyond column B: only columns A and B "
                           "become question and answer\n"));
  const std::string x200(200, 'x'), x201(201, 'x');
  cases.push_back(Converts("Cells200", "quiz.csv", x200 + "," + x200,
                           "quiz\n" + x200 + "\n" + x200));
  cases.push_back(Converts("MissingAnswerAndQuestion", "quiz.csv", "France?,\n,Madrid\n",
                           "quiz\nFrance?\n\n\nMadrid",
                           "Warning: row 1, column B is empty: the question of that row has no "
                           "answer\nWarning: row 2, column A is empty: the answer of that row "
                           "has no question\n"));
  std::string rows1500, question1500 = "quiz\n";
  for (int i = 0; i < 1500; ++i) {
    rows1500 += "Q" + std::to_string(i) + ",A\n";
    question1500 += "Q" + std::to_string(i) + "\nA\n";
  }
  cases.push_back(Converts("Rows1500", "quiz.csv", rows1500, question1500));

  std::string progress3001;
  for (int i = 0; i <= 3000; ++i) progress3001 += std::to_string(i) + "\n";
  cases.push_back(Stops("Rows1501", rows1500 + "Q,A\n",
                        "quiz.csv quiz.pdb quiz\n" + progress3001 +
                            "Too many records: at most 3000\n",
                        "Hint: the table holds 1501 rows of questions, a database at most 1500: "
                        "split the file into several\n"));
  cases.push_back(Stops("Cell201", "France?,Paris\n#,Q\n" + x201 + ",A\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n2\n3\n4\nLine data too long at record : 5 \n",
                        "Hint: row 3, column A is 201 characters long: a cell holds at most 200\n"));
  cases.push_back(Stops("LetterTheHandheldLacks", "France?,Paris\nPologne?,Wars\xC5\xBC" "awa\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n2\n3\n"
                        "Character the handheld cannot show at record : 4 \n",
                        "Hint: row 2, column B holds \"\xC5\xBC\" (U+017C), a character the "
                        "handheld cannot show: replace it\n"));
  cases.push_back(Stops("EveryLetterTheHandheldLacksNamed",
                        "Pologne?,Wars\xC5\xBC" "awa,\xC5\x81\n\xC5\x81\xC3\xB3" "d\xC5\xBA?,\xC5\x81\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n"
                        "Character the handheld cannot show at record : 2 \n",
                        "Hint: row 1, column B holds \"\xC5\xBC\" (U+017C), a character the "
                        "handheld cannot show: replace it\n"
                        "Hint: the handheld cannot show these characters either: row 2, column "
                        "A: \"\xC5\x81\" (U+0141); row 2, column A: \"\xC5\xBA\" (U+017A); row 2, "
                        "column B: \"\xC5\x81\" (U+0141)\n"));
  cases.push_back(Stops("HtmlReferenceTheHandheldLacks", "#html:true\nQ?,&#x142;\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n"
                        "Character the handheld cannot show at record : 2 \n",
                        "Hint: row 2, column B holds \"\xC5\x82\" (U+0142), a character the "
                        "handheld cannot show: replace it\n"));
  cases.push_back(Stops("QuoteNeverClosed", "France?,Paris\n\"Spain?,Madrid\nItaly?,Rome\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n2\n"
                        "Quotation mark not closed at record : 3 \n",
                        "Hint: row 2, column A starts with a quotation mark (\") that is not "
                        "closed before the end of the file: add the closing one, or write it "
                        "twice (\"\") to keep it as a character\n"));
  cases.push_back(Stops("QuoteNeverClosedInColumnB", "France?,Paris\nSpain?,\"Madrid\nItaly?,Rome\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n2\n"
                        "Quotation mark not closed at record : 3 \n",
                        "Hint: row 2, column B starts with a quotation mark (\") that is not "
                        "closed before the end of the file: add the closing one, or write it "
                        "twice (\"\") to keep it as a character\n"));
  cases.push_back(Stops("InvalidTextAtTheStartOfARow",
                        "\xEF\xBB\xBF" "France?,Paris\n\xFFSpain?,Madrid\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n2\nText is not valid UTF-8 at record : 3 \n",
                        "Hint: row 2, column A is not valid UTF-8 at byte offset 17 of the "
                        "file: save the file again as UTF-8 from your editor\n"));
  cases.push_back(Stops("InvalidTextInAHeaderLine", "\xEF\xBB\xBF#html:true\xFF\nFrance?,Paris\n",
                        "quiz.csv quiz.pdb quiz\n0\nText is not valid UTF-8 at record : 1 \n",
                        "Hint: row 1, column A is not valid UTF-8 at byte offset 13 of the "
                        "file: save the file again as UTF-8 from your editor\n"));
  cases.push_back(Stops("HtmlMarkInsideATagIsPassedOver",
                        "#html:true\nQ?;<i title=\"\xC5\xBC\">x</i>\xC5\x82\n",
                        "quiz.csv quiz.pdb quiz\n0\n1\n"
                        "Character the handheld cannot show at record : 2 \n",
                        "Hint: row 2, column B holds \"\xC5\x82\" (U+0142), a character the "
                        "handheld cannot show: replace it\n"));
  return cases;
}

void PrintTo(const TableCase& c, std::ostream* out) { *out << c.name; }

class TableTest : public testing::TestWithParam<TableCase> {};

TEST_P(TableTest, GivesTheDatabaseOfItsQuestionFile) {
  const TableCase& c = GetParam();
  const std::string tableFolder = MakeScratchFolder();
  WriteFileBytes(tableFolder + "/" + c.fileName, c.table);
  const ConverterRun table = RunConverter(tableFolder, {c.fileName});
  EXPECT_EQ(table.exitStatus, c.exitStatus);
  EXPECT_EQ(table.errors, ConsoleText(c.errors));
  const std::string stem = c.fileName.substr(0, c.fileName.rfind('.'));
  if (c.question.empty()) {
    EXPECT_EQ(table.console, ConsoleText(kFixedBlock + c.console));
    EXPECT_FALSE(FileExists(tableFolder + "/" + stem + ".pdb"));
  } else {
    const std::string questionFolder = MakeScratchFolder();
    WriteFileBytes(questionFolder + "/" + stem + ".text", c.question);
    const ConverterRun question = RunConverter(questionFolder, {stem + ".text"});
    EXPECT_EQ(question.exitStatus, 0);
    EXPECT_EQ(AfterThePaths(table.console), AfterThePaths(question.console));
    const std::string database = ReadFileBytes(tableFolder + "/" + stem + ".pdb");
    EXPECT_FALSE(database.empty());
    EXPECT_EQ(database, ReadFileBytes(questionFolder + "/" + stem + ".pdb"));
    RemoveScratchFolder(questionFolder);
  }
  RemoveScratchFolder(tableFolder);
}

INSTANTIATE_TEST_SUITE_P(Tables, TableTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<TableCase>& info) {
                           return info.param.name;
                         });

}  // namespace
