// The dialog's arithmetic at its edges: a preview range clamped at both
// ends of a clip, jog steps held in the slider's range, the played frames
// of an unknown sound format, and the shrinking picture.
#include <gtest/gtest.h>

#include "sync_requester/sync_geometry.h"

namespace {

using namespace ostrel3;

TEST(SyncGeometry, PreviewRangesStayInsideTheClip) {
  struct Case {
    int32_t frame, length, fps;
    bool toEnds;
    int32_t first, last;
  };
  const Case cases[] = {
      {40, 300, 25, false, 0, 115},     // start clamped at 0
      {200, 300, 25, false, 125, 275},  // three seconds each side
      {290, 300, 25, false, 215, 299},  // end clamped at the last frame
      {40, 300, 25, true, 0, 299},      // to the end of the clip
      {-50, 300, 25, false, 0, 25},     // a sync point before the clip
      {400, 300, 25, false, 299, 299},  // a sync point behind the clip
      {10, 0, 25, false, 0, 0},         // an unreadable clip plays nothing beyond frame 0
  };
  for (const Case& c : cases) {
    const PlayRange r = PreviewRange(c.frame, c.length, c.fps, c.toEnds);
    EXPECT_EQ(r.first, c.first) << c.frame << " of " << c.length;
    EXPECT_EQ(r.last, c.last) << c.frame << " of " << c.length;
    EXPECT_LE(r.first, r.last);
  }
}

TEST(SyncGeometry, JogStepsStopAtTheSliderEnds) {
  EXPECT_EQ(JoggedFrame(3, -10, 0, 299), 0);
  EXPECT_EQ(JoggedFrame(295, 25, 0, 299), 299);
  EXPECT_EQ(JoggedFrame(100, -1, 0, 299), 99);
  EXPECT_EQ(JoggedFrame(INT32_MAX - 1, INT32_MAX, 0, 299), 299) << "no overflow";
  EXPECT_EQ(JoggedFrame(5, 1, 0, -1), 0) << "an empty range holds the first frame";
}

TEST(SyncGeometry, PlayedFramesNeverDivideByAnUnknownFormat) {
  EXPECT_EQ(FramesPlayed(96000, 0, 299), 0);
  EXPECT_EQ(FramesPlayed(96000, 960, 299), 50);
  EXPECT_EQ(FramesPlayed(0xFFFFFFFFu, 1, 299), 299) << "held at the clip's end";
  EXPECT_EQ(FramesPlayed(96000, 960, -1), 0);
}

TEST(SyncGeometry, TheDialogLeavesAMarginOnlyWhereTheAreaIsTheWholeScreen) {
  const VG_RECT whole = SyncDialogRect(0, 0, 1919, 1079, 1920, 1080, 40, 20);
  EXPECT_EQ(whole.x, 40);
  EXPECT_EQ(whole.y, 20);
  EXPECT_EQ(whole.width, 1840);
  EXPECT_EQ(whole.height, 1040);
  const VG_RECT inner = SyncDialogRect(101, 51, 1800, 1000, 1920, 1080, 40, 20);
  EXPECT_EQ(inner.x, 100) << "left rounded down to even";
  EXPECT_EQ(inner.y, 50);
  EXPECT_EQ(inner.width, 1700);
  EXPECT_EQ(inner.height, 950);
}

TEST(SyncGeometry, SmallerPicturesKeepTheVideosShapeAndEndBelowTheMinimum) {
  PictureSize size{960, 540};
  int steps = 0;
  while (size.width >= kMinPictureWidth) {
    const PictureSize next = NextSmallerPicture(size, 1920, 1080);
    EXPECT_EQ(next.width % 2, 0);
    EXPECT_EQ(next.height % 2, 0);
    EXPECT_NEAR(next.height, next.width * 9 / 16, 3);
    ASSERT_LT(next.width, size.width);
    size = next;
    ++steps;
  }
  EXPECT_GT(steps, 200);
  EXPECT_EQ(PreviewCameraFlags(true, false, 1), 0x31u);
  EXPECT_EQ(PreviewCameraFlags(true, true, 2), 0x23u);
}

}  // namespace
