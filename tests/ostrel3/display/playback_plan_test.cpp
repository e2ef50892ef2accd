// The rules of playback without a host: the output list, the frames played,
// the layout's flags and the elements marked while playback runs.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "ostrel3/display/output_list.h"
#include "ostrel3/display/playback_plan.h"
#include "ostrel3/shell/element_slots.h"

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
        ListCase{"on the first cut", kSpecimen, 0, {{0, kClip1}, {100, kClip2}, {200, kClip1}, {0, 0}}},
        ListCase{"after the last cut", kSpecimen, 250, {{250, kClip1}, {0, 0}}},
        ListCase{"an empty list", CutList{}, 10, {{0, 0}}},
        // A null clip would end the list for the render library at that pair.
        ListCase{"cuts to cameras without a clip", CutList{{0, 0}, {100, 2}, {150, 9}, {200, 1}}, 0,
                 {{0, kClip1}, {200, kClip2}, {0, 0}}}));

struct SpanCase {
  const char* what;
  int32_t resumePos, first, last, timelineLast;
  PlaybackSpan expected;
};

class PlaybackSpanTest : public ::testing::TestWithParam<SpanCase> {};

// The output list must start where the cameras start, or the edit's picture
// stays empty for the frames between.
TEST_P(PlaybackSpanTest, TheCamerasAndTheOutputListStartTogether) {
  const SpanCase& c = GetParam();
  EXPECT_EQ(PlaybackSpanOf(c.resumePos, c.first, c.last, c.timelineLast), c.expected) << c.what;
  EXPECT_EQ(PlaybackStartOf(c.resumePos, c.first), c.expected.first) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaybackSpanTest,
                         ::testing::Values(SpanCase{"from the position to the end", 120, -1, -1, 299, {120, 299}},
                                           SpanCase{"around a position near the start", 50, -25, 124, 299, {50, 124}},
                                           SpanCase{"around a position three seconds in", 75, 0, 149, 299, {0, 149}},
                                           SpanCase{"around a position near the end", 280, 205, 354, 299, {205, 299}}));

TEST(PlaybackPlanTest, APositionNeverLeavesTheTimeline) {
  EXPECT_EQ(FrameOfPlayedFields(9, 299), 4);
  EXPECT_EQ(FrameOfPlayedFields(600, 299), 299) << "the project's length in fields is one past the last frame";
  EXPECT_EQ(FrameOfPlayedFields(int64_t(INT32_MAX) * 2, 299), 299);
  EXPECT_EQ(FrameOfPlayedFields(-4, 299), 0);
  EXPECT_EQ(FrameOfPlayedFields(40, -1), 0) << "an empty project";
  EXPECT_EQ(SmallestLastFrame({300, 120, -1, 250}), 119) << "an unknown length is left out";
  EXPECT_EQ(SmallestLastFrame({}), INT32_MAX);
}

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
                      FlagsCase{"another default monitor", 0x1, 4, false, OutputPreview::None, 0x21},
                      FlagsCase{"preview in the panel", 0x1, 4, true, OutputPreview::InPanel, 0x231},
                      FlagsCase{"preview on the output monitor", 0x1, 4, true, OutputPreview::OnOutputMonitor, 0x631},
                      FlagsCase{"six cameras, their own bits", 0x3F, 6, false, OutputPreview::None, 0x1AF},
                      FlagsCase{"clips beyond the cameras in use", 0xFE, 2, false, OutputPreview::None, 0x22},
                      FlagsCase{"cameras 7 and 8 never play", 0xC1, 8, false, OutputPreview::None, 0x21}));

TEST(PlaybackPlanTest, TheLayoutRecordHoldsEachPlaceAtItsByte) {
  MultiCamPlaces places;
  places.flags = 0x231;
  places.pictureWidth = 320;
  places.pictureHeight = 180;
  for (int i = 0; i < kPlayedCameras; ++i) places.origins[i] = {int16_t(10 + i), int16_t(100 + i)};
  places.preview = VG_RECT{40, 50, 400, 225};
  const CM_OUTPUT_PAIR list[] = {{0, kClip1}, {0, 0}};
  places.outputList = list;
  const CM_MULTICAM layout = MakeMultiCamLayout(places);
  const auto* bytes = reinterpret_cast<const unsigned char*>(&layout);
  const auto word16 = [&](size_t at) { return int16_t(bytes[at] | bytes[at + 1] << 8); };
  EXPECT_EQ(word16(4), 320);
  EXPECT_EQ(word16(8), 10);
  EXPECT_EQ(word16(22), 103) << "camera 4's top";
  for (size_t at = 24; at < 28; ++at) EXPECT_EQ(bytes[at], 0) << at;
  EXPECT_EQ(word16(28), 14) << "camera 5's left";
  EXPECT_EQ(word16(34), 105) << "camera 6's top";
  EXPECT_EQ(word16(36), 40);
  EXPECT_EQ(word16(42), 225);
  EXPECT_EQ(layout.outputList, list);
}

TEST(PlaybackPlanTest, EmptyCameraButtonsAndTheEditingElementsAreMarked) {
  const std::vector<int> slots = PlaybackMarkedSlots(0x1, 4);
  const std::vector<int> expected{CameraButtonSlot(1), CameraButtonSlot(2), CameraButtonSlot(3), kChooseClipButton,
                                  kRemoveClipButton,   kSynchroniseButton,  kPositionSlider,     kTimelineArea,
                                  kZoomAllButton,      kZoomOutButton,      kZoomInButton,       kToStartButton,
                                  kPreviousCutButton,  kNextCutButton,      kMoveCutButton,      kDeleteCutButton,
                                  kUndoButton,         kRedoButton,         kSettingsButton,     kCameraColorButton,
                                  kCameraAudioCheckBox, kInfoButton,        kApplyButton,        kLeaveButton,
                                  kScrubToggle,        kClipNameField};
  EXPECT_EQ(slots, expected);
  // Transport, camera pictures and cameras with a clip stay usable; cameras
  // 7 and 8 have no button.
  const std::vector<int> eight = PlaybackMarkedSlots(0x3F, 8);
  EXPECT_EQ(eight.front(), kChooseClipButton);
  for (int slot : eight) EXPECT_NE(slot, kStopButton);
}

}  // namespace
