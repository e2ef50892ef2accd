// The main panel on the stand-in host: sizes, element slots, drawing areas.
#include <algorithm>

#include "hostsim/gui/panels.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

using ostrel3::MulticamOperator;

class MainPanelTest : public ostrel3_test::HostTest {
 protected:
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

}  // namespace
