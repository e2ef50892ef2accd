// The active camera's colour from the host's palette: shown at once, one
// undo step, and nothing at all when the user or the host says no.
#include <cstdlib>
#include <filesystem>

#include "assignment_fixture.h"
#include "hostsim/gui/user_input.h"

namespace {

using namespace ostrel3_test;

constexpr uint32_t kViolet = 0x9A3C8AFFu;

struct PaletteCase {
  const char* what;
  bool answered;       // the user picks a colour
  bool sameColour;     // ... the one the camera has
  bool paletteFails;   // the host cannot show the palette
  bool changes;
};

class CameraColourTest : public AssignmentTest, public ::testing::WithParamInterface<PaletteCase> {};

TEST_P(CameraColourTest, OnlyAPickedNewColourChangesTheCameraAndPushesUndo) {
  const PaletteCase& c = GetParam();
  give(0, kLeft);
  give(1, kRight);
  openPanel();
  op->SelectCamera(1, ostrel3::CameraButtonSlot(1));
  const uint32_t before = op->cameras[1].colour, otherBefore = op->cameras[0].colour;
  const size_t undoBefore = op->undoHistory.size();
  const size_t failuresBefore = logCount(4);
  if (c.answered) host().user().addAnswer({hostsim::AnswerKind::Palette, c.sameColour ? before : kViolet, {}});
  if (c.paletteFails) host().calls().failNth("vreqPaletteRequest", 1);
  op->ChooseCameraColour();

  const uint32_t expected = c.changes ? kViolet : before;
  EXPECT_EQ(op->cameras[1].colour, expected) << c.what;
  EXPECT_EQ(static_cast<uint32_t>(element(ostrel3::kCameraColorButton)->value), expected) << c.what;
  EXPECT_EQ(op->undoHistory.size(), undoBefore + (c.changes ? 1 : 0)) << c.what;
  EXPECT_EQ(logCount(4), failuresBefore + (c.paletteFails ? 1 : 0)) << c.what;
  EXPECT_EQ(op->cameras[0].colour, otherBefore) << c.what << ": only the active camera";
}

INSTANTIATE_TEST_SUITE_P(Cases, CameraColourTest,
                         ::testing::Values(PaletteCase{"picked", true, false, false, true},
                                           PaletteCase{"cancelled", false, false, false, false},
                                           PaletteCase{"same colour", true, true, false, false},
                                           PaletteCase{"no palette", true, false, true, false}));

TEST_F(AssignmentTest, OneUndoTakesTheColourBack) {
  give(0, kLeft);
  openPanel();
  const uint32_t before = op->cameras[0].colour;
  host().user().addAnswer({hostsim::AnswerKind::Palette, kViolet, {}});
  op->ChooseCameraColour();
  ASSERT_EQ(op->cameras[0].colour, kViolet);
  // The panel after the change, for a person to look at.
  const auto shot = home() / "panel-camera-1-violet.png";
  ASSERT_TRUE(host().display().screen().savePng(1, shot));
  if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS"))
    std::filesystem::copy_file(shot, std::filesystem::path(keep) / shot.filename(),
                               std::filesystem::copy_options::overwrite_existing);
  ASSERT_TRUE(op->Undo());
  EXPECT_EQ(op->cameras[0].colour, before);
  EXPECT_EQ(op->redoHistory.size(), 1u);
}

// The undo button restores the colour and keeps the cameras in step: the
// clips it brings back are trimmed as they were.
TEST_F(AssignmentTest, TheUndoButtonKeepsTheCamerasInStep) {
  give(0, kLeft);
  give(1, kRight);
  op->cameras[1].syncIn = 40;
  openPanel();
  ASSERT_EQ(inPoint(0), 40);
  const uint32_t before = op->cameras[0].colour;
  host().user().addAnswer({hostsim::AnswerKind::Palette, kViolet, {}});
  op->ChooseCameraColour();
  host().user().addAction("undo", [](hostsim::Host& h) { return h.panels().input().clickShortcut(0x4040007A); });
  host().user().addAction("look", [&](hostsim::Host&) {
    EXPECT_EQ(op->cameras[0].colour, before);
    EXPECT_EQ(inPoint(0), 40) << "camera 1 still waits for camera 2's late start";
    return true;
  });
  host().user().addAction("close", [](hostsim::Host& h) { return h.panels().input().closeScreen(); });
  op->RunEventLoop();
}

}  // namespace
