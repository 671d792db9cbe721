#include "conversion/database_path.h"

#include <cstring>

std::string DeriveDatabasePath(const char* questionPath) {
  const char* firstDot = std::strchr(questionPath, '.');
  const std::size_t stemLength =
      firstDot ? static_cast<std::size_t>(firstDot - questionPath)
               : std::strlen(questionPath);
  std::string databasePath(questionPath, stemLength);
  databasePath += ".pdb";
  return databasePath;
}
