// Renaming the active camera's clip: the copy and the source clip of the
// host project take the new name; refusals of the user or the host change
// nothing.
#include "assignment_fixture.h"
#include "ostrel3/project/utf8.h"

namespace {

using namespace ostrel3_test;

class RenameClipTest : public AssignmentTest {
 protected:
  void SetUp() override {
    AssignmentTest::SetUp();
    give(0, kLeft);
    openPanel();
  }
  void typed(const std::string& text) { host().user().addAnswer({hostsim::AnswerKind::Key, 1, text}); }
  std::u16string copyName() { return nslGetAVRecordName(op->cameras[0].record); }
  std::u16string sourceName() { return nslGetAVRecordName(mainGetAVRecordFromId(kLeft, 1, 1)); }
};

TEST_F(RenameClipTest, TheCopyAndTheSourceTakeTheName) {
  typed("Drum riser");
  op->RenameCameraClip();
  EXPECT_EQ(copyName(), u"Drum riser");
  EXPECT_EQ(sourceName(), u"Drum riser");
  EXPECT_EQ(element(ostrel3::kClipNameField)->text, u"Drum riser");
  EXPECT_EQ(element(ostrel3::CameraButtonSlot(0))->caption, u"Drum riser");
  EXPECT_EQ(logCount(4), 0u);
}

struct RenameRefusal {
  const char* what;
  const char* answer;       // nullptr: the user cancels
  const char* failingCall;  // a host call that is refused, or nullptr
  bool beeps;
  size_t failures;
};

class RenameRefusalTest : public RenameClipTest, public ::testing::WithParamInterface<RenameRefusal> {};

TEST_P(RenameRefusalTest, ChangesNothing) {
  const RenameRefusal& r = GetParam();
  if (r.answer) typed(r.answer);
  if (r.failingCall) host().calls().failNth(r.failingCall, 1);
  const int beepsBefore = beeps();
  op->RenameCameraClip();
  EXPECT_EQ(copyName(), u"Stage left") << r.what;
  EXPECT_EQ(sourceName(), u"Stage left") << r.what;
  EXPECT_EQ(beeps() - beepsBefore, r.beeps ? 1 : 0) << r.what;
  EXPECT_EQ(logCount(4), r.failures) << r.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, RenameRefusalTest,
                         ::testing::Values(RenameRefusal{"cancelled", nullptr, nullptr, false, 0},
                                           RenameRefusal{"empty", "", nullptr, true, 0},
                                           RenameRefusal{"blanks", "   ", nullptr, true, 0},
                                           RenameRefusal{"unchanged", "Stage left", nullptr, false, 0},
                                           RenameRefusal{"no key request", "New", "vreqKeyRequest", false, 1},
                                           RenameRefusal{"no name", "New", "nslGetAVRecordName", false, 1},
                                           RenameRefusal{"copy refuses", "New", "nslSetAVRecordName", false, 1}));

TEST_F(RenameClipTest, AnEmptyCameraBeeps) {
  op->SelectCamera(1, ostrel3::CameraButtonSlot(1));
  typed("Nobody");
  const int beepsBefore = beeps();
  op->RenameCameraClip();
  EXPECT_EQ(beeps(), beepsBefore + 1);
  EXPECT_EQ(host().user().pending(), 1u) << "no text entry was asked for";
}

TEST_F(RenameClipTest, ALongNameIsOfferedCutAndKeptWholeWhenConfirmedAsIs) {
  const std::u16string longName = u"Stage left, wide shot from the mixing desk";
  ASSERT_EQ(nslSetAVRecordName(op->cameras[0].record, longName.c_str()), 0);
  typed(ostrel3::ToUtf8(longName.substr(0, 31)));
  op->RenameCameraClip();
  EXPECT_EQ(copyName(), longName) << "confirming the offered text is no rename";
  // A new long name is cut to what the buffer holds.
  typed("A very long name that goes well beyond thirty-one characters");
  op->RenameCameraClip();
  EXPECT_EQ(copyName(), u"A very long name that goes well");
  EXPECT_EQ(sourceName(), u"A very long name that goes well");
}

TEST_F(RenameClipTest, ASourceTheHostNoLongerHasLeavesTheCopyRenamedAlone) {
  typed("Solo");
  host().calls().failNth("mainGetAVRecordFromId", 1);
  op->RenameCameraClip();
  EXPECT_EQ(copyName(), u"Solo");
  EXPECT_EQ(sourceName(), u"Stage left");
  EXPECT_EQ(logCount(4), 1u);
}

}  // namespace
