#include "database/database_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "database/database_header.h"
#include "database/record_list.h"
#include "test_files.h"

namespace {

// The whole database file for |name| and |texts|, through the writer.
std::string WriteDatabase(const std::string& name,
                          const std::vector<std::string>& texts) {
  std::vector<std::uint32_t> sizes;
  for (const std::string& text : texts) sizes.push_back(text.size() + 1);
  std::vector<const char*> pointers;
  for (const std::string& text : texts) pointers.push_back(text.data());
  const int count = static_cast<int>(texts.size());
  const DatabaseHeader header = BuildDatabaseHeader(
      name.data(), name.size(), static_cast<std::uint16_t>(count));
  DatabaseImage image;
  BuildDatabaseImage(header, std::move(pointers), std::move(sizes), image);
  const std::vector<unsigned char> whole = DatabaseBytes(image);
  const std::string bytes(whole.begin(), whole.end());
  return bytes;
}

}  // namespace

TEST(DatabaseWriterTest, WritesTheBirdsExampleByteForByte) {
  EXPECT_EQ(WriteDatabase("Birds", {"Red breast?", "Robin"}),
            ReadHexFixture("birds.pdb.hex"));
}

TEST(DatabaseWriterTest, NoRecordsGiveHeaderAndFillerOnly) {
  const std::string bytes = WriteDatabase("Q", {});
  ASSERT_EQ(bytes.size(), 80u);
  EXPECT_EQ(bytes.substr(76), std::string("\x00\x00\x8C\x00", 4));
}

TEST(DatabaseWriterTest, AnEmptyTextGivesSeventeenZeroBytes) {
  const std::string bytes = WriteDatabase("Q", {""});
  ASSERT_EQ(bytes.size(), 105u);
  EXPECT_EQ(bytes.substr(76, 12),
            std::string("\x00\x01\x00\x00\x00\x58\x00\x00\x00\x00\x8C\x00", 12));
  EXPECT_EQ(bytes.substr(88), std::string(17, '\0'));
}

TEST(DatabaseWriterTest, ALongestNameKeepsOneNul) {
  const std::string name(31, 'n');
  const std::string bytes = WriteDatabase(name, {});
  EXPECT_EQ(bytes.substr(0, 32), name + '\0');
}

// Entry k of a stored list: its offset, and its attributes and unique id.
std::uint32_t EntryWord(const std::vector<unsigned char>& list, int k, int word) {
  const unsigned char* at = list.data() + 8 * k + 4 * word;
  return static_cast<std::uint32_t>(at[0]) << 24 | static_cast<std::uint32_t>(at[1]) << 16 |
         static_cast<std::uint32_t>(at[2]) << 8 | at[3];
}

TEST(RecordListTest, EachOffsetIsWhereTheBodyBeforeItEnds) {
  const std::uint32_t sizes[] = {12, 6, 1, 201};
  std::vector<unsigned char> list(4 * 8, 0xAA);
  StoreRecordList(sizes, 4, list.data());
  const std::uint32_t first = 78 + 8 * 4 + 2;
  const std::uint32_t expected[] = {first, first + 28, first + 28 + 22,
                                    first + 28 + 22 + 17};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(EntryWord(list, k, 0), expected[k]) << k;
    EXPECT_EQ(EntryWord(list, k, 1), 0u) << k;
  }
}

TEST(RecordListTest, AFullTableFitsItsOffsets) {
  std::vector<std::uint32_t> sizes(kMaxRecordCount, 4000);
  std::vector<unsigned char> list(8 * kMaxRecordCount);
  StoreRecordList(sizes.data(), kMaxRecordCount, list.data());
  EXPECT_EQ(EntryWord(list, kMaxRecordCount - 1, 0),
            80u + 8u * kMaxRecordCount + 4016u * (kMaxRecordCount - 1));
}

TEST(DatabaseWriterTest, LaidOutOverItsOwnTextsTheFileIsAsLaidOutApart) {
  // The texts one after another from the start of the room or after other
  // text, with a line end between them or none.
  std::vector<std::string> oneLetterEach;
  for (int k = 0; k < kMaxRecordCount; ++k) oneLetterEach.push_back(std::string(1, 'a' + k % 26));
  const struct {
    const char* what;
    std::string before;
    std::vector<std::string> texts;
    const char* between;
  } cases[] = {
      {"no records", "Quiz\n", {}, "\n"},
      {"two records", "Birds\n", {"Red breast?", "Robin"}, "\n"},
      {"empty texts", "", {"", "", "x", ""}, "\n"},
      {"long and short texts", "Q\r\n", {std::string(3999, 'q'), "a", std::string(200, 'b')},
       "\r\n"},
      {"the most records, of one letter each", "", oneLetterEach, "\n"},
      {"texts that touch, far into the room", std::string(60000, '-'), oneLetterEach, ""},
  };
  for (const auto& c : cases) {
    std::string text = c.before;
    std::vector<std::size_t> offsets;
    for (const std::string& recordText : c.texts) {
      offsets.push_back(text.size());
      text += recordText + c.between;
    }
    std::vector<unsigned char> room(text.begin(), text.end());
    room.reserve(text.size() + kMaxDatabaseBeyondTexts);
    std::vector<const char*> pointers;
    std::vector<std::uint32_t> sizes;
    for (std::size_t k = 0; k < c.texts.size(); ++k) {
      pointers.push_back(reinterpret_cast<const char*>(room.data()) + offsets[k]);
      sizes.push_back(static_cast<std::uint32_t>(c.texts[k].size() + 1));
    }
    DatabaseImage image;
    BuildDatabaseImage(BuildDatabaseHeader("Q", 1, static_cast<std::uint16_t>(c.texts.size())),
                       std::move(pointers), std::move(sizes), image);
    const std::vector<unsigned char> apart = DatabaseBytes(image);
    const std::size_t end = DatabaseEndOverTexts(image, room.data());
    EXPECT_GE(end, apart.size()) << c.what;
    EXPECT_LE(end, text.size() + kMaxDatabaseBeyondTexts) << c.what;
    room.resize(end);
    LayOutDatabase(image, room.data() + end);
    EXPECT_TRUE(std::equal(apart.begin(), apart.end(), room.data() + end - apart.size()))
        << c.what;
  }
}
