#include "charset/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

#include "charset/handheld_decoder.h"

namespace {

TextEncoding Detect(const std::string& bytes) {
  return DetectTextEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

struct Decoded {
  std::string bytes;
  TextFault fault;
  bool operator==(const Decoded& other) const {
    return bytes == other.bytes && fault == other.fault;
  }
};

std::ostream& operator<<(std::ostream& out, const Decoded& decoded) {
  return out << testing::PrintToString(decoded.bytes) << ", fault " << decoded.fault;
}

Decoded Decode(TextEncoding encoding, std::string bytes) {
  const DecodingOutcome text =
      DecodeHandheldText(reinterpret_cast<unsigned char*>(&bytes[0]), bytes.size(), encoding);
  return {bytes.substr(0, text.length), text.fault};
}

std::string S(const char* bytes, std::size_t size) { return std::string(bytes, size); }

}  // namespace

TEST(DetectTextEncodingTest, ByteOrderMarksAndValidUtf8DecideAndNothingElse) {
  const struct {
    const char* what;
    std::string bytes;
    TextEncoding encoding;
  } cases[] = {
      {"empty", "", kBytesAsTheyAre},
      {"ASCII", "Capitals\nParis", kBytesAsTheyAre},
      {"ANSI accented", "Capitales\nO\xF9 est Paris ?", kBytesAsTheyAre},
      {"UTF-8 accented", "Capitales\nO\xC3\xB9 est Paris ?", kUtf8},
      {"UTF-8 euro sign and emoji", "\xE2\x82\xAC \xF0\x9F\x98\x80", kUtf8},
      {"ANSI in which one pair looks like UTF-8", "Caf\xC3\xA9 \nd\xE9j\xE0", kBytesAsTheyAre},
      {"UTF-8 byte order mark", "\xEF\xBB\xBF" "Capitals", kUtf8WithByteOrderMark},
      {"UTF-8 byte order mark, then invalid", "\xEF\xBB\xBF" "Caf\xE9", kUtf8WithByteOrderMark},
      {"UTF-16 little-endian", S("\xFF\xFEQ\0", 4), kUtf16LittleEndian},
      {"UTF-16 big-endian", S("\xFE\xFF\0Q", 4), kUtf16BigEndian},
      {"overlong form", "\xC0\xAF", kBytesAsTheyAre},
      {"surrogate", "\xED\xA0\x80", kBytesAsTheyAre},
      {"past U+10FFFF", "\xF4\x90\x80\x80", kBytesAsTheyAre},
      {"cut at the end of the file", "caf\xC3", kBytesAsTheyAre},
      {"cut by 0x1A", "caf\xC3\x1A\xA9", kBytesAsTheyAre},
      {"valid before 0x1A, anything after", "caf\xC3\xA9\x1A\xE9", kUtf8},
      {"high bytes only after 0x1A", "cafe\x1A\xC3\xA9", kBytesAsTheyAre},
      {"NUL, CR and LF are plain ASCII", S("a\0b\r\nc\xC3\xA9", 8), kUtf8},
      {"UTF-16 LE without mark", S("Q\0\xE9\0\n\0A\0", 8), kUtf16LittleEndianWithoutMark},
      {"UTF-16 BE without mark", S("\0Q\0\xE9\0\n\0A", 8), kUtf16BigEndianWithoutMark},
      {"UTF-16 without mark, one character", S("Q\0", 2), kUtf16LittleEndianWithoutMark},
      {"UTF-16 without mark, odd length", S("Q\0\xE9\0\n", 5), kBytesAsTheyAre},
      {"a NUL in an even place too", S("Q\0\0\0A\0", 6), kBytesAsTheyAre},
      {"letters beyond U+00FF among Latin ones", S("\x19\x20Q\0\xAC\x20\x53\x01" "A\0\n\0", 12),
       kUtf16LittleEndianWithoutMark},
      {"and big-endian", S("\x20\x19\0Q\x20\xAC\0A", 8), kUtf16BigEndianWithoutMark},
      {"fewer than half Latin", S("\x19\x20\xAC\x20Q\0", 6), kBytesAsTheyAre},
      {"the first 64 bytes tell, not the first 8",
       S("Q\0u\0i\0z\0", 8) + std::string(56, 'x'), kBytesAsTheyAre},
      {"only the first 64 bytes tell",
       S("Q\0\xE9\0\n\0A\0", 8) + S("Q\0\xE9\0\n\0A\0", 8) + S("Q\0\xE9\0\n\0A\0", 8) +
           S("Q\0\xE9\0\n\0A\0", 8) + S("Q\0\xE9\0\n\0A\0", 8) + S("Q\0\xE9\0\n\0A\0", 8) +
           S("Q\0\xE9\0\n\0A\0", 8) + S("Q\0\xE9\0\n\0A\0", 8) + S("\x3D\xD8\x00\xDE", 4),
       kUtf16LittleEndianWithoutMark},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Detect(c.bytes), c.encoding) << c.what;
  }
}

TEST(DetectTextEncodingTest, FindsTheFirstHighByteAnywhereInALongText) {
  // Past the groups the search takes whole, and inside one.
  for (std::size_t at : {std::size_t{0}, std::size_t{31}, std::size_t{32}, std::size_t{77}}) {
    const std::string text = std::string(at, 'x') + "\xE2\x82\xAC" + std::string(100, 'x');
    EXPECT_EQ(Detect(text), kUtf8) << at;
    EXPECT_EQ(Detect(text + "\xE9"), kBytesAsTheyAre) << at;
    EXPECT_EQ(Detect(std::string(at, 'x') + "\xE9" + std::string(100, 'x')), kBytesAsTheyAre)
        << at;
  }
}

TEST(HandheldDecoderTest, RunsOfAsciiAndOfAccentedLettersEndWhereTheyEnd) {
  // Runs are taken eight bytes at a time: each length of ASCII run after an
  // accented letter and of accented letter run, before an ending that is
  // valid or not, tells and decodes as one letter at a time would.
  const struct {
    const char* what;
    std::string bytes;
    bool valid;
    Decoded decoded;
  } endings[] = {
      {"the end", "", true, {"", kNoTextFault}},
      {"ASCII", "yz", true, {"yz", kNoTextFault}},
      {"a letter U+0080 to U+00BF", "\xC2\xA9", true, {"\xA9", kNoTextFault}},
      {"a character of three bytes", "\xE2\x82\xAC", true, {"\x80", kNoTextFault}},
      {"an ANSI byte", "\xE9z", false, {"", kInvalidText}},
      {"an overlong form", "\xC1\xA9zzzzzz", false, {"", kInvalidText}},
      {"a lead without continuation", "\xC3(zzzzzz", false, {"", kInvalidText}},
      {"a cut letter", "\xC3", false, {"", kInvalidText}},
  };
  for (const auto& ending : endings) {
    for (std::size_t ascii = 0; ascii <= 17; ++ascii) {
      for (std::size_t letters = 1; letters <= 9; ++letters) {
        std::string bytes = "\xC3\xA9" + std::string(ascii, 'x');
        std::string text = "\xE9" + std::string(ascii, 'x');
        for (std::size_t k = 0; k < letters; ++k) {
          bytes += k % 2 ? "\xC3\x80" : "\xC3\xBF";
          text += k % 2 ? "\xC0" : "\xFF";
        }
        bytes += ending.bytes;
        const std::string where =
            std::string(ending.what) + ", " + std::to_string(ascii) + " ASCII, " +
            std::to_string(letters) + " letters";
        EXPECT_EQ(Detect(bytes), ending.valid ? kUtf8 : kBytesAsTheyAre) << where;
        EXPECT_EQ(Decode(kUtf8, bytes), (Decoded{text + ending.decoded.bytes,
                                                 ending.decoded.fault}))
            << where;
      }
    }
  }
}

TEST(HandheldDecoderTest, DecodesToTheHandheldsBytesAndStopsAtAFault) {
  const struct {
    const char* what;
    TextEncoding encoding;
    std::string bytes;
    Decoded decoded;
  } cases[] = {
      {"bytes pass as they are up to 0x1A", kBytesAsTheyAre, "O\xF9\x81\x1A\xFF",
       {"O\xF9\x81", kNoTextFault}},
      {"UTF-8 accents, quotes, dashes, euro", kUtf8,
       "O\xC3\xB9 \xE2\x80\x9C\xE2\x80\x94\xE2\x82\xAC\xE2\x80\xA6\xE2\x80\x9D \xC3\xBF",
       {"O\xF9 \x93\x97\x80\x85\x94 \xFF", kNoTextFault}},
      {"the five undefined bytes' characters", kUtf8, "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D",
       {"\x81\x8D\x8F\x90\x9D", kNoTextFault}},
      {"CR LF, NUL stay", kUtf8, S("a\r\nb\0c\xC3\xA9", 8), {S("a\r\nb\0c\xE9", 7), kNoTextFault}},
      {"the byte order mark goes", kUtf8WithByteOrderMark, "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9",
       {"\xE9t\xE9", kNoTextFault}},
      {"an emoji stops it", kUtf8, "Q7 \xF0\x9F\x98\x80 ?\nA", {"Q7 ", kUnmappableCharacter}},
      {"a letter of another script stops it", kUtf8, "\xC5\x81\xC3\xB3" "d\xC5\xBA",
       {"", kUnmappableCharacter}},
      {"an invalid byte stops it", kUtf8WithByteOrderMark, "\xEF\xBB\xBF" "ab\xE9" "cd",
       {"ab", kInvalidText}},
      {"a cut character at the end stops it", kUtf8, "ab\xE2\x82", {"ab", kInvalidText}},
      {"0x1A ends the text, faults after it count not", kUtf8, "ab\x1A\xF0\x9F\x98\x80\xE9",
       {"ab", kNoTextFault}},
      {"0x1A ends UTF-16 text", kUtf16LittleEndian, S("\xFF\xFEQ\0\x1A\0\x3D\xD8", 8),
       {"Q", kNoTextFault}},
      {"accented letters in a long text", kUtf8,
       std::string(40, 'x') + "\xC3\xA9" + std::string(40, 'y') + "\xC3\x80\xC3\xA9",
       {std::string(40, 'x') + "\xE9" + std::string(40, 'y') + "\xC0\xE9", kNoTextFault}},
      {"UTF-16 little-endian", kUtf16LittleEndian, S("\xFF\xFEO\0\xF9\0\r\0\n\0\xAC\x20", 12),
       {"O\xF9\r\n\x80", kNoTextFault}},
      {"UTF-16 big-endian", kUtf16BigEndian, S("\xFE\xFF\0O\0\xF9\x20\x1C", 8),
       {"O\xF9\x93", kNoTextFault}},
      {"UTF-16 surrogate pair is one character", kUtf16LittleEndian,
       S("\xFF\xFEQ\0\x3D\xD8\x00\xDE", 8), {"Q", kUnmappableCharacter}},
      {"UTF-16 lone surrogate", kUtf16LittleEndian, S("\xFF\xFEQ\0\x00\xDEQ\0", 8),
       {"Q", kInvalidText}},
      {"UTF-16 odd number of bytes", kUtf16BigEndian, S("\xFE\xFF\0Q\0", 5), {"Q", kInvalidText}},
      {"UTF-16 LE without mark", kUtf16LittleEndianWithoutMark, S("O\0\xF9\0\n\0", 6),
       {"O\xF9\n", kNoTextFault}},
      {"UTF-16 BE without mark", kUtf16BigEndianWithoutMark, S("\0O\0\xF9\0\n", 6),
       {"O\xF9\n", kNoTextFault}},
      {"Baltic \xC5\xA1 and \xC5\xA0 are the handheld's", kWindows1257,
       "Mis on \xF0okolaad?\n\xD0okolaad \xFC", {"Mis on \x9Aokolaad?\n\x8Aokolaad \xFC", kNoTextFault}},
      {"DOS 850 letters become the handheld's", kDos850, "O\x97 ?\n\x82t\x82",
       {"O\xF9 ?\n\xE9t\xE9", kNoTextFault}},
      {"a Cyrillic letter stops it", kWindows1251, "Quiz\n\xCA\xE0\xEA", {"Quiz\n", kUnmappableCharacter}},
      {"a byte the code page leaves undefined stops it", kWindows1253, "ab\xAA" "cd",
       {"ab", kInvalidText}},
      {"Mac Cyrillic 0x1A ends it", kMacCyrillic, "ab\x1A\xE0", {"ab", kNoTextFault}},
      {"a letter and a combining mark are the letter they compose", kUtf8,
       "Cafe\xCC\x81 O\xCC\x80u\xCC\x80", {"Caf\xE9 \xD2\xF9", kNoTextFault}},
      {"so in UTF-16", kUtf16LittleEndianWithoutMark, S("e\0\x01\x03", 4), {"\xE9", kNoTextFault}},
      {"a mark that composes nothing stops it", kUtf8, "L\xCC\xA6", {"L", kUnmappableCharacter}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Decode(c.encoding, c.bytes), c.decoded) << c.what;
  }
}

TEST(HandheldDecoderTest, TellsWhereInTheFileAndWhichCharacterStoppedIt) {
  const struct {
    const char* what;
    TextEncoding encoding;
    std::string bytes;
    std::size_t offset;
    std::uint32_t character;  // 0 for a sequence that is not valid
  } cases[] = {
      {"UTF-8 letter of another script", kUtf8, "Wis\xC5\x82\xC4\x85", 3, 0x142},
      {"UTF-8 emoji after a byte order mark", kUtf8WithByteOrderMark,
       "\xEF\xBB\xBF\xC3\xA9 \xF0\x9F\x98\x80", 6, 0x1F600},
      {"UTF-8 invalid byte", kUtf8WithByteOrderMark, "\xEF\xBB\xBF" "ab\xE9", 5, 0},
      {"UTF-16 surrogate pair", kUtf16LittleEndian, S("\xFF\xFEQ\0\x3D\xD8\x00\xDE", 8), 4,
       0x1F600},
      {"UTF-16 lone surrogate", kUtf16BigEndianWithoutMark, S("\0Q\xDC\x00", 4), 2, 0},
      {"UTF-16 odd last byte", kUtf16BigEndian, S("\xFE\xFF\0Q\0", 5), 4, 0},
      {"a composed letter the handheld lacks, at its mark", kUtf8, "Pan\xCC\x81", 3, 0x144},
  };
  for (const auto& c : cases) {
    std::string bytes = c.bytes;
    const DecodingOutcome text = DecodeHandheldText(reinterpret_cast<unsigned char*>(&bytes[0]),
                                                 bytes.size(), c.encoding);
    EXPECT_NE(text.fault, kNoTextFault) << c.what;
    EXPECT_EQ(text.faultOffset, c.offset) << c.what;
    EXPECT_EQ(text.faultCharacter, c.character) << c.what;
  }
}
