// Mac OS Roman as the C library's iconv reads it: every byte the same
// character.
#include <iconv.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "charset/mac_roman.h"

namespace {

TEST(MacRomanTest, EveryByteIsTheCharacterIconvGives) {
  iconv_t converter = iconv_open("UTF-32BE", "MACINTOSH");
  ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
  for (int byte = 0; byte < 256; ++byte) {
    char in = static_cast<char>(byte);
    unsigned char out[4] = {};
    char* inAt = &in;
    char* outAt = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1, outLeft = 4;
    ASSERT_NE(iconv(converter, &inAt, &inLeft, &outAt, &outLeft), static_cast<std::size_t>(-1))
        << byte;
    const std::uint32_t expected = static_cast<std::uint32_t>(out[0]) << 24 | out[1] << 16 |
                                   out[2] << 8 | out[3];
    EXPECT_EQ(CharacterOfMacRomanByte(static_cast<unsigned char>(byte)), expected) << byte;
  }
  iconv_close(converter);
}

}  // namespace
