#include "palm_report.h"

#include <cstdio>
#include <memory>

#include "converter_process.h"

namespace {

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : bytes) {
    hex += kDigits[c >> 4];
    hex += kDigits[c & 15];
  }
  return hex;
}

}  // namespace

std::string PalmReport(const std::string& path) {
  const std::string command = "perl " + ShellQuote(QDCONV_READ_PDB_SCRIPT) + " " +
                              ShellQuote(path) + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string report;
  char block[4096];
  std::size_t got;
  while (pipe && (got = std::fread(block, 1, sizeof block, pipe.get())) > 0) {
    report.append(block, got);
  }
  return report;
}

std::string ExpectedPalmReport(const DatabaseContents& contents) {
  std::string report = "name " + Hex(contents.name) + "\ntype QdDb\ncreator Qndl\n" +
                       "records " + std::to_string(contents.texts.size()) + "\n";
  for (const std::string& text : contents.texts) {
    report += Hex(std::string(16, '\0') + text + '\0') + "\n";
  }
  return report;
}
