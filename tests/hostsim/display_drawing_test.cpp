#include <gtest/gtest.h>

#include <vector>

#include "display_support.h"
#include "host/vg.h"

namespace ostrel3_test {
namespace {


constexpr uint32_t kWhiteYuv = 0xFF8080FFu;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

using Drawing = DisplayTest;

TEST_F(Drawing, ScreenStartsInTheBackgroundColour) {
  EXPECT_EQ(countOther({0, 0, 1919, 1079}, background()), 0);
  EXPECT_NE(background(), 0xFF000000u);
}

TEST_F(Drawing, RectFillCoversItsInclusiveCorners) {
  vgSetColorYUV(kWhiteYuv);
  ASSERT_EQ(vgRectFill(0, 10, 20, 13, 21), 0);
  EXPECT_EQ(countColour({9, 19, 14, 22}, kWhite), 4 * 2);
  EXPECT_EQ(pixel(10, 20), kWhite);
  EXPECT_EQ(pixel(13, 21), kWhite);
  EXPECT_NE(pixel(14, 21), kWhite);
  EXPECT_NE(pixel(13, 22), kWhite);
}

TEST_F(Drawing, RectangleReachingOffTheScreenIsCut) {
  vgSetColorYUV(kWhiteYuv);
  EXPECT_EQ(vgRectFill(0, -50, -50, 2, 1), 0);
  EXPECT_EQ(vgRectFill(0, 1900, 1070, 32000, 32000), 0);
  EXPECT_EQ(countColour({0, 0, 5, 5}, kWhite), 3 * 2);
  EXPECT_EQ(countColour({1895, 1065, 1919, 1079}, kWhite), 20 * 10);
  // Inverted corners draw nothing.
  EXPECT_EQ(vgRectFill(0, 500, 500, 400, 400), 0);
  EXPECT_EQ(countColour({390, 390, 510, 510}, kWhite), 0);
}

// The way the operator narrows drawing to an area and gives the clip back.
TEST_F(Drawing, ClipRectangleLimitsDrawingUntilItIsRestored) {
  VG_CORNERS saved{};
  ASSERT_EQ(vgGetClipRectMonitor(&saved, 1), 0);
  ASSERT_EQ(vgSetClipRect(0, 100, 100, 109, 104), 0);

  vgSetColorYUV(kWhiteYuv);
  ASSERT_EQ(vgRectFill(0, 0, 0, 300, 300), 0);
  EXPECT_EQ(countColour({0, 0, 300, 300}, kWhite), 10 * 5);
  EXPECT_EQ(countColour({100, 100, 109, 104}, kWhite), 10 * 5);

  ASSERT_EQ(vgSetClipRect(0, saved.x0, saved.y0, saved.x1, saved.y1), 0);
  ASSERT_EQ(vgRectFill(0, 0, 0, 300, 300), 0);
  EXPECT_EQ(countColour({0, 0, 300, 300}, kWhite), 301 * 301);
}

TEST_F(Drawing, EmptyClipRectangleStopsAllDrawing) {
  ASSERT_EQ(vgSetClipRect(0, 10, 10, 9, 9), 0);
  vgSetColorYUV(kWhiteYuv);
  ASSERT_EQ(vgRectFill(0, 0, 0, 50, 50), 0);
  ASSERT_EQ(vgDrawBoxNew(0, 0, 0, 50, 50, 4, 3, 0, 0), 0);
  ASSERT_EQ(vgBoxText(0, u"WWWW", 0, 0, 50, 20, 0), 0);
  EXPECT_EQ(countOther({0, 0, 60, 60}, background()), 0);
}

TEST_F(Drawing, PanelCoordinatesAreShiftedToThePanelsPlace) {
  placePanels({{5, {1, {200, 100, 50, 40}}}});
  vgSetColorYUV(kWhiteYuv);
  ASSERT_EQ(vgRectFill(5, 0, 0, 1, 1), 0);
  EXPECT_EQ(countColour({190, 90, 260, 150}, kWhite), 4);
  EXPECT_EQ(pixel(200, 100), kWhite);
  EXPECT_EQ(pixel(201, 101), kWhite);
  // The clip rectangle stays in screen coordinates.
  ASSERT_EQ(vgSetClipRect(0, 0, 0, 210, 110), 0);
  ASSERT_EQ(vgRectFill(5, 0, 0, 49, 39), 0);
  EXPECT_EQ(countColour({190, 90, 260, 150}, kWhite), 11 * 11);
}

class TwoMonitors : public DisplayTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = DisplayTest::makeConfig();
    c.monitors.resize(2);
    return c;
  }
};

TEST_F(TwoMonitors, PanelOnAnotherMonitorDrawsThereWithThatMonitorsClip) {
  placePanels({{3, {2, {10, 10, 20, 20}}}});
  vgSetColorYUV(kWhiteYuv);
  ASSERT_EQ(vgSetClipRect(0, 0, 0, 10, 10), 0);  // the default monitor's clip only
  ASSERT_EQ(vgRectFill(3, 0, 0, 4, 4), 0);
  EXPECT_EQ(countColour({0, 0, 40, 40}, kWhite, 2), 25);
  EXPECT_EQ(countColour({0, 0, 40, 40}, kWhite, 1), 0);
}

TEST_F(Drawing, UnknownPanelIsRefusedAndDrawsNothing) {
  vgSetColorYUV(kWhiteYuv);
  EXPECT_EQ(vgRectFill(77, 0, 0, 10, 10), -1);
  EXPECT_EQ(vgFillBackground(77, 0, 0, 10, 10, 2, 0), -1);
  EXPECT_EQ(vgDrawBoxNew(77, 0, 0, 10, 10, 4, 0, 0, 0), -1);
  EXPECT_EQ(vgBoxText(77, u"A", 0, 0, 10, 10, 0), -1);
  const uint32_t pixels[4] = {};
  EXPECT_EQ(vgWriteRectRaw(77, pixels, 0, 0, 2, 2, 1), -1);
  EXPECT_EQ(countOther({0, 0, 20, 20}, background()), 0);
}

TEST_F(Drawing, FillBackgroundUsesTheBackgroundTable) {
  ASSERT_EQ(vgFillBackground(0, 0, 0, 3, 3, 2, 0), 0);
  EXPECT_EQ(pixel(3, 3), background(2));
  EXPECT_EQ(vgFillBackground(0, 10, 10, 13, 13, 42, 0), -1);
  EXPECT_EQ(pixel(10, 10), background());
}

TEST_F(Drawing, RaisedAndSunkenBoxesHaveOppositeBevels) {
  ASSERT_EQ(vgDrawBoxNew(0, 10, 10, 49, 29, 4, 5, 0, 0), 0);
  const uint32_t raisedTop = pixel(20, 10), raisedBottom = pixel(20, 29);
  EXPECT_EQ(pixel(10, 20), raisedTop);
  EXPECT_EQ(pixel(49, 20), raisedBottom);
  EXPECT_NE(raisedTop, raisedBottom);
  EXPECT_EQ(pixel(30, 20), background(5)) << "fill index 5 fills the inside";

  ASSERT_EQ(vgDrawBoxNew(0, 100, 10, 139, 29, 11, 0, 0, 0), 0);
  EXPECT_EQ(pixel(110, 10), raisedBottom);
  EXPECT_EQ(pixel(110, 29), raisedTop);
  EXPECT_EQ(pixel(120, 20), background()) << "fill index 0 leaves the inside alone";
}

TEST_F(Drawing, RawPixelsAreWrittenAsBlueGreenRedAlpha) {
  const uint8_t pixels[2 * 4] = {0x10, 0x20, 0x30, 0x00, 0xAA, 0xBB, 0xCC, 0xFF};
  ASSERT_EQ(vgWriteRectRaw(0, pixels, 5, 6, 2, 1, 1), 0);
  EXPECT_EQ(pixel(5, 6), 0xFF302010u) << "the screen stays opaque";
  EXPECT_EQ(pixel(6, 6), 0xFFCCBBAAu);
  EXPECT_EQ(vgWriteRectRaw(0, nullptr, 5, 6, 2, 1, 1), -1);
  EXPECT_EQ(vgWriteRectRaw(0, pixels, 5, 6, 0, 1, 1), -1);
}

// The ruler and the sound strips are composed in a buffer and written at once.
TEST_F(Drawing, BufferFillStaysInsideTheBufferWidth) {
  std::vector<uint32_t> buffer(8 * 3, 0);
  vgSetColorRGB(0x11223344u);
  ASSERT_EQ(vgRectFillBuffer(0, 0, 0, buffer.data(), 8, -4, 1, 20, 1, 3, 0), 0);
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(buffer[static_cast<size_t>(8 + x)], 0x44112233u) << "bytes B, G, R, A of the colour";
    EXPECT_EQ(buffer[static_cast<size_t>(x)], 0u);
    EXPECT_EQ(buffer[static_cast<size_t>(16 + x)], 0u);
  }
  EXPECT_EQ(vgRectFillBuffer(0, 0, 0, nullptr, 8, 0, 0, 1, 1, 3, 0), -1);
  EXPECT_EQ(vgRectFillBuffer(0, 0, 0, buffer.data(), 0, 0, 0, 1, 1, 3, 0), -1);

  ASSERT_EQ(vgWriteRectRaw(0, buffer.data(), 0, 0, 8, 3, 1), 0);
  EXPECT_EQ(pixel(3, 1), 0xFF112233u);
  EXPECT_EQ(pixel(3, 0), 0xFF000000u);
}

TEST_F(Drawing, HelpRegionHidingIsANoOp) {
  EXPECT_EQ(vgHideExtendedHelpInRegion(0, 0, 0, 10, 10, 0), 0);
  EXPECT_EQ(countOther({0, 0, 20, 20}, background()), 0);
}

}  // namespace
}  // namespace ostrel3_test
