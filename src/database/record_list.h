// The record list that follows the header: one 8-byte entry per record, each
// giving the file offset of its record body. The list is built in full from
// the record text sizes before the first byte of the file is written,
// straight into the bytes of the file's head.
//
// Layout the offsets follow: the 78-byte header, the list (8 bytes per
// record), two filler bytes, then the record bodies back to back, body k being
// 16 prefix bytes and record text size k (the text and its NUL).
#ifndef QDCONV_DATABASE_RECORD_LIST_H_
#define QDCONV_DATABASE_RECORD_LIST_H_

#include <cstddef>
#include <cstdint>

#include "limits/quiz_limits.h"

const std::size_t kRecordListEntrySize = 8;
const std::size_t kRecordPrefixSize = 16;

// Store the list, big-endian, at |list| (kRecordListEntrySize * |count|
// bytes): entry k the offset of body k, from the record text sizes
// |sizes[0..count)| (each a text length plus one for its NUL), for a file
// that holds |count| records; attributes and unique ids are 0. |count| is 0
// to kMaxRecordCount.
void StoreRecordList(const std::uint32_t* sizes, int count, unsigned char* list);

#endif  // QDCONV_DATABASE_RECORD_LIST_H_
