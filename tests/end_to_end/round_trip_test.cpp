// The way back holds: for a database that qdconv writes, qdtext writes a
// question file from which qdconv writes the same database again, byte for
// byte. Checked on the fixtures and on generated question files in ASCII,
// in the handheld's own code page (ANSI, named on the command line: random
// bytes are no words to tell a code page by) and in UTF-8. Ž and ž, which
// only an ANSI file holds, come back as ANSI: recovery_test.cpp has them.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "converter_process.h"
#include "test_files.h"

namespace {

// Characters of the handheld's character set beyond ASCII, in UTF-8.
const char* const kUtf8Characters[] = {
    "\xC3\xA9", "\xC3\xA0", "\xC3\xA8", "\xC3\xB9", "\xC3\xA7", "\xC3\x89", "\xC3\xBF", "\xC2\xA0",
    "\xC2\xAB", "\xC2\xBB", "\xC2\xB0", "\xE2\x82\xAC", "\xE2\x80\x9C", "\xE2\x80\x9D",
    "\xE2\x80\x99", "\xE2\x80\x93", "\xE2\x80\x94", "\xE2\x80\xA6", "\xC5\x93", "\xC5\xB8",
    "\xE2\x84\xA2", "\xC2\x81", "\xC2\x9D"};

enum class Flavour { kAscii, kAnsi, kUtf8 };

// A question file that qdconv takes: a name line and up to 12 record lines of
// up to 200 characters (the last up to 300, without line end), with lone CRs
// (some ending a record), LF or CR LF line ends, and sometimes a final line
// end. Now and then a record line holds a NUL, which ends its text (up to 300
// characters before it) and hides what follows up to the line end.
std::string GenerateQuestionFile(std::mt19937& random, Flavour flavour) {
  const auto upTo = [&](int most) { return static_cast<int>(random() % (most + 1)); };
  const auto character = [&](bool inName) -> std::string {
    const int kind = upTo(9);
    if (!inName && kind == 0) return "\r";
    if (flavour == Flavour::kAnsi && kind < 4) {
      const char byte = static_cast<char>(0x80 + upTo(0x7F));
      return std::string(1, byte == '\x8E' || byte == '\x9E' ? '\xE9' : byte);
    }
    if (flavour == Flavour::kUtf8 && kind < 4) {
      return kUtf8Characters[upTo(sizeof kUtf8Characters / sizeof *kUtf8Characters - 1)];
    }
    return std::string(1, static_cast<char>(0x20 + upTo(0x5E)));
  };
  const std::string lineEnd = upTo(1) ? "\r\n" : "\n";
  const bool finalLineEnd = upTo(3) == 0;
  std::string question;
  for (int i = 1 + upTo(30); i > 0; --i) question += character(true);
  const int records = upTo(12);
  for (int k = 0; k < records; ++k) {
    question += lineEnd;
    const bool endless = k + 1 == records && !finalLineEnd;
    if (!endless && upTo(5) == 0) {
      for (int i = upTo(300); i > 0; --i) question += character(false);
      question += '\0';
      for (int i = upTo(20); i > 0; --i) question += character(false);
      continue;
    }
    const int length = upTo(endless ? 300 : 200);
    for (int i = length; i > 0; --i) question += character(false);
    // A CR right before an LF is read as part of the line end: another CR
    // before it keeps the record's final CR, where the line has room for it.
    if (!endless && question.back() == '\r') {
      if (length < 200) {
        question += '\r';
      } else {
        question.back() = '.';
      }
    }
  }
  if (finalLineEnd && records > 0) question += lineEnd;
  return question;
}

// From |database| (written to |folder|/back.pdb): qdtext, then qdconv on the
// question file it wrote. Returns the database that gives.
std::string ThereAndBackAgain(const std::string& folder, const std::string& database) {
  WriteFileBytes(folder + "/back.pdb", database);
  const ConverterRun recovery = RunRecovery(folder, {"back.pdb"});
  EXPECT_EQ(recovery.exitStatus, 0) << recovery.console;
  const ConverterRun conversion = RunConverter(folder, {"back.txt"});
  EXPECT_EQ(conversion.exitStatus, 0) << conversion.console;
  std::remove((folder + "/back.txt").c_str());
  return ReadFileBytes(folder + "/back.pdb");
}

}  // namespace

TEST(RoundTripTest, FixturesComeBackByteForByte) {
  const std::string folder = MakeScratchFolder();
  for (const char* fixture : {"birds.pdb.hex", "capitals.pdb.hex"}) {
    const std::string database = ReadHexFixture(fixture);
    EXPECT_EQ(ThereAndBackAgain(folder, database), database) << fixture;
  }
  RemoveScratchFolder(folder);
}

TEST(RoundTripTest, GeneratedQuestionFilesComeBackByteForByte) {
  std::mt19937 random(20261210);
  const std::string folder = MakeScratchFolder();
  for (Flavour flavour : {Flavour::kAscii, Flavour::kAnsi, Flavour::kUtf8}) {
    for (int i = 0; i < 12; ++i) {
      const std::string question = GenerateQuestionFile(random, flavour);
      WriteFileBytes(folder + "/original.txt", question);
      const ConverterRun conversion =
          flavour == Flavour::kAnsi
              ? RunConverter(folder, {"--encoding=windows-1252", "original.txt"})
              : RunConverter(folder, {"original.txt"});
      ASSERT_EQ(conversion.exitStatus, 0) << conversion.console;
      const std::string database = ReadFileBytes(folder + "/original.pdb");
      EXPECT_EQ(ThereAndBackAgain(folder, database), database)
          << "flavour " << static_cast<int>(flavour) << ", question file "
          << testing::PrintToString(question);
    }
  }
  RemoveScratchFolder(folder);
}
