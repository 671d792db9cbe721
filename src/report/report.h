// What a run has to say, as data and in order: the lines standard output
// gets (the echo line, the progress numbers, the summary or the message a
// run stops with) and the findings that go with them (warnings about a
// database that was written, hints on what to fix after a stop). Each entry
// carries everything its text needs (places, characters, lengths, counts,
// names) and no text of its own: the console renders it in English
// (console/report_text.h), the web page in the teacher's words.
#ifndef QDCONV_REPORT_REPORT_H_
#define QDCONV_REPORT_REPORT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "charset/unshowable_characters.h"

enum ReportKind : unsigned char {
  // Standard output.
  kEchoLine,             // text: the name as the file holds it; otherText: in UTF-8
  kProgressNumbers,      // number: how many ("0" to number - 1, one a line)
  kQuestionsConverted,   // number: questions
  kQuestionsWritten,     // number: questions (the way back)
  kCouldNotOpenInput,
  kInputTooLarge,        // limit: the most bytes read
  kCouldNotReadInput,
  kCouldNotOpenOutput,
  kInputIsOutput,
  kCouldNotWriteOutput,
  kNotPlainText,         // detail: the DocumentKind
  kUnclosedQuoteAtRecord,     // number: the record, from 1
  kUnshowableInName,
  kUnshowableAtRecord,        // number: the record
  kInvalidTextInName,         // detail: the TextEncoding
  kInvalidTextAtRecord,       // detail: the TextEncoding; number: the record
  kEncodingNotCertain,
  kEncodingsMixed,
  kDatabaseNameInvalid,
  kTooManyRecords,            // limit: records
  kLineTooLongAtRecord,       // number: the record
  kNotADatabaseTooShort,
  kNotADatabaseNameWithoutEnd,
  kOtherApplicationDatabase,          // text: type; otherText: creator (printable ASCII)
  kListRunsPastTheEnd,
  kOffsetIntoHeaderOrList,      // number: the record
  kOffsetPastTheEnd,          // number: the record
  kOffsetBeforeThePrevious,   // number: the record
  kBodyShorterThanItsPrefix,  // number: the record
  kTextWithoutEnd,          // number: the record
  kRecordHoldsLineFeed,       // number: the record
  kRecordHoldsEndOfFile,      // number: the record
  kQuestionFileExists,
  kTextNotWritable,

  // Hints, after a message that stopped the run.
  kHintSystemError,           // text: the path; number: the errno value
  kHintLinkRefused,           // text: the path
  kHintBesideADevice,         // text: the path that would be written
  kHintUnshowable,            // place; character
  kHintInvalidText,           // place; detail: the TextEncoding; number: the byte offset
  kHintLaterUnshowable,       // characters (in cells when place.where is kInCell); number: all
  // detail: the Alphabet; numbers: lines or rows holding its letters, number: all of them
  kHintAlphabetUnshowable,
  kHintUnclosedQuote,         // place
  kHintNoText,
  kHintNameLineEmpty,
  kHintNameEmpty,             // detail: the NameSubject
  kHintNameControlCharacter,  // detail: the NameSubject; character: the byte; number: where, from 1
  kHintNameTooLong,           // detail: the NameSubject; number: its length; limit
  kHintTabSeparatedText,
  kHintCellTooLong,           // place; number: its length; limit
  kHintLineTooLong,           // place; number: its length; limit (a last line's: 3999)
  kHintLastLineTooLong,       // place; number: its length; limit
  kHintTooManyRows,           // number: rows of questions; limit
  kHintTooManyLines,          // number: question and answer lines; limit
  kHintDatabaseGiven,         // text: the question file's path
  kHintOutputIsInput,         // text: the database's path
  kHintNotPlainText,
  kHintSpreadsheet,
  kHintTooLarge,              // text: the path
  kHintNotADatabase,          // text: the database's path
  kHintOtherApplication,      // text: the database's path
  kHintDatabaseDamaged,
  kHintTooManyDatabaseRecords,  // number: records; limit
  kHintNameStartsAsDocument,  // detail: the DocumentKind
  kHintQuestionFileKept,      // text: the question file's path
  kHintRecordTooLongForLine,  // place.line: the record; number: its length; limit
  kHintNoLineHoldsRecord,
  kHintOnlyAnsiHoldsBytes,
  // numbers: the TextEncodings that stay, most likely first; text: a word
  // of the file as its bytes are, which reads differently in them
  kHintEncodingCandidates,
  kHintEncodingMixed,         // place.line: a line not UTF-8; number: a UTF-8 line

  // Warnings, about a file that was written.
  kWarnReadAsMacRoman,
  kWarnReadAsEncoding,        // detail: the TextEncoding its words chose
  kWarnTableNameCut,          // text: the file name; otherText: the name kept; limit
  kWarnHeadingsSkipped,       // place.line: the row; text, otherText: the headings
  kWarnRowsBeyondB,           // numbers: rows; number: all of them
  kWarnEmptyCell,             // place
  kWarnMoreEmptyCells,        // number
  kWarnCellHoldsNul,          // place
  kWarnMoreCellsHoldNul,      // number
  kWarnNoRows,
  kWarnNameCutByNul,
  kWarnBlankLineAtEnd,        // place; detail: 0 question, 1 answer
  kWarnBlankAnswer,           // place; number: the question's line
  kWarnBlankLineShifts,       // place; detail: 0 question, 1 answer
  kWarnMoreBlankLines,        // number
  kWarnLineHoldsNul,          // place
  kWarnMoreLinesHoldNul,      // number
  kWarnNoQuestionLines,
  kWarnOddLineCount,          // number: the lines; place.line: the last
  kWarnRepeatedQuestion,      // numbers: the two lines or rows; detail: 1 when the answers differ
  kWarnMoreRepeatedQuestions,  // number
  kWarnHandheldForm,          // character; numbers: lines or rows; number: all of them
  kWarnByteWithoutLetter,     // character; numbers: lines or rows; number: all of them
  kWarnAnsiQuestionFile,
};

// What a database name that breaks a rule is.
enum NameSubject : unsigned char { kNameLine, kNameFromFileName, kNameOfDatabase };

// Where a finding is, as the teacher sees it.
enum PlaceKind : unsigned char { kNowhere, kAtLine, kInCell, kInFileName };

struct Place {
  PlaceKind where;
  int line;    // the line, or the cell's row, from 1
  int column;  // a cell's column, from 0
};

struct ReportEntry {
  ReportKind kind;
  Place place;
  std::uint64_t number;
  std::uint64_t limit;  // the most a rule allows, for an entry about one
  std::uint32_t character;
  int detail;
  std::string text;
  std::string otherText;
  std::vector<int> numbers;  // lines or rows named, at most kLinesNamedPerWarning
  std::vector<PlacedCharacter> characters;
  bool inTable;  // lines are a table's rows
};

using Report = std::vector<ReportEntry>;

// How many lines or rows of one kind a warning names; the rest it counts.
const int kLinesNamedPerWarning = 5;

// An entry of |kind| with nothing else set; with its place, its number or
// its text (a path, a name) set.
ReportEntry MakeEntry(ReportKind kind);
ReportEntry EntryAt(ReportKind kind, const Place& place);
ReportEntry EntryWithNumber(ReportKind kind, std::uint64_t number);
ReportEntry EntryWithText(ReportKind kind, const std::string& text);

// Add |message| and the hint that gives the system's reason |error| (an
// errno value) for the file at |path|.
void ReportSystemError(ReportKind message, const std::string& path, int error, Report& report);

// Whether the entry goes to standard output (the echo line, the progress
// numbers and the messages); warnings and hints go to standard error.
bool IsStandardOutput(ReportKind kind);
bool IsWarning(ReportKind kind);

#endif  // QDCONV_REPORT_REPORT_H_
