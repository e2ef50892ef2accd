// The rules of playback without a host: the output list and the layout's flags.
#include <gtest/gtest.h>

#include <vector>

#include "ostrel3/display/output_list.h"
#include "ostrel3/display/playback_plan.h"

namespace {

using namespace ostrel3;

constexpr AV_RECORD kClip1 = 0x1001, kClip2 = 0x1002;

std::vector<std::pair<int32_t, AV_RECORD>> pairsOf(const std::vector<CM_OUTPUT_PAIR>& list) {
  std::vector<std::pair<int32_t, AV_RECORD>> out;
  for (const auto& p : list) out.emplace_back(p.start, p.clip);
  return out;
}

struct ListCase {
  const char* what;
  CutList cuts;
  int32_t start;
  std::vector<std::pair<int32_t, AV_RECORD>> expected;
};

class OutputListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(OutputListTest, StartsWithTheClipInForceBeforeTheStart) {
  const ListCase& c = GetParam();
  CameraClips clips{kClip1, kClip2};  // camera 3 has no clip
  std::vector<CM_OUTPUT_PAIR> list{{7, 7}, {8, 8}, {9, 9}};  // stale contents go
  BuildOutputPairs(c.cuts, c.start, clips, list);
  EXPECT_EQ(pairsOf(list), c.expected) << c.what;
}

const CutList kSpecimen{{0, 0}, {100, 1}, {200, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputListTest,
    ::testing::Values(
        ListCase{"inside a stretch", kSpecimen, 150, {{150, kClip2}, {200, kClip1}, {0, 0}}},
        // The pair at the start comes twice, the camera before it first: the
        // render library takes the later one, so the cut shows from its frame.
        ListCase{"on a cut", kSpecimen, 100, {{100, kClip1}, {100, kClip2}, {200, kClip1}, {0, 0}}},
        ListCase{"after the last cut", kSpecimen, 250, {{250, kClip1}, {0, 0}}},
        // A null clip would end the list for the render library at that pair.
        ListCase{"cuts to cameras without a clip", CutList{{0, 0}, {100, 2}, {150, 9}, {200, 1}}, 0,
                 {{0, kClip1}, {200, kClip2}, {0, 0}}}));

struct FlagsCase {
  const char* what;
  CameraClipMask withClip;
  int32_t sceneCount;
  bool firstMonitor;
  OutputPreview preview;
  uint32_t expected;
};

class MultiCamFlagsTest : public ::testing::TestWithParam<FlagsCase> {};

TEST_P(MultiCamFlagsTest, NameThePlayedCamerasAndThePreview) {
  const FlagsCase& c = GetParam();
  EXPECT_EQ(MultiCamFlags(c.withClip, c.sceneCount, c.firstMonitor, c.preview), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MultiCamFlagsTest,
    ::testing::Values(FlagsCase{"one clip among four cameras", 0x1, 4, true, OutputPreview::None, 0x31},
                      FlagsCase{"preview in the panel", 0x1, 4, true, OutputPreview::InPanel, 0x231},
                      FlagsCase{"preview on the output monitor", 0x1, 4, true, OutputPreview::OnOutputMonitor, 0x631},
                      FlagsCase{"six cameras, their own bits", 0x3F, 6, false, OutputPreview::None, 0x1AF},
                      FlagsCase{"clips beyond the cameras in use", 0xFE, 2, false, OutputPreview::None, 0x22},
                      FlagsCase{"cameras 7 and 8 never play", 0xC1, 8, false, OutputPreview::None, 0x21}));

}  // namespace
