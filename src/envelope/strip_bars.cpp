#include "envelope/strip_bars.h"

#include <algorithm>
#include <cmath>

namespace ostrel3 {

namespace {
constexpr double kSilenceDb = -46.0;
constexpr double kFloorDb = -42.0;
constexpr double kFullScaleValue = 32767.0;
// Short bars are kept even so that quiet sound does not flicker by a pixel.
constexpr int kEvenBelow = 10;
}  // namespace

void DecibelTable::build(int16_t height) {
  if (height == height_) return;
  for (int a = 0; a <= 32767; ++a) {
    const double db = a == 0 ? kSilenceDb : 20.0 * std::log10(a / kFullScaleValue);
    int16_t h = static_cast<int16_t>((db - kFloorDb) * height / -kFloorDb);
    if (h < 0) h = 0;
    else if (h < kEvenBelow) h = static_cast<int16_t>(h & ~1);
    heights_[a] = h;
  }
  height_ = height;
}

int barHeight(int32_t value, int height, bool dbScale, const DecibelTable& table) {
  const int32_t v = std::min<int32_t>(value, 32767);
  int h = static_cast<int>(int64_t(height) * v / 32767);
  if (dbScale) h = v == 0 ? 1 : table.at(v);
  if (h <= 0) h = 1;
  if (h > height - 1) h = height - 1;
  return h;
}

}  // namespace ostrel3
