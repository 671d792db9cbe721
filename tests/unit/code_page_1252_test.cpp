// The handheld's character set against glibc's own code page 1252 table
// (iconv), an independent reference.
#include "charset/code_page_1252.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The five bytes code page 1252 leaves undefined; they stand for the control
// characters of the same number, which glibc does not map.
bool IsUndefinedInTheCodePage(std::uint32_t byteOrCharacter) {
  return byteOrCharacter == 0x81 || byteOrCharacter == 0x8D || byteOrCharacter == 0x8F ||
         byteOrCharacter == 0x90 || byteOrCharacter == 0x9D;
}

// What iconv converts |input| to, or nothing when it refuses.
bool Convert(const char* from, const char* to, std::vector<char> input,
             std::vector<char>& output) {
  iconv_t converter = iconv_open(to, from);
  EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1)) << from << " to " << to;
  char buffer[16];
  char* in = input.data();
  char* out = buffer;
  std::size_t inLeft = input.size(), outLeft = sizeof buffer;
  const bool converted = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  output.assign(buffer, out);
  return converted && inLeft == 0;
}

std::vector<char> Utf32(std::uint32_t character) {
  std::vector<char> bytes(4);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(character >> (8 * i) & 0xFF);
  return bytes;
}

}  // namespace

TEST(CodePage1252Test, EveryByteIsTheCharacterIconvGivesIt) {
  for (int byte = 0; byte < 256; ++byte) {
    std::vector<char> utf32;
    const bool known = Convert("CP1252", "UTF-32LE", {static_cast<char>(byte)}, utf32);
    if (IsUndefinedInTheCodePage(byte)) {
      EXPECT_FALSE(known) << byte;
      EXPECT_EQ(CharacterOfHandheldByte(static_cast<unsigned char>(byte)),
                static_cast<std::uint32_t>(byte));
      continue;
    }
    ASSERT_TRUE(known) << byte;
    EXPECT_EQ(utf32, Utf32(CharacterOfHandheldByte(static_cast<unsigned char>(byte)))) << byte;
  }
}

TEST(CodePage1252Test, EveryCharacterHasTheByteIconvGivesIt) {
  std::vector<std::uint32_t> characters;
  for (std::uint32_t c = 0; c < 0x3000; ++c) characters.push_back(c);
  // A sample beyond: kana, CJK, the replacement character, an emoji, the last.
  for (std::uint32_t c : {0x3042u, 0x65E5u, 0xFB01u, 0xFFFDu, 0x1F600u, 0x10FFFFu}) {
    characters.push_back(c);
  }
  int mapped = 0;
  for (std::uint32_t character : characters) {
    if (character >= 0xD800 && character <= 0xDFFF) continue;
    std::vector<char> expected;
    const bool known = Convert("UTF-32LE", "CP1252", Utf32(character), expected);
    unsigned char byte = 0;
    const bool ours = HandheldByteOfCharacter(character, byte);
    if (IsUndefinedInTheCodePage(character)) {
      EXPECT_TRUE(ours);
      EXPECT_EQ(byte, character);
    } else if (character == 0x017D || character == 0x017E) {
      // The handheld's fonts have no letter for them.
      EXPECT_FALSE(ours) << std::hex << character;
    } else {
      ASSERT_EQ(ours, known) << std::hex << character;
      if (known) {
        EXPECT_EQ(expected, std::vector<char>{static_cast<char>(byte)}) << std::hex << character;
      }
    }
    mapped += ours;
  }
  EXPECT_EQ(mapped, 254) << "every byte but 0x8E and 0x9E has exactly one character";
}
