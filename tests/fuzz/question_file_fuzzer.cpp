// libFuzzer target: any bytes as a question file, or as a table (CSV or
// tab-separated, as the input's last byte chooses), through the real
// conversion, over an old database. After each run it fails loudly when
//   - the question file is no longer what it was,
//   - a run that reports success leaves a database that breaks a rule of the
//     layout, or whose records disagree with the console's summary (twice, or
//     twice plus one, as many records as questions),
//   - a run that reports a stop leaves the old database changed,
//   - any other file is left in the folder.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "frontend/convert_file.h"
#include "database_contents.h"

namespace {

std::string folderPath;
std::string questionPaths[3];
std::string databasePath;
std::string consolePath;

const char kOldDatabase[] = "an old database";

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const std::string& path, bool* exists) {
  std::ifstream in(path, std::ios::binary);
  *exists = static_cast<bool>(in);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  return bytes.str();
}

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "qdconv fuzz: %s\n", what.c_str());
  std::abort();
}

// The number of questions when the console ends with the summary
// ("Questions converted: N" and a line feed, which no stop message ends
// with), or -1.
long SummaryCount(const std::string& console) {
  const std::string label = "Questions converted: ";
  if (console.empty() || console.back() != '\n') return -1;
  std::size_t digits = console.size() - 1;
  while (digits > 0 && console[digits - 1] >= '0' && console[digits - 1] <= '9') --digits;
  if (digits == console.size() - 1 || digits < label.size() ||
      console.compare(digits - label.size(), label.size(), label) != 0) {
    return -1;
  }
  return std::strtol(console.c_str() + digits, nullptr, 10);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char folder[] = "/tmp/qdconvfuzzXXXXXX";
  if (!mkdtemp(folder)) Fail("no scratch folder");
  folderPath = folder;
  questionPaths[0] = std::string(folder) + "/q.txt";
  questionPaths[1] = std::string(folder) + "/q.csv";
  questionPaths[2] = std::string(folder) + "/q.tsv";
  databasePath = std::string(folder) + "/q.pdb";
  consolePath = std::string(folder) + "/console";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string question(reinterpret_cast<const char*>(data), size);
  const std::string& questionPath = questionPaths[size > 0 ? data[size - 1] % 3 : 0];
  WriteBytes(questionPath, question);
  WriteBytes(databasePath, kOldDatabase);
  if (!std::freopen(consolePath.c_str(), "w", stdout)) Fail("no console file");

  FileWorkDone done;
  const bool converted = ConvertFile(questionPath.c_str(), PlainCommandLine(), "", done);
  std::fflush(stdout);

  bool exists = false;
  if (ReadBytes(questionPath, &exists) != question) Fail("the question file changed");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folderPath)) {
    (void)entry;
    ++files;
  }
  if (files != 3) Fail("a file other than the question file, database and console is left");
  std::filesystem::remove(questionPath);
  const std::string console = ReadBytes(consolePath, &exists);
  const std::string database = ReadBytes(databasePath, &exists);
  if (!converted) {
    if (database != kOldDatabase) Fail("a stopped run changed the old database");
    return 0;
  }
  const long questions = SummaryCount(console);
  if (questions < 0) Fail("a successful run did not end with its summary");
  DatabaseContents contents;
  const std::string fault = ReadDatabaseContents(database, contents);
  if (!fault.empty()) Fail("malformed database: " + fault);
  if (static_cast<long>(contents.texts.size()) / 2 != questions) {
    Fail("the summary does not match the records");
  }
  if (contents.texts.size() > 3000) Fail("more than 3000 records");
  return 0;
}
