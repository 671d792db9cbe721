// Byte-order helpers for the database file, whose numbers are all big-endian:
// the Store functions write a number to a byte buffer most significant byte
// first, and the Load functions read one back, by shifts, on a host of
// either byte order.
#ifndef QDCONV_DATABASE_BYTE_ORDER_H_
#define QDCONV_DATABASE_BYTE_ORDER_H_

#include <cstdint>

// Write |value| to |destination[0..3]| (or [0..1]) in big-endian order.
void StoreBigEndian32(unsigned char* destination, std::uint32_t value);
void StoreBigEndian16(unsigned char* destination, std::uint16_t value);

// The number stored big-endian at |source[0..3]| (or [0..1]).
std::uint32_t LoadBigEndian32(const unsigned char* source);
std::uint16_t LoadBigEndian16(const unsigned char* source);

#endif  // QDCONV_DATABASE_BYTE_ORDER_H_
