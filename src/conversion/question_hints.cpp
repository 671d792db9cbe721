#include "conversion/question_hints.h"

#include "charset/character_names.h"
#include "charset/utf8.h"
#include "console/common_hints.h"
#include "console/run_notes.h"
#include "conversion/line_rules.h"
#include "database/record_list.h"
#include "files/sibling_path.h"

void HintTextFault(const HandheldText& text, TextEncoding encoding, const std::string& place) {
  if (text.fault == kUnmappableCharacter) {
    PrintHint("%s holds %s, a character the handheld cannot show: replace it", place.c_str(),
              CharacterInWords(text.faultCharacter).c_str());
  } else if (text.fault == kInvalidText) {
    PrintHint("%s is not valid %s at byte offset %i of the file: save the file again as %s "
              "from your editor",
              place.c_str(), TextEncodingName(encoding), static_cast<int>(text.faultOffset),
              TextEncodingName(encoding));
  }
}

void HintLaterUnshowable(const LaterUnshowable& later, bool inTable) {
  if (later.count == 0) return;
  std::string list;
  for (const PlacedCharacter& placed : later.named) {
    if (!list.empty()) list += "; ";
    list += inTable ? PlaceInTable(placed.lineOrRow, placed.column)
                    : "line " + std::to_string(placed.lineOrRow) + ", column " +
                          std::to_string(placed.column);
    list += ": " + CharacterInWords(placed.character);
  }
  const int more = later.count - static_cast<int>(later.named.size());
  if (more > 0) list += "; and " + std::to_string(more) + " more";
  PrintHint("the handheld cannot show %s either: %s",
            later.count == 1 ? "this character" : "these characters", list.c_str());
}

void HintUnclosedQuote(const std::string& place) {
  PrintHint("%s starts with a quotation mark (\") that is not closed before the end of the "
            "file: add the closing one, or write it twice (\"\") to keep it as a character",
            place.c_str());
}

void HintDatabaseNameLine(const QuestionLine& nameLine, bool fileHoldsText) {
  if (!fileHoldsText) {
    PrintHint("the file holds no text: write the quiz's name on line 1, then a question "
              "line and an answer line for each question");
    return;
  }
  if (nameLine.length == 0) {
    PrintHint("line 1, the database name, is empty: the quiz's name goes there, with no "
              "blank line before it");
    return;
  }
  HintDatabaseName(nameLine.text, nameLine.length, "line 1, the database name,");
}

void HintLineTooLong(const QuestionLine& line, const RecordOrigin& origin, int index) {
  const std::string place = PlaceOfRecord(origin, index);
  const int length = static_cast<int>(line.length);
  if (origin.tableRows) {
    PrintHint("%s is %i characters long: a cell holds at most %i", place.c_str(), length,
              static_cast<int>(kMaxRecordLineLength));
  } else if (line.endsWithLineFeed) {
    PrintHint("%s is %i characters long: a line holds at most %i (only the last line, "
              "without a line end, up to %i)",
              place.c_str(), length, static_cast<int>(kMaxRecordLineLength),
              static_cast<int>(kMaxRecordTextLength));
  } else {
    PrintHint("%s is %i characters long: even without a line end a line holds at most %i",
              place.c_str(), length, static_cast<int>(kMaxRecordTextLength));
  }
}

void HintTooManyRecords(int recordLineCount, const RecordOrigin& origin) {
  if (origin.tableRows) {
    PrintHint("the table holds %i rows of questions, a database at most %i: split the file "
              "into several",
              origin.tableRowCount, kMaxRecordCount / 2);
    return;
  }
  PrintHint("the file holds %i question and answer lines, a database at most %i (%i "
            "questions): split the file into several",
            recordLineCount, kMaxRecordCount, kMaxRecordCount / 2);
}

void HintSameFile(const char* questionPath, const std::string& databasePath) {
  if (HasExtension(questionPath, ".pdb")) {
    PrintHint("\"%s\" is a database, not a question file: qdtext turns a database back into "
              "its question file",
              questionPath);
  } else {
    PrintHint("\"%s\", where the database goes, leads to the question file itself: rename "
              "one of them",
              databasePath.c_str());
  }
}

void HintNotPlainText() {
  PrintHint("open it in the program that made it, save it as plain text (\"Save as\", type "
            "\"Text\" or \"Plain text (*.txt)\"), and convert the text file");
}

void HintSpreadsheet() {
  PrintHint("open it in the spreadsheet program, save it as \"CSV UTF-8 (Comma delimited) "
            "(*.csv)\" or \"CSV\" (not as \"Text\", which gives tab-separated lines), and "
            "convert the .csv file");
}

bool IsTabSeparatedText(const unsigned char* text, std::size_t length) {
  bool lineHoldsTab = false;
  bool firstLine = true;
  for (std::size_t i = 0, lineStart = 0; i <= length; ++i) {
    if (i < length && text[i] != '\n') {
      lineHoldsTab = lineHoldsTab || text[i] == '\t';
      continue;
    }
    const bool empty = i == lineStart || (i == lineStart + 1 && text[lineStart] == '\r');
    if (!lineHoldsTab && (firstLine || !empty)) return false;
    firstLine = false;
    lineHoldsTab = false;
    lineStart = i + 1;
  }
  return true;
}

void HintTabSeparatedText() {
  PrintHint("every line holds a tab, as a spreadsheet saved as \"Text (Tab delimited)\" "
            "does: rename the file to end in .tsv, or save the spreadsheet as CSV, and convert "
            "that file");
}

void HintTooLarge(const char* questionPath) {
  PrintHint("\"%s\" is larger than any question file that converts (%i lines of at most %i "
            "characters): is it the right file?",
            questionPath, kMaxRecordCount + 1,
            static_cast<int>(kMaxRecordTextLength));
}
