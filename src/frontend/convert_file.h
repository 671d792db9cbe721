// qdconv's work on one question file: read it whole (files/), convert it
// (conversion/convert_question_file.h), write and commit its database
// (files/output_file.h), and print the run's report (console/). The database
// goes to |output|, or, when it is null, beside the question file, except
// beside a device in /dev or /proc (files/system_folder.h), which stops the
// run. A |questionPath| of "-" is standard input.
//
// The database is written whole or not at all: a run that stops, whatever
// the reason, leaves the database path exactly as it was before, and leaves
// no other file behind. Its warnings are printed once it is on the disk.
#ifndef QDCONV_FRONTEND_CONVERT_FILE_H_
#define QDCONV_FRONTEND_CONVERT_FILE_H_

#include "frontend/console_dialogue.h"

// Returns true when the complete database was written; |done| then tells
// where and its name.
bool ConvertFile(const char* questionPath, const CommandLine& line, const std::string& subject,
                 FileWorkDone& done);

#endif  // QDCONV_FRONTEND_CONVERT_FILE_H_
