#include "files/same_file.h"

#include <filesystem>
#include <system_error>

#include "files/native_path.h"

bool IsSameFile(const char* firstPath, const char* secondPath) {
  std::error_code error;
  const bool same =
      std::filesystem::equivalent(NativePath(firstPath), NativePath(secondPath), error);
  return same && !error;
}
