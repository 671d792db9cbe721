#include "database/byte_order.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ByteOrderTest, StoresMostSignificantByteFirstAndLoadsItBack) {
  unsigned char bytes[6] = {};
  StoreBigEndian32(bytes, 858990197u);
  StoreBigEndian16(bytes + 4, 0x8C01u);
  const unsigned char expected[6] = {0x33, 0x33, 0x26, 0x75, 0x8C, 0x01};
  EXPECT_EQ(0, std::memcmp(bytes, expected, sizeof bytes));
  EXPECT_EQ(LoadBigEndian32(bytes), 858990197u);
  EXPECT_EQ(LoadBigEndian16(bytes + 4), 0x8C01u);
}
