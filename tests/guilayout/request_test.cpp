// A small request with one of each leaf kind, laid out and created: every
// element must reach the host at the rectangle the layout gave it.
#include <gtest/gtest.h>

#include <cstdlib>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "guilayout/guilayout.h"
#include "hostsim/gui/display.h"
#include "layout_test_util.h"
#include "support/host_fixture.h"

namespace {

using layout_test::EntryList;

// Switch on once the host draws its elements: the test then leaves a
// picture of the request next to the test program.

// The four numbers after the panel in a traced element call.
VG_RECT rectInCall(const std::string& text) {
  std::string args = text.substr(text.find('(') + 1);
  std::replace(args.begin(), args.end(), ',', ' ');
  std::istringstream in(args);
  long panel = 0, x = 0, y = 0, w = 0, h = 0;
  in >> panel >> x >> y >> w >> h;
  return {int16_t(x), int16_t(y), int16_t(w), int16_t(h)};
}

bool sameRect(const VG_RECT& a, const VG_RECT& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

bool overlap(const VG_RECT& a, const VG_RECT& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

class LayoutRequest : public ostrel3_test::HostTest {
 protected:
  struct Tree;
  void createAndCheck(VG_PANEL panel);

  vgsLayoutX row;
  vgsLayoutY column;
};

// One of each leaf kind, in rows inside a column.
struct LayoutRequest::Tree {
  explicit Tree(vgsLayoutX& row, vgsLayoutY& column)
      : top(&column), buttons(&row), pictures(&row), displays(&row), group(&column, 64) {
    top.setInsets(6, 6, 6, 6);
    buttons.setGaps(0, 4);
    pictures.setGaps(0, 4);
    displays.setGaps(0, 4);
    group.setGaps(0, 4);
    title.setGaps(0, 4);
    for (vgsComponent* c : std::initializer_list<vgsComponent*>{&textButton, &checkBox, &click}) buttons.addChild(c);
    pictures.addChild(&imageButton);
    pictures.addChild(&space);
    pictures.addChild(&palette);
    displays.addChild(&text);
    displays.addChild(&time);
    group.addChild(&popup);
    group.addChild(&list);
    for (vgsComponent* c : std::initializer_list<vgsComponent*>{&title, &buttons, &pictures, &slider, &string, &dim,
                                                                 &displays, &group, &box})
      top.addChild(c);
  }

  std::vector<uint8_t> pixels = std::vector<uint8_t>(24 * 16 * 4, 0xC0);
  VG_IMAGE picture{pixels.data(), 24, 16, 0};
  EntryList counts{{u"2", u"3", u"4"}};
  EntryList slots{{u"1 Wedding", u"2 Concert", u"3 Rehearsal"}};
  VG_ELEMENT hText = 0, hCheck = 0, hClick = 0, hImage = 0, hPalette = 0, hSlider = 0, hString = 0, hTextG = 0,
             hTime = 0, hPopup = 0, hList = 0;

  vgsBoxTextLine title{u"One of each", 17};
  vgsTextButton textButton{&hText, 'a', u"Apply"};
  vgsCheckBox checkBox{&hCheck, 'c', u"Transitions", 1};
  vgsClickGadget click{&hClick};
  vgsImageButton imageButton{&hImage, 'r', &picture};
  vgsSpace space;
  vgsPaletteButton palette{&hPalette, 0xB0A060FFu};
  vgsSlider slider{&hSlider, 0, u"Handles", 98, 0, 250, 25};
  vgsStringGadget string{&hString, 'n', u"Name", u"Wedding", 30};
  vgsPanelInterDim dim;
  vgsTextGadget text{&hTextG, 0, u"Clip", u"Camera 1"};
  vgsTimeGadget time{&hTime, 0, u"Length", 500};
  vgsPopup popup{&hPopup, 'k', counts.get(), 1, u"Cameras", 98};
  vgsListview list{&hList, 'l', slots.get(), 0, 5};
  vgsOutputBox box{160, 90};
  vgsContainer top, buttons, pictures, displays;
  vgsPanel group;
};

void LayoutRequest::createAndCheck(VG_PANEL panel) {
  for (const char* name : {"vgGetVideoMode", "vgGetDVIMode", "vgGetDefaultMonitor"})
    host().calls().failAlways(name);  // rows of 20 pixels whatever the outputs
  Tree t(row, column);
  const vgsSize size = t.top.preferredSize();
  t.top.setBounds({0, 0, size.width, size.height});
  host().calls().clearTrace();
  t.top.create(panel);
  ASSERT_NE(t.group.handle(), 0u);

  // The column: each child right below the one before it, with its gap.
  const auto& kids = t.top.children();
  EXPECT_EQ(kids.front()->y(), 6);
  for (size_t i = 1; i < kids.size(); ++i)
    EXPECT_EQ(kids[i]->y(), kids[i - 1]->y() + kids[i - 1]->height() + kids[i - 1]->geometry().gapY) << i;
  EXPECT_EQ(kids.back()->y() + kids.back()->height(), size.height - 6);

  struct Expected {
    const char* call;
    const vgsComponent* component;
    VG_PANEL panel;
  };
  const bool checkBoxes = host().calls().traceOf({"vgAddCheckBox"}).size() == 1;
  std::vector<Expected> expected{
      {"vgAddTextButton", &t.textButton, panel}, {"vgAddClickGadget", &t.click, panel},
      {"vgAddImageButton", &t.imageButton, panel}, {"vgAddSlider", &t.slider, panel},
      {"vgAddStringGadget", &t.string, panel},   {"vgAddTextGadget", &t.text, panel},
      {"vgAddTimeGadget", &t.time, panel},       {"vgAddListview", &t.list, t.group.handle()},
      {"vgBoxText", &t.title, panel},            {"vgDrawBoxNew", &t.box, panel}};
  if (checkBoxes) expected.push_back({"vgAddCheckBox", &t.checkBox, panel});
  std::vector<VG_RECT> onRoot;
  for (const Expected& e : expected) {
    const auto made = host().calls().traceOf({e.call});
    ASSERT_EQ(made.size(), 1u) << e.call;
    const VG_RECT r = rectInCall(made[0]);
    SCOPED_TRACE(made[0]);
    EXPECT_EQ(made[0].find(std::to_string(e.panel)), made[0].find('(') + 1);
    if (std::string(e.call) == "vgBoxText") {
      // The text comes before the rectangle in this call.
      EXPECT_NE(made[0].find(std::to_string(e.component->x()) + ", " + std::to_string(e.component->y())),
                std::string::npos);
      continue;
    }
    if (std::string(e.call) == "vgDrawBoxNew") {
      EXPECT_EQ(r.x, e.component->x());
      EXPECT_EQ(r.width, e.component->x() + e.component->width() - 1);  // the right corner
      continue;
    }
    EXPECT_TRUE(sameRect(r, e.component->bounds()));
    if (e.panel == panel) onRoot.push_back(r);
  }
  // The popup and the palette button sit right of their label areas.
  const VG_RECT popup = rectInCall(host().calls().traceOf({"vgAddPopup"}).at(0));
  EXPECT_TRUE(sameRect(popup, {int16_t(t.popup.x() + 98), t.popup.y(), int16_t(t.popup.width() - 98),
                               t.popup.height()}));
  const VG_RECT palette = rectInCall(host().calls().traceOf({"vgAddPaletteButton"}).at(0));
  EXPECT_TRUE(sameRect(palette, t.palette.bounds()));
  onRoot.push_back(palette);
  // Nothing on the root panel overlaps and everything lies inside it.
  for (size_t i = 0; i < onRoot.size(); ++i) {
    EXPECT_GE(onRoot[i].x, 6);
    EXPECT_LE(onRoot[i].x + onRoot[i].width, size.width - 6);
    for (size_t j = i + 1; j < onRoot.size(); ++j) EXPECT_FALSE(overlap(onRoot[i], onRoot[j])) << i << " " << j;
  }
  for (VG_ELEMENT h : {t.hText, t.hClick, t.hImage, t.hPalette, t.hSlider, t.hString, t.hTextG, t.hTime, t.hPopup,
                       t.hList})
    EXPECT_NE(h, 0u);
}

TEST_F(LayoutRequest, OneOfEachLeafKindLandsOnAPanelWhereTheLayoutPutIt) {
  const VG_PANEL panel = vgCreatePanel(0, 40, 30, 700, 700, 0, 0, 0);
  ASSERT_NE(panel, 0u);
  createAndCheck(panel);
  vgRemovePanel(panel);
}

TEST_F(LayoutRequest, OneOfEachLeafKindMakesAWorkingRequest) {
  const MSG_Q_ID queue = msgQCreate(100, 44, 0);
  if (!queue) GTEST_SKIP() << "the host has no message queues yet";
  Tree sizing(row, column);
  VREQ_REQUEST request{};
  request.width = sizing.top.preferredSize().width;
  request.height = sizing.top.preferredSize().height;
  request.flags = VREQ_FLAGS_WINDOW_OK_CANCEL;
  request.queue = queue;
  request.title = u"Layout";
  if (vreqCreateRequest(&request) != 0) {
    msgQDelete(queue);
    GTEST_SKIP() << "the host makes no requests yet";
  }
  createAndCheck(request.panel);
  // The picture of the dialog, for a person to look at.
  const std::filesystem::path shot = home() / "layout-one-of-each.png";
  ASSERT_TRUE(host().display().screen().savePng(1, shot));
  EXPECT_GT(std::filesystem::file_size(shot), 0u);
  if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS")) std::filesystem::copy_file(shot, std::filesystem::path(keep) / shot.filename(), std::filesystem::copy_options::overwrite_existing);
  EXPECT_EQ(vreqDeleteRequest(&request), 0);
  msgQDelete(queue);
}

}  // namespace
