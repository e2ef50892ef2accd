// The jog: a burst of steps waiting in the event queue moves the cursor
// once, and every other message keeps its turn.
#include "cut_editing_fixture.h"

namespace {

using ostrel3::CutList;
using namespace ostrel3_test;
using Queued = std::vector<std::tuple<uint16_t, int32_t, int32_t>>;

constexpr auto kKey = ostrel3::kMsgKey;
constexpr auto kCommand = ostrel3::kMsgCommand;

struct BurstCase {
  const char* what;
  bool keyBetween;
  bool putBackRefused;  ///< another thread filled the freed slot
  int32_t position;
  Queued left, held;
};

class JogBurstTest : public CutEditingTest, public ::testing::WithParamInterface<BurstCase> {};

// Steps 3, (a key), 4 wait when the jog of 2 from frame 50 is handled.
TEST_P(JogBurstTest, MovesOnceByTheSumUpToTheFirstOtherMessage) {
  const BurstCase& c = GetParam();
  openWith(CutList{{0, 0}}, 50);
  post(jog(3));
  if (c.keyBetween) post(message(kKey, '1'));
  post(jog(4));
  if (c.putBackRefused) host().calls().failNth("msgQSend", 1);
  op->HandleKeyCommand(jog(2));
  EXPECT_EQ(op->position, c.position) << c.what;
  EXPECT_EQ(sliderChanges().size(), 1u) << c.what;
  EXPECT_EQ(drainQueue(), c.left) << c.what;
  Queued held;
  for (const auto& m : op->heldMessages) held.emplace_back(m.msgClass, m.identifier, m.subEvent);
  EXPECT_EQ(held, c.held) << c.what;
  op->heldMessages.clear();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JogBurstTest,
    ::testing::Values(BurstCase{"a burst", false, false, 59, {}, {}},
                      BurstCase{"a key between", true, false, 55, {{kKey, '1', 0}, {kCommand, 0x10010, 4}}, {}},
                      BurstCase{"a key that cannot go back", true, true, 55, {{kCommand, 0x10010, 4}}, {{kKey, '1', 0}}}));

struct EdgeCase {
  const char* what;
  int32_t position, step, after;
  ostrel3::TimelineWindow window;  ///< frames 100..199 before
};

class JogEdgeTest : public CutEditingTest, public ::testing::WithParamInterface<EdgeCase> {};

// A 400-frame project; the visible window keeps its width of 100 frames.
TEST_P(JogEdgeTest, TheCursorStaysInTheProjectAndTheWindowFollowsIt) {
  const EdgeCase& c = GetParam();
  openWith(CutList{{0, 0}}, c.position);
  op->zoomIn = 100;
  op->zoomOut = 199;
  op->HandleKeyCommand(jog(c.step));
  EXPECT_EQ(op->position, c.after) << c.what;
  EXPECT_EQ((ostrel3::TimelineWindow{op->zoomIn, op->zoomOut}), c.window) << c.what;
  EXPECT_EQ(sliderChanges().size(), c.after == c.position ? 0u : 1u) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, JogEdgeTest,
                         ::testing::Values(EdgeCase{"left of the window", 120, -100, 20, {20, 119}},
                                           EdgeCase{"right of it, up to the end", 150, 250, 399, {300, 399}},
                                           EdgeCase{"below frame 0", 150, -200, 0, {0, 99}},
                                           EdgeCase{"on the last frame", 399, 7, 399, {100, 199}},
                                           EdgeCase{"a zero step", 150, 0, 150, {100, 199}}));

}  // namespace
