// The console seam on its own: built for Linux and for Windows, where it runs
// under Wine with its standard streams redirected, as a script runs it. What
// a real console shows is not reached here.
#include <fcntl.h>
#include <stdio.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "charset/utf16.h"
#include "console/console_text.h"
#include "console/pause.h"

#ifdef _WIN32
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define open _open
#define O_RDONLY _O_RDONLY
#else
#include <unistd.h>
#endif

TEST(Utf16OfUtf8Test, EveryCharacterAndNothingLost) {
  const struct {
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"Ann\xC3\xA9" "e 7.b\\\xC3\x89" "conomie.txt", u"Ann\u00E9e 7.b\\\u00C9conomie.txt"},
      {"Fran\xC3\xA7" "ais \xE2\x80\x93 Le\xC3\xA7on 3", u"Fran\u00E7ais \u2013 Le\u00E7on 3"},
      {"\xC5\x81\xC3\xB3" "d\xC5\xBA \xE6\x97\xA5\xE6\x9C\xAC", u"\u0141\u00F3d\u017A \u65E5\u672C"},
      {"\xF0\x9F\x98\x80!", u"\U0001F600!"},
      {"a\xE9z\xC3", u"a\uFFFDz\uFFFD"},
      {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Utf16OfUtf8(c.utf8.data(), c.utf8.size()) == c.utf16) << c.utf8;
  }
}

TEST(ConsoleTextTest, AFileGetsTheBytesAsTheyAre) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  EXPECT_FALSE(IsWindowsConsole(file));
  const std::string utf8 = "Le\xC3\xA7on", ansi = "Le\xE7on";
  WriteConsoleText(file, utf8, &ansi);
  WriteConsoleText(file, " 3");
  std::fflush(file);
  std::rewind(file);
  char read[16] = {};
  EXPECT_EQ(std::fread(read, 1, sizeof read, file), 7u);
  EXPECT_EQ(std::string(read), "Le\xE7on 3");
  std::fclose(file);
}

// The pause is for a console window opened for this process alone.
TEST(PauseTest, OnlyAWindowsConsoleOfItsOwnPauses) {
  const struct {
    ConsoleSituation situation;
    bool pause;
  } cases[] = {
      {{true, true, 1}, true},    // a drop on the program, a double-click
      {{true, true, 2}, false},   // cmd.exe, PowerShell, a batch file
      {{true, true, 0}, false},   // a console that cannot tell
      {{true, false, 1}, false},  // input from a file or a pipe
      {{false, true, 1}, false},  // any terminal elsewhere
      {{false, true, 0}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsPauseWanted(c.situation), c.pause)
        << c.situation.windows << c.situation.inputIsConsole << c.situation.consoleProcesses;
  }
}

TEST(PauseTest, NoOneAnswersWhenInputIsAFile) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  const int saved = dup(0);
  ASSERT_GE(dup2(fileno(file), 0), 0);
  EXPECT_FALSE(IsPauseWanted(CurrentConsoleSituation()));
  EXPECT_FALSE(CurrentConsoleSituation().inputIsConsole);
  dup2(saved, 0);
  close(saved);
  std::fclose(file);
}

// What a terminal gets of a file's text: nothing it would obey.
TEST(VisibleControlCharactersTest, ControlCharactersShowAsCatDoes) {
  const struct {
    std::string text, shown;
  } cases[] = {
      {"\x1B[2JQuestions converted: 99\n", "^[[2JQuestions converted: 99\n"},
      {"quiz\r\n", "quiz^M\n"},
      {std::string("a\0b\x7F\tc", 6), "a^@b^?\tc"},
      {"\x08\x1F", "^H^_"},
      {"Fran\xC3\xA7" "ais \xE2\x80\x93 \xE2\x80\x9C" "x", "Fran\xC3\xA7" "ais \xE2\x80\x93 \xE2\x80\x9C" "x"},
      {"\xC2\x9B" "2J \xC2\x85|\xC2\xA0", "M-^[2J M-^E|\xC2\xA0"},
      {"\x9B" "2J \xE9t\xE9", "M-^[2J \xE9t\xE9"},  // bytes of no UTF-8 sequence
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VisibleControlCharacters(c.text), c.shown) << c.text;
  }
}
