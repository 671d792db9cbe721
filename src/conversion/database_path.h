// Where the database file of a question file goes: the question file's path up
// to its first '.', wherever that stands (a directory name, or the very first
// byte), followed by ".pdb". A path without '.' gets ".pdb" appended whole.
// Directory separators play no part. Paths of any length are handled.
#ifndef QDCONV_CONVERSION_DATABASE_PATH_H_
#define QDCONV_CONVERSION_DATABASE_PATH_H_

#include <string>

std::string DeriveDatabasePath(const char* questionPath);

#endif  // QDCONV_CONVERSION_DATABASE_PATH_H_
