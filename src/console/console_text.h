// Text for the console, shown as typed. A Windows console shows bytes in its
// own code page (850 in much of Western Europe), which is neither the ANSI
// code page nor UTF-8, so text written there as bytes loses its letters; it
// goes instead through the console's wide call (WriteConsoleW), as UTF-16.
// Redirected to a file or a pipe, and on every other system, the bytes go
// out unchanged: a script gets what it always got.
#ifndef QDCONV_CONSOLE_CONSOLE_TEXT_H_
#define QDCONV_CONSOLE_CONSOLE_TEXT_H_

#include <cstdio>
#include <string>

// Whether |stream| (stdout or stderr) is a Windows console. Always false on
// other systems.
bool IsWindowsConsole(std::FILE* stream);

// Write |utf8| to |stream|: on a Windows console as UTF-16, after what the
// stream holds buffered; anywhere else as |bytes| (|utf8| itself when null).
void WriteConsoleText(std::FILE* stream, const std::string& utf8,
                      const std::string* bytes = nullptr);

#endif  // QDCONV_CONSOLE_CONSOLE_TEXT_H_
