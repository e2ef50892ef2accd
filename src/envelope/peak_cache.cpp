#include "envelope/peak_cache.h"

namespace ostrel3 {

CacheGauge& processCacheGauge() {
  static CacheGauge gauge;
  return gauge;
}

const std::vector<int16_t>* PeakCache::find(int32_t frame) const {
  auto it = frames_.find(frame);
  return it == frames_.end() ? nullptr : &it->second;
}

void PeakCache::trimAfterHit(uint32_t nowTick) {
  if (measuredBytes(nowTick) > limitBytes_ && !frames_.empty()) frames_.erase(frames_.begin());
}

size_t PeakCache::bytes() const {
  size_t total = 0;
  for (const auto& [frame, values] : frames_) total += values.size() * sizeof(int16_t);
  return total;
}

size_t PeakCache::measuredBytes(uint32_t nowTick) {
  if (!gauge_.measured || nowTick - gauge_.tick > kGaugeIntervalTicks) {
    gauge_.bytes = bytes();
    gauge_.tick = nowTick;
    gauge_.measured = true;
    gauge_.lastThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
  }
  return gauge_.bytes;
}

}  // namespace ostrel3
