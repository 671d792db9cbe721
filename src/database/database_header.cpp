#include "database/database_header.h"

#include <cstring>

bool IsValidDatabaseName(const char* name, std::size_t length) {
  if (length < 1 || length > kMaxDatabaseNameLength) return false;
  for (std::size_t i = 0; i < length; ++i) {
    const unsigned char byte = static_cast<unsigned char>(name[i]);
    if (byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

DatabaseHeader BuildDatabaseHeader(const char* name, std::size_t nameLength,
                                   std::uint16_t recordCount) {
  DatabaseHeader header = {};
  std::memcpy(header.name, name, nameLength);
  header.attributes = 0;
  header.version = 0;
  header.creationDate = kDatabaseDate;
  header.modificationDate = kDatabaseDate;
  header.applicationInfoOffset = 0;
  header.type = kDatabaseType;
  header.creator = kDatabaseCreator;
  header.recordCount = recordCount;
  return header;
}
