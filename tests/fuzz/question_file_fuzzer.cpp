// libFuzzer target: any bytes as a question file, through the real conversion.
// After each run it fails loudly when
//   - the question file is no longer what it was,
//   - a database file was written that breaks a rule of the layout,
//   - the console and the database disagree: a run that printed its summary
//     leaves a complete database with twice (or twice plus one) as many records
//     as questions, and any other run leaves an empty one or none.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "conversion/convert_question_file.h"
#include "database_contents.h"

namespace {

std::string questionPath;
std::string databasePath;
std::string consolePath;

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
  char folder[] = "/tmp/qdconvfuzzXXXXXX";  // no '.': the database path cuts there
  if (!mkdtemp(folder)) Fail("no scratch folder");
  questionPath = std::string(folder) + "/q.txt";
  databasePath = std::string(folder) + "/q.pdb";
  consolePath = std::string(folder) + "/console";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string question(reinterpret_cast<const char*>(data), size);
  {
    std::ofstream out(questionPath, std::ios::binary | std::ios::trunc);
    out.write(question.data(), static_cast<std::streamsize>(size));
  }
  std::remove(databasePath.c_str());
  if (!std::freopen(consolePath.c_str(), "w", stdout)) Fail("no console file");

  ConvertQuestionFile(questionPath.c_str());
  std::fflush(stdout);

  bool exists = false;
  if (ReadBytes(questionPath, &exists) != question) Fail("the question file changed");
  const std::string console = ReadBytes(consolePath, &exists);
  const std::string database = ReadBytes(databasePath, &exists);
  const long questions = SummaryCount(console);
  if (questions < 0) {
    if (!database.empty()) Fail("a stopped run left a non-empty database");
    return 0;
  }
  DatabaseContents contents;
  const std::string fault = ReadDatabaseContents(database, contents);
  if (!fault.empty()) Fail("malformed database: " + fault);
  if (static_cast<long>(contents.texts.size()) / 2 != questions) {
    Fail("the summary does not match the records");
  }
  if (contents.texts.size() > 3000) Fail("more than 3000 records");
  return 0;
}
