// Panels: places, removal with everything on them, input contexts.
#include <gtest/gtest.h>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using PanelsTest = GuiTest;

TEST_F(PanelsTest, ChildPanelLiesRelativeToItsParent) {
  const VG_PANEL root = vgCreatePanel(0, 100, 50, 400, 300, 0, 0, 0);
  const VG_PANEL child = vgCreatePanel(root, 10, 20, 50, 60, 0x200, 0, 0);
  ASSERT_NE(root, 0u);
  ASSERT_NE(child, 0u);
  VG_RECT r{};
  ASSERT_EQ(vgGetPanelRect(child, &r), 0);
  EXPECT_EQ(r.x, 110);
  EXPECT_EQ(r.y, 70);
  EXPECT_EQ(r.width, 50);
  EXPECT_EQ(r.height, 60);
  const auto screen = host().panels().place(0);
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->rect.width, 1920);
  EXPECT_EQ(screen->rect.height, 1080);
  EXPECT_EQ(vgRemovePanel(root), 0);
}

TEST_F(PanelsTest, BadParentOrEmptySizeIsRefused) {
  EXPECT_EQ(vgCreatePanel(0x7777, 0, 0, 10, 10, 0, 0, 0), 0u);
  EXPECT_EQ(vgCreatePanel(0, 0, 0, 0, 10, 0, 0, 0), 0u);
  EXPECT_EQ(vgRemovePanel(0x7777), -1);
  VG_RECT r{};
  EXPECT_EQ(vgGetPanelRect(0x7777, &r), -1);
  EXPECT_TRUE(host().panels().liveHandles().empty());
}

TEST_F(PanelsTest, RemovingAPanelRemovesItsChildrenAndTheirElements) {
  const VG_PANEL root = vgCreatePanel(0, 0, 0, 400, 300, 0, 0, 0);
  const VG_PANEL child = vgCreatePanel(root, 10, 10, 200, 100, 0, 0, 0);
  const VG_ELEMENT button = vgAddTextButton(child, 4, 4, 96, 24, u"Go", 0, 0);
  ASSERT_NE(button, 0u);
  EXPECT_EQ(host().panels().liveHandles().size(), 1u) << "only the root can be left behind";
  ASSERT_EQ(vgRemovePanel(root), 0);
  VG_RECT r{};
  EXPECT_EQ(vgGetPanelRect(child, &r), -1);
  EXPECT_EQ(vgChangeElement(root, button, VG_TAG_ID, 1, 0), -1);
  EXPECT_FALSE(host().panels().findElement(button));
  EXPECT_TRUE(host().panels().liveHandles().empty());
}

TEST_F(PanelsTest, RemovingAChildLeavesItsParentAndSiblings) {
  const VG_PANEL root = vgCreatePanel(0, 0, 0, 400, 300, 0, 0, 0);
  const VG_PANEL a = vgCreatePanel(root, 0, 0, 100, 100, 0, 0, 0);
  const VG_PANEL b = vgCreatePanel(root, 100, 0, 100, 100, 0, 0, 0);
  const VG_ELEMENT onRoot = vgAddTextButton(root, 0, 200, 96, 24, u"Stay", 0, 0);
  ASSERT_EQ(vgRemovePanel(a), 0);
  VG_RECT r{};
  EXPECT_EQ(vgGetPanelRect(b, &r), 0);
  EXPECT_TRUE(host().panels().findElement(onRoot));
  EXPECT_EQ(vgRemovePanel(root), 0);
}

TEST_F(PanelsTest, FrontmostRootWithAnInputContextIsTheCurrentScreen) {
  uint32_t screen = 1, overlay = 1;
  EXPECT_EQ(parserGetCurrentScreen(&screen, &overlay), 0);
  EXPECT_EQ(screen, 0u);

  const VG_PANEL main = vgCreatePanel(0, 0, 0, 400, 300, 0, 0, 0);
  ASSERT_EQ(vgSetRootPanelParserID(main, VG_PARSER_MAIN), 0);
  EXPECT_EQ(parserGetCurrentScreen(&screen, &overlay), 0x64);
  EXPECT_EQ(screen, VG_PARSER_MAIN);
  EXPECT_EQ(overlay, 0u);

  // A dialog without a context of its own leaves the one beneath in force.
  const VG_PANEL dialog = vgCreatePanel(0, 50, 50, 100, 100, 0, 0, 0);
  EXPECT_EQ(parserGetCurrentScreen(&screen, &overlay), 0x64);
  ASSERT_EQ(vgSetRootPanelParserID(dialog, VG_PARSER_SYNC), 0);
  EXPECT_EQ(parserGetCurrentScreen(&screen, &overlay), 0x67);

  user().setForeignScreen(true);
  parserGetCurrentScreen(&screen, &overlay);
  EXPECT_NE(screen & 0xFFFF0000u, 0x520F0000u);
  user().setForeignScreen(false);

  ASSERT_EQ(vgRemovePanel(dialog), 0);
  EXPECT_EQ(parserGetCurrentScreen(&screen, &overlay), 0x64);
  EXPECT_EQ(vgSetRootPanelParserID(0x7777, VG_PARSER_MAIN), -1);
  EXPECT_EQ(parserGetCurrentScreen(nullptr, &overlay), -1);
  EXPECT_EQ(vgRemovePanel(main), 0);
}

TEST_F(PanelsTest, GadgetExtensionsAreZeroedAndMustBeFreed) {
  VG_GADEXT* ext = vgAllocGadExt();
  ASSERT_NE(ext, nullptr);
  for (uint8_t b : ext->bytes) EXPECT_EQ(b, 0);
  EXPECT_EQ(host().panels().liveHandles().size(), 1u);
  VG_GADEXT foreign{};
  vgFreeGadExt(&foreign);  // not the host's: ignored, not freed
  EXPECT_TRUE(hostLogged(4, "vgFreeGadExt"));
  vgFreeGadExt(ext);
  vgFreeGadExt(nullptr);
  EXPECT_TRUE(host().panels().liveHandles().empty());
}

}  // namespace
}  // namespace ostrel3_test
