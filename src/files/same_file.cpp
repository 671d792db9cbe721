#include "files/same_file.h"

#include <filesystem>
#include <system_error>

bool IsSameFile(const char* firstPath, const char* secondPath) {
  std::error_code error;
  const bool same = std::filesystem::equivalent(firstPath, secondPath, error);
  return same && !error;
}
