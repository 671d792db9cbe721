#include "database/database_reader.h"

#include <errno.h>

#include <cstring>
#include <filesystem>
#include <system_error>

#include "database/byte_order.h"
#include "files/native_path.h"

namespace {

const std::size_t kTypeOffset = 60;
const std::size_t kCreatorOffset = 64;
const std::size_t kRecordCountOffset = 76;

// The first byte a record body may start at: right after the list (the two
// filler bytes there are optional).
std::uint64_t ListEnd(const DatabaseReader& reader) {
  return kDatabaseHeaderSize + kRecordListEntrySize * static_cast<std::uint64_t>(reader.recordCount);
}

// The offset in the next entry of the record list; the caller knows the list
// holds one more. Whole entries only are taken from the block: when fewer than
// one entry's bytes are left in it (a short read leaves a part of one), those
// move to its front and the block is filled up behind them.
bool ReadNextEntry(DatabaseReader& reader, std::uint64_t& offset) {
  while (reader.entriesLength - reader.entriesPosition < kRecordListEntrySize) {
    const std::size_t left = reader.entriesLength - reader.entriesPosition;
    std::memmove(reader.entries, reader.entries + reader.entriesPosition, left);
    reader.entriesPosition = 0;
    const std::size_t got =
        std::fread(reader.entries + left, 1, sizeof reader.entries - left, reader.listFile);
    reader.entriesLength = left + got;
    if (got == 0) return false;
  }
  offset = LoadBigEndian32(reader.entries + reader.entriesPosition);
  reader.entriesPosition += kRecordListEntrySize;
  return true;
}

// Read the offset of record reader.nextRecord from the list and check it
// against the layout and the offset before it.
DatabaseFault ReadOffset(DatabaseReader& reader, std::uint64_t previous) {
  std::uint64_t offset;
  if (!ReadNextEntry(reader, offset)) return kRecordListPastTheEnd;
  if (offset < ListEnd(reader)) return kRecordInHeaderOrList;
  if (offset > reader.fileSize) return kRecordPastTheEnd;
  if (offset < previous) return kRecordBeforeThePrevious;
  reader.nextOffset = offset;
  return kDatabaseSound;
}

// Make the body block hold the byte at |position|, reading on (never back).
bool ReachBodyByte(DatabaseReader& reader, std::uint64_t position) {
  while (position >= reader.blockStart + reader.blockLength) {
    reader.blockStart += reader.blockLength;
    reader.blockLength = std::fread(reader.block, 1, sizeof reader.block, reader.bodyFile);
    if (reader.blockLength == 0) return false;
  }
  return true;
}

}  // namespace

bool OpenDatabaseFile(const char* path, DatabaseReader& reader) {
  std::error_code error;
  const std::filesystem::path nativePath = NativePath(path);
  const std::filesystem::file_status status = std::filesystem::status(nativePath, error);
  if (!std::filesystem::is_regular_file(status)) {
    errno = std::filesystem::is_directory(status) ? EISDIR
            : std::filesystem::exists(status)     ? EINVAL
                                                  : ENOENT;
    return false;
  }
  reader.fileSize = std::filesystem::file_size(nativePath, error);
  if (error) {
    errno = EIO;
    return false;
  }
  reader.listFile = OpenFile(path, "rb");
  reader.bodyFile = reader.listFile ? OpenFile(path, "rb") : nullptr;
  if (!reader.bodyFile) {
    const int openError = errno;
    if (reader.listFile) std::fclose(reader.listFile);
    errno = openError;
    return false;
  }
  reader.recordCount = 0;
  reader.nextRecord = 0;
  reader.entriesLength = reader.entriesPosition = 0;
  reader.blockStart = 0;
  reader.blockLength = 0;
  return true;
}

void CloseDatabaseFile(DatabaseReader& reader) {
  std::fclose(reader.listFile);
  std::fclose(reader.bodyFile);
  reader.listFile = reader.bodyFile = nullptr;
}

DatabaseFault ReadDatabaseHeader(DatabaseReader& reader) {
  unsigned char header[kDatabaseHeaderSize];
  if (reader.fileSize < kDatabaseHeaderSize ||
      std::fread(header, 1, sizeof header, reader.listFile) != sizeof header) {
    return kShorterThanAHeader;
  }
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

DatabaseFault ReadDatabaseRecord(DatabaseReader& reader, char* text, std::size_t capacity,
                                 std::uint64_t& length, int& faultRecord) {
  const int record = reader.nextRecord++;
  faultRecord = record;
  if (record == 0) {
    const DatabaseFault fault = ReadOffset(reader, 0);
    if (fault != kDatabaseSound) return fault;
  }
  // The body ends where the next one starts, whose offset is read ahead.
  const std::uint64_t start = reader.nextOffset;
  std::uint64_t end = reader.fileSize;
  if (reader.nextRecord < reader.recordCount) {
    faultRecord = record + 1;
    const DatabaseFault fault = ReadOffset(reader, start);
    if (fault != kDatabaseSound) return fault;
    end = reader.nextOffset;
    faultRecord = record;
  }
  if (end - start < kRecordPrefixSize) return kRecordShorterThanItsPrefix;

  length = 0;
  for (std::uint64_t position = start + kRecordPrefixSize;;) {
    if (position == end || !ReachBodyByte(reader, position)) return kRecordWithoutEnd;
    const std::size_t at = static_cast<std::size_t>(position - reader.blockStart);
    std::size_t available = reader.blockLength - at;
    if (available > end - position) available = static_cast<std::size_t>(end - position);
    const void* nul = std::memchr(reader.block + at, '\0', available);
    const std::size_t taken =
        nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - (reader.block + at))
            : available;
    if (length < capacity) {
      const std::uint64_t room = capacity - length;
      std::memcpy(text + length, reader.block + at, taken < room ? taken : static_cast<std::size_t>(room));
    }
    length += taken;
    if (nul) return kDatabaseSound;
    position += taken;
  }
}
