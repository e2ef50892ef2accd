// The strip painter on the stand-in display: bars from the bottom, the
// marker in the middle, the lead columns, and nothing at all when there is
// not enough to draw.
#include <gtest/gtest.h>

#include "envelope/waveform_strip.h"
#include "host/vg.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/screen.h"
#include "support/host_fixture.h"

namespace {

using namespace ostrel3;

constexpr VG_PANEL kPanel = 77;
constexpr int kLeft = 100, kTop = 200;  // the panel's place on the screen
constexpr int16_t kX0 = 10, kY = 5, kWidth = 100, kHeight = 40;

class WaveformStripTest : public ostrel3_test::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    host().display().setPlaceSource([](VG_PANEL p) -> std::optional<hostsim::PanelPlace> {
      if (p != kPanel) return std::nullopt;
      return hostsim::PanelPlace{1, VG_RECT{kLeft, kTop, 400, 100}};
    });
    empty = vgGetNewGuiColorYUV(4);
    bar = vgGetNewGuiColorYUV(7);
  }
  void draw(const std::vector<int16_t>& values, int16_t width = kWidth, int16_t height = kHeight) {
    strip.draw(values, kX0, static_cast<int16_t>(kX0 + width - 1), kY, height, empty, bar, kPanel);
  }
  /// Rows of a column, from the top: 'e' empty, 'b' bar, 'E'/'B' the marker's, '?' other.
  std::string column(int i) {
    std::string rows;
    const auto colour = [&](uint32_t yuv) { return hostsim::yuvToArgb(yuv); };
    for (int y = 0; y < kHeight; ++y) {
      const uint32_t p = host().display().screen().pixel(1, kLeft + kX0 + i, kTop + kY + y);
      rows += p == colour(empty) ? 'e' : p == colour(bar) ? 'b' : p == colour(vgGetGuiColorYUV(5)) ? 'E'
              : p == colour(vgGetGuiColorYUV(13)) ? 'B' : '?';
    }
    return rows;
  }
  static std::string bars(char emptyRow, char barRow, int barRows) {
    return std::string(kHeight - barRows, emptyRow) + std::string(barRows, barRow);
  }

  WaveformStrip strip;
  uint32_t empty = 0, bar = 0;
};

TEST_F(WaveformStripTest, BarsGrowFromTheBottomWithTheMarkerInTheMiddleAndSilentLeadColumns) {
  std::vector<int16_t> values(kWidth, 32767);
  values[0] = 0;
  values[30] = 16384;
  strip.leadColumns = 5;
  draw(values);
  struct Case {
    int column;
    std::string rows;
  } cases[] = {
      {0, bars('e', 'b', 1)},    {4, bars('e', 'b', 1)},  // lead: silent whatever the values
      {5, bars('e', 'b', 1)},                             // values[0] = 0: one pixel
      {6, bars('e', 'b', 39)},                            // full scale leaves the top row
      {35, bars('e', 'b', 20)},                           // values[30]: linear half
      {48, bars('e', 'b', 39)},  {49, bars('E', 'B', 39)}, {50, bars('E', 'B', 39)}, {51, bars('e', 'b', 39)},
  };
  for (const Case& c : cases) EXPECT_EQ(column(c.column), c.rows) << "column " << c.column;
  EXPECT_EQ(host().display().refreshDepth(1), 0);
  EXPECT_EQ(host().calls().count("vgWriteRectRaw"), 1);
}

TEST_F(WaveformStripTest, OnTheDecibelScaleSilenceIsOnePixelAndQuietSoundIsShortAndEven) {
  std::vector<int16_t> values(kWidth, 0);
  values[1] = 1000;
  values[2] = 300;
  values[3] = 32767;
  strip.dbScale = true;
  draw(values);
  EXPECT_EQ(column(0), bars('e', 'b', 1));
  EXPECT_EQ(column(1), bars('e', 'b', 11));
  EXPECT_EQ(column(2), bars('e', 'b', 1));
  EXPECT_EQ(column(3), bars('e', 'b', 39));
}

TEST_F(WaveformStripTest, NothingIsDrawnWithoutAValueForEveryColumnOrWithoutRows) {
  struct Case {
    size_t values;
    int16_t width, height;
  } cases[] = {{kWidth - 1, kWidth, kHeight}, {0, kWidth, kHeight}, {kWidth, 0, kHeight},
               {kWidth, -4, kHeight},         {kWidth, kWidth, 0},  {kWidth, kWidth, -1}};
  for (const Case& c : cases) draw(std::vector<int16_t>(c.values, 20000), c.width, c.height);
  for (const char* call : {"vgWriteRectRaw", "vgRectFillBuffer", "vgDisableRefresh"})
    EXPECT_EQ(host().calls().count(call), 0) << call;
}

}  // namespace
