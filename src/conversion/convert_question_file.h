// The whole conversion of one question file into its database file, with every
// console message of it on standard output, and its warnings and hints on
// standard error (console/run_notes.h).
//
// The question file is read once, whole, into memory (files/whole_file.h);
// everything after works on that one reading: telling and decoding its
// encoding, testing and measuring every record line, and writing the
// database from the same bytes. A file that changes or vanishes during the
// run cannot mix two versions into one database, and a pipe converts like a
// regular file. A read that fails part-way stops the run. The run stops at
// its first error after printing one message and a hint on what to fix. A
// word processor's document (conversion/document_kind.h) stops it where the
// name is checked. A database that is written but holds blank, cut or
// unpaired lines is followed by warnings (conversion/record_warnings.h).
//
// The database is written whole or not at all (files/output_file.h): a run
// that stops, whatever the reason, leaves the database path exactly as it was
// before, and leaves no other file behind. Every file the run opens is closed
// before it returns.
#ifndef QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
#define QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_

#include "conversion/quiz_preview.h"

// The database goes to |databasePath|, or, when it is null, beside the
// question file (conversion/database_path.h), except beside a device in
// /dev or /proc (files/system_folder.h), which stops the run. A |questionPath| of
// "-" is standard input, read as a question file.
//
// Returns true when the complete database was written, false after a stop.
bool ConvertQuestionFile(const char* questionPath, const char* databasePath = nullptr);

// The same, and |preview| holds the records with their lines or rows and
// findings: all of them when the database was written; after a stop at a
// record line, those before it and that line; otherwise none.
bool ConvertQuestionFile(const char* questionPath, QuizPreview& preview);

#endif  // QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
