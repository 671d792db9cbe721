#include "database_contents.h"

#include <cstdint>

namespace {

std::uint32_t Number(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

}  // namespace

std::string ReadDatabaseContents(const std::string& bytes, DatabaseContents& contents) {
  contents = {};
  if (bytes.size() < 80) return "shorter than a header and filler";
  const std::string nameField = bytes.substr(0, 32);
  const std::size_t nameEnd = nameField.find('\0');
  if (nameEnd == std::string::npos || nameEnd == 0) return "name is not 1 to 31 bytes";
  if (nameField.find_first_not_of('\0', nameEnd) != std::string::npos) {
    return "name field holds bytes after the name's NUL";
  }
  contents.name = nameField.substr(0, nameEnd);
  for (unsigned char c : contents.name) {
    if (c < 0x20 || c == 0x7F) return "name holds a control byte";
  }

  const std::string fixed = std::string(4, '\0') + "\x33\x33\x26\x75\x33\x33\x26\x75" +
                            std::string(16, '\0') + "QdDbQndl" + std::string(8, '\0');
  if (bytes.substr(32, 44) != fixed) return "fixed header fields differ";

  const std::uint32_t count = Number(bytes, 76, 2);
  const std::size_t bodiesStart = 80 + 8 * static_cast<std::size_t>(count);
  if (bytes.size() < bodiesStart) return "record list runs past the end";
  if (bytes.substr(bodiesStart - 2, 2) != "\x8C" + std::string(1, '\0')) {
    return "filler bytes are not 8C 00";
  }
  std::size_t expectedOffset = bodiesStart;
  for (std::uint32_t k = 0; k < count; ++k) {
    const std::size_t entry = 78 + 8 * static_cast<std::size_t>(k);
    if (Number(bytes, entry, 4) != expectedOffset) {
      return "entry " + std::to_string(k) + " does not point where its body starts";
    }
    if (Number(bytes, entry + 4, 4) != 0) return "entry attributes or ID not zero";
    if (bytes.size() < expectedOffset + 17 ||
        bytes.substr(expectedOffset, 16) != std::string(16, '\0')) {
      return "body " + std::to_string(k) + " has no zero prefix";
    }
    const std::size_t textEnd = bytes.find('\0', expectedOffset + 16);
    if (textEnd == std::string::npos) return "body " + std::to_string(k) + " has no NUL";
    contents.texts.push_back(bytes.substr(expectedOffset + 16, textEnd - expectedOffset - 16));
    expectedOffset = textEnd + 1;
  }
  if (expectedOffset != bytes.size()) return "bytes follow the last body";
  return "";
}
