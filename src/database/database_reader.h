// Reading a database file of the tutor application from its bytes in memory,
// one record at a time, checking every offset before it is followed.
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

struct DatabaseReader {
  const unsigned char* bytes;  // the whole file
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
};

// Start reading the database |bytes[0..size)|, which must outlive |reader|.
void StartDatabaseReader(const unsigned char* bytes, std::size_t size, DatabaseReader& reader);

// Read and check the header, and that the record list fits in the file.
DatabaseFault ReadDatabaseHeader(DatabaseReader& reader);

// Read the text of record reader.nextRecord (the bytes after its prefix, up
// to the NUL that ends them: |text|[0..|length|), a view into the file) and
// move on to the next record. A fault names record |faultRecord| (counted
// from 0), which may be a later one whose offset was read ahead.
DatabaseFault ReadDatabaseRecord(DatabaseReader& reader, const char*& text,
                                 std::uint64_t& length, int& faultRecord);

#endif  // QDCONV_DATABASE_DATABASE_READER_H_
