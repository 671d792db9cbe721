// Database files built by the tests byte by byte from the layout, with the
// variations that databases from the handheld and other tools show, and
// helpers to break them the ways damaged files are broken.
#ifndef QDCONV_TESTS_SUPPORT_DATABASE_BYTES_H_
#define QDCONV_TESTS_SUPPORT_DATABASE_BYTES_H_

#include <cstdint>
#include <string>
#include <vector>

struct DatabaseLayout {
  std::string nameField;  // up to 32 bytes; NULs fill the rest
  std::string type = "QdDb";
  std::string creator = "Qndl";
  std::vector<std::string> bodies;  // each record body's bytes
  bool filler = true;               // the two bytes 8C 00 after the list
  // Set what the handheld sets: attributes, dates, modification number,
  // unique ID seed, each record's attributes and unique ID.
  bool markedByTheHandheld = false;
  std::string trailing;  // bytes after the last body
};

// A body as the converter writes it: 16 zero bytes, the text and a NUL.
std::string RecordBody(const std::string& text);

std::string DatabaseBytes(const DatabaseLayout& layout);

// Overwrite the big-endian number of |width| bytes at |at|.
void SetNumber(std::string& bytes, std::size_t at, int width, std::uint32_t value);

// The offset of record |k| in the record list.
std::size_t RecordListEntryAt(int k);

#endif  // QDCONV_TESTS_SUPPORT_DATABASE_BYTES_H_
