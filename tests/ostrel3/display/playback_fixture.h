#pragma once
// An operator with its main panel open and the playback callbacks live, on
// a stand-in host whose player runs on a test clock (the time moves only
// while the operator waits, so every run plays the same frames). Tests
// either call the playback operations and hand the player's messages over
// as the event loop would, or run the event loop over the user's steps.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "host/msgq.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/player.h"
#include "ostrel3/editing/assignment_fixture.h"
#include "ostrel3/shell/queue_message.h"

namespace ostrel3_test {

class PlaybackTest : public AssignmentTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = AssignmentTest::makeConfig();
    c.testClock = testClock;
    c.monitors = monitors;
    return c;
  }
  void SetUp() override {
    AssignmentTest::SetUp();
    std::filesystem::create_directories(home() / "programs" / "ostrel3");
    ostrel3::currentOperator.store(op.get());
  }
  void TearDown() override {
    if (op) op->PlayStop(false);
    ostrel3::currentOperator.store(nullptr);
    AssignmentTest::TearDown();
  }

  /// Cameras 1 and 2 get 300-frame clips (four cameras in use) and the
  /// panel opens with the cursor at `position`.
  void openWithTwoCameras(int32_t position) {
    give(0, kLeft);
    give(1, kRight);
    openPanel();
    op->position = position;
    host().calls().clearTrace();
  }

  hostsim::Player& player() { return host().media().player(); }
  hostsim::PlaybackRecord lastPlayback() { return player().history().playbacks.back(); }
  bool playerAlive() { return player().running() || player().history().initialised; }
  uint32_t screen() { return host().panels().currentScreen(); }
  std::pair<bool, bool> flags() const { return {op->playStarting, op->playing}; }
  /// Elements that beep instead of acting.
  int beepingElements() {
    int n = 0;
    for (VG_ELEMENT e : op->elementSlots)
      if (auto v = e ? host().panels().findElement(e) : std::nullopt; v && v->beeping) ++n;
    return n;
  }

  /// Lets the player play `frames` more frames, then hands the operator
  /// what the player posted, as the event loop does.
  void play(int frames) {
    ASSERT_TRUE(player().step(frames));
    deliver();
  }
  void deliver() {
    ostrel3::QueueMessage m;
    while (msgQReceive(op->eventQueue.get(), &m, sizeof m, 0) == int32_t(sizeof m)) {
      switch (m.msgClass) {
        case ostrel3::kMsgPlayPosition: op->PlaybackPosition(m.position); break;
        case ostrel3::kMsgPlayStopped: op->PlayStop(true); break;
        case ostrel3::kMsgPlayCamera: op->HandlePlayCamera(m.identifier, m.value); break;
        default: break;
      }
    }
  }

  // ---- the event loop over the user's steps ---------------------------------
  void act(std::function<void()> step) {
    host().user().addAction("step", [step](hostsim::Host&) {
      step();
      return true;
    });
  }
  void click(int slot) { host().panels().input().clickElement(op->elementSlots[slot]); }
  void waitTicks(int32_t ticks) { host().user().addWait("wait", ticks); }
  /// Runs the loop until the user, out of steps, has closed the operator.
  void runLoop() { op->RunEventLoop(); }

  bool testClock = true;
  std::vector<hostsim::MonitorConfig> monitors{hostsim::MonitorConfig{}};
};

}  // namespace ostrel3_test
