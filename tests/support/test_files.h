// Helpers for unit tests: anonymous files filled with given bytes, the bytes
// written to such a file, and hex fixtures.
#ifndef QDCONV_TESTS_UNIT_TEST_FILES_H_
#define QDCONV_TESTS_UNIT_TEST_FILES_H_

#include <cstdio>
#include <string>

// A temporary file holding |bytes|, positioned at its start.
std::FILE* FileWithBytes(const std::string& bytes);

// Everything written to |file| so far.
std::string BytesOfFile(std::FILE* file);

// The bytes of a fixture file of hexadecimal pairs; '#' starts a comment that
// runs to the end of its line, and white space is ignored.
std::string ReadHexFixture(const std::string& name);

#endif  // QDCONV_TESTS_UNIT_TEST_FILES_H_
