// The 78-byte header that opens every database file, and how the converter
// fills it. Numbers are held here in host byte order; BuildDatabaseImage
// (database_writer.h) stores them big-endian.
//
// Every header carries the same fixed values: type "QdDb", creator "Qndl",
// creation and modification date 858990197 (seconds since 1904-01-01), and
// zero for every other field but the name and the number of records. The same
// question file therefore always gives the same bytes.
#ifndef QDCONV_DATABASE_DATABASE_HEADER_H_
#define QDCONV_DATABASE_DATABASE_HEADER_H_

#include <cstddef>
#include <cstdint>

#include "limits/quiz_limits.h"

const std::size_t kDatabaseHeaderSize = 78;
// The name field always keeps at least one NUL after the name.
const std::size_t kDatabaseNameFieldSize = kMaxDatabaseNameLength + 1;

const std::uint32_t kDatabaseDate = 858990197;
const std::uint32_t kDatabaseType = 0x51644462;     // "QdDb"
const std::uint32_t kDatabaseCreator = 0x516E646C;  // "Qndl"

struct DatabaseHeader {
  unsigned char name[kDatabaseNameFieldSize];  // name bytes, then NULs
  std::uint16_t attributes;
  std::uint16_t version;
  std::uint32_t creationDate;
  std::uint32_t modificationDate;
  std::uint32_t lastBackupDate;
  std::uint32_t modificationNumber;
  std::uint32_t applicationInfoOffset;
  std::uint32_t sortInfoOffset;
  std::uint32_t type;
  std::uint32_t creator;
  std::uint32_t uniqueIdSeed;
  std::uint32_t nextRecordListId;
  std::uint16_t recordCount;
};

// Whether |name| (|length| bytes) can name a database: 1 to
// kMaxDatabaseNameLength bytes, none of them a control byte (below 0x20, or
// 0x7F), so that the handheld's data manager installs it and finds it by that
// name. Bytes 0x80 and above are the handheld's own characters and pass.
bool IsValidDatabaseName(const char* name, std::size_t length);

// Build the header of a database named by |name| (|nameLength| bytes, 1 to
// kMaxDatabaseNameLength, none of them NUL; the caller checks these bounds)
// that holds |recordCount| records.
DatabaseHeader BuildDatabaseHeader(const char* name, std::size_t nameLength,
                                   std::uint16_t recordCount);

#endif  // QDCONV_DATABASE_DATABASE_HEADER_H_
