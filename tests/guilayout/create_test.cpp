// create: coordinates handed to the host, the not-created rule, optional
// attributes and refused panels.
#include <gtest/gtest.h>

#include "guilayout/guilayout.h"
#include "layout_test_util.h"
#include "support/host_fixture.h"

namespace {

using layout_test::call;
using layout_test::calls;

using LayoutCreate = layout_test::PanelTest;

TEST_F(LayoutCreate, PlainContainersOffsetTheirChildrenIntoPanelCoordinates) {
  VG_ELEMENT ok = 0, cancel = 0;
  vgsTextButton okButton(&ok, 0, u"OK"), cancelButton(&cancel, 0, u"Cancel");
  vgsContainer inner(&row);
  inner.setInsets(4, 4, 2, 2);
  inner.addChild(&okButton);
  inner.addChild(&cancelButton);
  vgsContainer outer(&column);
  outer.setInsets(10, 10, 10, 10);
  outer.addChild(&inner);

  outer.setBounds({20, 30, 300, 100});
  EXPECT_TRUE(outer.create(root));
  // outer at (20, 30); inner at (10, 10) in it, 280 x 80; the buttons
  // after its inset (4, 2), 2 apart, sharing the surplus (280 - 156) / 2.
  EXPECT_EQ(calls(host(), "vgAddTextButton"),
            (std::vector<std::string>{call("vgAddTextButton", root, int16_t(34), int16_t(42), int16_t(110), int16_t(76),
                                           u"OK", 0u, 0u),
                                      call("vgAddTextButton", root, int16_t(146), int16_t(42), int16_t(160),
                                           int16_t(76), u"Cancel", 0u, 0u)}));
  EXPECT_NE(ok, 0u);
  EXPECT_NE(cancel, 0u);
  EXPECT_NE(ok, cancel);
}

TEST_F(LayoutCreate, PanelOpensItsOwnCoordinateSpace) {
  VG_ELEMENT ok = 0;
  vgsTextButton okButton(&ok, 0, u"OK");
  vgsPanel panel(&row, 0x40, 7, 9);
  panel.addChild(&okButton);
  vgsContainer outer(&column);
  outer.setInsets(10, 10, 10, 10);
  outer.addChild(&panel);
  EXPECT_EQ(panel.preferredSize(), (vgsSize{64, 40}));  // insets of 6 units + 2 on every side

  outer.setBounds({20, 30, 200, 100});
  EXPECT_TRUE(outer.create(root));
  ASSERT_NE(panel.handle(), 0u);
  // The panel itself is offset by the plain container; its child is not.
  EXPECT_EQ(calls(host(), "vgCreatePanel").back(),
            call("vgCreatePanel", root, int16_t(30), int16_t(40), int16_t(180), int16_t(80), 0x40u, 7u, 9u));
  EXPECT_EQ(calls(host(), "vgAddTextButton"),
            (std::vector<std::string>{call("vgAddTextButton", panel.handle(), int16_t(8), int16_t(8), int16_t(164),
                                           int16_t(64), u"OK", 0u, 0u)}));
}

TEST_F(LayoutCreate, RefusedPanelSkipsItsChildrenAndSaysSo) {
  VG_ELEMENT ok = 0xBEEF;
  vgsTextButton okButton(&ok, 0, u"OK");
  vgsPanel panel(&row, 0);
  panel.addChild(&okButton);
  panel.setBounds({0, 0, 200, 100});
  host().calls().failNth("vgCreatePanel", 1);

  EXPECT_FALSE(panel.create(root));
  EXPECT_EQ(panel.handle(), 0u);
  EXPECT_TRUE(calls(host(), "vgAddTextButton").empty());
  EXPECT_EQ(ok, 0xBEEFu);
  EXPECT_EQ(logCount(4), 1u);
}

TEST_F(LayoutCreate, ContainerGivenNoPanelCreatesNothing) {
  VG_ELEMENT ok = 0xBEEF;
  vgsTextButton okButton(&ok, 0, u"OK");
  vgsContainer box(&row);
  box.addChild(&okButton);
  box.setBounds({5, 5, 100, 30});
  EXPECT_FALSE(box.create(0));
  EXPECT_TRUE(calls(host(), "vgAddTextButton").empty());
  EXPECT_EQ(okButton.x(), 0);  // not moved either
}

TEST_F(LayoutCreate, ElementNarrowerThanACellOrLowerThanALineIsNotCreated) {
  VG_ELEMENT narrow = 0xBEEF, low = 0xCAFE, fitting = 0;
  vgsTextButton a(&narrow, 0x61, u"A"), b(&low, 0x62, u"B"), c(&fitting, 0x63, u"C");
  a.setMinimumSize(10, 10);
  b.setMinimumSize(10, 10);
  a.setBounds({0, 0, 47, 24});
  b.setBounds({0, 0, 48, 23});
  c.setBounds({0, 0, 48, 24});

  EXPECT_TRUE(a.create(root));
  EXPECT_TRUE(b.create(root));
  EXPECT_TRUE(c.create(root));
  EXPECT_EQ(narrow, 0xBEEFu);
  EXPECT_EQ(low, 0xCAFEu);
  EXPECT_EQ(calls(host(), "vgAddTextButton").size(), 1u);
  EXPECT_NE(fitting, 0u);
  EXPECT_EQ(calls(host(), "vgChangeElement").size(), 1u);  // only the one created gets its id
}

TEST_F(LayoutCreate, RefusedElementClearsTheHandleVariableAndIsReported) {
  VG_ELEMENT handle = 0xBEEF;  // left from an earlier panel
  vgsTextButton button(&handle, 0x61, u"A");
  host().calls().failNth("vgAddTextButton", 1);
  EXPECT_FALSE(button.create(root));
  EXPECT_EQ(handle, 0u);
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_TRUE(calls(host(), "vgChangeElement").empty());
}

TEST_F(LayoutCreate, OptionalAttributesAreAppliedOnlyWhenSet) {
  VG_ELEMENT bare = 0, tagged = 0, half = 0, unflagged = 0;
  vgsTextButton a(&bare, 0, u"A");
  vgsTextButton b(&tagged, 0x73, u"B", kVgsStyleFlagged);
  b.setTagPair(5, 6);
  b.setFlaggedTag(9);
  b.setTypeTag(3);
  vgsTextButton c(&half, 0, u"C");
  c.setTagPair(5, 0);  // a pair needs both halves
  vgsTextButton d(&unflagged, 0, u"D");
  d.setFlaggedTag(9);  // without style bit 0x10 the tag stays off
  for (vgsTextButton* button : {&a, &b, &c, &d}) EXPECT_TRUE(button->create(root));

  EXPECT_EQ(calls(host(), "vgChangeElement"),
            (std::vector<std::string>{
                call("vgChangeElement", root, tagged, 57, intptr_t(0x73), 0),
                call("vgChangeElement", root, tagged, 80, intptr_t(5), 0),
                call("vgChangeElement", root, tagged, 82, intptr_t(6), 0),
                call("vgChangeElement", root, tagged, 111, intptr_t(9), 0),
                call("vgChangeElement", root, tagged, 118, intptr_t(3), 0),
            }));
}

TEST_F(LayoutCreate, EachKindAppliesItsOwnTypeTag) {
  VG_ELEMENT box = 0, slider = 0, text = 0, time = 0;
  vgsCheckBox check(&box, 0, nullptr, 0);
  check.setTypeTag(4);
  vgsSlider s(&slider, 0, nullptr, 0, 0, 100, 5);
  s.setTypeTag(1);
  s.setSecondTypeTag(2);
  vgsTextGadget t(&text, 0, nullptr, u"x");
  t.setTypeTag(8);  // a text gadget has no tag of its own
  vgsTimeGadget g(&time, 0, nullptr, 50);
  g.setTypeTag(8);
  VG_ELEMENT string = 0;
  vgsStringGadget e(&string, 0, nullptr, u"name", 30);  // tag 119 defaults to 107

  s.create(root);
  t.create(root);
  g.create(root);
  e.create(root);
  EXPECT_EQ(calls(host(), "vgChangeElement"),
            (std::vector<std::string>{
                call("vgChangeElement", root, slider, 116, intptr_t(1), 0),
                call("vgChangeElement", root, slider, 121, intptr_t(2), 0),
                call("vgChangeElement", root, string, 119, intptr_t(107), 0),
            }));
}

TEST_F(LayoutCreate, BareComponentHasNoElementAndLogsWhenCreated) {
  struct Bare : vgsComponent {
  } bare;
  EXPECT_TRUE(bare.create(root));
  EXPECT_EQ(logCount(4), 1u);
  vgsSpace space;
  vgsPanelInterDim dim;
  EXPECT_TRUE(space.create(root));
  EXPECT_TRUE(dim.create(root));
  EXPECT_EQ(logCount(4), 1u);
}

}  // namespace
