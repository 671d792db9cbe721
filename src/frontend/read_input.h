// Reading the file a program works on, whole and once (files/whole_file.h):
// a question file (or "-", standard input) for qdconv, a database for
// qdtext. A read that fails is reported as the run's message and a hint.
#ifndef QDCONV_FRONTEND_READ_INPUT_H_
#define QDCONV_FRONTEND_READ_INPUT_H_

#include <vector>

#include "buffer/byte_buffer.h"
#include "report/report.h"

// Read the question file at |path|; false, with |report| saying why, when it
// could not be read or is larger than any question file that converts. The
// bytes come with room for kMaxDatabaseBeyondTexts more (their capacity),
// for the database to be laid out over the text it is converted from.
bool ReadQuestionFile(const char* path, ByteBuffer& bytes, Report& report);

// Read the database at |path|, a regular file of at most kMaxDatabaseFileSize
// bytes; false, with |report| saying why, when it cannot be read.
bool ReadDatabaseFile(const char* path, ByteBuffer& bytes, Report& report);

// The most bytes qdtext reads of a database: far more than the largest
// database qdconv writes (3000 records of 3999 bytes), for one with gaps
// between its records or data after them.
const unsigned long long kMaxDatabaseFileSize = 64ull << 20;

#endif  // QDCONV_FRONTEND_READ_INPUT_H_
