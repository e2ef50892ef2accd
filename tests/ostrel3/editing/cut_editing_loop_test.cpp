// Cut editing through the event loop: how closing, applying and leaving end
// a move, and messages the jog held back.
#include <filesystem>
#include <fstream>
#include <functional>

#include "cut_editing_fixture.h"
#include "hostsim/gui/user_input.h"
#include "ostrel3/shell/entry.h"

namespace {

using hostsim::Host;
using ostrel3::CutList;
using namespace ostrel3_test;

class CutEditingLoopTest : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{901, "North", 400, 10, 0}, {902, "South", 400, 20, 0}};
    return c;
  }
  // Leaves once the test's steps are done, with what `record` read before.
  int32_t run(std::function<bool(Host&)> step, std::function<void()> record) {
    const auto dir = home() / "programs" / "ostrel3";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "project_01_00.info") << "<ostrel3><scenes><scene uid=\"901\" cam=\"0\"/><scene uid=\"902\" "
                                                 "cam=\"1\"/></scenes><num_gui_scenes>2</num_gui_scenes></ostrel3>";
    host().user().addAction("step", std::move(step));
    host().user().addAction("leave", [record](Host& h) {
      record();
      return h.panels().input().clickElement(op().elementSlots[ostrel3::kLeaveButton]);
    });
    OperatorMsg message{};
    message.code = OP_MSG_RUN;
    message.fieldRate = 50;
    return ostrel3::OperatorMessage(&message);
  }
  static ostrel3::MulticamOperator& op() { return *ostrel3::currentOperator.load(); }
};

enum class Ending { Close, Apply, Leave, PointerCancel };

class MoveEndingTest : public CutEditingLoopTest, public ::testing::WithParamInterface<Ending> {};

// Closing or the pointer's cancel cancels the move; apply and leave commit
// it; none of them ends the operator.
TEST_P(MoveEndingTest, EndsTheMoveAndKeepsTheOperatorOpen) {
  const Ending ending = GetParam();
  bool moving = true, running = false;
  CutList cuts;
  const int32_t result = run(
      [ending](Host& h) {
        op().cutList = CutList{{0, 0}, {100, 1}, {200, 0}};
        op().position = 200;
        op().StartMoveCut();
        op().HandleKeyCommand(jog(5));
        auto& input = h.panels().input();
        switch (ending) {
          case Ending::Close: return input.closeScreen();
          case Ending::Apply: return input.clickElement(op().elementSlots[ostrel3::kApplyButton]);
          case Ending::Leave: return input.clickElement(op().elementSlots[ostrel3::kLeaveButton]);
          case Ending::PointerCancel: return input.cancel();
        }
        return false;
      },
      [&] {
        moving = op().moveMode;
        running = op().keepRunning;
        cuts = op().cutList;
      });
  EXPECT_EQ(result, 0);
  EXPECT_FALSE(moving);
  EXPECT_TRUE(running);
  const bool committed = ending == Ending::Apply || ending == Ending::Leave;
  EXPECT_EQ(cuts, (CutList{{0, 0}, {100, 1}, {committed ? 205 : 200, 0}}));
}

INSTANTIATE_TEST_SUITE_P(Endings, MoveEndingTest,
                         ::testing::Values(Ending::Close, Ending::Apply, Ending::Leave, Ending::PointerCancel));

TEST_F(CutEditingLoopTest, AHeldMessageIsTakenBeforeTheLoopWaitsAgain) {
  int32_t active = -1;
  run(
      [](Host& h) {
        op().heldMessages.push_back(message(ostrel3::kMsgKey, '1'));  // camera 2's key
        const ostrel3::QueueMessage tick = ostrel3::TickMessage(8);
        return h.kernel().send(op().eventQueue.get(), &tick, sizeof tick, 0, 0) == 0;
      },
      [&] { active = op().activeCamera; });
  EXPECT_EQ(active, 1);
}

}  // namespace
