// The conversion of one question file into its database, as a call over
// bytes: the question file's bytes in, one result out. It reads, prints and
// opens nothing and keeps nothing between calls; the console and the web page
// render its report, and the caller writes the database.
//
// Everything works on the one reading of the file: telling and decoding its
// encoding, testing and measuring every record line, and building the
// database from the same bytes. The run stops at its first error, which the
// report then ends with, followed by hints on what to fix. A word processor's
// document (conversion/document_kind.h) stops it where the name is checked.
// A database that is built but holds blank, cut or unpaired lines, repeated
// questions or characters the handheld shows otherwise comes with warnings.
#ifndef QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
#define QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_

#include <cstddef>
#include <string>
#include <vector>

#include "buffer/byte_buffer.h"
#include "charset/encoding_guess.h"
#include "conversion/quiz_preview.h"
#include "database/database_writer.h"
#include "report/report.h"

enum TableKind { kNotATable, kCommaSeparatedTable, kTabSeparatedTable };

// What the rules need to know of the file besides its bytes.
struct QuestionFileFacts {
  TableKind table;
  // For a table: its file name without folder and last extension (UTF-8),
  // which makes the database name, and its whole file name, which a warning
  // names when the name is cut.
  std::string tableName;
  std::string fileName;
  bool withPreview;  // fill the result's preview
  // What the machine and the user say of the file's encoding.
  EncodingChoice encoding;
};

struct ConversionResult {
  bool converted;  // the database is complete
  // What the run says, in order: the echo line, the progress numbers, the
  // summary or the message it stopped with, then hints after a stop or
  // warnings about the database. Entries from |warningsStart| on are said
  // only once the database is safely written.
  Report report;
  std::size_t warningsStart;
  // The database, its record texts where the question file's bytes hold
  // them: those bytes must outlive it.
  DatabaseImage database;
  std::string databaseName;             // bytes of the handheld's character set
  int recordCount;
  // With QuestionFileFacts::withPreview: the records with their lines or
  // rows and findings; after a stop at a record line, those before it and
  // that line.
  QuizPreview preview;
};

// Convert the question file |bytes|, which are decoded in place.
void ConvertQuestionFile(ByteBuffer& bytes, const QuestionFileFacts& facts,
                         ConversionResult& result);

#endif  // QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
