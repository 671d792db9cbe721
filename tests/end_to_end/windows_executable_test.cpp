// What Explorer's Properties show of the Windows executables: the version
// information in their resources.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "converter_process.h"

namespace {

std::string Utf16(const std::string& ascii) {
  std::string utf16;
  for (char c : ascii) utf16 += std::string(1, c) + '\0';
  return utf16;
}

// The value of the version information string |key| in |executable|, or "".
std::string VersionString(const std::string& executable, const std::string& key) {
  const std::string bytes = ReadFileBytes(executable);
  std::size_t at = bytes.find(Utf16(key) + std::string(2, '\0'));
  if (at == std::string::npos) return "";
  at += 2 * key.size() + 2;
  while (at + 1 < bytes.size() && bytes[at] == '\0' && bytes[at + 1] == '\0') at += 2;
  std::string value;
  for (; at + 1 < bytes.size() && (bytes[at] != '\0' || bytes[at + 1] != '\0'); at += 2) {
    value += bytes[at];
  }
  return value;
}

}  // namespace

TEST(WindowsExecutableTest, CarriesVersionInformation) {
  if (!IsWindowsRun()) GTEST_SKIP() << "needs the Windows build";
  const struct {
    std::string executable;
    std::string name;
    std::string description;
  } programs[] = {
      {ConverterExecutable(), "qdconv", "Converts a question file into a Quendle tutor database"},
      {RecoveryExecutable(), "qdtext", "Writes the question file of a Quendle tutor database"},
  };
  for (const auto& program : programs) {
    EXPECT_EQ(VersionString(program.executable, "ProductName"), "qdconv") << program.name;
    EXPECT_EQ(VersionString(program.executable, "ProductVersion"), "1.1") << program.name;
    EXPECT_EQ(VersionString(program.executable, "FileVersion"), "1.1") << program.name;
    EXPECT_EQ(VersionString(program.executable, "LegalCopyright"),
              "Copyright (c) 2026 the qdconv authors. MIT License.")
        << program.name;
    EXPECT_EQ(VersionString(program.executable, "FileDescription"), program.description);
    EXPECT_EQ(VersionString(program.executable, "OriginalFilename"), program.name + ".exe");
  }
}
