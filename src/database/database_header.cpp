#include "database/database_header.h"

#include <cstring>

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
