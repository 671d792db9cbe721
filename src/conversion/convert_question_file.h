// The whole conversion of one question file into its database file, with every
// console message of it on standard output.
//
// The question file is read twice: the first pass tests and measures every
// record line, the header and record list are written from the sizes, and the
// second pass writes the record bodies. The run stops at its first error after
// printing one message.
//
// The database is written whole or not at all (files/output_file.h): a run
// that stops, whatever the reason, leaves the database path exactly as it was
// before, and leaves no other file behind. Every file the run opens is closed
// before it returns.
#ifndef QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
#define QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_

// Returns true when the complete database was written, false after a stop.
bool ConvertQuestionFile(const char* questionPath);

#endif  // QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
