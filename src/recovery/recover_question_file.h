// The way back, as a call over bytes: the question file that makes a
// database, from the database's bytes. It reads, prints and opens nothing;
// the console and the web page render its report, and the caller writes the
// question file (beside the database, the database's path with ".txt").
//
// Line 1 is the database name (a final LF, as earlier converters stored it,
// is the name line's end), then one line per record in record order. Text
// comes back in UTF-8, decoded from the handheld's character set (plain ASCII
// stays as it is), with the platform's line ends; the last line has none
// unless it is empty, a record that ends with a CR gets CR LF, and a record
// longer than 200 bytes that is not the last is ended by a NUL before its
// line end (as the line that made it was), so that converting the question
// file gives the same records again. For every database that qdconv writes,
// qdconv converts the question file back into a database identical byte for
// byte.
//
// A database that no question file can make is refused with a message: it is
// not one of the tutor's databases in good order (database/database_reader.h),
// it has more than 3000 records, its name is not a valid name or starts as a
// document that qdconv refuses does (conversion/document_kind.h), or a record
// holds an LF or a 0x1A or is longer than any line keeps (3999 bytes).
#ifndef QDCONV_RECOVERY_RECOVER_QUESTION_FILE_H_
#define QDCONV_RECOVERY_RECOVER_QUESTION_FILE_H_

#include <cstddef>
#include <string>

#include "conversion/quiz_preview.h"
#include "report/report.h"

struct RecoveryResult {
  bool recovered;  // the question file is complete
  // What the run says, in order: a refusal of the database, or the echo line
  // (entries before |recordsStart|), then a refusal of a record or a warning
  // about the text, and last, when recovered, the summary.
  Report report;
  std::size_t recordsStart;
  std::string questionText;  // the question file's bytes
  std::string databaseName;  // bytes of the handheld's character set
  int recordCount;
  QuizPreview preview;  // when recovered and asked for: the records, at their lines
};

// The question file of the database |bytes[0..size)|, which the messages
// name |databasePath| (the path as given).
void RecoverQuestionFile(const unsigned char* bytes, std::size_t size,
                         const std::string& databasePath, bool withPreview,
                         RecoveryResult& result);

#endif  // QDCONV_RECOVERY_RECOVER_QUESTION_FILE_H_
