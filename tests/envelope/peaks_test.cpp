// The envelope arithmetic without a host: windows of a frame, saturation,
// the gain and the strip's bars.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "envelope/peaks.h"
#include "envelope/strip_bars.h"

namespace {

using namespace ostrel3;

/// The windows (0..31) whose peak picked up a spike, with the spike's channel.
std::set<int> windowsWithSpike(const std::vector<int16_t>& peaks, int channel, int16_t spike) {
  std::set<int> hits;
  for (int k = 0; k < kEnvelopePairs; ++k) {
    EXPECT_EQ(peaks[2 * k + 1 - channel], 0) << "window " << k << " mixed the channels";
    if (peaks[2 * k + channel] == spike) {
      hits.insert(k);
    } else {
      EXPECT_EQ(peaks[2 * k + channel], 0) << "window " << k;
    }
  }
  return hits;
}

TEST(FramePeaks, WindowsCoverTheFrameAndFractionalWindowsOverlapByOnePair) {
  struct Case {
    size_t pairs;
    size_t spikeAt;
    int channel;
    std::set<int> windows;
  } cases[] = {
      {1920, 59, 0, {0}},       // windows of exactly 60 pairs
      {1920, 60, 1, {1}},
      {1920, 1919, 0, {31}},
      {1601, 50, 0, {0, 1}},    // 50.03 pairs a window, each walking 51
      {1601, 1549, 1, {30}},
      {1601, 1550, 0, {30, 31}},
      {1601, 1600, 1, {31}},    // the last window ends on the frame's last pair
      {16, 3, 0, {6, 7}},       // half a pair a window: each walks one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pairs << " pairs, spike at " << c.spikeAt);
    std::vector<int16_t> samples(2 * c.pairs, 0);
    samples[2 * c.spikeAt + c.channel] = -1000;
    const std::vector<int16_t> peaks = framePeaks(samples, 1);
    ASSERT_EQ(peaks.size(), size_t(kEnvelopeValues));
    EXPECT_EQ(windowsWithSpike(peaks, c.channel, 1000), c.windows);
  }
}

TEST(FramePeaks, EmptyFramesAreSilentAndTheLowestSampleCountsAsFullScale) {
  EXPECT_EQ(framePeaks(std::vector<int16_t>{}, 1), std::vector<int16_t>(kEnvelopeValues, 0));
  std::vector<int16_t> samples(2 * 1920, 0);
  samples[0] = INT16_MIN;
  samples[2 * 1900 + 1] = INT16_MIN;
  for (int32_t gain : {1, 2, 65536}) {
    const std::vector<int16_t> peaks = framePeaks(samples, gain);
    EXPECT_EQ(peaks[0], 32767) << gain;
    EXPECT_EQ(peaks[63], 32767) << gain;
  }
  EXPECT_EQ(peakOfPairs(samples.data(), 1), 32767);
  EXPECT_EQ(peakOfPairs(samples.data(), 0), 0);
}

TEST(FramePeaks, TheGainScalesWithSaturation) {
  std::vector<int16_t> samples(2 * 64, 0);
  samples[0] = 20000;
  samples[3] = -20000;
  samples[4] = 100;
  const std::vector<int16_t> peaks = framePeaks(samples, 2);
  EXPECT_EQ(peaks[0], 32767);
  EXPECT_EQ(peaks[1], 32767);
  EXPECT_EQ(peaks[2], 200);  // the next window
}

TEST(ScaleSaturated, ClampsSymmetricallyAndDerivesAMissingGainFromTheValues) {
  struct Case {
    std::vector<int16_t> in;
    int32_t gain;
    std::vector<int16_t> out;
  } cases[] = {
      {{20000, -20000, 100, -100}, 2, {32767, -32767, 200, -200}},
      {{INT16_MIN, 1}, 1, {-32767, 1}},
      {{-1, 1, 0}, 0, {-21845, 21845, 0}},  // 65536 / 3
      {{0, 0}, -1, {0, 0}},
      {{}, 3, {}},
  };
  for (Case& c : cases) {
    scaleSaturated(c.in, c.gain);
    EXPECT_EQ(c.in, c.out) << "gain " << c.gain;
  }
}

TEST(GainMeter, FillsTheScaleFromTheRangeOfTheSamples) {
  struct Case {
    std::vector<int16_t> samples;
    int32_t gain;
  } cases[] = {
      {{-32767, 32767}, 1}, {{-16384, 16384}, 1}, {{-16383, 16383}, 2}, {{-8192, 8192}, 3},
      {{-1, 1}, 21845},     {{0, 0}, 65536},      {{INT16_MIN, 32767}, 1}, {{}, -1},
  };
  for (const Case& c : cases) {
    GainMeter meter;
    meter.add(c.samples.data(), c.samples.size());
    EXPECT_EQ(meter.gain(), c.gain) << testing::PrintToString(c.samples);
  }
}

TEST(ColumnsFromPeaks, EachColumnTakesThePeakOfItsShareOfPairs) {
  std::vector<int16_t> values(2 * 8, 0);
  for (int p = 0; p < 8; ++p) values[2 * p + (p % 2)] = static_cast<int16_t>(-100 * (p + 1));
  EXPECT_EQ(columnsFromPeaks(values, 4), (std::vector<int16_t>{200, 400, 600, 800}));
  EXPECT_EQ(columnsFromPeaks(values, 8), (std::vector<int16_t>{100, 200, 300, 400, 500, 600, 700, 800}));
  EXPECT_EQ(columnsFromPeaks(values, 16), std::vector<int16_t>(16, 0));  // less than a pair a column
  EXPECT_TRUE(columnsFromPeaks(values, 0).empty());
  EXPECT_TRUE(columnsFromPeaks(values, -3).empty());
}

TEST(DecibelTable, FortyRowsFromMinus42DecibelsToFullScale) {
  DecibelTable table;
  EXPECT_EQ(table.height(), -1);
  table.build(40);
  const std::pair<int32_t, int16_t> expected[] = {{0, 0}, {260, 0}, {300, 0}, {1000, 11}, {32767, 40},
                                                  {-1, 0}, {40000, 0}};
  for (auto [amplitude, rows] : expected) EXPECT_EQ(table.at(amplitude), rows) << amplitude;
  for (int a = 1; a < 32767; ++a) {
    ASSERT_LE(table.at(a), table.at(a + 1)) << a;
    if (table.at(a) < 10) {
      ASSERT_EQ(table.at(a) % 2, 0) << a;
    }
  }
  table.build(80);
  EXPECT_EQ(table.at(32767), 80);
}

TEST(StripBars, EveryColumnShowsAtLeastOnePixelAndLeavesTheTopRowEmpty) {
  DecibelTable table;
  table.build(40);
  struct Case {
    int32_t value;
    bool db;
    int rows;
  } cases[] = {
      {0, true, 1},      {0, false, 1},      {32767, true, 39}, {32767, false, 39},
      {16384, false, 20}, {1000, true, 11},  {300, true, 1},    {-5, false, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(barHeight(c.value, 40, c.db, table), c.rows) << c.value << " db " << c.db;
}

TEST(StripBars, TheMarkerIsTheTwoMiddleColumns) {
  std::vector<int> marked;
  for (int i = 0; i < 100; ++i)
    if (isMarkerColumn(i, 100)) marked.push_back(i);
  EXPECT_EQ(marked, (std::vector<int>{49, 50}));
  EXPECT_TRUE(isMarkerColumn(0, 1));
}

}  // namespace
