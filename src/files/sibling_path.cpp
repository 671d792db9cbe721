#include "files/sibling_path.h"

#include <cctype>
#include <cstring>

std::string SiblingPath(const char* path, const char* extension) {
  const std::size_t length = std::strlen(path);
  std::size_t nameStart = 0;
  if (length >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
    nameStart = 2;
  }
  for (std::size_t i = nameStart; i < length; ++i) {
    if (path[i] == '/' || path[i] == '\\') nameStart = i + 1;
  }
  std::size_t cut = length;
  for (std::size_t i = nameStart + 1; i < length; ++i) {
    if (path[i] == '.') cut = i;
  }
  std::string sibling(path, cut);
  sibling += extension;
  return sibling;
}
