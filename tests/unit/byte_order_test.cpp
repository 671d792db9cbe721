#include "database/byte_order.h"

#include <gtest/gtest.h>

TEST(ByteOrderTest, SwapsReverseEveryByte) {
  EXPECT_EQ(SwapBytes32(0x11223344u), 0x44332211u);
  EXPECT_EQ(SwapBytes32(0x000000FFu), 0xFF000000u);
  EXPECT_EQ(SwapBytes32(0x80000001u), 0x01000080u);
  EXPECT_EQ(SwapBytes16(0x1122u), 0x2211u);
  EXPECT_EQ(SwapBytes16(0x00FFu), 0xFF00u);
}

TEST(ByteOrderTest, StoresMostSignificantByteFirst) {
  unsigned char bytes[6] = {};
  StoreBigEndian32(bytes, 858990197u);
  StoreBigEndian16(bytes + 4, 0x8C01u);
  const unsigned char expected[6] = {0x33, 0x33, 0x26, 0x75, 0x8C, 0x01};
  EXPECT_EQ(0, memcmp(bytes, expected, sizeof bytes));
}
