// The line each program prints once it has read its input: the input's path,
// the path of the file it writes, and the database name, on standard output.
// A console shows it as typed (console_text.h); redirected, the paths go out
// as the console always got them (files/native_path.h: PathForConsole) and
// the name as the caller gives its bytes. The line always ends with a line
// feed, whether or not the name brought one.
#ifndef QDCONV_CONSOLE_ECHO_LINE_H_
#define QDCONV_CONSOLE_ECHO_LINE_H_

#include <string>

// |nameBytes| is what a file or pipe gets of the name, |nameUtf8| the same
// text in UTF-8; the line feed that ends the line is added here.
void PrintEchoLine(const char* inputPath, const char* outputPath, const std::string& nameBytes,
                   const std::string& nameUtf8);

#endif  // QDCONV_CONSOLE_ECHO_LINE_H_
