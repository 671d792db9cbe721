#include "database/database_writer.h"

#include <cstring>

#include "database/byte_order.h"

void WriteHeaderAndRecordList(std::FILE* stream, const DatabaseHeader& header,
                              const RecordListEntry* entries) {
  unsigned char bytes[kDatabaseHeaderSize] = {};
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
  std::fwrite(bytes, 1, sizeof bytes, stream);

  // Entries go out a few hundred at a time rather than one write each.
  unsigned char list[kRecordListEntrySize * 512];
  std::size_t listed = 0;
  for (int k = 0; k < header.recordCount; ++k) {
    unsigned char* entry = list + listed;
    StoreBigEndian32(entry, entries[k].offset);
    StoreBigEndian32(entry + 4, static_cast<std::uint32_t>(entries[k].attributes) << 24 |
                                    (entries[k].uniqueId & 0xFFFFFFu));
    listed += kRecordListEntrySize;
    if (listed == sizeof list || k + 1 == header.recordCount) {
      std::fwrite(list, 1, listed, stream);
      listed = 0;
    }
  }

  const unsigned char filler[2] = {0x8C, 0x00};
  std::fwrite(filler, 1, sizeof filler, stream);
}

void WriteRecordBody(std::FILE* stream, const char* text,
                     std::size_t textLength) {
  // One write per body: the stream's per-call cost dominates short records.
  unsigned char body[kRecordPrefixSize + kMaxRecordTextLength + 1];
  const RecordPrefix prefix = {};
  std::memcpy(body, prefix.bytes, kRecordPrefixSize);
  std::memcpy(body + kRecordPrefixSize, text, textLength);
  body[kRecordPrefixSize + textLength] = '\0';
  std::fwrite(body, 1, kRecordPrefixSize + textLength + 1, stream);
}
