// The web page's entry: the conversion and the way back as functions the page
// calls (from JavaScript, on files in its in-memory file system), instead of
// the console dialogue. The page shows the run's message with its warnings
// and hints, the quiz record by record, and for a database its name and
// number of questions; it never pauses. Its editor gets a file's text from
// here, decoded as the converter reads it.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "charset/text_encoding.h"
#include "charset/utf8.h"
#include "console/run_message.h"
#include "console/run_notes.h"
#include "conversion/convert_question_file.h"
#include "conversion/database_path.h"
#include "conversion/document_kind.h"
#include "conversion/line_rules.h"
#include "conversion/quiz_preview.h"
#include "database/database_reader.h"
#include "files/sibling_path.h"
#include "files/whole_file.h"
#include "recovery/recover_question_file.h"
#include "table/table_question_text.h"
#include "table/table_reader.h"

namespace {

std::string answer;  // what the last call returned, kept while the page reads it
QuizPreview preview;  // of the last run; empty when it stopped

const char* Answer(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

// |text| (UTF-8) as a JSON string.
std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + '"';
}

}  // namespace

extern "C" {

// Convert the question file at |questionPath|, as qdconv does. Returns 1 when
// the database was written (at PageOutputPath(questionPath, 1)).
int ConvertForPage(const char* questionPath) {
  ClearRunNotes();
  return ConvertQuestionFile(questionPath, preview);
}

// Write the question file of the database at |databasePath|, as qdtext does.
// Returns 1 when it was written (at PageOutputPath(databasePath, 0)).
int RecoverForPage(const char* databasePath) {
  ClearRunNotes();
  return RecoverQuestionFile(databasePath, preview);
}

// The warning, as the console gives it, for the question files |first| and
// |second| that both make a database named |name| (UTF-8 all three).
const char* PageSameNameWarning(const char* first, const char* second, const char* name) {
  const int length = std::snprintf(nullptr, 0, kSameDatabaseNameWarning, first, second, name);
  std::string warning(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  std::snprintf(&warning[0], warning.size() + 1, kSameDatabaseNameWarning, first, second, name);
  return Answer("Warning: " + warning);
}

// The records of the last run that completed, as JSON:
//   {"table": false, "records": [[place, "text", finding], ...]}
// with the place a line number (or, for a table, a row) and the finding a
// RecordFinding; no records after a run that stopped.
const char* PagePreview() {
  std::string json = preview.fromTable ? "{\"table\":true,\"records\":["
                                       : "{\"table\":false,\"records\":[";
  for (std::size_t k = 0; k < preview.records.size(); ++k) {
    const PreviewRecord& record = preview.records[k];
    if (k > 0) json += ',';
    json += '[' + std::to_string(record.place) + ',' + JsonString(record.text) + ',' +
            std::to_string(static_cast<int>(record.finding)) + ']';
  }
  return Answer(json + "]}");
}

// How the page's editor shows the file at |path|:
//   - a table: "text" and, after a line feed, the question file it stands
//     for in UTF-8 (TableQuestionTextInUtf8);
//   - a question file: the WHATWG name of its encoding ("utf-8", "utf-16le",
//     "utf-16be", "macintosh", or "windows-1252" for bytes as they are, which is the
//     handheld's character set), to decode it with;
//   - "" for a document, or a file that cannot be read.
const char* PageEditorText(const char* path) {
  std::vector<unsigned char> bytes;
  if (ReadWholeFile(path, kMaxQuestionFileSize, bytes) != kWholeFileRead ||
      DetectDocumentKind(bytes.data(), bytes.size()) != kPlainText) {
    return Answer("");
  }
  bool tabSeparated = false;
  if (IsTablePath(path, tabSeparated)) {
    return Answer("text\n" +
                  TableQuestionTextInUtf8(bytes.data(), bytes.size(), path, tabSeparated));
  }
  switch (DetectTextEncoding(bytes.data(), bytes.size())) {
    case kUtf8:
    case kUtf8WithByteOrderMark:
      return Answer("utf-8");
    case kUtf16LittleEndian:
    case kUtf16LittleEndianWithoutMark:
      return Answer("utf-16le");
    case kUtf16BigEndian:
    case kUtf16BigEndianWithoutMark:
      return Answer("utf-16be");
    case kMacRoman:
      return Answer("macintosh");
    case kBytesAsTheyAre:
      break;
  }
  return Answer("windows-1252");
}

// The message the last run ended with.
const char* PageMessage() { return LastRunMessage(); }

// The warnings and hints of the last run, one per line ("" when none), as the
// console shows them on standard error.
const char* PageNotes() { return RunNotes().c_str(); }

// Where the last run writes what it makes of |inputPath|: the database
// (|toDatabase| 1) or the question file (0).
const char* PageOutputPath(const char* inputPath, int toDatabase) {
  return Answer(toDatabase ? DeriveDatabasePath(inputPath) : SiblingPath(inputPath, ".txt"));
}

// The name of the database at |databasePath| in UTF-8, and its number of
// questions after a tab; "" when it cannot be read.
const char* PageDatabaseSummary(const char* databasePath) {
  static DatabaseReader reader;
  if (!OpenDatabaseFile(databasePath, reader)) return Answer("");
  std::string summary;
  if (ReadDatabaseHeader(reader) == kDatabaseSound) {
    summary = HandheldTextInUtf8(reader.name, reader.nameLength);
    summary += "\t" + std::to_string(reader.recordCount / 2);
  }
  CloseDatabaseFile(reader);
  return Answer(summary);
}

}  // extern "C"
