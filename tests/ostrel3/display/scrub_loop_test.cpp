// Scrubbing in the running editor: with the switch on, moving the position
// (jog, button, slider) reads the sound there and draws the strip; the switch turns
// it all off and on again.
#include "ostrel3/shell/element_slots.h"
#include "scrub_fixture.h"

namespace {

using namespace ostrel3_test;

class ScrubLoopTest : public ScrubTest {
 protected:
  /// A user step that first checks what the step before it did.
  void step(std::function<void()> check, std::function<void()> action) {
    act([this, check, action] {
      check();
      host().calls().clearTrace();
      action();
    });
  }
  int blocks = 0;
  /// Sound reads and strip drawings since the last step.
  std::pair<int, int> readsAndStrips() {
    int strips = 0;
    const std::string strip = std::to_string(op->waveformArea.panel) + ", ptr, " +
                              std::to_string(op->waveformArea.rect.x) + ", " + std::to_string(op->waveformArea.rect.y);
    for (const auto& call : host().calls().traceOf({"vgWriteRectRaw"})) strips += call.rfind("vgWriteRectRaw(" + strip, 0) == 0;
    // Sound handed to the engine: a block of samples, not silence.
    for (const auto& call : host().calls().traceOf({"cmScrubData"})) blocks += call.find(", ptr, ") != std::string::npos;
    return {traced("cmGetFieldAudio"), strips};
  }
};

TEST_F(ScrubLoopTest, EveryWayOfMovingThePositionReadsTheSoundThereAndDrawsTheStrip) {
  give(0, kClapped);
  openPanel();
  op->position = kClapFrame;
  std::vector<std::pair<std::string, std::pair<int, int>>> seen;
  const auto record = [&](const std::string& what) { return [&, what] { seen.emplace_back(what, readsAndStrips()); }; };
  step([] {}, [&] { host().panels().input().command(0x10010, 5); });
  step(record("jog"), [&] { click(ostrel3::kToStartButton); });
  step(record("to start"), [&] {
    hostsim::ClickOptions drag;
    drag.value = 200;
    drag.subEvent = 3;  // the end of a drag
    host().panels().input().clickElement(op->elementSlots[ostrel3::kPositionSlider], drag);
  });
  int32_t clicked = -1;
  step(record("slider"), [&] {
    clicked = op->position;
    click(ostrel3::kScrubToggle);
  });
  step(record("switched off"), [&] { host().panels().input().command(0x10010, 5); });
  step(record("jog while off"), [&] { click(ostrel3::kScrubToggle); });
  step(record("switched on"), [&] { host().panels().input().closeScreen(); });
  runLoop();

  // Two fields a frame: six frames around the position, three at frame 0.
  const std::vector<std::pair<std::string, std::pair<int, int>>> expected = {
      {"jog", {12, 1}},           {"to start", {6, 1}},     {"slider", {12, 1}},
      {"switched off", {0, 0}},   {"jog while off", {0, 0}}, {"switched on", {12, 1}},
  };
  EXPECT_EQ(seen, expected) << "position after the slider: " << clicked;
  EXPECT_EQ(blocks, 3) << "the jog, the button and the slider; the switch draws silently";
  EXPECT_TRUE(op->mainScrub);
  EXPECT_EQ(op->scrubTask.scrubTaskId, -1) << "the loop's end stops the task";
}

}  // namespace
