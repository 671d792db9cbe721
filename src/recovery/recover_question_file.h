// The way back: the question file that makes a database, written beside it
// (the question file's path is the database's with ".txt": SiblingPath), with
// every console message of the run on standard output.
//
// Line 1 is the database name (a final LF, as earlier converters stored it,
// is the name line's end), then one line per record in record order. Text
// comes back in UTF-8, decoded from the handheld's character set (plain ASCII
// stays as it is), with the platform's line ends; the last line has none
// unless it is empty, a record that ends with a CR gets CR LF, and a record
// longer than 200 bytes that is not the last is ended by a NUL before its
// line end (as the line that made it was), so that converting the question
// file gives the same records again. For every
// database that qdconv writes, qdconv converts the question file back into a
// database identical byte for byte.
//
// A database that no question file can make is refused with a message, and
// nothing is written: it is not one of the tutor's databases in good order
// (database/database_reader.h), it has more than 3000 records, its name is
// not a valid name or starts as a document that qdconv refuses does
// (conversion/document_kind.h), or a record holds an LF or a 0x1A or is
// longer than any line keeps (3999 bytes).
//
// An existing question file is never replaced: it is the teacher's original.
// The question file is written whole or not at all (files/output_file.h).
#ifndef QDCONV_RECOVERY_RECOVER_QUESTION_FILE_H_
#define QDCONV_RECOVERY_RECOVER_QUESTION_FILE_H_

#include "conversion/quiz_preview.h"

// The question file goes to |questionPath|, or, when it is null, beside the
// database, except beside a device in /dev or /proc (files/system_folder.h),
// which stops the run. Returns true when the complete question file was
// written.
bool RecoverQuestionFile(const char* databasePath, const char* questionPath = nullptr);

// The same, and when the question file was written, |preview| holds the
// database's records with the lines they are on in it; otherwise it is left
// empty.
bool RecoverQuestionFile(const char* databasePath, QuizPreview& preview);

#endif  // QDCONV_RECOVERY_RECOVER_QUESTION_FILE_H_
