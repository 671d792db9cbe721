#include "console/common_hints.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "console/run_notes.h"
#include "database/database_header.h"

namespace {

// A control character as a teacher would name it.
std::string ControlCharacterName(unsigned char byte) {
  if (byte == '\t') return "a tab";
  if (byte == '\r') return "a carriage return (CR)";
  char name[48];
  std::snprintf(name, sizeof name, "the control character 0x%02X", byte);
  return name;
}

}  // namespace

void HintSystemError(const char* path, int error) {
  PrintHint("\"%s\": %s", path, std::strerror(error));
}

void HintOutputNotOpened(const char* path, const OutputFile& file) {
  if (!file.linkRefused) {
    HintSystemError(path, file.error);
    return;
  }
  PrintHint("\"%s\" is a symbolic link that another user made in a folder that every user may "
            "write to: it is not followed, as the system follows no such link; remove it, or "
            "write in a folder of your own",
            path);
}

void HintBesideADevice(const char* outputPath) {
  PrintHint("\"%s\" would be written among the system's devices and processes, where no file "
            "belongs: name the file to write with -o FILE",
            outputPath);
}

void HintDatabaseName(const char* name, std::size_t length, const char* subject) {
  if (length == 0) {
    PrintHint("%s is empty: a name holds at least one character", subject);
    return;
  }
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char byte = static_cast<unsigned char>(name[i]);
    if (byte < 0x20 || byte == 0x7F) {
      PrintHint("%s holds %s at character %i: a name holds no control character", subject,
                ControlCharacterName(byte).c_str(), static_cast<int>(i + 1));
      break;
    }
  }
  if (length > kMaxDatabaseNameLength) {
    // A question file is far smaller than 2^31 bytes (line_rules.h).
    PrintHint("%s is %i characters long: a name holds at most %i", subject,
              static_cast<int>(length), static_cast<int>(kMaxDatabaseNameLength));
  }
}
