// Which frames the scrub display reads around the position, and where they
// sit in the strip: at both ends of the timeline the position stays under
// the marker.
#include <gtest/gtest.h>

#include "ostrel3/display/scrub_window.h"

namespace {

using namespace ostrel3;

TEST(ScrubWindow, TheWindowIsCutAtBothEndsAndTheCutFramesBecomeSilentColumns) {
  struct Case {
    int32_t position, lastFrame;
    int16_t width;
    int32_t first, last;
    int16_t lead, trail;
  } cases[] = {
      {0, 299, 120, 0, 2, 60, 0},      // three frames before frame 0: half the strip
      {1, 299, 120, 0, 3, 40, 0},
      {3, 299, 120, 0, 5, 0, 0},
      {150, 299, 120, 147, 152, 0, 0},
      {298, 299, 120, 295, 299, 0, 20},
      {299, 299, 120, 296, 299, 0, 40},  // the last frame: four frames read
      {0, -1, 120, 0, -1, 60, 60},       // no sound at all: nothing read
      {0, 299, 0, 0, 2, 0, 0},
      {1, 299, 121, 0, 3, 40, 0},        // 121 * 2 / 6, truncated
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "position " << c.position << ", last " << c.lastFrame << ", width " << c.width);
    const ScrubWindow w = scrubWindowAt(c.position, kScrubWindowFrames, c.lastFrame, c.width);
    EXPECT_EQ(w.first, c.first);
    EXPECT_EQ(w.last, c.last);
    EXPECT_EQ(w.leadColumns, c.lead);
    EXPECT_EQ(w.trailColumns, c.trail);
  }
}

TEST(ScrubWindow, TheSoundFillsTheColumnsBetweenLeadAndTrail) {
  // Six pairs, each louder than the one before.
  std::vector<int16_t> samples;
  for (int16_t p = 1; p <= 6; ++p) samples.insert(samples.end(), {int16_t(100 * p), int16_t(-100 * p)});
  ScrubWindow w;
  w.leadColumns = 3;
  w.trailColumns = 2;
  // The strip draws the lead itself: the values start with the sound,
  // the silent columns after it make up the width.
  EXPECT_EQ(scrubColumns(samples, w, 8), (std::vector<int16_t>{200, 400, 600, 0, 0, 0, 0, 0}));
  w = ScrubWindow{};
  EXPECT_EQ(scrubColumns(samples, w, 3), (std::vector<int16_t>{200, 400, 600}));
  w.leadColumns = 10;
  EXPECT_EQ(scrubColumns(samples, w, 3), (std::vector<int16_t>{0, 0, 0}));
  EXPECT_TRUE(scrubColumns(samples, w, 0).empty());
}

}  // namespace
