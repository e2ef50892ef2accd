// Leaves that draw instead of adding elements: text lines and output boxes.
#include <gtest/gtest.h>

#include "guilayout/guilayout.h"
#include "layout_test_util.h"
#include "support/host_fixture.h"

namespace {

using layout_test::call;
using layout_test::calls;

using LayoutDrawn = layout_test::PanelTest;

::testing::AssertionResult hasRect(const VG_RECT& r, int16_t x, int16_t y, int16_t w, int16_t h) {
  if (r.x == x && r.y == y && r.width == w && r.height == h) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got (" << r.x << ", " << r.y << ", " << r.width << ", " << r.height
                                       << ") expected (" << x << ", " << y << ", " << w << ", " << h << ")";
}

TEST_F(LayoutDrawn, TextLineHoldsItsWholeTextEvenAtItsMinimum) {
  vgsBoxTextLine line(u"Project length", 17);  // 112 px + 1 -> three cells
  EXPECT_EQ(line.minimumSize(), (vgsSize{148, 20}));
  EXPECT_EQ(line.preferredSize(), (vgsSize{148, 20}));
  line.setBounds({12, 14, 300, 20});
  line.create(root);
  EXPECT_EQ(calls(host(), "vgBoxText"),
            (std::vector<std::string>{
                call("vgBoxText", root, u"Project length", int16_t(12), int16_t(14), int16_t(300), int16_t(20), 17u)}));
  EXPECT_TRUE(calls(host(), "vgSetColorYUV").empty());
}

TEST_F(LayoutDrawn, ColouredTextLineSetsTheColourFirstAndAsksTheHostToUseIt) {
  vgsBoxTextLine line(u"Title", 1);
  line.setColour(0xEB8080FFu);
  line.create(root);
  EXPECT_EQ(host().calls().traceOf({"vgSetColorYUV", "vgBoxText"}),
            (std::vector<std::string>{call("vgSetColorYUV", 0xEB8080FFu),
                                      call("vgBoxText", root, u"Title", int16_t(0), int16_t(0), int16_t(48),
                                           int16_t(20), 0x41u)}));
}

TEST_F(LayoutDrawn, OutputBoxFramesItsPictureAndKnowsItsInnerArea) {
  vgsOutputBox box(320, 180);
  EXPECT_EQ(box.minimumSize(), (vgsSize{10, 10}));
  EXPECT_EQ(box.preferredSize(), (vgsSize{328, 188}));
  vgsContainer holder(&row);
  holder.addChild(&box);
  holder.setBounds({40, 50, 328, 188});
  holder.create(root);
  EXPECT_EQ(box.panel(), root);
  EXPECT_TRUE(hasRect(box.bounds(), 40, 50, 328, 188));
  EXPECT_TRUE(hasRect(box.innerRect(), 44, 54, 320, 180));
  EXPECT_EQ(calls(host(), "vgDrawBoxNew"),
            (std::vector<std::string>{call("vgDrawBoxNew", root, int16_t(40), int16_t(50), int16_t(367), int16_t(237),
                                           11, 0, 0, 0)}));
}

TEST_F(LayoutDrawn, OutputBoxKeepingTheAspectShrinksAndCentresOnEvenPixels) {
  vgsOutputBox tall(100, 100);
  tall.setKeepAspect(true);
  tall.setPictureSize(1920, 1080);
  tall.setBounds({0, 0, 400, 300});  // inner 392 x 292 -> 392 x 220
  EXPECT_TRUE(hasRect(tall.bounds(), 0, 36, 400, 228));

  vgsOutputBox wide(100, 100);
  wide.setKeepAspect(true);
  wide.setPictureSize(640, 480);
  wide.setBounds({10, 20, 602, 200});  // inner 594 x 192 -> 256 x 192, offset 169 -> 168
  EXPECT_TRUE(hasRect(wide.bounds(), 178, 20, 264, 200));

  vgsOutputBox odd(3, 2);  // the picture size given at construction is kept by default
  odd.setKeepAspect(true);
  odd.setBounds({0, 0, 400, 300});  // inner 392 x 261 -> 260
  EXPECT_TRUE(hasRect(odd.bounds(), 0, 16, 400, 268));
  EXPECT_TRUE(hasRect(odd.innerRect(), 4, 20, 392, 260));
}

TEST_F(LayoutDrawn, OutputBoxWithoutAspectKeepingFillsItsRectangle) {
  vgsOutputBox box(640, 480);
  box.setBounds({0, 0, 400, 100});
  EXPECT_TRUE(hasRect(box.bounds(), 0, 0, 400, 100));
  vgsOutputBox noPicture(0, 0);
  noPicture.setKeepAspect(true);
  noPicture.setBounds({0, 0, 400, 100});
  EXPECT_TRUE(hasRect(noPicture.bounds(), 0, 0, 400, 100));
}

TEST_F(LayoutDrawn, RefusedFrameIsReportedButTheBoxKeepsItsPanel) {
  vgsOutputBox box(64, 36);
  host().calls().failNth("vgDrawBoxNew", 1);
  EXPECT_FALSE(box.create(root));
  EXPECT_EQ(box.panel(), root);
  EXPECT_EQ(logCount(4), 1u);
}

}  // namespace
