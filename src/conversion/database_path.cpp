#include "conversion/database_path.h"

#include "files/sibling_path.h"

std::string DeriveDatabasePath(const char* questionPath) {
  return SiblingPath(questionPath, ".pdb");
}
