// The off-screen pixel buffer.
#include <gtest/gtest.h>

#include "guirawbuffer.h"
#include "support/host_fixture.h"

namespace {

class RawBufferTest : public ostrel3_test::HostTest {};

TEST_F(RawBufferTest, ResizeGivesAZeroedBufferOfTheSize) {
  RawBuffer buffer;
  EXPECT_EQ(buffer.pixels(), nullptr);
  ASSERT_TRUE(buffer.resize(30, 4));
  ASSERT_NE(buffer.pixels(), nullptr);
  EXPECT_EQ(buffer.width(), 30);
  EXPECT_EQ(buffer.height(), 4);
  for (int i = 0; i < 30 * 4; ++i) ASSERT_EQ(buffer.pixels()[i], 0) << i;
}

TEST_F(RawBufferTest, SameSizeKeepsTheBufferAndItsPixels) {
  RawBuffer buffer;
  ASSERT_TRUE(buffer.resize(8, 8));
  buffer.pixels()[63] = 0xABCD;
  const uint16_t* before = buffer.pixels();
  ASSERT_TRUE(buffer.resize(8, 8));
  EXPECT_EQ(buffer.pixels(), before);
  EXPECT_EQ(buffer.pixels()[63], 0xABCD);

  ASSERT_TRUE(buffer.resize(4, 16));  // same pixel count, other shape: a new buffer
  EXPECT_EQ(buffer.width(), 4);
  EXPECT_EQ(buffer.pixels()[63], 0);
}

TEST_F(RawBufferTest, ImpossibleSizeLogsAndLeavesAnEmptyBuffer) {
  RawBuffer buffer;
  ASSERT_TRUE(buffer.resize(8, 8));
  EXPECT_FALSE(buffer.resize(-1, 8));
  EXPECT_EQ(buffer.pixels(), nullptr);
  EXPECT_EQ(buffer.width(), 0);
  EXPECT_EQ(buffer.height(), 0);
  EXPECT_EQ(logCount(4), 1u);

  EXPECT_TRUE(buffer.resize(0, 8));  // nothing to hold is no failure
  EXPECT_EQ(buffer.pixels(), nullptr);
  EXPECT_EQ(logCount(4), 1u);
}

TEST_F(RawBufferTest, MovingHandsTheBufferOver) {
  RawBuffer a;
  ASSERT_TRUE(a.resize(2, 2));
  const uint16_t* pixels = a.pixels();
  RawBuffer b = std::move(a);
  EXPECT_EQ(b.pixels(), pixels);
  EXPECT_EQ(b.width(), 2);
}

}  // namespace
