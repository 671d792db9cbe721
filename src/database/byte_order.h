// Byte-order helpers for the database file, whose numbers are all big-endian.
// SwapBytes32 and SwapBytes16 reverse the bytes of a number; the Store
// functions write a host number to a byte buffer most significant byte first,
// and the Load functions read one back, on a host of either byte order.
#ifndef QDCONV_DATABASE_BYTE_ORDER_H_
#define QDCONV_DATABASE_BYTE_ORDER_H_

#include <cstdint>

std::uint32_t SwapBytes32(std::uint32_t value);
std::uint16_t SwapBytes16(std::uint16_t value);

// Write |value| to |destination[0..3]| (or [0..1]) in big-endian order.
void StoreBigEndian32(unsigned char* destination, std::uint32_t value);
void StoreBigEndian16(unsigned char* destination, std::uint16_t value);

// The number stored big-endian at |source[0..3]| (or [0..1]).
std::uint32_t LoadBigEndian32(const unsigned char* source);
std::uint16_t LoadBigEndian16(const unsigned char* source);

#endif  // QDCONV_DATABASE_BYTE_ORDER_H_
