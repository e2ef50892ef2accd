// The user's jog on the host's jog slider: how far a turn goes, the
// messages it sends with their sub-codes, confirm and cancel, and the turns
// that cannot be done.
#include <gtest/gtest.h>

#include <vector>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

class JogTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    req_ = openRequest(0x14040, 600, 400, u"Sync");
  }
  void TearDown() override {
    vreqDeleteRequest(&req_);
    GuiTest::TearDown();
  }
  VG_ELEMENT makeSlider(int32_t start, int32_t pageSize, int32_t maximum = 99) {
    const VG_ELEMENT s = vgAddVirtualSlider(req_.panel, 0, maximum, start, 0x30000);
    EXPECT_NE(s, 0u);
    EXPECT_EQ(vgActivateVirtualSlider(req_.panel), 0);
    EXPECT_EQ(vgSetVirtualSliderPageSize(req_.panel, pageSize), 0);
    return s;
  }
  // Every message waiting, checked to come from `slider` with `subCode`;
  // returns their values in order.
  std::vector<int32_t> sliderValues(VG_ELEMENT slider, int32_t subCode) {
    std::vector<int32_t> values;
    while (auto m = nextMessage(req_.queue)) {
      EXPECT_EQ(m->msgClass, HOST_MSG_ELEMENT);
      EXPECT_EQ(static_cast<VG_ELEMENT>(m->id), slider);
      EXPECT_EQ(m->subCode, subCode);
      values.push_back(m->value);
    }
    return values;
  }
  VREQ_REQUEST req_{};
};

struct Turn {
  const char* what;
  int32_t start, pageSize, steps;
  std::vector<int32_t> values;  ///< one a message, in order
};

class JogTurns : public JogTest, public ::testing::WithParamInterface<Turn> {};

TEST_P(JogTurns, MoveWithinRangeAtMostAPageAMessage) {
  const Turn& t = GetParam();
  const VG_ELEMENT slider = makeSlider(t.start, t.pageSize);
  ASSERT_TRUE(user().jog(t.steps)) << t.what;
  EXPECT_EQ(sliderValues(slider, hostsim::kJogMoved), t.values) << t.what;
  EXPECT_EQ(view(slider).value, t.values.empty() ? t.start : t.values.back()) << t.what;
}

INSTANTIATE_TEST_SUITE_P(
    Turns, JogTurns,
    ::testing::Values(Turn{"a few steps on", 3, 25, 5, {8}},
                      Turn{"back past the start stops at 0", 3, 25, -10, {0}},
                      Turn{"a long turn goes a page a message", 3, 25, 60, {28, 53, 63}},
                      Turn{"a long turn back", 63, 25, -60, {38, 13, 3}},
                      Turn{"on past the end stops at the end", 90, 25, 30, {99}},
                      Turn{"a page beyond the end sends the message that reaches it", 80, 25, 60, {99}},
                      Turn{"at an end a turn outwards sends nothing", 0, 25, -1, {}},
                      Turn{"no page size: one message", 3, 0, 60, {63}},
                      Turn{"no steps, no message", 3, 25, 0, {}}));

TEST_F(JogTest, ConfirmSendsTheValueAndCancelReturnsToTheLastStart) {
  const VG_ELEMENT slider = makeSlider(3, 25);
  ASSERT_TRUE(user().jog(5));
  EXPECT_EQ(sliderValues(slider, hostsim::kJogMoved), std::vector<int32_t>{8});
  ASSERT_TRUE(user().jogCancel());
  EXPECT_EQ(sliderValues(slider, hostsim::kJogCancelled), std::vector<int32_t>{3}) << "back where it started";
  EXPECT_EQ(view(slider).value, 3);

  ASSERT_TRUE(user().jog(4));
  ASSERT_TRUE(user().jogConfirm());
  // The move first, then the confirm with the value reached.
  auto move = nextMessage(req_.queue), confirm = nextMessage(req_.queue);
  ASSERT_TRUE(move && confirm);
  EXPECT_EQ(move->subCode, hostsim::kJogMoved);
  EXPECT_EQ(confirm->subCode, hostsim::kJogConfirmed);
  EXPECT_EQ(confirm->value, 7);

  ASSERT_TRUE(user().jog(-2));
  EXPECT_EQ(sliderValues(slider, hostsim::kJogMoved), (std::vector<int32_t>{5}));
  ASSERT_TRUE(user().jogCancel());
  EXPECT_EQ(sliderValues(slider, hostsim::kJogCancelled), (std::vector<int32_t>{7}));
  EXPECT_EQ(view(slider).value, 7) << "a cancel after a confirm returns to the confirmed value";
}

TEST_F(JogTest, ANewPositioningStartsWhereTheSliderStandsWhenActivated) {
  const VG_ELEMENT slider = makeSlider(10, 25);
  ASSERT_EQ(vgInactivateVirtualSlider(req_.panel, 3), 0);
  ASSERT_EQ(vgChangeElement(req_.panel, slider, VG_TAG_SLIDER_VALUE, 40, 1), 0) << "the caller moves it while inactive";
  ASSERT_EQ(vgActivateVirtualSlider(req_.panel), 0);
  ASSERT_TRUE(user().jog(1));
  EXPECT_EQ(sliderValues(slider, hostsim::kJogMoved), std::vector<int32_t>{41});
  ASSERT_TRUE(user().jogCancel());
  EXPECT_EQ(sliderValues(slider, hostsim::kJogCancelled), std::vector<int32_t>{40});
}

TEST_F(JogTest, TurnsThatCannotBeDoneAreRefusedAndSendNothing) {
  EXPECT_FALSE(user().jog(1)) << "no slider";
  EXPECT_TRUE(hostLogged(4, "no active jog slider"));

  const VG_ELEMENT slider = makeSlider(3, 1, 199);
  EXPECT_FALSE(user().jog(500)) << "more messages than a turn may send";
  EXPECT_EQ(view(slider).value, 3) << "a refused turn leaves the slider";
  EXPECT_TRUE(user().jog(100)) << "exactly the most a turn may send";
  EXPECT_EQ(sliderValues(slider, hostsim::kJogMoved).size(), 100u);
  EXPECT_TRUE(user().jog(500)) << "a turn that reaches the end sends only the messages up to it";
  EXPECT_EQ(sliderValues(slider, hostsim::kJogMoved).size(), 96u) << "stops at the end, 199";

  ASSERT_EQ(vgInactivateVirtualSlider(req_.panel, 3), 0);
  EXPECT_FALSE(user().jog(1));
  EXPECT_FALSE(user().jogConfirm());
  EXPECT_FALSE(user().jogCancel());

  // A request in front without a slider takes the jog away from the one behind.
  ASSERT_EQ(vgActivateVirtualSlider(req_.panel), 0);
  VREQ_REQUEST front = openRequest(0x1E, 200, 100, u"Front");
  EXPECT_FALSE(user().jog(1));
  vreqDeleteRequest(&front);
  EXPECT_TRUE(user().jog(-1));
  EXPECT_FALSE(nextMessage(front.queue));
  EXPECT_EQ(sliderValues(slider, hostsim::kJogMoved), std::vector<int32_t>{198});

  // Removing the slider (an empty range) leaves nothing to turn.
  EXPECT_EQ(vgAddVirtualSlider(req_.panel, 0, 0, 0, 0), 0u);
  EXPECT_FALSE(user().jog(1));
}

}  // namespace
}  // namespace ostrel3_test
