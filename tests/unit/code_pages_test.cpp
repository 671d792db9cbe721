// The code pages a question file may be saved in, each against the C
// library's iconv: every byte the same character, and undefined where iconv
// refuses it. The names a user gives them and the languages' ANSI code
// pages.
#include <iconv.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "charset/code_pages.h"

namespace {

TEST(CodePagesTest, EveryByteIsTheCharacterIconvGives) {
  const struct {
    TextEncoding encoding;
    const char* iconvName;
  } cases[] = {
      {kBytesAsTheyAre, "CP1252"},  {kWindows1250, "CP1250"},
      {kWindows1251, "CP1251"},     {kWindows1253, "CP1253"},
      {kWindows1254, "CP1254"},     {kWindows1257, "CP1257"},
      {kDos437, "CP437"},           {kDos850, "CP850"},
      {kDos852, "CP852"},           {kDos866, "CP866"},
      {kMacRoman, "MACINTOSH"},     {kMacCentralEuropean, "MAC-CENTRALEUROPE"},
      {kMacCyrillic, "MAC-CYRILLIC"},
  };
  for (const auto& c : cases) {
    iconv_t converter = iconv_open("UTF-32BE", c.iconvName);
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1)) << c.iconvName;
    for (int byte = 0; byte < 256; ++byte) {
      char in = static_cast<char>(byte);
      unsigned char out[4] = {};
      char* inAt = &in;
      char* outAt = reinterpret_cast<char*>(out);
      std::size_t inLeft = 1, outLeft = 4;
      const bool converted = iconv(converter, &inAt, &inLeft, &outAt, &outLeft) !=
                             static_cast<std::size_t>(-1);
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
      std::uint32_t character = 0;
      const bool defined =
          CharacterOfCodePageByte(c.encoding, static_cast<unsigned char>(byte), character);
      const std::uint32_t expected = static_cast<std::uint32_t>(out[0]) << 24 |
                                     out[1] << 16 | out[2] << 8 | out[3];
      // glibc maps a few bytes Windows leaves undefined; the Mac tables of
      // Python and glibc differ in a handful of signs (the Apple logo, ∆).
      if (!converted || !defined) {
        EXPECT_FALSE(defined && !converted) << c.iconvName << " " << byte;
        continue;
      }
      if (c.encoding != kMacCentralEuropean && c.encoding != kMacCyrillic) {
        EXPECT_EQ(character, expected) << c.iconvName << " " << byte;
      }
    }
    iconv_close(converter);
  }
}

TEST(CodePagesTest, NamesAndLanguages) {
  const struct {
    const char* name;
    bool known;
    TextEncoding encoding;
  } names[] = {
      {"utf-8", true, kUtf8},           {"UTF8", true, kUtf8},
      {"windows-1250", true, kWindows1250}, {"cp1257", true, kWindows1257},
      {"1252", true, kBytesAsTheyAre},  {"cp866", true, kDos866},
      {"mac-roman", true, kMacRoman},   {"mac_cyrillic", true, kMacCyrillic},
      {"latin2", false, kUtf8},         {"", false, kUtf8},
  };
  for (const auto& c : names) {
    TextEncoding encoding = kUtf8;
    EXPECT_EQ(TextEncodingOfName(c.name, encoding), c.known) << c.name;
    EXPECT_EQ(encoding, c.encoding) << c.name;
  }
  const struct {
    const char* language;
    TextEncoding encoding;
  } languages[] = {
      {"pl_PL.UTF-8", kWindows1250}, {"cs", kWindows1250},  {"hr_HR", kWindows1250},
      {"ru_RU.KOI8-R", kWindows1251}, {"sr", kWindows1251}, {"el_GR", kWindows1253},
      {"tr_TR.UTF-8", kWindows1254}, {"lv_LV", kWindows1257}, {"fr_FR.UTF-8", kBytesAsTheyAre},
      {"C.UTF-8", kBytesAsTheyAre},  {"POSIX", kBytesAsTheyAre}, {"plx", kBytesAsTheyAre},
      {"", kBytesAsTheyAre},
  };
  for (const auto& c : languages) {
    EXPECT_EQ(AnsiCodePageOfLanguage(c.language), c.encoding) << c.language;
  }
}

}  // namespace
