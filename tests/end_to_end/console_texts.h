// The programs' fixed console texts, as the tests expect them.
#ifndef QDCONV_TESTS_END_TO_END_CONSOLE_TEXTS_H_
#define QDCONV_TESTS_END_TO_END_CONSOLE_TEXTS_H_

#include <string>

const std::string kUsageText = "Command Line Argument Usage:\n qdconv.exe <input_file>\n";

// Printed at the start of every run.
const std::string kFixedBlock =
    "Quendle <- Text file conversion Utility\n"
    "Version 1.1\n"
    "\n"
    "\n"
    "The format of the text file must be one question per line,\n"
    "followed by an answer line,\n"
    "with no final return character on the last line\n"
    "\n" +
    kUsageText;

const std::string kRecoveryUsage = "Command Line Argument Usage:\n qdtext.exe <database_file>\n";

// Printed at the start of every run of qdtext.
const std::string kRecoveryFixedBlock =
    "Quendle -> Text file recovery Utility\n"
    "Version 1.1\n"
    "\n"
    "\n"
    "Writes the question file of a database beside it: the database name\n"
    "on the first line, then one line per record, each question line\n"
    "followed by its answer line\n"
    "\n" +
    kRecoveryUsage;

// A line of standard error: a hint after a stop, or a warning.
inline std::string Hint(const std::string& text) { return "Hint: " + text + "\n"; }
inline std::string Warning(const std::string& text) { return "Warning: " + text + "\n"; }

#endif  // QDCONV_TESTS_END_TO_END_CONSOLE_TEXTS_H_
