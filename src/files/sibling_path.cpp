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
  const char* cut = nameStart < length ? std::strchr(path + nameStart + 1, '.') : nullptr;
  std::string sibling(path, cut ? static_cast<std::size_t>(cut - path) : length);
  sibling += extension;
  return sibling;
}
