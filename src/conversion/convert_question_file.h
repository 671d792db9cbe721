// The whole conversion of one question file into its database file, with every
// console message of it on standard output.
//
// The question file is read twice: the first pass tests and measures every
// record line, the header and record list are written from the sizes, and the
// second pass writes the record bodies. The run stops at its first error after
// printing one message. Nothing is written to the database file before the
// first pass has accepted every line, so a stop before then leaves it absent
// (the files could not be opened) or empty; a question file that cannot be
// opened again leaves the header and record list alone; a question file that
// changed between the passes leaves it empty. Every file the run opens is
// closed before it returns.
#ifndef QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
#define QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_

void ConvertQuestionFile(const char* questionPath);

#endif  // QDCONV_CONVERSION_CONVERT_QUESTION_FILE_H_
