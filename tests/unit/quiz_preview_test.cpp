// The quiz a run shows record by record: each record's text in UTF-8, its
// line or row, and what is wrong with it, up to the line a stop names; for a
// question file, a table and a database going back. And a table's question text for editing, which must
// convert to the table's own database.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/convert_question_file.h"
#include "conversion/quiz_preview.h"
#include "frontend/question_paths.h"
#include "recovery/recover_question_file.h"
#include "table/table_question_text.h"

namespace {

// The conversion of |bytes| as the file |fileName|, with its preview.
ConversionResult Convert(const char* fileName, const std::string& bytes) {
  ByteBuffer copy(bytes.begin(), bytes.end());
  QuestionFileFacts facts = QuestionFileFactsOf(fileName);
  facts.withPreview = true;
  ConversionResult result;
  result.preview.records.push_back({"left over", 1, kRecordSound});
  ConvertQuestionFile(copy, facts, result);
  OwnDatabaseTexts(result.database);  // |copy| goes
  return result;
}

struct Shown {
  int place;
  std::string text;
  RecordFinding finding;
  bool operator==(const Shown& other) const {
    return place == other.place && text == other.text && finding == other.finding;
  }
};

void PrintTo(const Shown& shown, std::ostream* out) {
  *out << shown.place << " \"" << shown.text << "\" " << static_cast<int>(shown.finding);
}

std::vector<Shown> ShownRecords(const QuizPreview& preview) {
  std::vector<Shown> shown;
  for (const PreviewRecord& record : preview.records) {
    shown.push_back({record.place, record.text, record.finding});
  }
  return shown;
}

struct PreviewCase {
  const char* name;
  const char* fileName;
  std::string bytes;
  bool fromTable;
  std::vector<Shown> records;  // none: the run stops
};

TEST(QuizPreviewTest, ShowsEveryRecordWithItsPlaceAndFinding) {
  const PreviewCase cases[] = {
      {"BlankLineAndQuestionWithoutAnswer", "quiz.txt", "Quiz\nQ1?\n\nQ2?\nA2\nQ3?", false,
       {{2, "Q1?", kRecordSound}, {3, "", kRecordBlankShiftsPairs}, {4, "Q2?", kRecordSound},
        {5, "A2", kRecordSound}, {6, "Q3?", kQuestionWithoutAnswer}}},
      {"EmptyAnswer", "quiz.txt", "Quiz\nQ1?\n\nQ2?\nA2", false,
       {{2, "Q1?", kRecordSound}, {3, "", kRecordBlank}, {4, "Q2?", kRecordSound},
        {5, "A2", kRecordSound}}},
      {"LineCutByNulAndSpaces", "quiz.txt", std::string("Quiz\nab\0cd\n \t\n", 14), false,
       {{2, "ab", kRecordCutByNul}, {3, " \t", kRecordBlank}}},
      {"AnsiInUtf8", "quiz.txt", "Quiz\r\nCaf\xe9 ?\r\n\x80 5\r\n", false,
       {{2, "Caf\xc3\xa9 ?", kRecordSound}, {3, "\xe2\x82\xac 5", kRecordSound}}},
      {"TableRowsAndEmptyCell", "quiz.csv", "France?,Paris\n\n,Madrid\n", true,
       {{1, "France?", kRecordSound}, {1, "Paris", kRecordSound}, {3, "", kRecordBlank},
        {3, "Madrid", kRecordSound}}},
      {"StopAtALineTooLong", "quiz.txt", "Quiz\nQ1?\n" + std::string(201, 'x') + "\nA", false,
       {{2, "Q1?", kRecordSound}, {3, std::string(201, 'x'), kRecordStoppedTheRun}}},
      {"StopAtACharacterTheHandheldLacks", "quiz.txt", "Quiz\nQ1\nA1\nQ2 \xf0\x9f\x98\x80 ?\nA2",
       false,
       {{2, "Q1", kRecordSound}, {3, "A1", kRecordSound}, {4, "Q2 ", kRecordStoppedTheRun}}},
      {"StopInATableCell", "quiz.tsv", "Q1\tA1\n\nQ2\t" + std::string(201, 'y') + "\n", true,
       {{1, "Q1", kRecordSound}, {1, "A1", kRecordSound}, {3, "Q2", kRecordSound},
        {3, std::string(201, 'y'), kRecordStoppedTheRun}}},
      {"StopAtInvalidTextStartingATableRow", "quiz.csv",
       "\xEF\xBB\xBFQ1,A1\n\n\xFFQ2,A2\n", true,
       {{1, "Q1", kRecordSound}, {1, "A1", kRecordSound}, {3, "", kRecordStoppedTheRun}}},
      {"StopAtTheNameShowsNothing", "quiz.txt", std::string(32, 'n') + "\nQ?\nA", false, {}},
  };
  for (const PreviewCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ConversionResult result = Convert(c.fileName, c.bytes);
    const bool converted = result.converted;
    const QuizPreview& preview = result.preview;
    const bool stops = c.records.empty() || c.records.back().finding == kRecordStoppedTheRun;
    EXPECT_EQ(converted, !stops);
    EXPECT_EQ(ShownRecords(preview), c.records);
    if (!c.records.empty()) {
      EXPECT_EQ(preview.fromTable, c.fromTable);
    }
  }
}

TEST(QuizPreviewTest, ShowsADatabaseGoingBackWithTheLinesOfItsQuestionFile) {
  const ConversionResult converted = Convert("quiz.txt", "Quiz\n\nParis\nSpain?");
  ASSERT_TRUE(converted.converted);
  const std::vector<unsigned char> database = DatabaseBytes(converted.database);
  RecoveryResult back;
  RecoverQuestionFile(database.data(), database.size(), "back.pdb", true, back);
  const bool recovered = back.recovered;
  const QuizPreview& preview = back.preview;
  RecoveryResult damaged;
  RecoverQuestionFile(database.data(), 90, "damaged.pdb", true, damaged);
  const bool damagedRecovered = damaged.recovered;
  ASSERT_TRUE(recovered);
  const std::vector<Shown> expected = {
      {2, "", kRecordBlankShiftsPairs}, {3, "Paris", kRecordSound},
      {4, "Spain?", kQuestionWithoutAnswer}};
  EXPECT_EQ(ShownRecords(preview), expected);
  EXPECT_FALSE(damagedRecovered);
  EXPECT_TRUE(damaged.preview.records.empty());
}

// The text a teacher edits for a table converts to the table's database,
// byte for byte, and keeps every character, even those that stop it.
TEST(QuizPreviewTest, TableTextForEditingConvertsAsTheTable) {
  struct TextCase {
    const char* fileName;
    std::string table;
    std::string text;
  } cases[] = {
      {"Capitales.csv", "France ?;\"Paris, \"\"la\"\"\r\nville\"\r\n;Madrid\r\n",
       "Capitales\nFrance ?\nParis, \"la\" ville\n\nMadrid\n"},
      {"deck.TSV", "#html:true\nCaf&#233;<br>?\t\xe2\x82\xac 5\textra \xf0\x9f\x98\x80\n",
       "deck\nCaf\xc3\xa9 ?\n\xe2\x82\xac 5\n"},
      {"ansi.csv", "Caf\xe9,Oui\n", "ansi\nCaf\xc3\xa9\nOui\n"},
      {"emoji.tsv", "Q \xf0\x9f\x98\x80\tA\n", "emoji\nQ \xf0\x9f\x98\x80\nA\n"},
      {"A name much longer than thirty-one characters.csv", "Q,A\n",
       "A name much longer than thirty-\nQ\nA\n"},
  };
  for (TextCase& c : cases) {
    SCOPED_TRACE(c.fileName);
    std::string bytes = c.table;
    const QuestionFileFacts facts = QuestionFileFactsOf(c.fileName);
    const std::string text = TableQuestionTextInUtf8(
        reinterpret_cast<unsigned char*>(&bytes[0]), bytes.size(), facts.tableName,
        facts.table == kTabSeparatedTable);
    EXPECT_EQ(text, c.text);

    const ConversionResult table = Convert(c.fileName, c.table);
    const ConversionResult edited = Convert("edited.txt", text);
    EXPECT_EQ(edited.converted, table.converted);
    if (table.converted) {
      EXPECT_EQ(DatabaseBytes(edited.database), DatabaseBytes(table.database));
    }
  }
}

}  // namespace
