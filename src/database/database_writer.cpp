#include "database/database_writer.h"

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

  for (int k = 0; k < header.recordCount; ++k) {
    unsigned char entry[kRecordListEntrySize];
    StoreBigEndian32(entry, entries[k].offset);
    StoreBigEndian32(entry + 4, static_cast<std::uint32_t>(entries[k].attributes) << 24 |
                                    (entries[k].uniqueId & 0xFFFFFFu));
    std::fwrite(entry, 1, sizeof entry, stream);
  }

  const unsigned char filler[2] = {0x8C, 0x00};
  std::fwrite(filler, 1, sizeof filler, stream);
}

void WriteRecordBody(std::FILE* stream, const char* text,
                     std::size_t textLength) {
  const RecordPrefix prefix = {};
  std::fwrite(prefix.bytes, 1, sizeof prefix.bytes, stream);
  std::fwrite(text, 1, textLength, stream);
  std::fputc('\0', stream);
}
