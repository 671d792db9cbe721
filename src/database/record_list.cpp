#include "database/record_list.h"

#include "database/byte_order.h"
#include "database/database_header.h"

void StoreRecordList(const std::uint32_t* sizes, int count, unsigned char* list) {
  const std::size_t kFillerSize = 2;
  std::uint32_t offset = static_cast<std::uint32_t>(
      kDatabaseHeaderSize + kRecordListEntrySize * count + kFillerSize);
  for (int k = 0; k < count; ++k, list += kRecordListEntrySize) {
    StoreBigEndian32(list, offset);
    StoreBigEndian32(list + 4, 0);  // attributes and unique id
    offset += static_cast<std::uint32_t>(kRecordPrefixSize) + sizes[k];
  }
}
