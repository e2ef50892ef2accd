#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "display_support.h"
#include "host/vg.h"
#include "hostsim/gui/screen.h"

namespace ostrel3_test {
namespace {

using hostsim::argbToYuv;
using hostsim::yuvToArgb;

TEST(YuvColour, KnownColoursConvertBothWays) {
  EXPECT_EQ(argbToYuv(0xFFFFFFFFu), 0xFF8080FFu);
  EXPECT_EQ(argbToYuv(0xFF000000u), 0x008080FFu);
  EXPECT_EQ(argbToYuv(0xFFFF0000u), 0x4C55FFFFu);  // red: Y 76, U 85, V clipped at 255
  EXPECT_EQ(argbToYuv(0xFF0000FFu), 0x1DFF6BFFu);  // blue: Y 29, U clipped at 255, V 107
  EXPECT_EQ(yuvToArgb(0xFF8080FFu), 0xFFFFFFFFu);
  EXPECT_EQ(yuvToArgb(0x008080FFu), 0xFF000000u);
  // The operator's highlight colour is a light neutral grey.
  EXPECT_EQ(yuvToArgb(0xB68080FFu), 0xFFB6B6B6u);
  EXPECT_TRUE(closeColour(yuvToArgb(0x4C55FFFFu), 0xFFFF0000u, 2));
}

TEST(YuvColour, AlphaTravelsInTheLowestByte) {
  EXPECT_EQ(argbToYuv(0x40808080u) & 0xFF, 0x40u);
  EXPECT_EQ(yuvToArgb(0x80808020u) >> 24, 0x20u);
}

TEST(YuvColour, RoundTripStaysWithinRounding) {
  for (uint32_t r = 0; r < 256; r += 15)
    for (uint32_t g = 0; g < 256; g += 15)
      for (uint32_t b = 0; b < 256; b += 15) {
        const uint32_t argb = 0xFF000000u | (r << 16) | (g << 8) | b;
        const uint32_t yuv = argbToYuv(argb);
        const uint32_t u = (yuv >> 16) & 0xFF, v = (yuv >> 8) & 0xFF;
        if (u == 0 || u == 255 || v == 0 || v == 255) continue;  // clipped: no way back
        EXPECT_TRUE(closeColour(yuvToArgb(yuv), argb, 2)) << std::hex << argb << " came back as " << yuvToArgb(yuv);
      }
}

using GuiColours = DisplayTest;

// Camera colours are told apart in thin timeline strips: they must differ clearly.
TEST_F(GuiColours, CameraColoursAreEightClearlyDifferentColours) {
  const int cameraIndices[] = {15, 14, 12, 13, 7, 6, 5, 9};
  std::vector<uint32_t> colours;
  for (int index : cameraIndices) colours.push_back(yuvToArgb(vgGetGuiColorYUV(index)));
  for (size_t i = 0; i < colours.size(); ++i)
    for (size_t j = i + 1; j < colours.size(); ++j) {
      double distance = 0;
      for (int shift : {0, 8, 16}) {
        const double d = static_cast<double>((colours[i] >> shift) & 0xFF) - ((colours[j] >> shift) & 0xFF);
        distance += d * d;
      }
      EXPECT_GT(std::sqrt(distance), 80.0) << "camera colours " << i << " and " << j << " look alike";
    }
}

TEST_F(GuiColours, TimelineColoursStandOutFromTheirBackgrounds) {
  // Sound bars on the strip background, segment bodies with their borders and clip names.
  EXPECT_FALSE(closeColour(yuvToArgb(vgGetNewGuiColorYUV(7)), yuvToArgb(vgGetNewGuiColorYUV(4)), 40));
  EXPECT_FALSE(closeColour(yuvToArgb(vgGetNewGuiColorYUV(8)), yuvToArgb(vgGetNewGuiColorYUV(7)), 40));
  EXPECT_FALSE(closeColour(yuvToArgb(vgGetNewGuiColorYUV(1002)), yuvToArgb(vgGetNewGuiColorYUV(7)), 60));
  // The strip markers differ from the strip's own colours.
  EXPECT_FALSE(closeColour(yuvToArgb(vgGetGuiColorYUV(5)), yuvToArgb(vgGetNewGuiColorYUV(4)), 40));
  EXPECT_FALSE(closeColour(yuvToArgb(vgGetGuiColorYUV(13)), yuvToArgb(vgGetNewGuiColorYUV(7)), 40));
}

TEST_F(GuiColours, EveryColourIsOpaqueAndUnknownIndicesGiveGrey) {
  for (int i = -2; i < 40; ++i) {
    EXPECT_EQ(vgGetGuiColorYUV(i) & 0xFF, 0xFFu);
    EXPECT_EQ(vgGetNewGuiColorYUV(i) & 0xFF, 0xFFu);
  }
  EXPECT_EQ(yuvToArgb(vgGetNewGuiColorYUV(5000)), 0xFF808080u);
  EXPECT_FALSE(display().backgroundColour(0));
  EXPECT_FALSE(display().backgroundColour(99));
  EXPECT_TRUE(display().backgroundColour(2));
}

TEST_F(GuiColours, RgbColourIsDrawnExactlyAndReportedAsYuv) {
  vgSetColorRGB(0xB7B7B7FFu);
  EXPECT_EQ(display().currentColour(), 0xB78080FFu);
  vgSetColorRGB(0x12345678u);  // no round trip through YUV for what is drawn
  ASSERT_EQ(vgRectFill(0, 0, 0, 0, 0), 0);
  EXPECT_EQ(pixel(0, 0), 0xFF123456u);
  vgSetColorYUV(0xFF8080FFu);
  EXPECT_EQ(display().currentColour(), 0xFF8080FFu);
  ASSERT_EQ(vgRectFill(0, 0, 0, 0, 0), 0);
  EXPECT_EQ(pixel(0, 0), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace ostrel3_test
