#pragma once
// Per-frame envelopes of one clip, bounded in size. Measuring the size
// walks the whole cache, so it is measured at most once a second (60
// ticks) and the measurement is shared by every cache of the process.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <map>
#include <thread>
#include <vector>

namespace ostrel3 {

/// 36,000 frames of 64 values.
inline constexpr size_t kPeakCacheLimitBytes = 4'608'000;
inline constexpr uint32_t kGaugeIntervalTicks = 60;

/// The last measured cache size and when it was taken. Plain data: it is
/// only touched by the thread that draws (the operator's GUI thread); the
/// thread that measured last is kept so that tests can check this.
struct CacheGauge {
  size_t bytes = 0;
  uint32_t tick = 0;
  bool measured = false;
  std::atomic<std::thread::id> lastThread{};
};

/// The gauge shared by all envelopes of the process.
CacheGauge& processCacheGauge();

class PeakCache {
 public:
  explicit PeakCache(CacheGauge& gauge, size_t limitBytes = kPeakCacheLimitBytes)
      : gauge_(gauge), limitBytes_(limitBytes) {}

  /// The envelope of a frame, null when it was not computed.
  const std::vector<int16_t>* find(int32_t frame) const;
  void store(int32_t frame, const std::vector<int16_t>& peaks) { frames_[frame] = peaks; }
  /// Called after each hit: when the (rate-limited) measured size is above
  /// the limit, the lowest frame goes. Misses never evict, so a long run of
  /// misses may pass the limit until the next hit.
  void trimAfterHit(uint32_t nowTick);
  /// Payload bytes, walked now.
  size_t bytes() const;
  size_t frames() const { return frames_.size(); }
  void clear() { frames_.clear(); }

 private:
  size_t measuredBytes(uint32_t nowTick);

  CacheGauge& gauge_;
  size_t limitBytes_;
  std::map<int32_t, std::vector<int16_t>> frames_;
};

}  // namespace ostrel3
