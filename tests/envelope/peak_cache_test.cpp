// The frame cache's bound: measured at most once every 60 ticks, shared
// between caches, and enforced one frame per hit.
#include <gtest/gtest.h>

#include <thread>

#include "envelope/peak_cache.h"

namespace {

using namespace ostrel3;

const std::vector<int16_t> kPeaks(64, 7);  // 128 bytes

TEST(PeakCache, EvictsTheLowestFrameOnHitsOnlyOnceTheMeasuredSizeIsOverTheLimit) {
  CacheGauge gauge;
  PeakCache cache(gauge, 3 * 128);
  for (int32_t f = 10; f < 15; ++f) cache.store(f, kPeaks);  // misses: five frames, over the limit
  EXPECT_EQ(cache.frames(), 5u);
  EXPECT_EQ(cache.bytes(), 5u * 128);

  struct Step {
    uint32_t tick;
    size_t framesAfter;
    int32_t lowest;
  } steps[] = {
      {100, 4, 11},  // first hit measures 640 bytes: frame 10 goes
      {120, 3, 12},  // measured 640 at 100, not measured again: frame 11 goes
      {150, 2, 13},  // still the old measurement: one more goes, below the limit now
      {161, 2, 13},  // 61 ticks on: measures 256 bytes, nothing goes
  };
  for (const Step& s : steps) {
    ASSERT_NE(cache.find(14), nullptr);
    cache.trimAfterHit(s.tick);
    EXPECT_EQ(cache.frames(), s.framesAfter) << "tick " << s.tick;
    EXPECT_EQ(cache.find(s.lowest - 1), nullptr);
    EXPECT_NE(cache.find(s.lowest), nullptr);
  }
  EXPECT_EQ(gauge.bytes, 256u);
  EXPECT_EQ(gauge.tick, 161u);
}

TEST(PeakCache, CachesShareOneMeasurementAndItStaysOnTheMeasuringThread) {
  CacheGauge gauge;
  PeakCache big(gauge, 256);
  PeakCache small(gauge, 256);
  for (int32_t f = 0; f < 4; ++f) big.store(f, kPeaks);
  small.store(0, kPeaks);
  small.store(1, kPeaks);
  big.trimAfterHit(1000);  // measures 512
  small.trimAfterHit(1030);  // within 60 ticks the big cache's size stands
  EXPECT_EQ(small.frames(), 1u);
  small.trimAfterHit(1091);  // measured again: its own 128 bytes
  EXPECT_EQ(small.frames(), 1u);
  EXPECT_EQ(gauge.lastThread.load(), std::this_thread::get_id());
}

}  // namespace
