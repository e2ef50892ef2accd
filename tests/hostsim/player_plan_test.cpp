// What a playback plays, without a host: refused ranges, the frames each
// camera shows, where material runs out, frame times at the field rates,
// the clip an output list names at a frame, and layout checks.
#include <gtest/gtest.h>

#include <algorithm>

#include "hostsim/media/play_plan.h"
#include "hostsim/media/playback_record.h"

namespace {

using hostsim::PlayPlan;
using hostsim::PlayRange;

constexpr AV_RECORD kClipA = 0x0A000001, kClipB = 0x0A000002;

std::array<PlayRange, PlayPlan::kCameras> ranges(std::initializer_list<PlayRange> given) {
  std::array<PlayRange, PlayPlan::kCameras> r{};
  std::copy(given.begin(), given.end(), r.begin());
  return r;
}

struct BadRanges {
  const char* what;
  std::array<PlayRange, PlayPlan::kCameras> ranges;
  std::array<int32_t, PlayPlan::kCameras> material;
  const char* problem;
};

class RefusedRanges : public ::testing::TestWithParam<BadRanges> {};

TEST_P(RefusedRanges, AreNotPlayedAndSayWhy) {
  std::string problem;
  EXPECT_FALSE(PlayPlan::make(GetParam().ranges, GetParam().material, problem));
  EXPECT_NE(problem.find(GetParam().problem), std::string::npos) << problem;
}

INSTANTIATE_TEST_SUITE_P(
    Plans, RefusedRanges,
    ::testing::Values(BadRanges{"no clip", ranges({}), {}, "no camera has a clip"},
                      BadRanges{"unknown clip", ranges({{kClipA, 0, 10}}), {-1}, "camera 1: no such clip"},
                      BadRanges{"negative first", ranges({{}, {kClipA, -1, 10}}), {0, 100},
                                "camera 2: the first frame"},
                      BadRanges{"last below -1", ranges({{kClipA, 0, -2}}), {100}, "the last frame is below -1"},
                      BadRanges{"backwards", ranges({{kClipA, 50, 49}}), {100}, "ends before it begins"},
                      BadRanges{"-1 on a clip too short for first", ranges({{kClipA, 120, -1}}), {100},
                                "ends before it begins"}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(PlayPlan, CamerasPlayTogetherUntilTheLongestRangeEnds) {
  std::string problem;
  // Camera 2 (the first with a clip) reports the position; camera 3's clip
  // is 30 frames short of its range, camera 4's range ends early.
  const auto plan = PlayPlan::make(ranges({{}, {kClipA, 100, 199}, {kClipB, 100, 199}, {kClipA, 100, 149}}),
                                   {0, 500, 170, 500}, problem);
  ASSERT_TRUE(plan) << problem;
  EXPECT_EQ(plan->steps(), 100);
  EXPECT_EQ(plan->positionAt(0), 100);
  EXPECT_EQ(plan->positionAt(99), 199);
  EXPECT_EQ(plan->frameOf(1, 5), 105);
  EXPECT_FALSE(plan->frameOf(0, 5)) << "a camera without a clip shows nothing";
  EXPECT_EQ(plan->frameOf(2, 69), 169);
  EXPECT_FALSE(plan->frameOf(2, 70)) << "its material is used up";
  EXPECT_FALSE(plan->frameOf(3, 50)) << "its range is over";
  EXPECT_EQ(plan->runsOutAt(2), 70);
  EXPECT_FALSE(plan->runsOutAt(3)) << "a range that ends inside the material is no running out";
  EXPECT_FALSE(plan->runsOutAt(1));
}

TEST(PlayPlan, AClipThatEndsBeforeItsRangeBeginsRunsOutAtOnce) {
  std::string problem;
  const auto plan = PlayPlan::make(ranges({{kClipA, 150, -1}, {kClipB, 150, 299}}), {300, 100}, problem);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->runsOutAt(1), 0);
  EXPECT_FALSE(plan->frameOf(1, 0));
  EXPECT_EQ(plan->cameras()[0].last, 299) << "-1: to the end of the material";
}

TEST(FrameTimes, AFrameEveryTwoFieldsAtTheFormatsFieldRate) {
  const hostsim::FrameTimes pal(hostsim::VideoFormat::Pal25), ntsc(hostsim::VideoFormat::Ntsc2997);
  EXPECT_EQ(pal.at(25).count(), 1'000'000'000);
  // 30 frames of 29.97 last 1.001 s, and the times stay exact over hours:
  // 107892 frames are 107892 x 1001 / 30000 s.
  EXPECT_EQ(ntsc.at(30).count(), 1'001'000'000);
  EXPECT_EQ(ntsc.at(107892).count(), 3'599'996'400'000);
  EXPECT_EQ(ntsc.at(1).count(), 33'366'667) << "rounded up";
  EXPECT_EQ(pal.firstAfter(std::chrono::milliseconds(0)), 1);
  EXPECT_EQ(pal.firstAfter(std::chrono::milliseconds(39)), 1);
  EXPECT_EQ(pal.firstAfter(std::chrono::milliseconds(40)), 2);
}

TEST(OutputList, TheLastPairStartingAtOrBeforeAFrameCounts) {
  const CM_OUTPUT_PAIR list[] = {{100, kClipA}, {100, kClipB}, {200, kClipA}, {0, 0}};
  EXPECT_EQ(hostsim::outputClipAt(list, 99, 100), 0u) << "nothing before the first pair";
  EXPECT_EQ(hostsim::outputClipAt(list, 100, 100), kClipB) << "of two pairs at one frame the later one";
  EXPECT_EQ(hostsim::outputClipAt(list, 199, 100), kClipB);
  EXPECT_EQ(hostsim::outputClipAt(list, 5000, 100), kClipA);
  const CM_OUTPUT_PAIR empty[] = {{0, 0}};
  EXPECT_EQ(hostsim::outputClipAt(empty, 0, 100), 0u);
  EXPECT_EQ(hostsim::outputClipAt(nullptr, 0, 100), 0u);
}

TEST(Layout, ProblemsOfSizes) {
  CM_MULTICAM l{};
  l.flags = 0x1 | 0x20;
  EXPECT_NE(hostsim::layoutProblem(l, 1920, 1080), "") << "a shown camera needs a picture size";
  l.pictureWidth = 320, l.pictureHeight = 180;
  EXPECT_EQ(hostsim::layoutProblem(l, 1920, 1080), "");
  EXPECT_NE(hostsim::layoutProblem(l, 300, 1080), "") << "larger than the screen";
  l.flags |= 0x200;
  EXPECT_NE(hostsim::layoutProblem(l, 1920, 1080), "") << "a preview needs a size";
  l.previewWidth = 400, l.previewHeight = 225;
  EXPECT_EQ(hostsim::layoutProblem(l, 1920, 1080), "");
  EXPECT_EQ(hostsim::previewPlace(0x200), hostsim::PreviewPlace::Panel);
  EXPECT_EQ(hostsim::previewPlace(0x600), hostsim::PreviewPlace::OutputMonitor);
  EXPECT_EQ(hostsim::layoutProblem(CM_MULTICAM{}, 1920, 1080), "") << "nothing shown needs no size";
}

// Every list handed over is kept as its change to the one before; reading
// them back must give each list whole, whatever changed.
TEST(OutputListRecord, EachListReadsBackWholeFromItsChange) {
  using Pairs = std::vector<CM_OUTPUT_PAIR>;
  const std::vector<Pairs> lists = {
      {{0, kClipA}, {100, kClipB}, {200, kClipA}},
      {{0, kClipA}, {100, kClipB}, {200, kClipA}},                // the same again
      {{0, kClipA}, {100, kClipB}, {150, kClipA}, {200, kClipB}},  // a cut in the middle
      {{0, kClipA}, {100, kClipB}, {150, kClipA}},                // shorter at the end
      {{50, kClipB}, {100, kClipB}, {150, kClipA}},               // changed at the start
      {},                                                         // empty
      {{0, kClipB}, {10, kClipA}}};
  hostsim::PlaybackRecord rec;
  for (const Pairs& l : lists) {
    Pairs closed = l;
    closed.push_back({0, 0});
    rec.addOutputList(closed.data(), 1000);
  }
  const auto same = [](const Pairs& a, const Pairs& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
             return x.start == y.start && x.clip == y.clip;
           });
  };
  const auto all = rec.allOutputListPairs();
  ASSERT_EQ(all.size(), lists.size());
  for (size_t i = 0; i < lists.size(); ++i) {
    EXPECT_TRUE(same(all[i], lists[i])) << "list " << i;
    EXPECT_TRUE(same(rec.outputListPairs(i), lists[i])) << "list " << i;
  }
  EXPECT_TRUE(rec.outputLists[1].middle.empty()) << "an unchanged list keeps nothing of its own";
  EXPECT_EQ(rec.outputLists[2].middle.size(), 2u) << "a cut keeps only the pairs around it";
  const CM_OUTPUT_PAIR longList[] = {{0, kClipA}, {1, kClipB}, {2, kClipA}, {0, 0}};
  rec.addOutputList(longList, 2);
  EXPECT_EQ(rec.outputListPairs(rec.outputLists.size() - 1).size(), 2u) << "read no further than the limit";
}

}  // namespace
