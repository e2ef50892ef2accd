// Sizes and host calls of the button kinds: text, check box, click area,
// image and palette buttons.
#include <gtest/gtest.h>

#include <vector>

#include "guilayout/guilayout.h"
#include "layout_test_util.h"
#include "support/host_fixture.h"

namespace {

using layout_test::call;
using layout_test::calls;

using LayoutButtons = layout_test::PanelTest;

// A host image of a given width, with pixels a real host may read.
struct TestImage {
  explicit TestImage(int16_t width, int16_t height = 16)
      : pixels(size_t(width) * height * 4, 0x80), image{pixels.data(), width, height, 0} {}
  std::vector<uint8_t> pixels;
  VG_IMAGE image;
};

TEST_F(LayoutButtons, TextButtonIsSizedFromItsTextAndKeepsAWiderRectangle) {
  VG_ELEMENT ok = 0, longer = 0;
  vgsTextButton a(&ok, 0, u"OK", 0x20000, 7);    // 16 px + 15 -> one cell
  vgsTextButton b(&longer, 0, u"Synchronise");  // 88 px + 15 = 103 -> three cells
  EXPECT_EQ(a.minimumSize(), (vgsSize{48, 24}));
  EXPECT_EQ(a.preferredSize(), (vgsSize{48, 24}));
  EXPECT_EQ(b.preferredSize(), (vgsSize{148, 24}));
  EXPECT_EQ(b.bounds().width, 148);  // the size starts at the preferred size
  EXPECT_EQ(a.geometry().gapX, 2);
  EXPECT_EQ(a.geometry().gapY, 4);

  a.setBounds({10, 20, 300, 24});
  EXPECT_TRUE(a.create(root));
  EXPECT_EQ(calls(host(), "vgAddTextButton").back(),
            call("vgAddTextButton", root, int16_t(10), int16_t(20), int16_t(300), int16_t(24), u"OK", 0x20000u, 7u));
}

TEST_F(LayoutButtons, TextButtonKeepsItsCaptionWhenTheCallersTextGoes) {
  VG_ELEMENT handle = 0;
  std::u16string caption = u"Apply";
  vgsTextButton button(&handle, 0, caption.c_str());
  caption.assign(u"XXXXX");
  EXPECT_TRUE(button.create(root));
  EXPECT_NE(calls(host(), "vgAddTextButton").back().find("\"Apply\""), std::string::npos);
}

TEST_F(LayoutButtons, CheckBoxAddsALabelInCellsToItsCell) {
  VG_ELEMENT plain = 0, labelled = 0;
  vgsCheckBox a(&plain, 51, nullptr, 1);
  vgsCheckBox b(&labelled, 99, u"Replace the storyboard", 0);  // 176 px -> 4 cells
  EXPECT_EQ(a.minimumSize(), (vgsSize{48, 24}));
  EXPECT_EQ(a.preferredSize(), (vgsSize{48, 24}));
  EXPECT_EQ(b.minimumSize(), (vgsSize{48 + 198, 24}));
  EXPECT_EQ(b.preferredSize(), (vgsSize{48 + 198, 24}));
}

TEST_F(LayoutButtons, CheckBoxIsNotAddedWithoutAGadgetExtension) {
  VG_ELEMENT box = 0xBEEF;
  vgsCheckBox check(&box, 51, u"Sound", 1);
  host().calls().failAlways("vgAllocGadExt");
  EXPECT_FALSE(check.create(root));
  EXPECT_TRUE(calls(host(), "vgAddCheckBox").empty());
  EXPECT_EQ(box, 0u);
  EXPECT_GE(logCount(4), 1u);
}

TEST_F(LayoutButtons, CheckBoxGetsAGadgetExtensionReleasedRightAfterTheCall) {
  VG_GADEXT* probe = vgAllocGadExt();
  if (!probe) GTEST_SKIP() << "the host gives no gadget extensions yet";
  vgFreeGadExt(probe);
  host().calls().clearTrace();

  VG_ELEMENT box = 0;
  vgsCheckBox check(&box, 51, u"Sound", 2, 0x4);
  check.setBounds({4, 6, 100, 24});
  EXPECT_TRUE(check.create(root));
  EXPECT_NE(box, 0u);
  VG_GADEXT some{};  // the trace shows any record as "ptr"
  EXPECT_EQ(calls(host(), "vgAddCheckBox").back(),
            call("vgAddCheckBox", root, int16_t(4), int16_t(6), int16_t(100), int16_t(24), u"Sound", 0x4u, 2, &some));
  const auto order = host().calls().traceOf({"vgAllocGadExt", "vgAddCheckBox", "vgFreeGadExt"});
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0].rfind("vgAllocGadExt", 0), 0u);
  EXPECT_EQ(order[2].rfind("vgFreeGadExt", 0), 0u);
}

TEST_F(LayoutButtons, ClickAreaIsSmallAtLeastAndHandsItsValueToTheHost) {
  VG_ELEMENT area = 0, custom = 0;
  vgsClickGadget a(&area);
  vgsClickGadget b(&custom, 0, 0x1010000);
  EXPECT_EQ(a.minimumSize(), (vgsSize{2, 2}));
  EXPECT_EQ(a.preferredSize(), (vgsSize{48, 24}));
  a.setBounds({0, 0, 400, 60});
  b.setBounds({0, 0, 400, 60});
  EXPECT_TRUE(a.create(root));
  EXPECT_TRUE(b.create(root));
  EXPECT_EQ(calls(host(), "vgAddClickGadget"),
            (std::vector<std::string>{
                call("vgAddClickGadget", root, int16_t(0), int16_t(0), int16_t(400), int16_t(60), 0x10000u, 0u),
                call("vgAddClickGadget", root, int16_t(0), int16_t(0), int16_t(400), int16_t(60), 0x1010000u, 0u)}));
}

TEST_F(LayoutButtons, ImageButtonIsSizedFromItsPictureAndLabel) {
  TestImage small(32), wide(60);
  VG_ELEMENT h = 0;
  vgsImageButton a(&h, 0, &small.image);  // 6 + 32 + 3 = 41 -> 40, below one cell
  vgsImageButton b(&h, 0, &wide.image);   // 6 + 60 + 3 = 69 -> 68
  vgsImageButton c(&h, 0, &wide.image, nullptr, 0, u"Reset");  // label 40 px -> one cell + 16
  EXPECT_EQ(a.minimumSize(), (vgsSize{16, 16}));
  EXPECT_EQ(a.preferredSize(), (vgsSize{48, 24}));
  EXPECT_EQ(b.preferredSize(), (vgsSize{68, 24}));
  EXPECT_EQ(c.minimumSize(), (vgsSize{16 + 64, 16}));
  EXPECT_EQ(c.preferredSize(), (vgsSize{68 + 64, 24}));
}

TEST_F(LayoutButtons, ImageButtonHandsBothPicturesAndTheLabelToTheHost) {
  TestImage off(20), on(20);
  VG_ELEMENT plain = 0, toggle = 0;
  vgsImageButton a(&plain, 0x69, &off.image, nullptr, 0x100000 | 0x8, nullptr, 5);
  vgsImageButton b(&toggle, 0x77, &off.image, &on.image, 0, u"Scrub");
  a.setBounds({2, 4, 48, 24});
  b.setBounds({60, 4, 200, 30});
  EXPECT_TRUE(a.create(root));
  EXPECT_TRUE(b.create(root));
  // 0x100000 is only for buttons exactly 18 pixels high.
  EXPECT_EQ(calls(host(), "vgAddImageButton"),
            (std::vector<std::string>{
                call("vgAddImageButton", root, int16_t(2), int16_t(4), int16_t(48), int16_t(24), &off.image,
                     static_cast<VG_IMAGE*>(nullptr), static_cast<const XCHAR*>(nullptr), 0x8u, 5u),
                call("vgAddImageButton", root, int16_t(60), int16_t(4), int16_t(200), int16_t(30), &off.image,
                     &on.image, u"Scrub", 0u, 0u)}));
}

TEST_F(LayoutButtons, StyleBitForStandardHeightSurvivesOnlyAtEighteenPixels) {
  EXPECT_EQ(vgsGadget::styleForHeight(0x100008, 18), 0x100008u);
  EXPECT_EQ(vgsGadget::styleForHeight(0x100008, 17), 0x8u);
  EXPECT_EQ(vgsGadget::styleForHeight(0x100008, 24), 0x8u);
  // A text line here is 24 pixels: an 18-pixel button is below it and is
  // therefore not created at all.
  TestImage picture(16);
  VG_ELEMENT h = 0xBEEF;
  vgsImageButton b(&h, 0, &picture.image, nullptr, 0x100000);
  b.setBounds({0, 0, 48, 18});
  EXPECT_TRUE(b.create(root));
  EXPECT_EQ(h, 0xBEEFu);
}

TEST_F(LayoutButtons, ImageButtonWithoutAPictureIsRefused) {
  VG_ELEMENT h = 0xBEEF;
  vgsImageButton b(&h, 0, static_cast<RES_IMAGES>(0), 0x74);  // no image set
  EXPECT_EQ(b.preferredSize(), (vgsSize{48, 24}));
  EXPECT_FALSE(b.create(root));
  EXPECT_EQ(h, 0u);
  EXPECT_TRUE(calls(host(), "vgAddImageButton").empty());
}

TEST_F(LayoutButtons, PaletteButtonHasItsDefaultIdAndPutsItsLabelBesideIt) {
  VG_ELEMENT colour = 0, labelled = 0;
  vgsPaletteButton a(&colour, 0x8080FF00u);
  vgsPaletteButton b(&labelled, 0x1234u, 0x42, 0x100000, 3);
  b.setLabel(u"Colour");  // 48 px: one cell + 16
  EXPECT_EQ(a.minimumSize(), (vgsSize{16, 16}));
  EXPECT_EQ(a.preferredSize(), (vgsSize{48, 24}));
  EXPECT_EQ(b.minimumSize(), (vgsSize{16 + 64, 16}));
  EXPECT_EQ(b.preferredSize(), (vgsSize{48 + 64, 24}));

  a.setBounds({10, 10, 48, 24});
  b.setBounds({10, 40, 200, 24});
  EXPECT_TRUE(a.create(root));
  EXPECT_TRUE(b.create(root));
  EXPECT_EQ(calls(host(), "vgAddPaletteButton"),
            (std::vector<std::string>{
                call("vgAddPaletteButton", root, int16_t(10), int16_t(10), int16_t(48), int16_t(24), 0, 0x8080FF00u,
                     0u, 0u),
                call("vgAddPaletteButton", root, int16_t(74), int16_t(40), int16_t(136), int16_t(24), 0, 0x1234u, 0u,
                     3u)}));
  EXPECT_EQ(calls(host(), "vgBoxText"),
            (std::vector<std::string>{
                call("vgBoxText", root, u"Colour", int16_t(10), int16_t(40), int16_t(64), int16_t(24), 0u)}));
  EXPECT_EQ(calls(host(), "vgChangeElement").front(),
            call("vgChangeElement", root, colour, 57, intptr_t(0x40000063), 0));
}

}  // namespace
