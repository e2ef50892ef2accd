// "Automatic" and "All cameras" in the synchronisation dialog, over clips of
// the stand-in host that record one scene: where a result lands, that the
// user's confirmation keeps it and closing without one takes it back, and
// that a camera with no common sound moves nowhere.
#include <string>

#include "ostrel3/project/utf8.h"
#include "sync_fixture.h"

namespace {

using namespace ostrel3_test;
using ostrel3::SyncDialog;

constexpr int32_t kJogConfirm = 0x10001;
// Camera 2 hears the clap 600 frames later into its clip than camera 1 does.
constexpr int32_t kFrontSceneClap = 400, kSideSceneClap = 1000;

class AutomaticSyncTest : public SyncDialogTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = SyncDialogTest::makeConfig();
    hostsim::ClipConfig other{kShortClip, "Short", 1500, -1};
    other.sound.scene = 2;  // another event altogether
    c.clips = {{kFront, "Front", 3000, kFrontSceneClap}, {kSide, "Side", 3000, kSideSceneClap}, other};
    return c;
  }
  std::string verdict(const SyncDialog& d, int line) { return ostrel3::ToUtf8(d.verdictLines()[line]); }
};

TEST_F(AutomaticSyncTest, AResultWaitsOnTheJogAndOnlyAConfirmationKeepsIt) {
  for (const bool confirm : {true, false}) {
    resetParams();
    params.syncScrub = 0;
    std::string said;
    int positioned = -1;
    ASSERT_TRUE(runDialog([&](SyncDialog& d) {
      clickSlot(d, ostrel3::kSyncAutomatic);
      act("look", [&](hostsim::Host&) {
        said = verdict(d, 0);
        positioned = d.scrubCamera();
        EXPECT_EQ(params.trimIn[1] - params.syncIn[1], kSideSceneClap - kFrontSceneClap) << "shown at once";
        return true;
      });
      if (confirm) jogCommand(kJogConfirm);
      clickSlot(d, ostrel3::kSyncClose);
    }));
    EXPECT_EQ(said.rfind("Matched by sound", 0), 0u) << said;
    EXPECT_EQ(positioned, 1) << "the placed camera waits on the jog";
    if (confirm) {
      EXPECT_EQ(params.trimIn[1] - params.syncIn[1], kSideSceneClap - kFrontSceneClap);
      EXPECT_EQ(params.autoSync[1], 1);
      EXPECT_EQ(params.synced[1], 1);
    } else {
      EXPECT_EQ(params.trimIn[1], 0) << "an unconfirmed result is taken back";
      EXPECT_EQ(params.syncIn[1], 0);
      EXPECT_EQ(params.autoSync[1], 0);
      EXPECT_EQ(params.synced[1], 0);
    }
    expectNothingLeft();
  }
}

TEST_F(AutomaticSyncTest, AllCamerasPlacesWhatMatchesAndLeavesACameraWithoutCommonSound) {
  params.syncScrub = 0;
  std::string shortVerdict;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    clickSlot(d, ostrel3::kSyncAllCameras);
    jogCommand(kJogConfirm);
    clickSlot(d, ostrel3::kSyncCameraPopup, hostsim::ClickOptions().withEntry("Short"));
    act("look", [&](hostsim::Host&) {
      shortVerdict = verdict(d, 0);
      EXPECT_FALSE(d.pendingAutomatic(3));
      EXPECT_EQ(d.scrubCamera(), -1) << "nothing to confirm";
      return true;
    });
    clickSlot(d, ostrel3::kSyncClose);
  }));
  EXPECT_EQ(shortVerdict, "No common sound found: sync by hand");
  EXPECT_EQ(params.trimIn[1] - params.syncIn[1], kSideSceneClap - kFrontSceneClap);
  EXPECT_EQ(params.synced[1], 1);
  EXPECT_EQ(params.autoSync[3], 0);
  EXPECT_EQ(params.trimIn[3], 0) << "a camera without common sound does not move";
  expectNothingLeft();
}

TEST_F(AutomaticSyncTest, ASecondPressStopsTheSearchAndClosingTakesBackWhatWasNotConfirmed) {
  params.syncScrub = 0;
  bool stopped = false;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    act("start and stop", [&](hostsim::Host&) {
      d.startAutomatic(true);
      const bool started = d.automaticRunning();
      d.startAutomatic(true);  // the second press
      stopped = started && !d.automaticRunning();
      return true;
    });
    clickSlot(d, ostrel3::kSyncClose);
  }));
  EXPECT_TRUE(stopped);
  EXPECT_EQ(params.trimIn[1], 0);
  EXPECT_EQ(params.autoSync[1], 0);
  expectNothingLeft();
}

}  // namespace
