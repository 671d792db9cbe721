#include "console/echo_line.h"

#include <cstdio>

#include "console/console_text.h"
#include "files/native_path.h"

void PrintEchoLine(const char* inputPath, const char* outputPath, const std::string& nameBytes,
                   const std::string& nameUtf8) {
  const std::string bytes =
      PathForConsole(inputPath) + " " + PathForConsole(outputPath) + " " + nameBytes + "\n";
  const std::string utf8 = std::string(inputPath) + " " + outputPath + " " + nameUtf8 + "\n";
  WriteConsoleText(stdout, utf8, &bytes);
}
