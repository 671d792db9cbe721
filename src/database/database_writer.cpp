#include "database/database_writer.h"

#include <cstring>
#include <utility>

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

void BuildDatabaseImage(const DatabaseHeader& header, std::vector<const char*>&& texts,
                        std::vector<std::uint32_t>&& sizes, DatabaseImage& image) {
  const int count = header.recordCount;
  image.head.assign(kDatabaseHeaderSize + kRecordListEntrySize * count + 2, 0);
  unsigned char* bytes = image.head.data();
  StoreHeader(header, bytes);
  StoreRecordList(sizes.data(), count, bytes + kDatabaseHeaderSize);
  unsigned char* filler = bytes + kDatabaseHeaderSize + kRecordListEntrySize * count;
  filler[0] = 0x8C;  // filler[1] stays 0
  image.texts = std::move(texts);
  image.sizes = std::move(sizes);
  image.ownTexts.clear();
}

void OwnDatabaseTexts(DatabaseImage& image) {
  std::size_t total = 0;
  for (const std::uint32_t size : image.sizes) total += size - 1;
  std::string own;  // apart from ownTexts, which the texts may point into
  own.reserve(total);
  for (std::size_t k = 0; k < image.texts.size(); ++k) {
    own.append(image.texts[k], image.sizes[k] - 1);
  }
  image.ownTexts.swap(own);
  std::size_t at = 0;
  for (std::size_t k = 0; k < image.texts.size(); ++k) {
    image.texts[k] = image.ownTexts.data() + at;
    at += image.sizes[k] - 1;
  }
}

std::vector<unsigned char> DatabaseBytes(const DatabaseImage& image) {
  std::size_t size = image.head.size();
  for (const std::uint32_t textSize : image.sizes) size += kRecordPrefixSize + textSize;
  std::vector<unsigned char> bytes(size, 0);
  std::memcpy(bytes.data(), image.head.data(), image.head.size());
  std::size_t at = image.head.size();
  for (std::size_t k = 0; k < image.texts.size(); ++k) {
    // The prefix and the NUL are the zeros already there.
    std::memcpy(bytes.data() + at + kRecordPrefixSize, image.texts[k], image.sizes[k] - 1);
    at += kRecordPrefixSize + image.sizes[k];
  }
  return bytes;
}
