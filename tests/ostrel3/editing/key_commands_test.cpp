// The input parser's commands on each input context of the main panel.
#include <algorithm>

#include "cut_editing_fixture.h"

namespace {

using ostrel3::CutList;
using namespace ostrel3_test;

enum class Screen { Editing, Playback, MovingCut };

struct KeyCase {
  const char* what;
  Screen screen;
  int32_t id;
  int flashed;        ///< slot of the button given a short press, 0: none
  bool pauseUnlit;    ///< the pause button put out without a press
  bool movingAfter;
  int32_t movedCutAt; ///< where the cut at 200 ends up
  int32_t activeAfter;
};

class KeyCommandTest : public CutEditingTest, public ::testing::WithParamInterface<KeyCase> {
 protected:
  bool inTrace(const char* call, int slot) {
    const auto trace = host().calls().traceOf({call});
    const std::string args = "(" + std::to_string(op->panelRequest.panel) + ", " + std::to_string(op->elementSlots[slot]) + ")";
    return std::find(trace.begin(), trace.end(), call + args) != trace.end();
  }
};

// Cameras 2 to 4 have clips (camera 1 none, so no playback starts); cuts at
// 0, 100, 200 (camera 4) and 300, the cursor on 200. In the move-cut context
// the cut at 200 has been jogged 5 frames on.
TEST_P(KeyCommandTest, EachContextGivesTheKeysTheirMeaning) {
  const KeyCase& c = GetParam();
  openWith(CutList{{0, 1}, {100, 2}, {200, 3}, {300, 2}}, 200, 1, 3);
  op->activeCamera = 3;
  if (c.screen == Screen::MovingCut) {
    op->StartMoveCut();
    op->HandleKeyCommand(jog(5));
  } else {
    vgSetRootPanelParserID(op->panelRequest.panel, c.screen == Screen::Editing ? VG_PARSER_MAIN : VG_PARSER_PLAYBACK);
    op->playing = c.screen == Screen::Playback;
  }
  host().calls().clearTrace();
  const size_t refusals = logCount(ostrel3::kLogRefused);
  op->HandleKeyCommand(command(c.id));
  op->playing = false;
  for (int slot : {ostrel3::kPlayButton, ostrel3::kPauseButton, ostrel3::kStopButton})
    EXPECT_EQ(inTrace("vgActivateElement", slot), slot == c.flashed) << c.what << ", slot " << slot;
  EXPECT_EQ(c.flashed != ostrel3::kPauseButton && inTrace("vgInactivateElement", ostrel3::kPauseButton), c.pauseUnlit)
      << c.what;
  EXPECT_EQ(op->moveMode, c.movingAfter) << c.what;
  EXPECT_EQ(op->cutList.count(c.movedCutAt), 1u) << c.what;
  EXPECT_EQ(op->cutList.size(), 4u) << c.what;
  EXPECT_EQ(op->activeCamera, c.activeAfter) << c.what;
  // An unknown command is refused, with a log line; so is a start of
  // playback without camera 1's clip.
  const bool startsPlayback =
      c.id == ostrel3::kPlayCommand ? c.screen == Screen::Editing : c.id == ostrel3::kPauseCommand && c.pauseUnlit;
  EXPECT_EQ(logCount(ostrel3::kLogRefused), refusals + (c.id == 0x10020 || startsPlayback ? 1 : 0)) << c.what;
}

using ostrel3::kPauseButton, ostrel3::kPlayButton, ostrel3::kStopButton;
constexpr int32_t kPlay = ostrel3::kPlayCommand, kPause = ostrel3::kPauseCommand, kStop = ostrel3::kStopCommand;
constexpr int32_t kCameraTwoCommand = ostrel3::kFirstCameraCommand + 1;

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyCommandTest,
    ::testing::Values(KeyCase{"editing: play", Screen::Editing, kPlay, kPlayButton, false, false, 200, 3},
                      KeyCase{"editing: pause plays", Screen::Editing, kPause, 0, true, false, 200, 3},
                      KeyCase{"editing: stop", Screen::Editing, kStop, kStopButton, false, false, 200, 3},
                      KeyCase{"editing: camera 2", Screen::Editing, kCameraTwoCommand, 0, false, false, 200, 1},
                      KeyCase{"editing: unknown", Screen::Editing, 0x10020, 0, false, false, 200, 3},
                      KeyCase{"playback: play pauses", Screen::Playback, kPlay, kPauseButton, false, false, 200, 3},
                      KeyCase{"playback: pause", Screen::Playback, kPause, kPauseButton, false, false, 200, 3},
                      KeyCase{"playback: stop", Screen::Playback, kStop, kStopButton, false, false, 200, 3},
                      KeyCase{"moving: play commits", Screen::MovingCut, kPlay, 0, false, false, 205, 3},
                      KeyCase{"moving: pause plays", Screen::MovingCut, kPause, 0, true, true, 200, 3},
                      KeyCase{"moving: stop cancels", Screen::MovingCut, kStop, 0, false, false, 200, 3},
                      KeyCase{"moving: camera 2", Screen::MovingCut, kCameraTwoCommand, 0, false, true, 200, 1}));

struct CameraKeyCase {
  int32_t sceneCount;
  int camera;  ///< 0-based: the key of camera `camera + 1`
  bool accepted;
};

class CameraKeyTest : public AssignmentTest, public ::testing::WithParamInterface<CameraKeyCase> {};

// Fixed fault: the keys of cameras 5 and 6 made a camera that is not in use
// the active one. Cameras 1 and 5 have clips.
TEST_P(CameraKeyTest, OnlyCamerasInUseCanBeChosen) {
  const CameraKeyCase& c = GetParam();
  op->sceneCount = c.sceneCount;
  give(0, kLeft);
  give(4, kMedium);
  op->position = 100;
  op->HandleKeyCommand(command(ostrel3::kFirstCameraCommand + c.camera));
  EXPECT_EQ(op->activeCamera, c.accepted ? c.camera : 0);
  EXPECT_EQ(beeps(), c.accepted ? 0 : 1);
  EXPECT_EQ(op->cutList.size(), c.accepted && c.camera == 4 ? 2u : 1u);
}

INSTANTIATE_TEST_SUITE_P(Cases, CameraKeyTest,
                         ::testing::Values(CameraKeyCase{4, 4, false}, CameraKeyCase{4, 5, false},
                                           CameraKeyCase{4, 3, true}, CameraKeyCase{6, 4, true},
                                           CameraKeyCase{6, 5, true}));

}  // namespace
