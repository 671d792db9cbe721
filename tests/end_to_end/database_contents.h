// An independent reading of a database file for the tests: it decodes the
// bytes from the file format alone and checks every rule of the layout.
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

// What Palm::PDB reports of the database at |path|, one line per fact, and the
// same report made from |contents| for comparison.
std::string PalmReport(const std::string& path);
std::string ExpectedPalmReport(const DatabaseContents& contents);

#endif  // QDCONV_TESTS_END_TO_END_DATABASE_CONTENTS_H_
