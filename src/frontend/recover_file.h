// qdtext's work on one database: read it whole (files/), recover its question
// file (recovery/recover_question_file.h), write and commit that file
// (files/output_file.h), and print the run's report (console/). The question
// file goes to |output|, or, when it is null, beside the database (its path
// with ".txt"), except beside a device in /dev or /proc, which stops the run.
//
// An existing question file is never replaced: it is the teacher's original.
// The question file is written whole or not at all.
#ifndef QDCONV_FRONTEND_RECOVER_FILE_H_
#define QDCONV_FRONTEND_RECOVER_FILE_H_

#include "frontend/console_dialogue.h"

// Returns true when the complete question file was written; |done| then
// tells which database was read and its name.
bool RecoverFile(const char* databasePath, const CommandLine& line, const std::string& subject,
                 FileWorkDone& done);

#endif  // QDCONV_FRONTEND_RECOVER_FILE_H_
