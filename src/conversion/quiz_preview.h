// The quiz a run made or read, record by record, for a page that shows it
// before the database goes onto the handheld: each record's text in UTF-8,
// where it stands (the line of the question file as an editor numbers it, or
// the row of the table as a spreadsheet does; the column is the record's side
// of its pair), and what is wrong with it. Pairs are records 2k (question)
// and 2k + 1 (answer). A run that stopped at a record line shows the lines
// before it and, last, that line.
#ifndef QDCONV_CONVERSION_QUIZ_PREVIEW_H_
#define QDCONV_CONVERSION_QUIZ_PREVIEW_H_

#include <cstddef>
#include <string>
#include <vector>

enum RecordFinding : unsigned char {
  kRecordSound,
  kRecordBlank,              // empty, or only spaces and tabs
  kRecordCutByNul,           // its line held a NUL byte: the text after it is lost
  kQuestionWithoutAnswer,    // the last record of an odd number
  kRecordStoppedTheRun,      // the line the run stopped at, as far as it was read
  // Blank, and the first such line of an odd number of lines: every pair
  // after it moves by one line.
  kRecordBlankShiftsPairs,
};

struct PreviewRecord {
  std::string text;
  int place;  // line number, or table row
  RecordFinding finding;
};

struct QuizPreview {
  bool fromTable;
  std::vector<PreviewRecord> records;
};

// Whether |text[0..length)| is empty or only spaces and tabs.
bool IsBlankText(const char* text, std::size_t length);

// Add record |text[0..length)| of the handheld's character set.
void AddPreviewRecord(const char* text, std::size_t length, int place, RecordFinding finding,
                      QuizPreview& preview);

// Mark the last record, when the records are odd in number and it is sound:
// its question has no answer; and in a question file the first blank record,
// which puts every pair after it off.
void MarkQuestionWithoutAnswer(QuizPreview& preview);

#endif  // QDCONV_CONVERSION_QUIZ_PREVIEW_H_
