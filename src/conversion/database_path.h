// Where the database file of a question file goes: beside it, with the
// extension ".pdb" (the rule is SiblingPath's, files/sibling_path.h).
#ifndef QDCONV_CONVERSION_DATABASE_PATH_H_
#define QDCONV_CONVERSION_DATABASE_PATH_H_

#include <string>

std::string DeriveDatabasePath(const char* questionPath);

// The warning for two question files (the first two %s) that make databases
// of one name (the third): the console's, and the web page's for several
// files.
const char kSameDatabaseNameWarning[] =
    "\"%s\" and \"%s\" both make a database named \"%s\": the handheld keeps one database "
    "per name, so only one of them stays installed";

#endif  // QDCONV_CONVERSION_DATABASE_PATH_H_
