#include "database/database_reader.h"

#include <cstring>

#include "database/byte_order.h"

namespace {

const std::size_t kTypeOffset = 60;
const std::size_t kCreatorOffset = 64;
const std::size_t kRecordCountOffset = 76;

// The first byte a record body may start at: right after the list (the two
// filler bytes there are optional).
std::uint64_t ListEnd(const DatabaseReader& reader) {
  return kDatabaseHeaderSize +
         kRecordListEntrySize * static_cast<std::uint64_t>(reader.recordCount);
}

// Read the offset of record |record| from the list and check it against the
// layout and the offset before it. The header has checked that the list fits.
DatabaseFault ReadOffset(DatabaseReader& reader, int record, std::uint64_t previous) {
  const std::uint64_t offset = LoadBigEndian32(
      reader.bytes + kDatabaseHeaderSize + kRecordListEntrySize * static_cast<std::size_t>(record));
  if (offset < ListEnd(reader)) return kRecordInHeaderOrList;
  if (offset > reader.fileSize) return kRecordPastTheEnd;
  if (offset < previous) return kRecordBeforeThePrevious;
  reader.nextOffset = offset;
  return kDatabaseSound;
}

}  // namespace

void StartDatabaseReader(const unsigned char* bytes, std::size_t size, DatabaseReader& reader) {
  reader.bytes = bytes;
  reader.fileSize = size;
  reader.nameLength = 0;
  reader.recordCount = 0;
  reader.nextRecord = 0;
  reader.nextOffset = 0;
}

DatabaseFault ReadDatabaseHeader(DatabaseReader& reader) {
  if (reader.fileSize < kDatabaseHeaderSize) return kShorterThanAHeader;
  const unsigned char* header = reader.bytes;
  const void* nameEnd = std::memchr(header, '\0', kDatabaseNameFieldSize);
  if (!nameEnd) return kNameWithoutEnd;
  reader.nameLength = static_cast<std::size_t>(static_cast<const unsigned char*>(nameEnd) - header);
  std::memcpy(reader.name, header, reader.nameLength);
  if (reader.nameLength > 0 && reader.name[reader.nameLength - 1] == '\n') --reader.nameLength;
  std::memcpy(reader.type, header + kTypeOffset, sizeof reader.type);
  std::memcpy(reader.creator, header + kCreatorOffset, sizeof reader.creator);
  reader.recordCount = LoadBigEndian16(header + kRecordCountOffset);
  if (LoadBigEndian32(header + kTypeOffset) != kDatabaseType ||
      LoadBigEndian32(header + kCreatorOffset) != kDatabaseCreator) {
    return kOtherApplication;
  }
  return ListEnd(reader) > reader.fileSize ? kRecordListPastTheEnd : kDatabaseSound;
}

DatabaseFault ReadDatabaseRecord(DatabaseReader& reader, const char*& text,
                                 std::uint64_t& length, int& faultRecord) {
  const int record = reader.nextRecord++;
  faultRecord = record;
  if (record == 0) {
    const DatabaseFault fault = ReadOffset(reader, 0, 0);
    if (fault != kDatabaseSound) return fault;
  }
  // The body ends where the next one starts, whose offset is read ahead.
  const std::uint64_t start = reader.nextOffset;
  std::uint64_t end = reader.fileSize;
  if (reader.nextRecord < reader.recordCount) {
    faultRecord = record + 1;
    const DatabaseFault fault = ReadOffset(reader, record + 1, start);
    if (fault != kDatabaseSound) return fault;
    end = reader.nextOffset;
    faultRecord = record;
  }
  if (end - start < kRecordPrefixSize) return kRecordShorterThanItsPrefix;
  const std::size_t textStart = static_cast<std::size_t>(start + kRecordPrefixSize);
  const std::size_t available = static_cast<std::size_t>(end) - textStart;
  const void* nul = std::memchr(reader.bytes + textStart, '\0', available);
  if (!nul) return kRecordWithoutEnd;
  text = reinterpret_cast<const char*>(reader.bytes + textStart);
  length = static_cast<std::uint64_t>(static_cast<const unsigned char*>(nul) -
                                      (reader.bytes + textStart));
  return kDatabaseSound;
}
