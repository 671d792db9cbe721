#include "database/record_list.h"

#include "database/database_header.h"

void BuildRecordList(const std::uint32_t* sizes, int count,
                     RecordListEntry* entries) {
  const std::size_t kFillerSize = 2;
  std::uint32_t offset = static_cast<std::uint32_t>(
      kDatabaseHeaderSize + kRecordListEntrySize * count + kFillerSize);
  for (int k = 0; k < count; ++k) {
    entries[k].offset = offset;
    entries[k].attributes = 0;
    entries[k].uniqueId = 0;
    offset += static_cast<std::uint32_t>(kRecordPrefixSize) + sizes[k];
  }
}
