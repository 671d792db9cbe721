// An independent reading of a database file for the tests: it decodes the
// bytes from the file format alone and checks every rule of the layout: the
// header's fixed fields, a name of 1 to 31 bytes and no control byte, one
// list entry per record pointing where its body starts, the filler bytes,
// bodies of 16 zero bytes, a text without NUL and one NUL, and nothing after
// the last body.
#ifndef QDCONV_TESTS_END_TO_END_DATABASE_CONTENTS_H_
#define QDCONV_TESTS_END_TO_END_DATABASE_CONTENTS_H_

#include <string>
#include <vector>

struct DatabaseContents {
  std::string name;
  std::vector<std::string> texts;
};

// Decode |bytes| into |contents|. Returns "" for a well-formed file, else what
// is wrong with it.
std::string ReadDatabaseContents(const std::string& bytes, DatabaseContents& contents);

#endif  // QDCONV_TESTS_END_TO_END_DATABASE_CONTENTS_H_
