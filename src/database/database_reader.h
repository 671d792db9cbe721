// Reading a database file of the tutor application one record at a time, in
// fixed memory, checking every offset before it is followed.
//
// Besides what database_writer.h writes, it takes what the handheld and other
// tools vary in, as the format's readers do: any value in the header's other
// fields (attributes, dates, modification number, application and sort info),
// any record attributes and unique IDs, no filler bytes after the record list,
// gaps between bodies, any bytes in a body's 16-byte prefix and after its
// text's NUL, and data after the last record.
//
// It refuses, naming the reason (DatabaseFault): a file too short for a header
// or with no NUL in its name field (not a database at all), a database of
// another application (type or creator), a record list that runs past the end
// of the file, and a record whose offset points into the header or the list,
// past the end of the file or before the previous record's, whose body is
// shorter than its prefix, or whose text has no NUL within its body.
#ifndef QDCONV_DATABASE_DATABASE_READER_H_
#define QDCONV_DATABASE_DATABASE_READER_H_

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "database/database_header.h"
#include "database/record_list.h"

enum DatabaseFault {
  kDatabaseSound,
  kShorterThanAHeader,
  kNameWithoutEnd,
  kOtherApplication,
  kRecordListPastTheEnd,
  kRecordInHeaderOrList,
  kRecordPastTheEnd,
  kRecordBeforeThePrevious,
  kRecordShorterThanItsPrefix,
  kRecordWithoutEnd,
};

const std::size_t kListBlockEntries = 512;
const std::size_t kBodyBlockSize = 1 << 16;

struct DatabaseReader {
  std::FILE* listFile;  // reads the header and record list, front to back
  std::FILE* bodyFile;  // reads the record bodies, front to back
  std::uint64_t fileSize;

  // From the header, once ReadDatabaseHeader has read it.
  // The name field up to its NUL, without a final LF: earlier converters
  // stored the name line's end with the name.
  char name[kDatabaseNameFieldSize];
  std::size_t nameLength;
  char type[4];
  char creator[4];
  int recordCount;

  int nextRecord;            // the record ReadDatabaseRecord reads next
  std::uint64_t nextOffset;  // where its body starts
  unsigned char entries[kRecordListEntrySize * kListBlockEntries];
  std::size_t entriesLength;
  std::size_t entriesPosition;

  unsigned char block[kBodyBlockSize];  // bodies, from file offset blockStart on
  std::uint64_t blockStart;
  std::size_t blockLength;
};

// Open the regular file at |path| for reading. False when it cannot be
// opened, errno telling why (EISDIR for a folder, EINVAL for anything else
// that is not a regular file).
bool OpenDatabaseFile(const char* path, DatabaseReader& reader);

void CloseDatabaseFile(DatabaseReader& reader);

// Read and check the header, and that the record list fits in the file.
DatabaseFault ReadDatabaseHeader(DatabaseReader& reader);

// Read the text of record reader.nextRecord (the bytes after its prefix, up
// to the NUL that ends them) and move on to the next record. Keeps at most
// |capacity| bytes in |text|; |length| is the text's whole length. A fault
// names record |faultRecord| (counted from 0), which may be a later one whose
// offset was read ahead.
DatabaseFault ReadDatabaseRecord(DatabaseReader& reader, char* text, std::size_t capacity,
                                 std::uint64_t& length, int& faultRecord);

#endif  // QDCONV_DATABASE_DATABASE_READER_H_
