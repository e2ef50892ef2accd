// Sizes and host calls of the value elements: slider, text entry, text and time displays.
#include <gtest/gtest.h>

#include "guilayout/guilayout.h"
#include "layout_test_util.h"
#include "support/host_fixture.h"

namespace {

using layout_test::call;
using layout_test::calls;

using LayoutFields = layout_test::PanelTest;

TEST_F(LayoutFields, SliderReservesItsLabelAreaAndSixCellsPreferred) {
  VG_ELEMENT handle = 0;
  vgsSlider slider(&handle, 0, u"Handles", 98, 0, 250, 50, 0x2, &vgSliderCallbackFramesTime);
  EXPECT_EQ(slider.minimumSize(), (vgsSize{98 + 3 * 48 + 2, 24}));
  EXPECT_EQ(slider.preferredSize(), (vgsSize{98 + 6 * 48 + 4 * 2, 24}));

  slider.setBounds({8, 8, 500, 24});
  EXPECT_TRUE(slider.create(root));
  EXPECT_EQ(calls(host(), "vgAddSlider").back(),
            call("vgAddSlider", root, int16_t(8), int16_t(8), int16_t(500), int16_t(24), u"Handles", int16_t(98), 0,
                 250, 50, 0x2u, &vgSliderCallbackFramesTime));
}

TEST_F(LayoutFields, StringGadgetIsSizedFromItsTextOrThreeCellsWithoutOne) {
  VG_ELEMENT h = 0;
  vgsStringGadget named(&h, 0, u"Name", u"Wedding", 30);  // label 32 px -> 48; 56 + 31 -> 98
  vgsStringGadget empty(&h, 0, nullptr, u"", 30);
  EXPECT_EQ(named.minimumSize(), (vgsSize{48 + 48, 24}));
  EXPECT_EQ(named.preferredSize(), (vgsSize{98 + 48, 24}));
  EXPECT_EQ(empty.minimumSize(), (vgsSize{48, 24}));
  EXPECT_EQ(empty.preferredSize(), (vgsSize{3 * 48 + 2 * 2, 24}));

  named.setBounds({0, 30, 298, 24});
  EXPECT_TRUE(named.create(root));
  EXPECT_EQ(calls(host(), "vgAddStringGadget").back(),
            call("vgAddStringGadget", root, int16_t(0), int16_t(30), int16_t(298), int16_t(24), u"Name", int16_t(48),
                 u"Wedding", 30, 0u));
}

TEST_F(LayoutFields, TextAndTimeDisplaysSitRightOfTheirLabels) {
  VG_ELEMENT text = 0, time = 0;
  vgsTextGadget name(&text, 0, u"Clip", u"Camera one clip");  // 32 px -> 48; 120 px -> 148
  vgsTimeGadget length(&time, 0, nullptr, 500);               // "00:00:00:00" 88 px -> 98
  EXPECT_EQ(name.minimumSize(), (vgsSize{48 + 48, 24}));
  EXPECT_EQ(name.preferredSize(), (vgsSize{148 + 48, 24}));
  EXPECT_EQ(length.minimumSize(), (vgsSize{48, 24}));
  EXPECT_EQ(length.preferredSize(), (vgsSize{98, 24}));

  name.setBounds({0, 0, 196, 24});
  length.setBounds({200, 0, 98, 24});
  EXPECT_TRUE(name.create(root));
  EXPECT_TRUE(length.create(root));
  EXPECT_EQ(calls(host(), "vgAddTextGadget").back(),
            call("vgAddTextGadget", root, int16_t(0), int16_t(0), int16_t(196), int16_t(24), u"Clip", int16_t(48),
                 u"Camera one clip", 0u));
  EXPECT_EQ(calls(host(), "vgAddTimeGadget").back(),
            call("vgAddTimeGadget", root, int16_t(200), int16_t(0), int16_t(98), int16_t(24),
                 static_cast<const XCHAR*>(nullptr), int16_t(0), 500, 0u));
}

}  // namespace
