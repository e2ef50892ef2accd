// The user's hands on elements: what each kind posts, and when nothing is posted.
#include <gtest/gtest.h>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using Click = hostsim::ClickOptions;

class ClickTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    req_ = openRequest(0x1E, 600, 400, u"Dialog");
  }
  void TearDown() override {
    vreqDeleteRequest(&req_);
    GuiTest::TearDown();
  }
  HOST_MESSAGE expectElementMessage(VG_ELEMENT e) {
    const auto m = nextMessage(req_.queue);
    EXPECT_TRUE(m) << "no message";
    if (!m) return {};
    EXPECT_EQ(m->msgClass, HOST_MSG_ELEMENT);
    EXPECT_EQ(static_cast<VG_ELEMENT>(m->id), e);
    return *m;
  }
  VREQ_REQUEST req_{};
};

TEST_F(ClickTest, OkAndCancelPostTheirHandlesToTheRequestsQueue) {
  ASSERT_TRUE(user().clickCaption("OK"));
  expectElementMessage(req_.okElement);
  ASSERT_TRUE(user().clickCaption("cancel"));  // case does not matter when nothing matches exactly
  expectElementMessage(req_.cancelElement);
  EXPECT_FALSE(nextMessage(req_.queue));
  EXPECT_FALSE(user().clickCaption("Apply"));
  EXPECT_TRUE(hostLogged(4, "Apply"));
}

TEST_F(ClickTest, DisabledElementIgnoresTheClick) {
  const VG_ELEMENT b = vgAddTextButton(req_.panel, 0, 0, 96, 24, u"Add", 0, 0);
  ASSERT_EQ(vgDisableElement(req_.panel, b), 0);
  user().clickCaption("Add");
  EXPECT_FALSE(nextMessage(req_.queue));
  vgEnableElement(req_.panel, b);
  ASSERT_TRUE(user().clickCaption("Add"));
  EXPECT_EQ(expectElementMessage(b).value, 1);
}

TEST_F(ClickTest, BeepingElementBeepsAndPostsNothing) {
  const VG_ELEMENT b = vgAddTextButton(req_.panel, 0, 0, 96, 24, u"Position", 0, 0);
  ASSERT_EQ(vgBeepElement(req_.panel, b), 0);
  const int before = host().display().beeps();
  user().clickElement(b);
  EXPECT_FALSE(nextMessage(req_.queue));
  EXPECT_EQ(host().display().beeps(), before + 1) << "needs the display's beep counter";
}

TEST_F(ClickTest, CheckBoxTogglesAndPostsItsNewState) {
  const VG_ELEMENT box = vgAddCheckBox(req_.panel, 0, 0, 144, 24, u"Sound", 0, 0, nullptr);
  ASSERT_TRUE(user().clickCaption("Sound"));
  EXPECT_EQ(expectElementMessage(box).value & 1, 1);
  EXPECT_EQ(view(box).value, 1);
  ASSERT_TRUE(user().clickCaption("Sound"));
  EXPECT_EQ(expectElementMessage(box).value & 1, 0);
  ASSERT_TRUE(user().clickCaption("Sound", Click().withValue(0)));
  EXPECT_EQ(expectElementMessage(box).value & 1, 0) << "an explicit state is set, not toggled";
}

TEST_F(ClickTest, SelectButtonsLightOneAtATimeWithinTheirRequest) {
  const VG_PANEL inner = vgCreatePanel(req_.panel, 0, 30, 300, 40, 0, 0, 0);
  const VG_ELEMENT one = vgAddTextButton(req_.panel, 0, 0, 96, 24, u"One", 0x20001, 0);
  const VG_ELEMENT two = vgAddTextButton(inner, 100, 0, 96, 24, u"Two", 0x20000, 0);
  const VG_ELEMENT plain = vgAddTextButton(req_.panel, 200, 0, 96, 24, u"Plain", 0, 0);
  ASSERT_EQ(vgActivateElement(req_.panel, plain), 0);
  EXPECT_TRUE(view(one).active) << "created lit";
  EXPECT_FALSE(view(two).active);

  ASSERT_TRUE(user().clickCaption("Two"));
  expectElementMessage(two);
  EXPECT_TRUE(view(two).active);
  EXPECT_FALSE(view(one).active) << "a sub-panel's select button belongs to the same group";
  EXPECT_TRUE(view(plain).active) << "other buttons keep their state";

  ASSERT_EQ(vgActivateElement(req_.panel, one), 0);
  EXPECT_TRUE(view(one).active);
  EXPECT_FALSE(view(two).active);

  // Another request has its own group.
  VREQ_REQUEST other = openRequest(0x1E, 300, 200, u"Other");
  const VG_ELEMENT elsewhere = vgAddTextButton(other.panel, 0, 0, 96, 24, u"Else", 0x20001, 0);
  EXPECT_TRUE(view(elsewhere).active);
  EXPECT_TRUE(view(one).active);
  vreqDeleteRequest(&other);
}

TEST_F(ClickTest, ImageButtonWithTwoImagesIsASwitch) {
  uint8_t pixels[4 * 4 * 4] = {};
  VG_IMAGE on{pixels, 4, 4, 0}, off{pixels, 4, 4, 0};
  const VG_ELEMENT plain = vgAddImageButton(req_.panel, 0, 0, 48, 24, &on, nullptr, nullptr, 0, 0);
  const VG_ELEMENT toggle = vgAddImageButton(req_.panel, 60, 0, 48, 24, &off, &on, nullptr, 0, 0);
  user().clickElement(plain);
  EXPECT_EQ(expectElementMessage(plain).value, 1);
  EXPECT_FALSE(view(plain).active);
  user().clickElement(toggle);
  EXPECT_EQ(expectElementMessage(toggle).value, 1);
  EXPECT_TRUE(view(toggle).active);
  user().clickElement(toggle);
  EXPECT_EQ(expectElementMessage(toggle).value, 0);
}

TEST_F(ClickTest, PopupAndListChooseAnEntry) {
  VG_LIST_ENTRY e[3] = {};
  HOST_LIST list;
  lstInit(&list);
  const char16_t* texts[3] = {u"0.2 s", u"0.5 s", u"1 s"};
  for (int i = 0; i < 3; ++i) {
    e[i].text = texts[i];
    e[i].value = 10 + i;
    lstAdd(&list, &e[i].node);
  }
  const VG_ELEMENT popup = vgAddPopup(req_.panel, 100, 0, 200, 24, &list, 0, u"Length", 0, 0);
  const VG_ELEMENT rows = vgAddListview(req_.panel, 0, 40, 300, 200, &list, 0, 0, 0);
  ASSERT_TRUE(user().clickCaption("Length", Click().withEntry("1 s")));
  EXPECT_EQ(expectElementMessage(popup).value, 2);
  intptr_t v = 0;
  ASSERT_EQ(vgGetElementInfo(req_.panel, popup, VG_TAG_POPUP_VALUE, &v), 0);
  EXPECT_EQ(v, 12);
  ASSERT_TRUE(user().clickElement(rows, Click().withValue(1)));
  EXPECT_EQ(expectElementMessage(rows).value, 1);
  EXPECT_FALSE(user().clickElement(rows, Click().withValue(3)));
  EXPECT_FALSE(user().clickCaption("Length", Click().withEntry("2 s")));
  EXPECT_FALSE(nextMessage(req_.queue));
  // A click on the second row of the list chooses it.
  const auto r = view(rows);
  ASSERT_TRUE(user().clickAt(1, static_cast<int16_t>(r.screenRect.x + 20), static_cast<int16_t>(r.screenRect.y + 2 + 24 + 5)));
  EXPECT_EQ(expectElementMessage(rows).value, 1);
}

TEST_F(ClickTest, SliderTakesTheValueAtThePointerAndTheCallersSubEvent) {
  const VG_ELEMENT s = vgAddSlider(req_.panel, 0, 0, 400, 24, nullptr, 0, 0, 1000, 500, 0, nullptr);
  ASSERT_TRUE(user().clickElement(s, Click().withValue(250).withSubEvent(1)));
  HOST_MESSAGE m = expectElementMessage(s);
  EXPECT_EQ(m.value, 250);
  EXPECT_EQ(m.subCode, 1);
  const auto r = view(s);
  ASSERT_TRUE(user().clickAt(1, r.screenRect.x, static_cast<int16_t>(r.screenRect.y + 10), Click().withSubEvent(3)));
  m = expectElementMessage(s);
  EXPECT_EQ(m.value, 0);
  EXPECT_EQ(m.subCode, 3);
  ASSERT_TRUE(user().clickAt(1, static_cast<int16_t>(r.screenRect.x + 399), static_cast<int16_t>(r.screenRect.y + 10)));
  EXPECT_EQ(expectElementMessage(s).value, 1000);
  ASSERT_TRUE(user().clickElement(s, Click().withValue(5000)));
  EXPECT_EQ(expectElementMessage(s).value, 1000) << "values stay in the slider's range";
}

TEST_F(ClickTest, ClickAreaReportsWhereItWasClicked) {
  const VG_ELEMENT picture = vgAddClickGadget(req_.panel, 100, 50, 320, 180, 0x10000, 0x1010000);
  const auto r = view(picture);
  ASSERT_TRUE(user().clickAt(1, static_cast<int16_t>(r.screenRect.x + 30), static_cast<int16_t>(r.screenRect.y + 7),
                             Click().withSubEvent(20)));
  const HOST_MESSAGE m = expectElementMessage(picture);
  EXPECT_EQ(m.subCode, 20);
  EXPECT_EQ(m.value >> 16, 30);
  EXPECT_EQ(m.value & 0xFFFF, 7);
}

TEST_F(ClickTest, ShortcutFindsTheElementByItsCode) {
  const VG_ELEMENT play = vgAddTextButton(req_.panel, 0, 0, 96, 24, u"Play", 0, 0);
  const VG_ELEMENT stop = vgAddTextButton(req_.panel, 100, 0, 96, 24, u"Stop", 0, 0);
  vgChangeElement(req_.panel, play, VG_TAG_ID, 0x8000E01C, 0);
  vgChangeElement(req_.panel, stop, VG_TAG_ID, 0x4000E01B, 0);
  ASSERT_TRUE(user().clickShortcut(0x4000E01B));
  expectElementMessage(stop);
  ASSERT_TRUE(user().clickShortcut(0xE01C));  // by key alone
  expectElementMessage(play);
  EXPECT_FALSE(user().clickShortcut(0x71));
}

TEST_F(ClickTest, ClickGoesToTheFrontmostRequestThatCoversThePoint) {
  VREQ_REQUEST front = openRequest(0x1E, 200, 100, u"Front");
  const auto frontOk = view(front.okElement);
  const auto backOk = view(req_.okElement);
  ASSERT_TRUE(user().clickAt(1, static_cast<int16_t>(frontOk.screenRect.x + 2), static_cast<int16_t>(frontOk.screenRect.y + 2)));
  const auto m = nextMessage(front.queue);
  ASSERT_TRUE(m);
  EXPECT_EQ(static_cast<VG_ELEMENT>(m->id), front.okElement);
  EXPECT_FALSE(nextMessage(req_.queue));
  ASSERT_TRUE(user().clickAt(1, static_cast<int16_t>(backOk.screenRect.x + 2), static_cast<int16_t>(backOk.screenRect.y + 2)));
  expectElementMessage(req_.okElement);
  EXPECT_FALSE(user().clickAt(1, 2, 2)) << "no request covers the corner";
  EXPECT_EQ(vreqDeleteRequest(&front), 0);
}

TEST_F(ClickTest, RequestThatNeedsAChoiceCannotBeConfirmedFirst) {
  VREQ_REQUEST mode = openRequest(0x41E, 300, 100, u"Output");
  user().clickElement(mode.okElement);
  EXPECT_FALSE(nextMessage(mode.queue));
  vgEnableElement(mode.panel, mode.okElement);
  ASSERT_TRUE(user().clickElement(mode.okElement));
  EXPECT_TRUE(nextMessage(mode.queue));
  EXPECT_EQ(vreqDeleteRequest(&mode), 0);
}

TEST_F(ClickTest, KeysCommandsPointerAndClosingGoToTheFrontRequest) {
  ASSERT_TRUE(user().key(0x68, 0x800));
  auto m = nextMessage(req_.queue);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->msgClass, HOST_MSG_KEY);
  EXPECT_EQ(m->id & 0xFFFF, 0x68);
  EXPECT_EQ((static_cast<uint32_t>(m->id) >> 16), 0x800u);
  ASSERT_TRUE(user().command(0x10010, -3));
  m = nextMessage(req_.queue);
  EXPECT_EQ(m->msgClass, HOST_MSG_COMMAND);
  EXPECT_EQ(m->id, 0x10010);
  EXPECT_EQ(m->subCode, -3);
  ASSERT_TRUE(user().pointerMove(640, 300));
  m = nextMessage(req_.queue);
  EXPECT_EQ(m->msgClass, HOST_MSG_POINTER);
  EXPECT_EQ(m->id & 0xFFFF, 640);
  ASSERT_TRUE(user().confirm());
  EXPECT_EQ(nextMessage(req_.queue)->id, 1);
  ASSERT_TRUE(user().cancel());
  m = nextMessage(req_.queue);
  EXPECT_EQ(m->msgClass, HOST_MSG_POINTER_BUTTON);
  EXPECT_EQ(m->id, 2);
  ASSERT_TRUE(user().closeScreen());
  EXPECT_EQ(nextMessage(req_.queue)->msgClass, HOST_MSG_CLOSE);
  vreqDeleteRequest(&req_);
  EXPECT_FALSE(user().key(0x20));
  EXPECT_TRUE(hostLogged(4, "no request is open"));
}

}  // namespace
}  // namespace ostrel3_test
