// Where the database file of a question file goes: beside it, with the
// extension ".pdb" (the rule is SiblingPath's, files/sibling_path.h).
#ifndef QDCONV_CONVERSION_DATABASE_PATH_H_
#define QDCONV_CONVERSION_DATABASE_PATH_H_

#include <string>

std::string DeriveDatabasePath(const char* questionPath);

#endif  // QDCONV_CONVERSION_DATABASE_PATH_H_
