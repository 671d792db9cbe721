#include "console/run_message.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

char lastMessage[256];

void PrintAndKeep(const char* format, std::va_list arguments) {
  std::va_list copy;
  va_copy(copy, arguments);
  std::vfprintf(stdout, format, arguments);
  std::vsnprintf(lastMessage, sizeof lastMessage, format, copy);
  va_end(copy);
  const std::size_t length = std::strlen(lastMessage);
  if (length > 0 && lastMessage[length - 1] == '\n') lastMessage[length - 1] = '\0';
}

}  // namespace

void PrintRunMessage(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  PrintAndKeep(format, arguments);
  va_end(arguments);
}

bool StopWithMessage(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  PrintAndKeep(format, arguments);
  va_end(arguments);
  return false;
}

const char* LastRunMessage() { return lastMessage; }
