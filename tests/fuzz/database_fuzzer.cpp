// libFuzzer target: any bytes as a database, through the real way back
// (qdtext's run), then through the converter. After each run it fails loudly
// when
//   - the database is no longer what it was,
//   - a refused database leaves any file behind,
//   - a question file written does not convert back, or converts to a
//     database whose name and records differ from what the database holds,
//     as a plain reading of its record list tells.
// Sanitizers catch crashes; libFuzzer's timeout catches hangs.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "frontend/convert_file.h"
#include "database_contents.h"
#include "frontend/recover_file.h"

namespace {

std::string folderPath;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "qdtext fuzz: %s\n", what.c_str());
  std::abort();
}

std::uint32_t Number(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = 0; i < width; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// What a database that qdtext took holds, read plainly: the name field up to
// its NUL without a final LF, and each record's bytes after its 16-byte
// prefix up to their NUL.
DatabaseContents PlainReading(const std::string& bytes) {
  DatabaseContents contents;
  contents.name = bytes.substr(0, bytes.find('\0'));
  if (!contents.name.empty() && contents.name.back() == '\n') contents.name.pop_back();
  const std::uint32_t count = Number(bytes, 76, 2);
  for (std::uint32_t k = 0; k < count; ++k) {
    const std::size_t start = Number(bytes, 78 + 8 * k, 4) + 16;
    contents.texts.push_back(bytes.substr(start, bytes.find('\0', start) - start));
  }
  return contents;
}

int FileCount() {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folderPath)) {
    (void)entry;
    ++files;
  }
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char folder[] = "/tmp/qdtextfuzzXXXXXX";
  if (!mkdtemp(folder)) Fail("no scratch folder");
  folderPath = folder;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string database(reinterpret_cast<const char*>(data), size);
  const std::string databasePath = folderPath + "/d.pdb";
  const std::string questionPath = folderPath + "/d.txt";
  const std::string againPath = folderPath + "/again.pdb";
  std::filesystem::remove(questionPath);
  std::filesystem::remove(againPath);
  WriteBytes(databasePath, database);
  if (!std::freopen((folderPath + "/console").c_str(), "w", stdout)) Fail("no console file");

  FileWorkDone done;
  const bool recovered = RecoverFile(databasePath.c_str(), PlainCommandLine(), "", done);
  if (ReadBytes(databasePath) != database) Fail("the database changed");
  if (!recovered) {
    if (FileCount() != 2) Fail("a refused database left a file behind");
    return 0;
  }
  std::filesystem::rename(questionPath, folderPath + "/again.txt");
  if (!ConvertFile((folderPath + "/again.txt").c_str(), PlainCommandLine(), "", done)) {
    Fail("the question file written does not convert back");
  }
  std::fflush(stdout);
  DatabaseContents again;
  const std::string fault = ReadDatabaseContents(ReadBytes(againPath), again);
  if (!fault.empty()) Fail("malformed database from the question file: " + fault);
  const DatabaseContents original = PlainReading(database);
  if (again.name != original.name) Fail("the name came back changed");
  if (again.texts != original.texts) Fail("the records came back changed");
  std::filesystem::remove(folderPath + "/again.txt");
  return 0;
}
