#include "database/database_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "database_bytes.h"

// The file is cut short while it is read, so that a read of the record list
// ends inside an entry (the bodies, 52 KB, were all read before the cut, the
// list only in part). The entry is never made of bytes left over from the
// block before: the list ends there.
TEST(DatabaseReaderTest, AListCutInsideAnEntryWhileItIsReadEndsTheList) {
  const std::string path = testing::TempDir() + "qdconv_cut_database.pdb";
  DatabaseLayout layout;
  layout.nameField = "Quiz";
  for (int k = 0; k < 2000; ++k) layout.bodies.push_back(RecordBody("Q" + std::to_string(k)));
  std::ofstream(path, std::ios::binary | std::ios::trunc) << DatabaseBytes(layout);

  auto reader = std::make_unique<DatabaseReader>();
  ASSERT_TRUE(OpenDatabaseFile(path.c_str(), *reader));
  ASSERT_EQ(ReadDatabaseHeader(*reader), kDatabaseSound);
  char text[16];
  std::uint64_t length = 0;
  int faultRecord = 0;
  ASSERT_EQ(ReadDatabaseRecord(*reader, text, sizeof text, length, faultRecord), kDatabaseSound);
  std::filesystem::resize_file(path, RecordListEntryAt(1900) + 5);
  DatabaseFault fault = kDatabaseSound;
  for (int record = 1; record < 2000 && fault == kDatabaseSound; ++record) {
    fault = ReadDatabaseRecord(*reader, text, sizeof text, length, faultRecord);
    if (fault == kDatabaseSound) {
      EXPECT_EQ(std::string(text, length), "Q" + std::to_string(record));
    }
  }
  EXPECT_EQ(fault, kRecordListPastTheEnd);
  EXPECT_EQ(faultRecord, 1900);
  CloseDatabaseFile(*reader);
  std::filesystem::remove(path);
}
