// Cutting to a camera at the position: the cut list and the undo history
// afterwards, and the live preview's list during playback.
#include <algorithm>

#include "cut_editing_fixture.h"

namespace {

using ostrel3::CutList;
using namespace ostrel3_test;

struct CutCase {
  const char* what;
  int32_t position;
  int camera;
  bool playing;
  CutList cuts;
  size_t undoSteps;
  int beeps;
};

class CutAtPositionTest : public AssignmentTest, public ::testing::WithParamInterface<CutCase> {};

// Cameras 1 and 2 have 300-frame clips, camera 3 none; four cameras in use.
TEST_P(CutAtPositionTest, LeavesANormalisedListAndOneStepPerChange) {
  const CutCase& c = GetParam();
  give(0, kLeft);
  give(1, kRight);
  op->cutList = CutList{{0, 0}, {100, 1}};
  op->position = c.position;
  op->playing = c.playing;
  op->SetCameraAtPosition(c.camera);
  op->playing = false;
  EXPECT_EQ(op->cutList, c.cuts) << c.what;
  EXPECT_EQ(op->undoHistory.size(), c.undoSteps) << c.what;
  EXPECT_EQ(beeps(), c.beeps) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutAtPositionTest,
    ::testing::Values(CutCase{"the camera in force adds nothing, yet is a step", 150, 1, false, {{0, 0}, {100, 1}}, 1, 0},
                      CutCase{"the same cut again is no step", 100, 1, false, {{0, 0}, {100, 1}}, 0, 0},
                      CutCase{"another camera cuts", 150, 0, false, {{0, 0}, {100, 1}, {150, 0}}, 1, 0},
                      CutCase{"another camera on a cut merges it", 100, 0, false, {{0, 0}}, 1, 0},
                      CutCase{"an empty camera while stopped", 150, 2, false, {{0, 0}, {100, 1}}, 0, 0},
                      CutCase{"an empty camera during playback beeps", 150, 2, true, {{0, 0}, {100, 1}}, 0, 1},
                      CutCase{"after the last frame", 300, 0, false, {{0, 0}, {100, 1}}, 0, 0},
                      CutCase{"a camera not in use", 150, 4, false, {{0, 0}, {100, 1}}, 0, 0}));

struct LiveCase {
  bool playing, threeMonitors, previewPanel;
  int handovers;
};

class LiveCutTest : public AssignmentTest, public ::testing::WithParamInterface<LiveCase> {};

TEST_P(LiveCutTest, APlayingPreviewGetsTheNewListAtOnce) {
  const LiveCase& c = GetParam();
  give(0, kLeft);
  give(1, kRight);
  op->position = 150;
  op->playing = c.playing;
  op->threeMonitors = c.threeMonitors;
  op->previewPanel = c.previewPanel ? 0x1234 : 0;
  op->SetCameraAtPosition(1);
  op->playing = op->threeMonitors = false;
  op->previewPanel = 0;
  EXPECT_EQ(host().calls().count("cmUpdateFinalList"), c.handovers);
  // The list handed over shows camera 2 from the new cut on.
  const auto& list = op->outputLists[op->currentOutputList];
  const bool shown = std::any_of(list.begin(), list.end(),
                                 [&](const CM_OUTPUT_PAIR& p) { return p.start == 150 && p.clip == op->cameras[1].record; });
  EXPECT_EQ(shown, c.handovers == 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, LiveCutTest,
                         ::testing::Values(LiveCase{true, false, false, 0}, LiveCase{true, true, false, 1},
                                           LiveCase{true, false, true, 1}, LiveCase{false, true, true, 0}));

TEST_F(CutEditingTest, TheLivePictureShowsTheChosenCamera) {
  openWith(CutList{{0, 0}}, 60);
  ASSERT_NE(op->previewPanel, 0u);
  op->SelectCamera(1, -1);
  EXPECT_EQ(host().calls().traceOf({"cmGetField"}).size(), 1u);
}

// Fixed fault: a cut naming a camera beyond those in use (a project saved
// with more cameras) made that camera the active one when the cursor met it.
TEST_F(AssignmentTest, TheCursorKeepsTheActiveCameraAmongThoseInUse) {
  give(0, kLeft);
  op->cutList = CutList{{0, 0}, {100, 5}};
  op->position = 150;
  op->UpdateCursor(false);
  EXPECT_EQ(op->activeCamera, 0);
}

}  // namespace
