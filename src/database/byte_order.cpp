#include "database/byte_order.h"

void StoreBigEndian32(unsigned char* destination, std::uint32_t value) {
  destination[0] = static_cast<unsigned char>(value >> 24);
  destination[1] = static_cast<unsigned char>(value >> 16);
  destination[2] = static_cast<unsigned char>(value >> 8);
  destination[3] = static_cast<unsigned char>(value);
}

void StoreBigEndian16(unsigned char* destination, std::uint16_t value) {
  destination[0] = static_cast<unsigned char>(value >> 8);
  destination[1] = static_cast<unsigned char>(value);
}

std::uint32_t LoadBigEndian32(const unsigned char* source) {
  return static_cast<std::uint32_t>(source[0]) << 24 | static_cast<std::uint32_t>(source[1]) << 16 |
         static_cast<std::uint32_t>(source[2]) << 8 | source[3];
}

std::uint16_t LoadBigEndian16(const unsigned char* source) {
  return static_cast<std::uint16_t>(source[0] << 8 | source[1]);
}
