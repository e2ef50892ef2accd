#include "ostrel3/display/overview_gate.h"

namespace ostrel3 {

uint32_t lastOverviewTick = 0;

namespace {
bool behind = false;
}

bool TakeOverviewTick(uint32_t now, bool force) {
  if (now == lastOverviewTick && !force) {
    behind = true;
    return false;
  }
  lastOverviewTick = now;
  behind = false;
  return true;
}

bool OverviewBehind() { return behind; }

}  // namespace ostrel3
