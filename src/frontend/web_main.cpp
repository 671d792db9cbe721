// The web page's entry: the conversion and the way back as functions the page
// calls (from JavaScript, on files in its in-memory file system), instead of
// the console dialogue. The page shows the run's message with its warnings
// and hints, and for a database its name and number of questions; it never
// pauses.
#include <cstring>
#include <string>

#include "charset/utf8.h"
#include "console/run_message.h"
#include "console/run_notes.h"
#include "conversion/convert_question_file.h"
#include "conversion/database_path.h"
#include "database/database_reader.h"
#include "files/sibling_path.h"
#include "recovery/recover_question_file.h"

namespace {

std::string answer;  // what the last call returned, kept while the page reads it

const char* Answer(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

}  // namespace

extern "C" {

// Convert the question file at |questionPath|, as qdconv does. Returns 1 when
// the database was written (at PageOutputPath(questionPath, 1)).
int ConvertForPage(const char* questionPath) {
  ClearRunNotes();
  return ConvertQuestionFile(questionPath);
}

// Write the question file of the database at |databasePath|, as qdtext does.
// Returns 1 when it was written (at PageOutputPath(databasePath, 0)).
int RecoverForPage(const char* databasePath) {
  ClearRunNotes();
  return RecoverQuestionFile(databasePath);
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
