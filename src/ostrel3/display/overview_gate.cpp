#include "ostrel3/display/overview_gate.h"

namespace ostrel3 {

uint32_t lastOverviewTick = 0;

bool TakeOverviewTick(uint32_t now, bool force) {
  if (now == lastOverviewTick && !force) return false;
  lastOverviewTick = now;
  return true;
}

}  // namespace ostrel3
