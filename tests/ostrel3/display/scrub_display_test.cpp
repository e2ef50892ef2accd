// The scrub strip under the position slider: the frames around the
// position drawn with the position's first sound under the marker, silent
// columns before frame 0, and camera 1's clip followed when it changes.
#include <cstdlib>
#include <filesystem>

#include "envelope/strip_bars.h"
#include "hostsim/gui/screen.h"
#include "scrub_fixture.h"

namespace {

using namespace ostrel3_test;
namespace fs = std::filesystem;

constexpr uint32_t kEarlyClap = 807;  // a clap at frame 1

class ScrubDisplayTest : public ScrubTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = ScrubTest::makeConfig();
    c.clips.push_back({kEarlyClap, "Early clap", 200, 1, 0});
    return c;
  }
  void showAt(uint32_t clip, int32_t position) {
    give(0, clip);
    openPanel();
    op->position = position;
    host().calls().clearTrace();
    op->ScrubUpdate(true);
  }
  /// Bar heights of the strip's columns as they are on the screen.
  std::vector<int> barsOnScreen() {
    const auto place = host().panels().place(op->waveformArea.panel);
    EXPECT_TRUE(place.has_value());
    const VG_RECT r = op->waveformArea.rect;
    const uint32_t barColours[] = {hostsim::yuvToArgb(vgGetNewGuiColorYUV(7)), hostsim::yuvToArgb(vgGetGuiColorYUV(13))};
    std::vector<int> bars;
    for (int i = 0; i < r.width; ++i) {
      int rows = 0;
      for (int y = r.height - 1; y >= 0; --y) {
        const uint32_t p =
            host().display().screen().pixel(place->monitor, place->rect.x + r.x + i, place->rect.y + r.y + y);
        if (p != barColours[0] && p != barColours[1]) break;
        ++rows;
      }
      bars.push_back(rows);
    }
    return bars;
  }
};

TEST_F(ScrubDisplayTest, TheSoundAtThePositionStartsUnderTheMarker) {
  showAt(kClapped, kClapFrame);
  const int width = op->waveformArea.rect.width;
  ASSERT_GE(width, 60);
  ASSERT_GE(op->waveformArea.rect.height, 8);
  const std::vector<int> bars = barsOnScreen();
  ASSERT_EQ(bars.size(), size_t(width));
  const auto loudest = std::max_element(bars.begin(), bars.end()) - bars.begin();
  EXPECT_EQ(loudest, width / 2) << "the clap starts the position's frame, at the marker";
  EXPECT_GT(bars[width / 2], bars[width / 2 - 2] + 4);
  EXPECT_GT(bars[0], 1) << "the frames before the position hum";
  // Frames 97..102: two fields each, nothing else.
  EXPECT_EQ(traced("cmGetFieldAudio"), 12);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ScrubDisplayTest, NearTheStartTheColumnsBeforeFrameZeroAreSilent) {
  showAt(kEarlyClap, 1);
  const int width = op->waveformArea.rect.width;
  const std::vector<int> bars = barsOnScreen();
  const int lead = width * 2 / 6;
  for (int i = 0; i < lead; ++i) ASSERT_EQ(bars[i], 1) << "column " << i;
  EXPECT_GT(bars[lead], 1) << "frame 0 hums";
  EXPECT_TRUE(ostrel3::isMarkerColumn(int(std::max_element(bars.begin(), bars.end()) - bars.begin()), width))
      << "the clap at frame 1 is under the marker";
  EXPECT_EQ(traced("cmGetFieldAudio"), 8);  // frames 0..3
  if (const char* keep = std::getenv("OSTREL3_KEEP_SCREENSHOTS")) {
    const fs::path shot = fs::path(keep) / "scrub_strip_near_start.png";
    EXPECT_TRUE(host().display().screen().savePng(1, shot));
  }
}

TEST_F(ScrubDisplayTest, TheStripFollowsCameraOnesClipAndIsClearedWhenItHasNone) {
  showAt(kClapped, kClapFrame);
  const AV_RECORD first = op->scrubEnvelope->clip();
  give(0, kEarlyClap);
  op->ScrubUpdate(true);
  ASSERT_NE(op->scrubEnvelope, nullptr);
  EXPECT_NE(op->scrubEnvelope->clip(), first);
  EXPECT_EQ(op->scrubEnvelope->clip(), op->cameras[0].record);

  host().calls().clearTrace();
  op->ScrubUpdate(false);
  EXPECT_EQ(traced("cmGetFieldAudio"), 12) << "the same envelope reads again";
  EXPECT_EQ(traced("cmOpen2"), 0);

  nslDeleteAVRecord(op->cameras[0].record);
  op->cameras[0].record = 0;
  host().calls().clearTrace();
  op->ScrubUpdate(true);
  EXPECT_EQ(op->scrubEnvelope, nullptr);
  EXPECT_EQ(traced("vgFillBackground"), 1);
  EXPECT_EQ(traced("cmGetFieldAudio"), 0);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ScrubDisplayTest, ASoundTheRenderLibraryRefusesIsAskedForOnceNotAtEveryPosition) {
  host().calls().failNth("cmInitRenderAudio", 1);
  showAt(kClapped, kClapFrame);
  for (int32_t p : {kClapFrame + 1, kClapFrame + 2, kClapFrame + 3}) {
    op->position = p;
    op->ScrubUpdate(true);
  }
  EXPECT_EQ(traced("cmOpen2"), 1) << "one refused envelope, kept for its clip";
  EXPECT_EQ(traced("cmGetFieldAudio"), 0);
}

}  // namespace
