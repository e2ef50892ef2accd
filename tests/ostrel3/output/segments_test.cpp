// The host-free arithmetic of an output: the segments a cut list gives, the
// handles kept around a segment in its clip copy, the copy's name and the
// fades of an insert's sound.
#include <gtest/gtest.h>

#include "ostrel3/output/output_segments.h"
#include "ostrel3/output/segment_window.h"
#include "ostrel3/output/storyboard_output.h"

namespace {

using ostrel3::CutList;
using ostrel3::OutputSegment;

TEST(OutputSegments, CutsBecomeStretchesHeldToTheTimeline) {
  struct Row {
    const char* what;
    CutList cuts;
    int32_t timelineEnd;
    std::vector<OutputSegment> expected;
  };
  const Row rows[] = {
      {"one camera", {{0, 0}}, 499, {{0, 499, 0}}},
      {"an insert", {{0, 0}, {100, 1}, {200, 0}}, 499, {{0, 99, 0}, {100, 199, 1}, {200, 499, 0}}},
      {"neighbours", {{0, 0}, {100, 1}, {200, 2}}, 499, {{0, 99, 0}, {100, 199, 1}, {200, 499, 2}}},
      {"one frame is left out", {{0, 0}, {100, 1}, {200, 2}, {201, 1}}, 499,
       {{0, 99, 0}, {100, 199, 1}, {201, 499, 1}}},
      {"two frames stay", {{0, 0}, {100, 1}, {102, 0}}, 499, {{0, 99, 0}, {100, 101, 1}, {102, 499, 0}}},
      {"a cut beyond the shortest camera", {{0, 0}, {100, 1}, {450, 2}}, 399, {{0, 99, 0}, {100, 399, 1}}},
      {"a cut on the last frame", {{0, 0}, {399, 1}}, 399, {{0, 398, 0}}},
      {"a negative key starts at 0", {{-5, 1}, {50, 0}}, 99, {{0, 49, 1}, {50, 99, 0}}},
      {"no camera holds a clip", {{0, 0}, {100, 1}}, INT32_MAX, {{0, 99, 0}, {100, INT32_MAX, 1}}},
      {"empty", {}, 499, {}},
  };
  for (const Row& r : rows) EXPECT_EQ(ostrel3::SegmentsOf(r.cuts, r.timelineEnd), r.expected) << r.what;
}

// A copy of a clip, in point `in`, `length` frames shown, for timeline
// frames start..end, keeping `handle` frames on each side: the frames it
// keeps before and after the segment once both splits are made.
struct Kept {
  int32_t before, after;
  bool operator==(const Kept&) const = default;
};
Kept keptAround(int32_t in, int32_t length, int32_t start, int32_t end, int32_t handle) {
  ostrel3::SegmentWindow w = ostrel3::WindowOf(in, length, start, end);
  if (const int32_t drop = ostrel3::HeadFramesToDrop(w, handle); drop > 0) w = ostrel3::AfterHeadDropped(w, drop);
  int32_t lastKept = w.lastUsable;
  if (const int32_t point = ostrel3::TailSplitPoint(w, handle); point >= 0) lastKept = point;
  return {w.first, lastKept - w.last};
}

TEST(SegmentWindow, AtMostTheHandleIsKeptOnEachSide) {
  struct Row {
    const char* what;
    int32_t in, length, start, end, handle;
    Kept expected;
  };
  const Row rows[] = {
      {"inside the clip", 0, 500, 100, 199, 20, {20, 20}},
      {"starts within the handle", 0, 500, 10, 199, 20, {10, 20}},
      {"starts at the handle", 0, 500, 20, 199, 20, {20, 20}},
      {"ends at the clip's end", 0, 500, 100, 499, 20, {20, 0}},
      {"ends within the handle of the end", 0, 500, 100, 489, 20, {20, 10}},
      {"no handles keep the last frame", 0, 500, 100, 199, 0, {0, 0}},
      {"trimmed at its start", 50, 450, 100, 199, 20, {20, 20}},
      // The copy's own frames before its in point count towards the handle,
      // and its out point moves with the frames split off the front.
      {"trimmed, segment near its start", 50, 450, 10, 199, 20, {20, 20}},
      {"trimmed, segment near its end", 50, 450, 10, 424, 20, {20, 20}},
      {"a negative handle is none", 0, 500, 100, 199, -5, {0, 0}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(keptAround(r.in, r.length, r.start, r.end, r.handle), r.expected) << r.what;
}

TEST(SegmentWindow, TheSegmentItselfIsNeverCut) {
  // However long the handle, the segment's frames stay inside the window.
  for (int32_t handle : {0, 1, 5, 100, 1000}) {
    ostrel3::SegmentWindow w = ostrel3::WindowOf(30, 400, 60, 61);
    const int32_t drop = ostrel3::HeadFramesToDrop(w, handle);
    EXPECT_LE(drop, w.first) << handle;
    w = ostrel3::AfterHeadDropped(w, drop);
    const int32_t point = ostrel3::TailSplitPoint(w, handle);
    if (point >= 0) {
      EXPECT_GE(point, w.last) << handle;
    }
  }
}

TEST(SegmentClipName, TheSuffixGivesWayToTheLimit) {
  const std::u16string n28(28, u'x'), n29(29, u'x'), n31(31, u'x'), n40(40, u'x');
  struct Row {
    std::u16string source, expected;
  };
  const Row rows[] = {
      {u"Camera 2", u"Camera 2 OS"},
      {u"", u" OS"},
      {n28, n28 + u" OS"},
      {n29, n29 + u" O"},
      {n31, n31},
      {n40, n31},
  };
  for (const Row& r : rows) {
    const std::u16string name = ostrel3::SegmentClipName(r.source);
    EXPECT_EQ(name, r.expected) << r.source.size();
    EXPECT_LE(name.size(), ostrel3::kClipNameChars);
  }
}

TEST(InsertAudioInfo, QuarterSecondFadesAndTheFixedLevel) {
  for (auto [fps, quarter] : {std::pair{25, 6}, {30, 7}, {24, 6}, {50, 12}}) {
    SB_AUDIO_INFO info{};
    info.reserved0 = 99;
    ostrel3::SetInsertAudioInfo(info, fps);
    EXPECT_EQ(info.fadeIn, quarter) << fps;
    EXPECT_EQ(info.fadeOut, quarter) << fps;
    EXPECT_EQ(info.level, -31);
    EXPECT_EQ(info.mode, 7);
    EXPECT_EQ(info.reserved0, 99) << "the host's own fields stay";
  }
}

}  // namespace
