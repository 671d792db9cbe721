#include "database/byte_order.h"

#include <cstring>

namespace {

bool IsHostLittleEndian() {
  const std::uint16_t probe = 1;
  unsigned char first;
  std::memcpy(&first, &probe, 1);
  return first == 1;
}

}  // namespace

std::uint32_t SwapBytes32(std::uint32_t value) {
  return ((value >> 0) & 0xFFu) << 24 | ((value >> 8) & 0xFFu) << 16 |
         ((value >> 16) & 0xFFu) << 8 | ((value >> 24) & 0xFFu) << 0;
}

std::uint16_t SwapBytes16(std::uint16_t value) {
  return static_cast<std::uint16_t>((value & 0xFFu) << 8 | (value >> 8));
}

void StoreBigEndian32(unsigned char* destination, std::uint32_t value) {
  const std::uint32_t stored = IsHostLittleEndian() ? SwapBytes32(value) : value;
  std::memcpy(destination, &stored, sizeof stored);
}

void StoreBigEndian16(unsigned char* destination, std::uint16_t value) {
  const std::uint16_t stored = IsHostLittleEndian() ? SwapBytes16(value) : value;
  std::memcpy(destination, &stored, sizeof stored);
}

std::uint32_t LoadBigEndian32(const unsigned char* source) {
  return static_cast<std::uint32_t>(source[0]) << 24 | static_cast<std::uint32_t>(source[1]) << 16 |
         static_cast<std::uint32_t>(source[2]) << 8 | source[3];
}

std::uint16_t LoadBigEndian16(const unsigned char* source) {
  return static_cast<std::uint16_t>(source[0] << 8 | source[1]);
}
