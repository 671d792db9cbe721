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

// The header, the record list and the two filler bytes.
std::size_t HeadSize(const DatabaseImage& image) {
  return kDatabaseHeaderSize + kRecordListEntrySize * image.sizes.size() + 2;
}

}  // namespace

void BuildDatabaseImage(const DatabaseHeader& header, std::vector<const char*>&& texts,
                        std::vector<std::uint32_t>&& sizes, DatabaseImage& image) {
  image.header = header;
  image.texts = std::move(texts);
  image.sizes = std::move(sizes);
  image.ownTexts.clear();
  image.ownsTexts = false;
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
  image.ownsTexts = true;
  std::size_t at = 0;
  for (std::size_t k = 0; k < image.texts.size(); ++k) {
    image.texts[k] = image.ownTexts.data() + at;
    at += image.sizes[k] - 1;
  }
}

std::size_t DatabaseFileSize(const DatabaseImage& image) {
  std::size_t size = HeadSize(image);
  for (const std::uint32_t textSize : image.sizes) size += kRecordPrefixSize + textSize;
  return size;
}

std::size_t DatabaseEndOverTexts(const DatabaseImage& image, const unsigned char* start) {
  const std::size_t fileSize = DatabaseFileSize(image);
  const std::size_t count = image.texts.size();
  if (count == 0) return fileSize;
  // Each text k then lies no later than its place: the texts after it and
  // the separating bytes between them fit in what lies after it, and each
  // record adds no more than its prefix and NUL.
  const char* last = image.texts[count - 1];
  const std::size_t textsEnd =
      static_cast<std::size_t>(reinterpret_cast<const unsigned char*>(last) - start) +
      image.sizes[count - 1] - 1;
  const std::size_t overTexts = textsEnd + (kRecordPrefixSize + 1) * count;
  return overTexts > fileSize ? overTexts : fileSize;
}

void LayOutDatabase(const DatabaseImage& image, unsigned char* end) {
  const std::size_t count = image.texts.size();
  unsigned char* const start = end - DatabaseFileSize(image);
  // The bodies from the last to the first: each text, then the NUL after it
  // and the prefix before it, which lie where texts were moved from.
  unsigned char* body = end;
  for (std::size_t k = count; k-- > 0;) {
    const std::size_t textLength = image.sizes[k] - 1;
    body -= kRecordPrefixSize + textLength + 1;
    std::memmove(body + kRecordPrefixSize, image.texts[k], textLength);
  }
  body = start + HeadSize(image);
  for (std::size_t k = 0; k < count; ++k) {
    std::memset(body, 0, kRecordPrefixSize);
    body += kRecordPrefixSize + image.sizes[k];
    body[-1] = 0;
  }
  StoreHeader(image.header, start);
  StoreRecordList(image.sizes.data(), static_cast<int>(count), start + kDatabaseHeaderSize);
  unsigned char* filler = start + kDatabaseHeaderSize + kRecordListEntrySize * count;
  filler[0] = 0x8C;
  filler[1] = 0;
}

std::vector<unsigned char> DatabaseBytes(const DatabaseImage& image) {
  std::vector<unsigned char> bytes(DatabaseFileSize(image));
  LayOutDatabase(image, bytes.data() + bytes.size());
  return bytes;
}
