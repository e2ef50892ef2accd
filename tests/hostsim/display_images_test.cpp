#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "display_support.h"
#include "host/vg.h"
#include "hostsim/gui/gui_icons.h"

namespace ostrel3_test {
namespace {

using Images = DisplayTest;

// The camera pictures lend their scaled pixels to a GUI image header for
// one write; the host must free its own pixels and never the lent ones.
TEST_F(Images, BorrowedPixelsAreWrittenAndTheHeaderStaysFreeable) {
  VG_IMAGE* image = vgAllocImage(0x4000, 1, 1);
  ASSERT_NE(image, nullptr);
  std::vector<uint8_t> picture(4 * 3 * 2);
  for (size_t i = 0; i < picture.size(); i += 4) {
    picture[i] = 0x30;      // blue
    picture[i + 1] = 0x60;  // green
    picture[i + 2] = 0x90;  // red
    picture[i + 3] = 0x00;  // alpha: ignored for video pictures
  }
  uint8_t* own = image->pixels;
  image->pixels = picture.data();
  image->width = 3;
  image->height = 2;
  ASSERT_EQ(vgWriteImage(0, image, 40, 50), 0);
  image->pixels = own;
  image->width = 1;
  image->height = 1;
  vgFreeImage(image);

  EXPECT_EQ(countColour({39, 49, 43, 52}, 0xFF906030u), 6);
  EXPECT_EQ(pixel(40, 50), 0xFF906030u);
  EXPECT_EQ(pixel(42, 51), 0xFF906030u);
  EXPECT_TRUE(host().liveHandles().empty());
}

// Lines are copied several pixels at a time: every pixel of a line wider
// than one step must land in its own column, also where the picture starts
// left of the screen and its first columns are cut.
TEST_F(Images, EveryPixelOfAWideLineLandsInItsColumnWhenCutAtTheLeftEdge) {
  constexpr int kWidth = 11, kHeight = 3;
  std::vector<uint32_t> picture(kWidth * kHeight);
  for (size_t i = 0; i < picture.size(); ++i) picture[i] = 0x00101010u * uint32_t(i % 15) + uint32_t(i);
  VG_IMAGE* image = vgAllocImage(0x4000, 1, 1);
  ASSERT_NE(image, nullptr);
  uint8_t* own = image->pixels;
  image->pixels = reinterpret_cast<uint8_t*>(picture.data());
  image->width = kWidth;
  image->height = kHeight;
  ASSERT_EQ(vgWriteImage(0, image, -2, 7), 0);
  image->pixels = own;
  image->width = 1;
  image->height = 1;
  vgFreeImage(image);

  for (int y = 0; y < kHeight; ++y)
    for (int x = 2; x < kWidth; ++x)
      EXPECT_EQ(pixel(x - 2, 7 + y), 0xFF000000u | picture[size_t(y) * kWidth + x]) << x << "," << y;
  EXPECT_EQ(pixel(kWidth - 2, 7), background());
}

TEST_F(Images, FreeingWhileStillBorrowedReleasesOnlyTheHostsPixels) {
  VG_IMAGE* image = vgAllocImage(0x4000, 1, 1);
  ASSERT_NE(image, nullptr);
  uint8_t lent[4 * 4] = {};  // on the stack: freeing it would crash under the sanitizers
  image->pixels = lent;
  image->width = 2;
  image->height = 2;
  vgFreeImage(image);
  EXPECT_TRUE(host().liveHandles().empty());
  EXPECT_GE(host().log().size(), 1u);
}

TEST_F(Images, UnknownOrDoubleFreedImagesAreRefusedWithoutHarm) {
  VG_IMAGE stranger{};
  vgFreeImage(&stranger);
  vgFreeImage(nullptr);
  EXPECT_EQ(vgWriteImage(0, &stranger, 0, 0), -1);
  EXPECT_EQ(vgWriteImage(0, nullptr, 0, 0), -1);
  VG_IMAGE* image = vgAllocImage(0, 2, 2);
  vgFreeImage(image);
  vgFreeImage(image);
  EXPECT_EQ(vgAllocImage(0, 0, 5), nullptr);
  EXPECT_EQ(vgAllocImage(0, 5, -1), nullptr);
}

TEST_F(Images, ImagesNotFreedAreListedAsLive) {
  VG_IMAGE* image = vgAllocImage(0x4000, 4, 3);
  ASSERT_NE(image, nullptr);
  const auto live = host().liveHandles();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_NE(live[0].find("4x3"), std::string::npos);
  vgFreeImage(image);
  EXPECT_TRUE(host().liveHandles().empty());
}

TEST_F(Images, GuiPicturesExistForEveryButtonOfTheOperator) {
  for (int32_t id : {0x226, 0x216, 0x225, 0x2D, 2, 3, 0x2C, 0x29C, 0x24C, 0x24D, 534, 550}) {
    VG_IMAGE* image = vgGetGuiResource(0, 0, id);
    ASSERT_NE(image, nullptr) << "GUI picture " << id;
    EXPECT_EQ(vgGetGuiResource(0, 0, id), image) << "the host keeps one copy";
    EXPECT_GT(image->width, 8);
    EXPECT_GT(image->height, 8);
    int opaque = 0;
    for (int i = 0; i < image->width * image->height; ++i) opaque += image->pixels[i * 4 + 3] > 128;
    EXPECT_GT(opaque, 10) << "GUI picture " << id << " is blank";
  }
  EXPECT_EQ(vgGetGuiResource(0, 0, 0x7777), nullptr);
  EXPECT_EQ(vgGetGuiResource(3, 0, 0x216), nullptr);
}

TEST_F(Images, GuiPicturesBlendOverTheScreen) {
  VG_IMAGE* play = vgGetGuiResource(0, 0, 0x216);
  ASSERT_NE(play, nullptr);
  ASSERT_EQ(vgWriteResImage(0, play, 100, 100), 0);
  // Transparent corners keep the background; the triangle's middle is ink.
  EXPECT_EQ(pixel(100, 100), background());
  EXPECT_NE(pixel(100 + play->width / 2, 100 + play->height / 2), background());
  EXPECT_EQ(pixel(100 + play->width / 2, 100 + play->height / 2) >> 24, 0xFFu);
}

TEST_F(Images, ScreenshotHasTheMonitorsSize) {
  const auto file = home() / "shot.png";
  ASSERT_TRUE(display().screen().savePng(1, file));
  std::ifstream in(file, std::ios::binary);
  std::vector<unsigned char> head(24);
  ASSERT_TRUE(in.read(reinterpret_cast<char*>(head.data()), 24));
  const auto big = [&](size_t at) { return head[at] << 24 | head[at + 1] << 16 | head[at + 2] << 8 | head[at + 3]; };
  EXPECT_EQ(head[1], 'P');
  EXPECT_EQ(big(16), 1920);
  EXPECT_EQ(big(20), 1080);
  EXPECT_FALSE(display().screen().savePng(2, home() / "none.png"));
  EXPECT_FALSE(display().screen().savePng(1, home() / "no" / "such" / "dir.png"));
}

TEST_F(Images, SavedAndRestoredRectangleComesBack) {
  vgSetColorYUV(0xFF8080FFu);
  ASSERT_EQ(vgRectFill(0, 10, 10, 19, 19), 0);
  const auto saved = display().screen().saveRect(1, {5, 5, 24, 24});
  ASSERT_EQ(saved.size(), 400u);
  ASSERT_EQ(vgFillBackground(0, 0, 0, 30, 30, 1, 0), 0);
  display().screen().restoreRect(1, {5, 5, 24, 24}, saved);
  EXPECT_EQ(countColour({0, 0, 30, 30}, 0xFFFFFFFFu), 100);
  // Off the screen nothing is read or written.
  const auto edge = display().screen().saveRect(1, {-2, -2, 1, 1});
  ASSERT_EQ(edge.size(), 16u);
  EXPECT_EQ(edge[0], 0u);
  EXPECT_EQ(edge[15], background());
  display().screen().restoreRect(1, {-2, -2, 1, 1}, edge);
  EXPECT_EQ(pixel(0, 0), background());
}

}  // namespace
}  // namespace ostrel3_test
