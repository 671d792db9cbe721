// The converter's fixed console texts, as the tests expect them.
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

#endif  // QDCONV_TESTS_END_TO_END_CONSOLE_TEXTS_H_
