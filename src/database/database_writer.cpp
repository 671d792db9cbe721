#include "database/database_writer.h"

#include <cstring>

#include "database/byte_order.h"

namespace {

void StoreHeader(const DatabaseHeader& header, unsigned char* bytes) {
  for (std::size_t i = 0; i < kDatabaseNameFieldSize; ++i) bytes[i] = header.name[i];
  StoreBigEndian16(bytes + 32, header.attributes);
  StoreBigEndian16(bytes + 34, header.version);
  StoreBigEndian32(bytes + 36, header.creationDate);
  StoreBigEndian32(bytes + 40, header.modificationDate);
  StoreBigEndian32(bytes + 44, header.lastBackupDate);
  StoreBigEndian32(bytes + 48, header.modificationNumber);
  StoreBigEndian32(bytes + 52, header.applicationInfoOffset);
  StoreBigEndian32(bytes + 56, header.sortInfoOffset);
  StoreBigEndian32(bytes + 60, header.type);
  StoreBigEndian32(bytes + 64, header.creator);
  StoreBigEndian32(bytes + 68, header.uniqueIdSeed);
  StoreBigEndian32(bytes + 72, header.nextRecordListId);
  StoreBigEndian16(bytes + 76, header.recordCount);
}

}  // namespace

void BuildDatabaseImage(const DatabaseHeader& header, const char* const* texts,
                        const std::uint32_t* sizes, std::vector<unsigned char>& image) {
  const int count = header.recordCount;
  RecordListEntry entries[kMaxRecordCount];
  BuildRecordList(sizes, count, entries);
  const std::size_t bodiesStart = kDatabaseHeaderSize + kRecordListEntrySize * count + 2;
  std::size_t size = bodiesStart;
  for (int k = 0; k < count; ++k) size += kRecordPrefixSize + sizes[k];
  image.assign(size, 0);
  unsigned char* bytes = image.data();
  StoreHeader(header, bytes);
  unsigned char* entry = bytes + kDatabaseHeaderSize;
  for (int k = 0; k < count; ++k, entry += kRecordListEntrySize) {
    StoreBigEndian32(entry, entries[k].offset);
    StoreBigEndian32(entry + 4, static_cast<std::uint32_t>(entries[k].attributes) << 24 |
                                    (entries[k].uniqueId & 0xFFFFFFu));
  }
  entry[0] = 0x8C;  // the filler; entry[1] stays 0
  for (int k = 0; k < count; ++k) {
    // The prefix and the NUL are the zeros already there.
    std::memcpy(bytes + entries[k].offset + kRecordPrefixSize, texts[k], sizes[k] - 1);
  }
}
