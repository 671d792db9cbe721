#include "test_files.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::FILE* FileWithBytes(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  if (!file) throw std::runtime_error("no temporary file");
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

std::string BytesOfFile(std::FILE* file) {
  std::fflush(file);
  std::rewind(file);
  std::string bytes;
  char block[4096];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, got);
  return bytes;
}

std::string ReadHexFixture(const std::string& name) {
  std::ifstream in(std::string(QDCONV_FIXTURES_DIR) + "/" + name);
  if (!in) throw std::runtime_error("missing fixture " + name);
  std::string bytes, line;
  while (std::getline(in, line)) {
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string pair;
    while (words >> pair) bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
  }
  return bytes;
}
