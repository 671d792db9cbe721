// Writing the database file front to back: first the header, the record list
// and the two filler bytes (0x8C 0x00), then one body per record in list
// order. The stream must be open for writing raw bytes; nothing repositions
// it. These functions do not report failures: the caller checks the stream's
// error state (std::ferror) and the result of closing it.
#ifndef QDCONV_DATABASE_DATABASE_WRITER_H_
#define QDCONV_DATABASE_DATABASE_WRITER_H_

#include <cstddef>
#include <cstdio>

#include "database/database_header.h"
#include "database/record_list.h"

// The 16 bytes that open every record body. They are always zero.
struct RecordPrefix {
  unsigned char bytes[kRecordPrefixSize];
};

// Write the header, header.recordCount entries of |entries| and the filler
// bytes: 80 + 8 * header.recordCount bytes.
void WriteHeaderAndRecordList(std::FILE* stream, const DatabaseHeader& header,
                              const RecordListEntry* entries);

// Write one record body: the zero prefix, |textLength| bytes of |text| (which
// hold no NUL; at most kMaxRecordTextLength) and one NUL.
void WriteRecordBody(std::FILE* stream, const char* text,
                     std::size_t textLength);

#endif  // QDCONV_DATABASE_DATABASE_WRITER_H_
