// Popups and list views: widths from their entries, the stand-in for an
// empty popup list, and list views cut to an odd number of whole rows.
#include <gtest/gtest.h>

#include "guilayout/guilayout.h"
#include "layout_test_util.h"
#include "support/host_fixture.h"

namespace {

using layout_test::call;
using layout_test::calls;
using layout_test::EntryList;

class LayoutLists : public layout_test::PanelTest {
 protected:
  // Rows of 16 + 2 x 2 pixels: no output reports a high-definition mode.
  void useStandardRows() {
    for (const char* name : {"vgGetVideoMode", "vgGetDefaultMonitor", "vgGetDVIMode"}) host().calls().failAlways(name);
  }
};

TEST_F(LayoutLists, WidestEntryCountsBothTextsInCellsAndOneCellMore) {
  EntryList entries({u"2", u"Six cameras", u"Short"}, {u"", u"", u"A second text"});
  // "Six cameras" 88 px -> 98 + 48 = 146; "Short" 40 -> 48 plus 104 -> 148, + 48 = 244.
  EXPECT_EQ(vgsWidestEntry(entries.get()), 244);
  EXPECT_EQ(vgsWidestEntry(nullptr), 0);
}

TEST_F(LayoutLists, PopupSitsRightOfItsLabelArea) {
  EntryList counts({u"2", u"3", u"4", u"5", u"6"});
  VG_ELEMENT handle = 0;
  vgsPopup popup(&handle, 110, counts.get(), 2, u"Cameras", 98, 0x1);
  EXPECT_EQ(popup.minimumSize(), (vgsSize{98 + 48, 24}));
  EXPECT_EQ(popup.preferredSize(), (vgsSize{98 + 96, 24}));

  popup.setBounds({8, 100, 300, 24});
  EXPECT_TRUE(popup.create(root));
  EXPECT_EQ(calls(host(), "vgAddPopup").back(),
            call("vgAddPopup", root, int16_t(8 + 98), int16_t(100), int16_t(300 - 98), int16_t(24), counts.get(), 2,
                 u"Cameras", 0x1u, 0));
  EXPECT_EQ(calls(host(), "vgChangeElement").front(), call("vgChangeElement", root, handle, 57, intptr_t(110), 0));
}

TEST_F(LayoutLists, EmptyPopupListIsShownAsOneBlankEntrySelected) {
  HOST_LIST empty{};
  VG_ELEMENT a = 0, b = 0;
  vgsPopup popup(&a, 0, &empty, 3, nullptr, 0);
  vgsPopup none(&b, 0, nullptr, 7, nullptr, 0);
  EXPECT_EQ(popup.preferredSize(), (vgsSize{48, 24}));  // the blank entry: no text + one cell

  EXPECT_TRUE(popup.create(root));
  EXPECT_TRUE(none.create(root));
  const auto added = calls(host(), "vgAddPopup");
  ASSERT_EQ(added.size(), 2u);
  for (const std::string& text : added) EXPECT_NE(text.find("ptr, 0, null"), std::string::npos) << text;
}

TEST_F(LayoutLists, BlankEntryOfAnEmptyPopupOutlivesThePopup) {
  HOST_LIST* shown = nullptr;
  {
    HOST_LIST empty{};
    VG_ELEMENT a = 0;
    vgsPopup popup(&a, 0, &empty, 3, nullptr, 0);
    shown = popup.entries();
    EXPECT_NE(shown, &empty);
  }
  // The host keeps the list as long as the element: it must still be whole.
  ASSERT_NE(shown, nullptr);
  ASSERT_EQ(shown->count, 1);
  ASSERT_NE(shown->head, nullptr);
  EXPECT_EQ(shown->head, shown->tail);
  const auto* entry = reinterpret_cast<const VG_LIST_ENTRY*>(shown->head);
  EXPECT_EQ(entry->flags, 513u);
  ASSERT_NE(entry->text, nullptr);
  EXPECT_EQ(entry->text[0], u'\0');
}

TEST_F(LayoutLists, ListViewIsAtLeastEightCellsWideAndAsTallAsItsRows) {
  useStandardRows();
  EntryList slots({u"1 Wedding", u"2 Concert"});
  VG_ELEMENT h = 0;
  vgsListview list(&h, 0x6C, slots.get(), 0, 11);
  EXPECT_EQ(vgsListview::rowHeight(), 20);
  EXPECT_EQ(list.minimumSize(), (vgsSize{48, 24}));
  EXPECT_EQ(list.preferredSize(), (vgsSize{8 * 48 + 7 * 2, 11 * 20 + 4}));

  EntryList wide({u"A very long transition name that is wider than eight cells"});
  vgsListview wider(&h, 0, wide.get(), 0, 0);
  EXPECT_EQ(wider.preferredSize(), (vgsSize{48 * 10 + 9 * 2 + 48, 24}));
}

TEST_F(LayoutLists, RowsAreTallerOnHighDefinitionOutputs) {
  if (vgGetVideoMode() != 1 && vgGetDefaultMonitor() != 1 && vgGetDVIMode() != 1)
    GTEST_SKIP() << "the host reports no high-definition output yet";
  EXPECT_EQ(vgsListview::rowHeight(), 16 + 2 * 4);
}

TEST_F(LayoutLists, WholeRowsHeightKeepsAnOddNumberOfRows) {
  EXPECT_EQ(vgsListview::wholeRowsHeight(104, 20), 104);  // 5 rows
  EXPECT_EQ(vgsListview::wholeRowsHeight(100, 20), 64);   // 4 rows -> 3
  EXPECT_EQ(vgsListview::wholeRowsHeight(123, 20), 104);  // 5 rows, the rest dropped
  EXPECT_EQ(vgsListview::wholeRowsHeight(24, 20), 24);    // 1 row
  EXPECT_EQ(vgsListview::wholeRowsHeight(27, 24), 0);     // not one row: nothing, not -20
  EXPECT_EQ(vgsListview::wholeRowsHeight(100, 0), 0);
}

TEST_F(LayoutLists, ListViewIsCutToWholeRowsAtCreate) {
  useStandardRows();
  EntryList slots({u"1", u"2", u"3", u"4", u"5", u"6"});
  VG_ELEMENT h = 0;
  vgsListview list(&h, 0x6C, slots.get(), 2, 0, 0x8);
  list.setTypeTag(1);
  list.setBounds({10, 20, 400, 100});
  EXPECT_TRUE(list.create(root));
  EXPECT_EQ(list.height(), 64);
  EXPECT_EQ(calls(host(), "vgAddListview").back(),
            call("vgAddListview", root, int16_t(10), int16_t(20), int16_t(400), int16_t(64), slots.get(), 2, 0x8u, 0));
  EXPECT_EQ(calls(host(), "vgChangeElement"),
            (std::vector<std::string>{call("vgChangeElement", root, h, 57, intptr_t(0x6C), 0),
                                      call("vgChangeElement", root, h, 120, intptr_t(1), 0)}));
}

TEST_F(LayoutLists, ListViewInItsOwnPanelSitsAtTheOrigin) {
  useStandardRows();
  EntryList slots({u"1", u"2"});
  VG_ELEMENT h = 0;
  vgsListview list(&h, 0x6C, slots.get(), 0, 0, 0, true);
  list.setBounds({10, 20, 400, 104});
  EXPECT_TRUE(list.create(root));
  ASSERT_NE(list.ownPanel(), 0u);
  EXPECT_EQ(calls(host(), "vgCreatePanel").back(),
            call("vgCreatePanel", root, int16_t(10), int16_t(20), int16_t(400), int16_t(104), 512u, 0u, 0u));
  EXPECT_EQ(calls(host(), "vgAddListview").back(),
            call("vgAddListview", list.ownPanel(), int16_t(0), int16_t(0), int16_t(400), int16_t(104), slots.get(), 0,
                 0u, 0));
  EXPECT_EQ(calls(host(), "vgChangeElement").back(),
            call("vgChangeElement", list.ownPanel(), h, 57, intptr_t(0x6C), 0));
}

TEST_F(LayoutLists, ListViewWithoutRoomForOneRowIsNotCreated) {
  for (const char* name : {"vgGetVideoMode", "vgGetDVIMode"}) host().calls().failAlways(name);
  VG_ELEMENT h = 0xBEEF;
  vgsListview list(&h, 0, nullptr, 0, 0);
  list.setBounds({0, 0, 400, 24});
  if (vgsListview::rowHeight() <= 20) GTEST_SKIP() << "rows of this host fit a text line";
  EXPECT_TRUE(list.create(root));
  EXPECT_EQ(h, 0xBEEFu);
  EXPECT_TRUE(calls(host(), "vgAddListview").empty());
}

TEST_F(LayoutLists, RefusedOwnPanelLeavesNoList) {
  useStandardRows();
  VG_ELEMENT h = 0xBEEF;
  vgsListview list(&h, 0, nullptr, 0, 0, 0, true);
  list.setBounds({0, 0, 400, 104});
  host().calls().failNth("vgCreatePanel", 1);
  EXPECT_FALSE(list.create(root));
  EXPECT_EQ(h, 0u);
  EXPECT_TRUE(calls(host(), "vgAddListview").empty());
}

}  // namespace
