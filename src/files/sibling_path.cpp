#include "files/sibling_path.h"

#include <cctype>
#include <cstring>

std::size_t FileNameStart(const char* path) {
  const std::size_t length = std::strlen(path);
  std::size_t nameStart = 0;
  if (length >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') {
    nameStart = 2;
  }
  for (std::size_t i = nameStart; i < length; ++i) {
    if (path[i] == '/' || path[i] == '\\') nameStart = i + 1;
  }
  return nameStart;
}

bool HasExtension(const char* path, const char* extension) {
  const std::size_t length = std::strlen(path), extensionLength = std::strlen(extension);
  if (length < extensionLength) return false;
  for (std::size_t i = 0; i < extensionLength; ++i) {
    if (std::tolower(static_cast<unsigned char>(path[length - extensionLength + i])) !=
        std::tolower(static_cast<unsigned char>(extension[i]))) {
      return false;
    }
  }
  return true;
}

std::string SiblingPath(const char* path, const char* extension) {
  const std::size_t length = std::strlen(path);
  const std::size_t nameStart = FileNameStart(path);
  std::size_t cut = length;
  for (std::size_t i = nameStart + 1; i < length; ++i) {
    if (path[i] == '.') cut = i;
  }
  std::string sibling(path, cut);
  sibling += extension;
  return sibling;
}
