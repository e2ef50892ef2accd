// The move-cut mode: how far a cut may go, what the panel shows meanwhile,
// and what commit and cancel leave behind.
#include "cut_editing_fixture.h"
#include "hostsim/gui/display.h"

namespace {

using ostrel3::CutList;
using namespace ostrel3_test;

const CutList kFourCuts{{0, 0}, {100, 1}, {200, 0}, {300, 1}};

struct BoundCase {
  const char* what;
  bool pointer;    ///< else the jog
  int32_t amount;  ///< jog step, or pointer column from the timeline's left edge
  int32_t to;
};

class MoveBoundTest : public CutEditingTest, public ::testing::WithParamInterface<BoundCase> {};

// The cut at 200 of a 400-frame project between cuts at 100 and 300; the
// pointer's 600 columns span the frames it may take.
TEST_P(MoveBoundTest, AMovedCutCannotPassItsNeighbours) {
  const BoundCase& c = GetParam();
  openWith(kFourCuts, 200);
  op->StartMoveCut();
  if (c.pointer) op->MoveCutToPointer(int16_t(timelineLeft() + c.amount));
  else op->HandleKeyCommand(jog(c.amount));
  EXPECT_EQ(op->position, 200) << c.what << ": the position stays on the cut until the end";
  op->EndMoveCut(false);
  EXPECT_EQ(op->cutList, (CutList{{0, 0}, {100, 1}, {c.to, 0}, {300, 1}})) << c.what;
  EXPECT_EQ(op->position, c.to) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, MoveBoundTest,
                         ::testing::Values(BoundCase{"jog back", false, -1000, 101}, BoundCase{"jog on", false, 1000, 299},
                                           BoundCase{"pointer left of it", true, -50, 101},
                                           BoundCase{"pointer in the middle", true, 300, 200},
                                           BoundCase{"pointer on the right edge", true, 599, 299}));

class MoveEndTest : public CutEditingTest, public ::testing::WithParamInterface<bool> {
 protected:
  void expectMode(bool on) {
    EXPECT_EQ(screen(), on ? VG_PARSER_MOVE_CUT : VG_PARSER_MAIN);
    EXPECT_EQ(host().display().pointer().look, on ? 2 : 1);
    EXPECT_EQ(timelineTag(VG_TAG_PANEL_MODE_A), on ? 1 : 0);
    EXPECT_EQ(timelineTag(VG_TAG_PANEL_MODE_B), on ? 1 : 0);
    EXPECT_EQ(element(ostrel3::kMoveCutButton).value().active, on);
    // The pointer stands on the cursor's column (2 pixels a frame).
    EXPECT_EQ(host().display().pointer().x, timelineLeft() + 2 * op->position);
  }
};

TEST_P(MoveEndTest, ThePanelShowsTheModeUntilCommitOrCancel) {
  const bool cancel = GetParam();
  openWith(kFourCuts, 200);
  op->StartMoveCut();
  expectMode(true);
  op->HandleKeyCommand(jog(10));
  op->EndMoveCut(cancel);
  expectMode(false);
  EXPECT_EQ(op->position, cancel ? 200 : 210);
  EXPECT_EQ(op->cutList.count(op->position), 1u);
  // Cancelling keeps the step the move took; one undo takes a commit back.
  EXPECT_EQ(op->undoHistory.size(), 1u);
  op->Undo();
  EXPECT_EQ(op->cutList, kFourCuts);
}

INSTANTIATE_TEST_SUITE_P(CommitAndCancel, MoveEndTest, ::testing::Bool());

TEST_F(CutEditingTest, FrameZeroOrNoCutRefusesTheMove) {
  openWith(kFourCuts, 0);
  op->StartMoveCut();
  EXPECT_EQ(op->undoHistory.size(), 0u);
  op->position = 150;
  op->StartMoveCut();
  EXPECT_EQ(op->undoHistory.size(), 1u);  // taken before the cut is looked for
  EXPECT_EQ(beeps(), 2);
  EXPECT_FALSE(op->moveMode);
  EXPECT_NE(screen(), VG_PARSER_MOVE_CUT);
}

// Fixed fault: a move of the first cut, when it did not lie at frame 0,
// kept the bounds the previous move had left (0 and 0), so committing it
// carried the cut to frame 0.
TEST_F(CutEditingTest, TheFirstCutStaysOnItsFrameWhereverItLies) {
  openWith(CutList{{50, 0}, {100, 1}}, 100);
  op->StartMoveCut();
  op->HandleKeyCommand(jog(10));
  op->EndMoveCut(false);
  op->position = 50;
  op->StartMoveCut();
  op->HandleKeyCommand(jog(-30));
  op->MoveCutToPointer(timelineLeft());
  op->EndMoveCut(false);
  EXPECT_EQ(op->cutList, (CutList{{50, 0}, {110, 1}}));
}

// A cut deleted while it is moved is not brought back by the commit.
TEST_F(CutEditingTest, ACutGoneWhileMovingStaysGone) {
  openWith(kFourCuts, 200);
  op->StartMoveCut();
  op->DeleteCutAtPosition();
  op->EndMoveCut(false);
  EXPECT_EQ(op->cutList, (CutList{{0, 0}, {100, 1}}));
}

}  // namespace
