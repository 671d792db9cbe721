// The limits of a quiz, one value each, for every part that reads or writes
// one: the converter reading a question file or a table, the database
// writer and reader, and qdtext writing a question file back. A question
// file within them converts; a database within them comes back.
#ifndef QDCONV_LIMITS_QUIZ_LIMITS_H_
#define QDCONV_LIMITS_QUIZ_LIMITS_H_

#include <cstddef>

// The most bytes of text a record line with a line end holds.
const std::size_t kMaxRecordLineLength = 200;

// The most bytes of text a record holds: what a line without line end (the
// last line, or one whose text a NUL ends) keeps, what a line buffer of 4000
// bytes holds besides its NUL. The console shows no more of a line either.
const std::size_t kMaxRecordTextLength = 3999;

// The most records (question and answer lines) a database holds.
const int kMaxRecordCount = 3000;

// The most bytes of a database name; its field in the header keeps a NUL
// after it.
const std::size_t kMaxDatabaseNameLength = 31;

// The byte (and character) that ends a question file's text.
const unsigned char kEndOfFileByte = 0x1A;

#endif  // QDCONV_LIMITS_QUIZ_LIMITS_H_
