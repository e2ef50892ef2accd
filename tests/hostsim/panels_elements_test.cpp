// Elements: their records, tags read back, derived texts and rows.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

class ElementsTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    root_ = vgCreatePanel(0, 100, 100, 600, 400, 0, 0, 0);
    ASSERT_NE(root_, 0u);
  }
  void TearDown() override {
    if (root_) vgRemovePanel(root_);
    GuiTest::TearDown();
  }
  intptr_t info(VG_ELEMENT e, int32_t tag) {
    intptr_t v = -12345;
    EXPECT_EQ(vgGetElementInfo(root_, e, tag, &v), 0) << "tag " << tag;
    return v;
  }
  VG_PANEL root_ = 0;
};

// Rows of a popup or list view: the caller owns the nodes.
struct Rows {
  explicit Rows(std::vector<std::pair<const char16_t*, int32_t>> rows, int32_t type = 0) {
    lstInit(&list);
    entries.resize(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
      entries[i].text = rows[i].first;
      entries[i].value = rows[i].second;
      entries[i].type = type;
      lstAdd(&list, &entries[i].node);
    }
  }
  HOST_LIST list{};
  std::vector<VG_LIST_ENTRY> entries;
};

int32_t valueText(int32_t value, XCHAR* text) {
  char buf[32];
  const int n = std::snprintf(buf, sizeof buf, "v=%d", value);
  for (int i = 0; i <= n; ++i) text[i] = static_cast<XCHAR>(buf[i]);
  return n;
}

TEST_F(ElementsTest, ElementKeepsItsRectangleRelativeToThePanel) {
  const VG_PANEL sub = vgCreatePanel(root_, 20, 30, 200, 100, 0, 0, 0);
  const VG_ELEMENT b = vgAddTextButton(sub, 5, 6, 96, 24, u"Go", 0, 0);
  const auto v = view(b);
  EXPECT_EQ(v.kind, hostsim::ElementKind::TextButton);
  EXPECT_EQ(v.panel, sub);
  EXPECT_EQ(v.root, root_);
  EXPECT_EQ(v.rect.x, 5);
  EXPECT_EQ(v.rect.y, 6);
  EXPECT_EQ(v.screenRect.x, 125);
  EXPECT_EQ(v.screenRect.y, 136);
  EXPECT_EQ(v.caption, u"Go");
  EXPECT_EQ(vgAddTextButton(sub, 0, 0, 0, 24, u"None", 0, 0), 0u) << "an empty element is refused";
  EXPECT_EQ(vgAddTextButton(0x7777, 0, 0, 10, 24, u"None", 0, 0), 0u);
}

TEST_F(ElementsTest, TagsSetWithChangeElementReadBack) {
  const VG_ELEMENT b = vgAddTextButton(root_, 0, 0, 96, 24, u"Go", 0, 0);
  ASSERT_EQ(vgChangeElement(root_, b, 117, 5, 0), 0);
  ASSERT_EQ(vgChangeElement(root_, b, VG_TAG_ID, 0x8000E01C, 0), 0);
  EXPECT_EQ(info(b, 117), 5);
  EXPECT_EQ(info(b, VG_TAG_ID), 0x8000E01C);
  EXPECT_EQ(view(b).shortcut, 0x8000E01Cu);
  EXPECT_EQ(view(b).tags.at(117), 5);
  intptr_t v = 0;
  EXPECT_EQ(vgGetElementInfo(root_, b, 999, &v), -1) << "a tag never set has no value";
  ASSERT_EQ(vgChangeElement(root_, b, VG_TAG_CAPTION, reinterpret_cast<intptr_t>(u"Stop"), 1), 0);
  EXPECT_EQ(view(b).caption, u"Stop");
  EXPECT_EQ(std::u16string(reinterpret_cast<const XCHAR*>(info(b, VG_TAG_CAPTION))), u"Stop");
}

TEST_F(ElementsTest, AnElementIsReachedOnlyThroughItsOwnPanelsOrTheirParents) {
  const VG_PANEL sub = vgCreatePanel(root_, 0, 0, 200, 100, 0, 0, 0);
  const VG_PANEL other = vgCreatePanel(0, 0, 0, 50, 50, 0, 0, 0);
  const VG_ELEMENT b = vgAddTextButton(sub, 0, 0, 96, 24, u"Go", 0, 0);
  EXPECT_EQ(vgChangeElement(root_, b, 117, 1, 0), 0);
  EXPECT_EQ(vgChangeElement(sub, b, 117, 1, 0), 0);
  EXPECT_EQ(vgChangeElement(other, b, 117, 1, 0), -1);
  EXPECT_EQ(vgActivateElement(other, b), -1);
  EXPECT_EQ(vgChangeElement(root_, sub, 117, 1, 0), -1) << "a panel is no element";
  vgRemovePanel(other);
}

TEST_F(ElementsTest, CheckBoxStateAndElementStates) {
  const VG_ELEMENT box = vgAddCheckBox(root_, 0, 0, 144, 24, u"Sound", 0, 1, nullptr);
  EXPECT_EQ(info(box, VG_TAG_CHECKED), 1);
  ASSERT_EQ(vgChangeElement(root_, box, VG_TAG_CHECKED, 0, 1), 0);
  EXPECT_EQ(info(box, VG_TAG_CHECKED), 0);
  EXPECT_EQ(vgDisableElement(root_, box), 0);
  EXPECT_EQ(vgActivateElement(root_, box), 0);
  EXPECT_EQ(vgBeepElement(root_, box), 0);
  auto v = view(box);
  EXPECT_FALSE(v.enabled);
  EXPECT_TRUE(v.active);
  EXPECT_TRUE(v.beeping);
  vgEnableElement(root_, box);
  vgInactivateElement(root_, box);
  vgUnBeepElement(root_, box);
  v = view(box);
  EXPECT_TRUE(v.enabled);
  EXPECT_FALSE(v.active);
  EXPECT_FALSE(v.beeping);
}

TEST_F(ElementsTest, SliderValueStaysInRangeAndItsTextFollowsTheValue) {
  const VG_ELEMENT s = vgAddSlider(root_, 0, 0, 400, 24, u"Trim", 96, 0, 250, 300, 0, valueText);
  EXPECT_EQ(info(s, VG_TAG_SLIDER_VALUE), 250);
  EXPECT_EQ(view(s).text, u"v=250");
  ASSERT_EQ(vgChangeElement(root_, s, VG_TAG_SLIDER_VALUE, 100, 1), 0);
  EXPECT_EQ(view(s).text, u"v=100");
  ASSERT_EQ(vgChangeElement(root_, s, VG_TAG_SLIDER_MAX, 50, 1), 0);
  EXPECT_EQ(info(s, VG_TAG_SLIDER_MAX), 50);
  EXPECT_EQ(info(s, VG_TAG_SLIDER_VALUE), 50) << "a lower maximum pulls the value down";
  EXPECT_EQ(view(s).text, u"v=50");
}

TEST_F(ElementsTest, TimeGadgetShowsItsFieldsAsATime) {
  const VG_ELEMENT t = vgAddTimeGadget(root_, 0, 0, 200, 24, u"Length", 64, 100, 0);
  EXPECT_EQ(view(t).text, u"00:00:02:00");  // 100 fields = 50 frames at 25 per second
  ASSERT_EQ(vgChangeElement(root_, t, VG_TAG_TIME, 2 * (60 * 25 + 3), 1), 0);
  EXPECT_EQ(view(t).text, u"00:01:00:03");
  EXPECT_EQ(info(t, VG_TAG_TIME), 2 * (60 * 25 + 3));
}

TEST_F(ElementsTest, StringGadgetTextIsCopied) {
  std::u16string name = u"Clip A";
  const VG_ELEMENT g = vgAddStringGadget(root_, 0, 0, 300, 24, nullptr, 0, name.c_str(), 31, 0);
  name = u"changed";
  EXPECT_EQ(view(g).text, u"Clip A");
  ASSERT_EQ(vgChangeElement(root_, g, VG_TAG_TEXT, reinterpret_cast<intptr_t>(u"Clip B"), 1), 0);
  EXPECT_EQ(std::u16string(reinterpret_cast<const XCHAR*>(info(g, VG_TAG_TEXT))), u"Clip B");
}

TEST_F(ElementsTest, PopupReportsTheValueOfItsSelectedEntry) {
  Rows rows({{u"2", 2}, {u"3", 3}, {u"4", 4}});
  const VG_ELEMENT p = vgAddPopup(root_, 100, 0, 200, 24, &rows.list, 2, u"Cameras", 0, 0);
  EXPECT_EQ(info(p, VG_TAG_POPUP_VALUE), 4);
  EXPECT_EQ(info(p, VG_TAG_LIST_COUNT), 3);
  ASSERT_EQ(vgChangeElement(root_, p, VG_TAG_POPUP_SELECT, 0, 1), 0);
  EXPECT_EQ(info(p, VG_TAG_POPUP_VALUE), 2);
  ASSERT_EQ(vgChangeElement(root_, p, VG_TAG_POPUP_SELECT, 9, 1), 0);
  EXPECT_EQ(view(p).value, 2) << "a selection past the end takes the last entry";
}

TEST_F(ElementsTest, ListViewRowsCanBeAddedSelectedAndRemoved) {
  Rows rows({{u"Fade", 0}, {u"Wipe", 0}});
  VG_LIST_ENTRY separator{};
  separator.flags = 0x40;
  separator.type = 2;
  VG_LIST_ENTRY jingle{};
  jingle.text = u"Jingle";
  jingle.type = 1;
  const VG_ELEMENT l = vgAddListview(root_, 0, 0, 300, 200, &rows.list, 0, 0, 0);
  EXPECT_EQ(info(l, VG_TAG_LIST_SELECTED), 0);
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_SELECT, 1, 0), 0);
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_ADD_AFTER, reinterpret_cast<intptr_t>(&separator), 0), 0);
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_SELECT, 2, 0), 0);
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_ADD_AFTER, reinterpret_cast<intptr_t>(&jingle), 0), 0);
  EXPECT_EQ(info(l, VG_TAG_LIST_COUNT), 4);
  EXPECT_EQ(info(l, VG_TAG_ROW_TYPE), 2) << "the separator is still selected";
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_SELECT, 3, 0), 0);
  EXPECT_EQ(info(l, VG_TAG_ROW_TYPE), 1);
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_REMOVE, 0, 1), 0);
  EXPECT_EQ(info(l, VG_TAG_LIST_COUNT), 3);
  EXPECT_EQ(info(l, VG_TAG_LIST_SELECTED), 2) << "the selection moves to the row before";

  VG_LIST_ENTRY top{};
  top.text = u"Iris";
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_ADD_TOP, reinterpret_cast<intptr_t>(&top), 0), 0);
  EXPECT_EQ(info(l, VG_TAG_LIST_SELECTED), 3) << "the selected row stays selected";
  EXPECT_EQ(view(l).rows.front().text, u"Iris");
  EXPECT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_ADD_TOP, 0, 0), -1);
}

TEST_F(ElementsTest, RowsReportTheirTypeNeverTheirValue) {
  Rows rows({{u"1 P 1", 0}, {u"2 P 2", 1}, {u"3 P 3", 2}});
  const VG_ELEMENT l = vgAddListview(root_, 0, 0, 300, 200, &rows.list, 2, 0, 0);
  EXPECT_EQ(info(l, VG_TAG_ROW_TYPE), 0) << "a plain row whose value is 2 is no separator";
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_SELECT, 1, 0), 0);
  EXPECT_EQ(info(l, VG_TAG_ROW_TYPE), 0) << "nor is one whose value is 1 a jingle row";
  EXPECT_EQ(info(l, VG_TAG_POPUP_VALUE), 1) << "the value is read on its own";
  Rows none({});
  const VG_ELEMENT empty = vgAddListview(root_, 0, 210, 300, 100, &none.list, 0, 0, 0);
  intptr_t v = 0;
  EXPECT_EQ(vgGetElementInfo(root_, empty, VG_TAG_ROW_TYPE, &v), -1) << "no row, no value";
  EXPECT_EQ(view(empty).value, -1);
}

TEST_F(ElementsTest, RefreshReadsTheCallersListAgain) {
  Rows rows({{u"Fade", 0}});
  const VG_ELEMENT l = vgAddListview(root_, 0, 0, 300, 200, &rows.list, 0, 0, 0);
  VG_LIST_ENTRY more{};
  more.text = u"Wipe";
  lstAdd(&rows.list, &more.node);
  EXPECT_EQ(info(l, VG_TAG_LIST_COUNT), 1) << "rows are copied when they are given";
  ASSERT_EQ(vgChangeElement(root_, l, VG_TAG_LIST_REFRESH, 0, 1), 0);
  EXPECT_EQ(info(l, VG_TAG_LIST_COUNT), 2);
  EXPECT_EQ(view(l).rows[1].text, u"Wipe");
}

TEST_F(ElementsTest, VirtualSliderIsReplacedAndRemovedByAnEmptyRange) {
  const VG_ELEMENT jog = vgAddVirtualSlider(root_, 0, 499, 600, 0x30000);
  ASSERT_NE(jog, 0u);
  EXPECT_EQ(view(jog).value, 499);
  EXPECT_EQ(vgActivateVirtualSlider(root_), 0);
  EXPECT_TRUE(view(jog).active);
  EXPECT_EQ(vgSetVirtualSliderPageSize(root_, 25), 0);
  const VG_ELEMENT second = vgAddVirtualSlider(root_, 0, 99, 5, 0x30000);
  EXPECT_FALSE(host().panels().findElement(jog)) << "a root has one jog slider";
  EXPECT_EQ(view(second).value, 5);
  EXPECT_EQ(vgInactivateVirtualSlider(root_, 3), 0);
  EXPECT_EQ(vgAddVirtualSlider(root_, 0, 0, 0, 0), 0u);
  EXPECT_FALSE(host().panels().findElement(second));
  EXPECT_EQ(vgActivateVirtualSlider(root_), -1);
}

}  // namespace
}  // namespace ostrel3_test
