// The search for the camera picture size of the main panel.
#include <gtest/gtest.h>

#include <vector>

#include "ostrel3/shell/panel_sizing.h"

namespace {

using ostrel3::FindPanelSize;
using ostrel3::PanelSize;

struct Recorder {
  std::vector<PanelSize> tried;
  int fitsBelowWidth = 0;  // fits once the picture is at most this wide
  int fitsWithCameras = 8;
  bool operator()(const PanelSize& s) {
    tried.push_back(s);
    return s.sceneCount <= fitsWithCameras && s.pictureWidth <= fitsBelowWidth;
  }
};

TEST(PanelSizingTest, FourCamerasOnFullHdStartAtAQuarterAndShrinkInStepsOfFour) {
  Recorder r{{}, 900};
  ostrel3::PanelFits fits = std::ref(r);
  PanelSize s = FindPanelSize(1920, 1080, {16, 9}, 4, fits);
  ASSERT_GE(r.tried.size(), 3u);
  EXPECT_EQ(r.tried[0].pictureWidth, 960);
  EXPECT_EQ(r.tried[0].pictureHeight, 540);
  EXPECT_EQ(r.tried[1].pictureWidth, 956);
  EXPECT_EQ(r.tried[1].pictureHeight, 956 * 9 / 16 & ~1);
  EXPECT_EQ(r.tried[0].spacerHeight, 540);
  EXPECT_EQ(r.tried[1].spacerHeight, 536);
  for (const auto& t : r.tried) {
    EXPECT_EQ(t.pictureWidth % 2, 0);
    EXPECT_EQ(t.pictureHeight % 2, 0);
  }
  EXPECT_EQ(s.pictureWidth, 900);
  EXPECT_EQ(s.sceneCount, 4);
}

TEST(PanelSizingTest, AreasWiderThan2048ShrinkInStepsOfEight) {
  Recorder r{{}, 1000};
  FindPanelSize(2560, 1440, {16, 9}, 4, std::ref(r));
  ASSERT_GE(r.tried.size(), 2u);
  EXPECT_EQ(r.tried[0].pictureWidth, 1280);
  EXPECT_EQ(r.tried[1].pictureWidth, 1272);
}

TEST(PanelSizingTest, BelowSixtyFourPixelsACameraIsDroppedAndTheSearchStartsAgain) {
  Recorder r{{}, 500, 3};
  int givenUp = 0;
  PanelSize s = FindPanelSize(1920, 1080, {16, 9}, 4, std::ref(r), [&] { ++givenUp; });
  EXPECT_EQ(givenUp, 1);
  EXPECT_EQ(s.sceneCount, 3);
  EXPECT_EQ(s.pictureWidth, 500);
  // The first try with three cameras is the area split in three across the full height.
  auto restart = std::find_if(r.tried.begin(), r.tried.end(), [](const PanelSize& t) { return t.sceneCount == 3; });
  ASSERT_NE(restart, r.tried.end());
  EXPECT_EQ(restart->pictureWidth, 640);
  EXPECT_EQ(restart->pictureHeight, 1080);
  EXPECT_GE(std::prev(restart)->pictureWidth, 64);
  EXPECT_LT(std::prev(restart)->pictureWidth, 68);
}

TEST(PanelSizingTest, TwoCamerasThatDoNotFitGiveUp) {
  Recorder r{{}, 0};
  int givenUp = 0;
  PanelSize s = FindPanelSize(1920, 1080, {16, 9}, 2, std::ref(r), [&] { ++givenUp; });
  EXPECT_EQ(s.sceneCount, 0);
  EXPECT_EQ(givenUp, 1);
  for (const auto& t : r.tried) EXPECT_EQ(t.sceneCount, 2);
}

TEST(PanelSizingTest, SixCamerasSplitTheAreaInThreeColumnsAndTwoRows) {
  Recorder r{{}, 2000};
  PanelSize s = FindPanelSize(1920, 1080, {16, 9}, 6, std::ref(r));
  EXPECT_EQ(s.pictureWidth, 640);
  EXPECT_EQ(s.pictureHeight, 540);
}

}  // namespace
