// What the programs derive from a question file's path: where its database
// goes (beside it, with the extension ".pdb"; the rule is SiblingPath's,
// files/sibling_path.h), and what the conversion needs to know of its name
// (conversion/convert_question_file.h): whether it is a table (its name ends
// in ".csv" or ".tsv", in any case) and the name a table's database gets.
#ifndef QDCONV_FRONTEND_QUESTION_PATHS_H_
#define QDCONV_FRONTEND_QUESTION_PATHS_H_

#include <string>

#include "conversion/convert_question_file.h"

std::string DeriveDatabasePath(const char* questionPath);

QuestionFileFacts QuestionFileFactsOf(const char* questionPath);

// The warning for two question files (the first two %s) that make databases
// of one name (the third): the console's, and the web page's for several
// files.
const char kSameDatabaseNameWarning[] =
    "\"%s\" and \"%s\" both make a database named \"%s\": the handheld keeps one database "
    "per name, so only one of them stays installed";

#endif  // QDCONV_FRONTEND_QUESTION_PATHS_H_
