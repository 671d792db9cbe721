// The bytes of a database file, built front to back in memory: first the
// header, the record list and the two filler bytes (0x8C 0x00), then one body
// per record in list order, each the zero prefix, the text and its NUL. The
// caller writes them to the disk in one piece.
#ifndef QDCONV_DATABASE_DATABASE_WRITER_H_
#define QDCONV_DATABASE_DATABASE_WRITER_H_

#include <cstdint>
#include <vector>

#include "database/database_header.h"
#include "database/record_list.h"

// The database whose header is |header| and whose header.recordCount records
// are |texts| (each |sizes| - 1 bytes with no NUL, at most
// kMaxRecordTextLength), in |image|, which is replaced.
void BuildDatabaseImage(const DatabaseHeader& header, const char* const* texts,
                        const std::uint32_t* sizes, std::vector<unsigned char>& image);

#endif  // QDCONV_DATABASE_DATABASE_WRITER_H_
