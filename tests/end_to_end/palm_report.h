// Palm::PDB, an independent reader of database files, run on the files the
// end-to-end tests write.
#ifndef QDCONV_TESTS_END_TO_END_PALM_REPORT_H_
#define QDCONV_TESTS_END_TO_END_PALM_REPORT_H_

#include <string>

#include "database_contents.h"

// What Palm::PDB reports of the database at |path|, one line per fact, and the
// same report made from |contents| for comparison.
std::string PalmReport(const std::string& path);
std::string ExpectedPalmReport(const DatabaseContents& contents);

#endif  // QDCONV_TESTS_END_TO_END_PALM_REPORT_H_
