// The main panel on the stand-in host: sizes, element slots, drawing areas.
#include <algorithm>

#include "host/main.h"
#include "host/nsl.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"
#include "videodisplay/fit_video.h"

namespace {

using ostrel3::MulticamOperator;

class MainPanelTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{601, "Left", 300, -1, 0}, {602, "Right", 300, -1, 0}};
    return c;
  }
  void SetUp() override {
    HostTest::SetUp();
    run.code = OP_MSG_RUN;
    run.fieldRate = 50;
    op = std::make_unique<MulticamOperator>();
  }
  void TearDown() override {
    if (op && op->panelRequest.panel) op->ClosePanel();
    op.reset();
    HostTest::TearDown();
  }
  std::optional<hostsim::ElementView> element(int slot) const {
    for (const auto& e : const_cast<MainPanelTest*>(this)->host().panels().elements())
      if (e.handle == op->elementSlots[slot]) return e;
    return std::nullopt;
  }

  OperatorMsg run{};
  std::unique_ptr<MulticamOperator> op;
};

TEST_F(MainPanelTest, EverySlotOfTheTableHoldsACreatedElement) {
  ASSERT_TRUE(op->OpenPanel(&run));
  const int slots[] = {1, 2, 3, 6, 7, 8, 9, 11, 13, 15, 10, 12, 14, 16, 27, 28, 29, 30, 31, 32, 33, 34, 35,
                       36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48};
  for (int slot : slots) {
    ASSERT_NE(op->elementSlots[slot], 0u) << "slot " << slot;
    auto e = element(slot);
    ASSERT_TRUE(e.has_value()) << "slot " << slot;
    EXPECT_GT(e->rect.width, 0) << "slot " << slot;
  }
  for (int slot : {0, 4, 5, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26}) EXPECT_EQ(op->elementSlots[slot], 0u) << slot;
}

}  // namespace

namespace {

class SmallScreenTest : public MainPanelTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = MainPanelTest::makeConfig();
    c.monitors[0].width = width;
    c.monitors[0].height = height;
    c.renderMajor = renderMajor;
    c.renderMinor = renderMinor;
    return c;
  }
  int16_t width = 1920, height = 512;
  int32_t renderMajor = 43, renderMinor = 1;
};

TEST_F(SmallScreenTest, AScreenOf512LinesHasNoLivePictureAndNoVersionNotice) {
  ASSERT_TRUE(op->OpenPanel(&run));
  EXPECT_EQ(op->previewPanel, 0u);
  EXPECT_EQ(logCount(6), 0u);
  EXPECT_EQ(op->pictureWidth % 2, 0);
  EXPECT_EQ(op->pictureHeight % 2, 0);
}

class OldRenderLibraryTest : public SmallScreenTest {
 protected:
  OldRenderLibraryTest() { height = 1080, renderMajor = 42, renderMinor = 41; }
};

TEST_F(OldRenderLibraryTest, AnOldRenderLibraryHasNoLivePictureAndSaysSoOnce) {
  ASSERT_TRUE(op->OpenPanel(&run));
  EXPECT_EQ(op->previewPanel, 0u);
  op->ClosePanel();
  ASSERT_TRUE(op->OpenPanel(&run));
  EXPECT_EQ(op->previewPanel, 0u);
  EXPECT_LE(logCount(6), 1u);
}

class TinyScreenTest : public SmallScreenTest {
 protected:
  TinyScreenTest() { width = 320, height = 240; }
};

TEST_F(TinyScreenTest, WhenTwoCamerasDoNotFitTheUserIsToldAndNothingOpens) {
  op->sceneCount = 2;
  EXPECT_FALSE(op->OpenPanel(&run));
  EXPECT_EQ(host().calls().count("vreqTextRequest"), 1);
  EXPECT_EQ(host().calls().count("vreqCreateRequest"), 0);
  EXPECT_EQ(op->panelRequest.panel, 0u);
}

TEST_F(TinyScreenTest, FourCamerasThatDoNotFitDropToTwoBeforeGivingUp) {
  EXPECT_FALSE(op->OpenPanel(&run));
  EXPECT_EQ(op->sceneCount, 2);
  EXPECT_EQ(logCount(4), 3u);  // no size for four, three, two cameras
}

TEST_F(MainPanelTest, PicturesAreEvenAndTheirClickAreasCoverTheDisplayRectangles) {
  ASSERT_TRUE(op->OpenPanel(&run));
  EXPECT_EQ(op->pictureWidth % 2, 0);
  EXPECT_EQ(op->pictureHeight % 2, 0);
  EXPECT_LE(op->pictureWidth, 960);
  for (int i = 0; i < op->sceneCount; ++i) {
    auto area = element(ostrel3::CameraPictureSlot(i));
    ASSERT_TRUE(area.has_value());
    const auto& r = op->cameras[i].displayRect;
    EXPECT_EQ(area->screenRect.x, r[0]);
    EXPECT_EQ(area->screenRect.y, r[1]);
    EXPECT_EQ(area->screenRect.x + area->screenRect.width - 1, r[2]);
    EXPECT_EQ(r[2] - r[0] + 1, op->pictureWidth);
    EXPECT_EQ(r[3] - r[1] + 1, op->pictureHeight);
  }
  EXPECT_NE(op->previewPanel, 0u);
  EXPECT_NE(op->timelineArea.panel, 0u);
}

TEST_F(MainPanelTest, ClosingThePanelReleasesItsImagesAndRequest) {
  ASSERT_TRUE(op->OpenPanel(&run));
  op->ClosePanel();
  EXPECT_EQ(op->panelRequest.panel, 0u);
  EXPECT_EQ(op->pictures.boxImage, nullptr);
  EXPECT_EQ(op->elementSlots[ostrel3::kPositionSlider], 0u);
  EXPECT_TRUE(host().panels().openRequests().empty());
}

TEST_F(MainPanelTest, TheScrubSwitchShowsWhetherTheMainViewScrubs) {
  for (bool scrub : {true, false}) {
    SCOPED_TRACE(scrub);
    op->mainScrub = scrub;
    ASSERT_TRUE(op->OpenPanel(&run));
    auto toggle = element(ostrel3::kScrubToggle);
    ASSERT_TRUE(toggle.has_value());
    EXPECT_EQ(toggle->kind, hostsim::ElementKind::ImageButton);
    EXPECT_EQ(toggle->active, scrub);
    ASSERT_TRUE(host().panels().input().clickShortcut(0x77));
    EXPECT_EQ(element(ostrel3::kScrubToggle)->active, !scrub);
    op->ClosePanel();
  }
}

TEST_F(MainPanelTest, CameraOnesSoundIsAlwaysUsedWhenItIsActive) {
  const struct {
    int active;
    int32_t before, after;
  } cases[] = {{0, 0, 1}, {1, 0, 0}, {1, 1, 1}};
  for (const auto& c : cases) {
    op->activeCamera = c.active;
    op->cameras[c.active].useAudio = c.before;
    ASSERT_TRUE(op->OpenPanel(&run));
    EXPECT_EQ(op->cameras[c.active].useAudio, c.after) << "camera " << c.active + 1;
    op->ClosePanel();
  }
}

// Up to eight cameras are allowed; the panel shows boxes for the first ones only.
TEST_F(MainPanelTest, CamerasWithoutAPictureBoxHaveNoPlaceAndNoClickArea) {
  op->sceneCount = 8;
  ASSERT_TRUE(op->OpenPanel(&run));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(op->cameras[i].hasPictureBox()) << i;
  for (int i = 4; i < 8; ++i) {
    EXPECT_FALSE(op->cameras[i].hasPictureBox()) << i;
    EXPECT_EQ(op->elementSlots[ostrel3::CameraPictureSlot(i)], 0u) << i;
  }
}

// Cameras carrying sync points open in step, whatever in-points their
// copies had when the panel was built.
TEST_F(MainPanelTest, OpeningThePanelPutsTheCamerasInStep) {
  op->sceneCount = 2;
  for (int i = 0; i < 2; ++i)
    op->cameras[i].record = nslCopyAVRecord(mainGetAVRecordFromId(601 + i, host().config().projectNumber, 1), 0);
  op->cameras[1].syncIn = 40;
  ASSERT_TRUE(op->OpenPanel(&run));
  int32_t in = -1, out = -1;
  ASSERT_EQ(nslBeginAVRecordTrim(op->cameras[0].record, &in, &out), 0);
  nslEndAVRecordTrim(op->cameras[0].record, in, out);
  EXPECT_EQ(in, 40);
  ASSERT_EQ(nslBeginAVRecordTrim(op->cameras[1].record, &in, &out), 0);
  nslEndAVRecordTrim(op->cameras[1].record, in, out);
  EXPECT_EQ(in, 0);
}

}  // namespace

namespace {

// The live picture takes the shape of the video, whatever the format.
class LivePictureShapeTest : public MainPanelTest, public ::testing::WithParamInterface<hostsim::VideoFormat> {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = MainPanelTest::makeConfig();
    c.format = GetParam();
    return c;
  }
};

TEST_P(LivePictureShapeTest, TheLivePictureKeepsTheVideosShape) {
  ASSERT_TRUE(op->OpenPanel(&run));
  ASSERT_NE(op->previewPanel, 0u);
  ostrel3::VideoSize video;
  ostrel3::FitVideoToMonitor(video);
  const double wanted = double(video.width) / video.height;
  const double shown = double(op->previewRect.width) / op->previewRect.height;
  EXPECT_NEAR(shown, wanted, 0.03) << op->previewRect.width << "x" << op->previewRect.height;
}

INSTANTIATE_TEST_SUITE_P(Formats, LivePictureShapeTest,
                         ::testing::Values(hostsim::VideoFormat::Pal25, hostsim::VideoFormat::Ntsc2997,
                                           hostsim::VideoFormat::Hd1080i25));

class NetbookScreenTest : public SmallScreenTest {
 protected:
  NetbookScreenTest() { width = 1024, height = 600; }
};

TEST_F(NetbookScreenTest, ASmallScreenStillFitsTwoCamerasWithTheLivePicture) {
  op->sceneCount = 2;
  ASSERT_TRUE(op->OpenPanel(&run));
  EXPECT_EQ(op->sceneCount, 2);
  EXPECT_NE(op->previewPanel, 0u);
  EXPECT_GE(op->pictureWidth, 64);
}

}  // namespace
