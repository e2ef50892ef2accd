#include "hostsim/gui/metrics.h"

#include <cstdio>
#include <cstdlib>

namespace hostsim::metrics {

int16_t textLength(const char16_t* text) {
  if (!text) return 0;
  int32_t n = 0;
  while (text[n]) ++n;
  int32_t w = n * kCharWidth;
  return static_cast<int16_t>(w > 32767 ? 32767 : w);
}

std::u16string framesTime(int32_t frames, int32_t framesPerSecond) {
  if (framesPerSecond <= 0) framesPerSecond = 25;
  const bool negative = frames < 0;
  int64_t f = std::llabs(static_cast<int64_t>(frames));
  const int64_t ff = f % framesPerSecond;
  const int64_t s = f / framesPerSecond;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%s%02lld:%02lld:%02lld:%02lld", negative ? "-" : "", static_cast<long long>(s / 3600),
                static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60), static_cast<long long>(ff));
  return std::u16string(buf, buf + std::char_traits<char>::length(buf));
}

}  // namespace hostsim::metrics
