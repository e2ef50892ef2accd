// Clicking one of several elements that read the same caption, and an
// element by its handle (the jog slider has no caption at all).
#include <gtest/gtest.h>

#include <vector>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

class RepeatedCaptionTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    back_ = openRequest(0x1E, 600, 400, u"Back");
    behind_ = vgAddTextButton(back_.panel, 0, 0, 96, 24, u"Position", 0, 0);
    front_ = openRequest(0x1E, 600, 400, u"Front");
    first_ = vgAddTextButton(front_.panel, 0, 0, 96, 24, u"Position", 0, 0);
    lower_ = vgAddTextButton(front_.panel, 100, 0, 96, 24, u"position", 0, 0);
    second_ = vgAddTextButton(front_.panel, 200, 0, 96, 24, u"Position", 0, 0);
  }
  void TearDown() override {
    vreqDeleteRequest(&front_);
    vreqDeleteRequest(&back_);
    GuiTest::TearDown();
  }
  VREQ_REQUEST back_{}, front_{};
  VG_ELEMENT behind_ = 0, first_ = 0, lower_ = 0, second_ = 0;
};

TEST_F(RepeatedCaptionTest, TheNthFollowsTheOrderOfDumpGui) {
  const std::vector<std::pair<std::pair<const char*, int32_t>, VG_ELEMENT>> cases = {
      {{"Position", 1}, first_},   // the frontmost request first
      {{"Position", 2}, second_},  // in the order they were made
      {{"Position", 3}, behind_},  // then the request behind
      {{"POSITION", 2}, lower_},   // no exact match: every case counts, in order
  };
  for (const auto& [target, expected] : cases) {
    ASSERT_TRUE(user().clickCaption(target.first, {}, target.second)) << target.first << " " << target.second;
    const MSG_Q_ID queue = expected == behind_ ? back_.queue : front_.queue;
    const auto m = nextMessage(queue);
    ASSERT_TRUE(m);
    EXPECT_EQ(static_cast<VG_ELEMENT>(m->id), expected) << target.first << " " << target.second;
  }
}

TEST_F(RepeatedCaptionTest, AnNthThatDoesNotExistIsRefusedAndSendsNothing) {
  for (int32_t occurrence : {4, 0, -1}) {
    EXPECT_FALSE(user().clickCaption("Position", {}, occurrence)) << occurrence;
    EXPECT_FALSE(nextMessage(front_.queue));
    EXPECT_FALSE(nextMessage(back_.queue));
  }
  EXPECT_TRUE(hostLogged(4, "3 elements read \"Position\"; there is no number 4"));
  EXPECT_FALSE(user().clickCaption("Stop", {}, 1));
  EXPECT_TRUE(hostLogged(4, "no element reads \"Stop\""));
}

TEST_F(RepeatedCaptionTest, ClickByHandleReachesTheCaptionlessJogSlider) {
  const VG_ELEMENT slider = vgAddVirtualSlider(front_.panel, 0, 50, 10, 0x30000);
  ASSERT_NE(slider, 0u);
  ASSERT_TRUE(user().clickElement(slider, hostsim::ClickOptions().withValue(70).withSubEvent(2)));
  const auto m = nextMessage(front_.queue);
  ASSERT_TRUE(m);
  EXPECT_EQ(static_cast<VG_ELEMENT>(m->id), slider);
  EXPECT_EQ(m->subCode, 2);
  EXPECT_EQ(m->value, 50) << "held within its range";
  EXPECT_FALSE(user().clickElement(0x7FFFFF));
}

}  // namespace
}  // namespace ostrel3_test
