// A database file as it is built, front to back: its head (the header, the
// record list and the two filler bytes 0x8C 0x00), then one body per record
// in list order, each 16 zero bytes, the record's text and a NUL. The image
// holds the header and each text's place and size; the texts are not
// copied while it is built, so the caller keeps them alive until the file is
// laid out (or makes them the image's own). The file is laid out as one run
// of bytes, and may be laid out over the very text its records were read
// from.
#ifndef QDCONV_DATABASE_DATABASE_WRITER_H_
#define QDCONV_DATABASE_DATABASE_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "database/database_header.h"
#include "database/record_list.h"
#include "limits/quiz_limits.h"

struct DatabaseImage {
  DatabaseHeader header;
  std::vector<const char*> texts;     // record k is sizes[k] - 1 bytes at texts[k]
  std::vector<std::uint32_t> sizes;   // text length plus one (the NUL)
  std::string ownTexts;               // the texts, when the image holds them
  bool ownsTexts = false;
};

// The database whose header is |header| and whose header.recordCount records
// are |texts| (each |sizes| - 1 bytes with no NUL, at most
// kMaxRecordTextLength), in |image|, which is replaced and takes the two
// lists over.
void BuildDatabaseImage(const DatabaseHeader& header, std::vector<const char*>&& texts,
                        std::vector<std::uint32_t>&& sizes, DatabaseImage& image);

// Copy the texts into |image| itself, so that it no longer needs them where
// they were.
void OwnDatabaseTexts(DatabaseImage& image);

// The size of |image|'s whole file.
std::size_t DatabaseFileSize(const DatabaseImage& image);

// The most that a database laid out over its texts reaches past the end of
// the last text: for each record its list entry, the zeros before its text
// and the NUL after it, and the header and filler.
const std::size_t kMaxDatabaseBeyondTexts =
    kDatabaseHeaderSize + 2 + (kRecordListEntrySize + kRecordPrefixSize + 1) * kMaxRecordCount;

// Where |image|'s file may end, counted from |start|, to be laid out over
// its texts, which lie from |start| on in list order without overlapping:
// far enough past the last text that each text's place in the file is no
// earlier than the text, and at least DatabaseFileSize(image) from |start|.
// At most kMaxDatabaseBeyondTexts past the end of the last text.
std::size_t DatabaseEndOverTexts(const DatabaseImage& image, const unsigned char* start);

// Lay |image|'s whole file out in the DatabaseFileSize(image) bytes that end
// at |end|. Its texts may lie in those bytes, in list order, each no later
// than its own place in the file (as DatabaseEndOverTexts makes them): the
// last text is moved first, so none is written over before it is moved.
void LayOutDatabase(const DatabaseImage& image, unsigned char* end);

// The whole file's bytes, laid out apart from the texts.
std::vector<unsigned char> DatabaseBytes(const DatabaseImage& image);

#endif  // QDCONV_DATABASE_DATABASE_WRITER_H_
