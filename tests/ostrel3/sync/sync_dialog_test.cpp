// The synchronisation dialog as the user meets it: positioning on the jog
// slider with confirm and cancel, the camera choice, closing, preview, and
// every way out leaving nothing of the host behind.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>

#include "sync_fixture.h"

namespace {

using namespace ostrel3_test;
using ostrel3::SyncDialog;
using hostsim::ClickOptions;

constexpr int32_t kConfirm = 0x10001, kCancel = 0x10003;

TEST_F(SyncDialogTest, ASyncCameraOfZeroBecomesCameraTwoAndTheCheckboxReachesTheBlock) {
  params.syncCamera = 0;
  params.syncScrub = 1;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    EXPECT_EQ(params.syncCamera, 1);
    clickSlot(d, ostrel3::kSyncScrubBox, ClickOptions().withValue(0));
    closeByKey();
  }));
  EXPECT_EQ(params.syncScrub, 0) << "the checkbox counts even when no camera was touched";
  expectNothingLeft();
}

TEST_F(SyncDialogTest, JogStepsConfirmAndCancel) {
  struct Case {
    int positioned;  // 0: camera 1, 1: the sync camera
    int32_t start, step, endCommand;
    int32_t expectFrame, expectSynced;
  };
  const Case cases[] = {
      {1, 3, -10, kConfirm, 0, 1},   // a step below the clip stops at frame 0
      {1, 10, 90, kConfirm, 100, 1},
      {1, 10, 90, kCancel, 10, 0},   // cancel puts the frame back
      {0, 20, 20, kConfirm, 40, 1},  // confirm marks the sync camera even when camera 1 moved
      {0, 20, 400, kConfirm, 299, 1},  // held at camera 1's last frame
  };
  for (const Case& c : cases) {
    resetParams();
    params.syncScrub = 0;
    if (c.positioned == 0) params.syncIn[1] = c.start;
    else params.trimIn[1] = c.start;
    int positionedSeen = -2;
    ASSERT_TRUE(runDialog([&](SyncDialog& d) {
      clickSlot(d, c.positioned == 0 ? ostrel3::kSyncRefPosition : ostrel3::kSyncPosition);
      jogStep(c.step);
      act("look", [&](hostsim::Host&) {
        positionedSeen = d.scrubCamera();
        return true;
      });
      jogCommand(c.endCommand);
      closeByKey();
    }));
    EXPECT_EQ(positionedSeen, c.positioned);
    EXPECT_EQ(c.positioned == 0 ? params.syncIn[1] : params.trimIn[1], c.expectFrame) << c.start << " + " << c.step;
    EXPECT_EQ(params.synced[1], c.expectSynced);
    expectNothingLeft();
  }
}

TEST_F(SyncDialogTest, TheCloseKeyWaitsWhileACameraIsPositionedTheCloseButtonDoesNot) {
  params.syncScrub = 0;
  bool stillOpen = false;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    clickSlot(d, ostrel3::kSyncPosition);
    closeByKey();
    act("look", [&](hostsim::Host& h) {
      stillOpen = !h.panels().openRequests().empty() && d.scrubCamera() == 1;
      return true;
    });
    jogCommand(kConfirm);
    clickSlot(d, ostrel3::kSyncClose);
  }));
  EXPECT_TRUE(stillOpen);
  expectNothingLeft();
}

TEST_F(SyncDialogTest, TheStopButtonWhilePositioningLeavesTheOtherControlsBeeping) {
  params.syncScrub = 0;
  bool previewBeeps = false;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    clickSlot(d, ostrel3::kSyncPosition);
    clickSlot(d, ostrel3::kSyncStopPreview);
    act("look", [&](hostsim::Host& h) {
      previewBeeps = h.panels().findElement(d.element(ostrel3::kSyncPreviewAround))->beeping;
      return true;
    });
    clickSlot(d, ostrel3::kSyncPreviewAround);
    jogCommand(kConfirm);
    closeByKey();
  }));
  EXPECT_TRUE(previewBeeps);
  EXPECT_EQ(host().calls().count("mainPlayInit"), 0);
  EXPECT_EQ(params.synced[1], 1);
  expectNothingLeft();
}

TEST_F(SyncDialogTest, TheFramesOwnButtonsAndACloseRequestCloseTheDialog) {
  for (int way = 0; way < 3; ++way) {
    resetParams();
    ASSERT_TRUE(runDialog([&](SyncDialog&) {
      act("close", [way](hostsim::Host& h) {
        const auto requests = h.panels().openRequests();
        if (requests.empty()) return false;
        if (way == 2) return h.panels().input().closeScreen();
        return h.panels().input().clickElement(way == 0 ? requests.back().confirm : requests.back().cancel);
      });
      act("still open", [](hostsim::Host&) { return true; });
    }));
    // Closed at once: the user's next step never came.
    EXPECT_EQ(host().user().pending(), 1u) << way;
    host().user().dropNext();
    expectNothingLeft();
  }
}

TEST_F(SyncDialogTest, ChoosingACameraCarriesCameraOnesFrameOnlyToAnUnsyncedCamera) {
  for (int synced : {0, 1}) {
    resetParams();
    params.syncIn[1] = 55;
    params.syncIn[3] = 7;
    params.synced[3] = synced;
    ASSERT_TRUE(runDialog([&](SyncDialog& d) {
      clickSlot(d, ostrel3::kSyncCameraPopup, ClickOptions().withEntry("Short"));
      closeByKey();
    }));
    EXPECT_EQ(params.syncCamera, 3);
    EXPECT_EQ(params.syncIn[3], synced ? 7 : 55);
  }
}

TEST_F(SyncDialogTest, ASyncPointBeforeTheClipGreysTheTimeAndAnEmptySyncCameraIsNeverAskedFor) {
  params.trimIn[1] = -20;
  bool timeActive = true;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    act("look", [&](hostsim::Host& h) {
      timeActive = h.panels().findElement(d.element(ostrel3::kSyncTime))->active;
      return true;
    });
    closeByKey();
  }));
  EXPECT_FALSE(timeActive);

  // Camera 3 is empty: the dialog picks a camera with a clip and never hands
  // the host a null clip.
  resetParams();
  params.syncCamera = 2;
  ASSERT_TRUE(runDialog([&](SyncDialog&) { closeByKey(); }));
  EXPECT_NE(params.record[params.syncCamera], 0u);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(SyncDialogTest, AnEmptyCameraOneIsNeverHandedToTheHostAndItsPreviewOnlyBeeps) {
  params.record[0] = 0;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    clickSlot(d, ostrel3::kSyncPreviewAround);
    clickSlot(d, ostrel3::kSyncRefPosition);  // nothing to position
    jogStep(5);
    closeByKey();
  }));
  EXPECT_EQ(host().display().beeps(), 1);
  EXPECT_EQ(host().calls().count("mainPlayInit"), 0);
  EXPECT_EQ(host().calls().count("vgAddVirtualSlider"), 0);
  EXPECT_EQ(params.syncIn[1], 0);
  const auto calls = host().calls().traceOf({"nslGetTrimmedAVRecordLength", "nslGetVideoFrameOffset", "nslCopyAVRecord",
                                             "cmInitRenderAudio", "nslBeginAVRecordTrim"});
  EXPECT_FALSE(calls.empty());
  for (const std::string& call : calls) EXPECT_EQ(call.find("(0,"), std::string::npos) << call;
  for (const std::string& call : calls) EXPECT_EQ(call.find("(0)"), std::string::npos) << call;
  expectNothingLeft();
}

TEST_F(SyncDialogTest, ADialogThatCannotBeShownEndsAtOnceAndLeavesTheBlockAsItWas) {
  params.syncCamera = 0;
  params.trimIn[1] = 17;
  const ostrel3::SyncParams before = params;
  host().calls().failNth("vreqCreateRequest", 1);
  EXPECT_FALSE(ostrel3::RunSyncDialog(params));
  EXPECT_EQ(std::memcmp(&before, &params, sizeof params), 0);
  EXPECT_EQ(host().calls().count("vgMsgQReceive2"), 0) << "no loop waits on a dialog that is not there";
  expectNothingLeft();
}

// The preview runs on the test clock: the player delivers every frame of
// the half second waited, however slowly this build runs.
class SyncPreviewTest : public SyncDialogTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = SyncDialogTest::makeConfig();
    c.testClock = true;
    return c;
  }
};

TEST_F(SyncPreviewTest, PreviewPlaysAroundTheSyncPointAndAPressDuringItOnlyBeeps) {
  params.syncIn[1] = 40;
  params.trimIn[1] = 100;
  bool playing = false;
  int32_t refTime = -1;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    clickSlot(d, ostrel3::kSyncPreviewAround);
    host().user().addWait("play", 30);
    act("look", [&](hostsim::Host& h) {
      playing = d.previewing();
      const auto times = h.panels().findElement(d.element(ostrel3::kSyncRefTime));
      // Half a second in, camera 1's time follows the player from frame 0.
      refTime = times ? times->value : -1;
      return true;
    });
    clickSlot(d, ostrel3::kSyncPreviewToEnds);
    clickSlot(d, ostrel3::kSyncStopPreview);
    clickSlot(d, ostrel3::kSyncClose);
  }));
  EXPECT_TRUE(playing);
  EXPECT_GT(refTime, 0);
  EXPECT_LT(refTime, 2 * 40) << "the time shows the played frame, not the sync point";
  EXPECT_EQ(logCount(4), 0u);
  EXPECT_EQ(params.syncIn[1], 40) << "the strips' temporary frames are put back";
  EXPECT_EQ(params.trimIn[1], 100);
  const auto history = host().media().player().history();
  ASSERT_EQ(history.playbacks.size(), 1u) << "a press during the preview starts no second one";
  EXPECT_GE(host().display().beeps(), 1);
  const auto& played = history.playbacks.front();
  // Camera 1 at 40 with 25 frames a second: frames 0 .. 115 of a copy trimmed there.
  EXPECT_EQ(played.ranges[0].first, 0);
  EXPECT_EQ(played.ranges[0].last, 115);
  EXPECT_EQ(played.ranges[1].last, 150);  // camera 2 at 100: 25 .. 175
  ASSERT_TRUE(played.layout.has_value());
  // The player lets go of the copies before they are deleted.
  std::vector<std::string> order;
  for (const std::string& call : host().calls().traceOf({"mainPlayStop", "mainPlayExit", "nslDeleteAVRecord"}))
    order.push_back(call.substr(0, call.find('(')));
  EXPECT_EQ(order, (std::vector<std::string>{"mainPlayStop", "mainPlayExit", "nslDeleteAVRecord", "nslDeleteAVRecord"}));
  EXPECT_EQ(host().calls().count("nslDeleteAVRecord"), 2);
  expectNothingLeft();
}

TEST_F(SyncDialogTest, ScreenshotsBeforeAndAfterPositioningCameraTwoOntoItsClap) {
  const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS");
  const std::filesystem::path dir = keep ? std::filesystem::path(keep) : home() / "shots";
  std::filesystem::create_directories(dir);
  params.syncIn[1] = kFrontClap;
  params.trimIn[1] = 30;
  params.syncScrub = 0;
  ASSERT_TRUE(runDialog([&](SyncDialog& d) {
    act("before", [&](hostsim::Host& h) { return h.panels().input().screenshot(1, (dir / "sync_before").string()); });
    clickSlot(d, ostrel3::kSyncPosition);
    jogStep(kSideClap - 30);
    jogCommand(kConfirm);
    act("after", [&](hostsim::Host& h) { return h.panels().input().screenshot(1, (dir / "sync_after").string()); });
    closeByKey();
  }));
  EXPECT_EQ(params.trimIn[1], kSideClap);
  EXPECT_TRUE(std::filesystem::exists(dir / "sync_before.png"));
  EXPECT_TRUE(std::filesystem::exists(dir / "sync_after.png"));
}

// Every acquisition of the dialog refused in turn: whatever it got, nothing
// is left behind and the dialog still closes.
struct SyncRefusal {
  const char* call;
  int nth;
};
// Test names and failures read the call, never the record's bytes.
void PrintTo(const SyncRefusal& r, std::ostream* os) { *os << r.call << " refused the " << r.nth << ". time"; }
class SyncRefusalTest : public SyncDialogTest, public ::testing::WithParamInterface<SyncRefusal> {};

TEST_P(SyncRefusalTest, EveryWayOutLeavesNothingBehind) {
  params.syncScrub = 1;
  host().calls().failNth(GetParam().call, GetParam().nth);
  bool shown = false;
  try {
    shown = runDialog([&](SyncDialog& d) {
      clickSlot(d, ostrel3::kSyncPosition);
      jogStep(5);
      act("wait", [](hostsim::Host&) { return true; });
      jogCommand(kConfirm);
      clickSlot(d, ostrel3::kSyncPreviewAround);
      clickSlot(d, ostrel3::kSyncStopPreview);
      closeByKey();
    });
  } catch (...) {
    shown = false;
  }
  if (shown) {
    EXPECT_TRUE(host().user().empty()) << "the dialog closed before the user was done";
  }
  expectNothingLeft();
}

INSTANTIATE_TEST_SUITE_P(Acquisitions, SyncRefusalTest,
                         ::testing::Values(SyncRefusal{"resLoadStrings", 1}, SyncRefusal{"resLoadImages", 1},
                                           SyncRefusal{"vgAllocGadExt", 1}, SyncRefusal{"msgQCreate", 1},
                                           SyncRefusal{"msgQCreate", 2}, SyncRefusal{"cmOpen", 1},
                                           SyncRefusal{"vreqCreateRequest", 1}, SyncRefusal{"vgCreatePanel", 1},
                                           SyncRefusal{"opAllocImage", 1}, SyncRefusal{"vgAddVirtualSlider", 1},
                                           SyncRefusal{"cmScrubStart", 1}, SyncRefusal{"taskSpawn", 1},
                                           SyncRefusal{"msgQCreate", 3}, SyncRefusal{"mainPlayInit", 1},
                                           SyncRefusal{"cmSetMultiCam", 1}, SyncRefusal{"nslCopyAVRecord", 2},
                                           SyncRefusal{"mainPlayStartMultiple", 1}),
                         [](const auto& info) { return std::string(info.param.call) + std::to_string(info.param.nth); });

}  // namespace
