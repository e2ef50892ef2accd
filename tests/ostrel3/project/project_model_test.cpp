// Rules of the project model that need no host.
#include <gtest/gtest.h>

#include <random>

#include "ostrel3/project/project_model.h"

namespace {

using ostrel3::CutList;

// The plain rule: find the first pair of equal neighbours, erase the later
// one, start again.
CutList normaliseByRestarting(CutList cuts) {
  bool erased = true;
  while (erased && cuts.size() > 1) {
    erased = false;
    for (auto it = cuts.begin(); std::next(it) != cuts.end(); ++it) {
      if (std::next(it)->second == it->second) {
        cuts.erase(std::next(it));
        erased = true;
        break;
      }
    }
  }
  return cuts;
}

TEST(CutListTest, NormalisingKeepsTheEarlierOfEqualNeighbours) {
  CutList cuts{{0, 1}, {10, 2}, {20, 2}, {30, 1}};
  ostrel3::NormaliseCutList(cuts);
  EXPECT_EQ(cuts, (CutList{{0, 1}, {10, 2}, {30, 1}}));

  CutList runs{{0, 3}, {5, 3}, {6, 3}, {9, 1}, {12, 1}};
  ostrel3::NormaliseCutList(runs);
  EXPECT_EQ(runs, (CutList{{0, 3}, {9, 1}}));

  CutList single{{50, 2}};
  ostrel3::NormaliseCutList(single);
  EXPECT_EQ(single, (CutList{{50, 2}}));
}

TEST(CutListTest, NormalisingInOnePassMatchesRestartingAfterEachErase) {
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    CutList cuts;
    const int n = static_cast<int>(random() % 40);
    for (int i = 0; i < n; ++i) cuts[static_cast<int32_t>(random() % 200)] = static_cast<int32_t>(random() % 3);
    CutList expected = normaliseByRestarting(cuts);
    ostrel3::NormaliseCutList(cuts);
    ASSERT_EQ(cuts, expected) << "round " << round;
  }
}

TEST(CutListTest, SettingACameraAndSettingItBackMergesTheCut) {
  CutList cuts{{0, 0}};
  cuts[50] = 1;
  ostrel3::NormaliseCutList(cuts);
  EXPECT_EQ(cuts, (CutList{{0, 0}, {50, 1}}));
  cuts[50] = 0;
  ostrel3::NormaliseCutList(cuts);
  EXPECT_EQ(cuts, (CutList{{0, 0}}));
}

TEST(CutListTest, CameraAtFindsTheCutInForce) {
  CutList cuts{{10, 1}, {20, 2}};
  EXPECT_FALSE(ostrel3::CameraAt(cuts, 9).has_value());
  EXPECT_EQ(ostrel3::CameraAt(cuts, 10), 1);
  EXPECT_EQ(ostrel3::CameraAt(cuts, 19), 1);
  EXPECT_EQ(ostrel3::CameraAt(cuts, 20), 2);
  EXPECT_EQ(ostrel3::CameraAt(cuts, 1 << 30), 2);
  EXPECT_FALSE(ostrel3::CameraAt(CutList{}, 0).has_value());
}

TEST(ProjectModelTest, StoredCountsAreClampedToUsableValues) {
  int32_t scenes = 12, active = 9;
  ostrel3::ClampCameraCounts(scenes, active);
  EXPECT_EQ(scenes, 8);
  EXPECT_EQ(active, 7);
  scenes = 0, active = -3;
  ostrel3::ClampCameraCounts(scenes, active);
  EXPECT_EQ(scenes, 1);
  EXPECT_EQ(active, 0);
  scenes = 4, active = 4;
  ostrel3::ClampCameraCounts(scenes, active);
  EXPECT_EQ(active, 3);
}

TEST(ProjectModelTest, FrameRateFollowsFlagsUnlessAFieldRateIsGiven) {
  EXPECT_DOUBLE_EQ(ostrel3::VideoFrameRate(0, 0), 25.0);
  EXPECT_DOUBLE_EQ(ostrel3::VideoFrameRate(4, 0), 29.97);
  EXPECT_DOUBLE_EQ(ostrel3::VideoFrameRate(4, 50), 25.0);
  EXPECT_DOUBLE_EQ(ostrel3::VideoFrameRate(0, 60), 29.97);
  EXPECT_DOUBLE_EQ(ostrel3::VideoFrameRate(0, 100), 50.0);
  EXPECT_DOUBLE_EQ(ostrel3::VideoFrameRate(0, 120), 59.94);
  EXPECT_DOUBLE_EQ(ostrel3::VideoFrameRate(0, 48), 24.0);
}

TEST(ProjectModelTest, DefaultTablesFollowTheCameraOrder) {
  const int colours[] = {15, 14, 12, 13, 7, 6, 5, 9};
  const int names[] = {203, 204, 205, 206, 320, 322, 324, 326};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(ostrel3::defaultColourIndex(i), colours[i]);
    EXPECT_EQ(ostrel3::defaultNameId(i), names[i]);
  }
}

}  // namespace
