// A database file as the pieces it is written from, front to back: its head
// (the header, the record list and the two filler bytes 0x8C 0x00), built
// here, then one body per record in list order, each 16 zero bytes, the
// record's text and a NUL. The texts are not copied: the image points at
// them where they are, so the caller keeps them alive while it writes (or
// makes them the image's own).
#ifndef QDCONV_DATABASE_DATABASE_WRITER_H_
#define QDCONV_DATABASE_DATABASE_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "database/database_header.h"
#include "database/record_list.h"

struct DatabaseImage {
  std::vector<unsigned char> head;
  std::vector<const char*> texts;     // record k is sizes[k] - 1 bytes at texts[k]
  std::vector<std::uint32_t> sizes;   // text length plus one (the NUL)
  std::string ownTexts;               // texts the image holds itself, if any
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

// The whole file's bytes.
std::vector<unsigned char> DatabaseBytes(const DatabaseImage& image);

#endif  // QDCONV_DATABASE_DATABASE_WRITER_H_
