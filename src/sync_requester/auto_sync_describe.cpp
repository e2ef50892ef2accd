// The verdict in words, short enough for a line of the dialog each.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sync_requester/auto_sync.h"

namespace ostrel3 {

namespace {

std::string CountWords(int64_t n, const char* one) { return std::to_string(n) + " " + one + (n == 1 ? "" : "s"); }

// "4 frames", or "m:ss and N frames" (h:mm:ss beyond an hour) for long offsets.
std::string OffsetWords(int64_t frames, double framesPerSecond) {
  const int64_t perSecond = std::max<int64_t>(1, std::llround(framesPerSecond));
  if (frames < perSecond) return CountWords(frames, "frame");
  const int64_t seconds = frames / perSecond, rest = frames % perSecond;
  char clock[32];
  if (seconds >= 3600) {
    std::snprintf(clock, sizeof clock, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
  } else {
    std::snprintf(clock, sizeof clock, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
  }
  return rest == 0 ? std::string(clock) : std::string(clock) + " and " + CountWords(rest, "frame");
}

std::string PlacementWords(int64_t lag, double framesPerSecond) {
  if (lag == 0) return "in step with camera 1";
  return OffsetWords(std::abs(lag), framesPerSecond) + (lag > 0 ? " earlier than camera 1" : " later than camera 1");
}

std::vector<std::string> DriftLines(const AutoSyncResult& r, double framesPerSecond) {
  const double per10Minutes = std::abs(r.driftPpm) * 1e-6 * 600.0 * framesPerSecond;
  char rate[64];
  std::snprintf(rate, sizeof rate, "drifts %.1f frames per 10 minutes:", per10Minutes);
  const int64_t worst = std::max<int64_t>(1, static_cast<int64_t>(std::ceil(r.driftErrorFrames - 1e-9)));
  return {rate, "cuts late in the show may be off by up to " + CountWords(worst, "frame")};
}

}  // namespace

std::vector<std::string> DescribeSync(const AutoSyncResult& result, double framesPerSecond) {
  const int64_t lag = int64_t(result.otherFrame) - int64_t(result.referenceFrame);
  switch (result.basis) {
    case SyncBasis::None:
      return {"No common sound found: sync by hand"};
    case SyncBasis::RecordingTimes:
      return {"Placed by recording times: no common sound found"};
    case SyncBasis::Sound:
      break;
  }
  const int percent = std::clamp(static_cast<int>(std::floor(result.confidence * 100.0)), 0, 99);
  std::vector<std::string> lines{"Matched by sound, " + std::to_string(percent) + " % sure, " +
                                 PlacementWords(lag, framesPerSecond)};
  if (result.drifting) {
    for (std::string& line : DriftLines(result, framesPerSecond)) lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace ostrel3
