#pragma once
// Small scoped helpers around host state.
#include "host/host_types.h"

namespace ostrel3 {

/// Gives a button a short visible press when its action is started by a key.
void FlashElement(VG_PANEL panel, VG_ELEMENT element);

/// Holds the host's active scene sample and gives it back on every way out.
class ActSceneSampleRestorer {
 public:
  ActSceneSampleRestorer();
  ~ActSceneSampleRestorer();
  ActSceneSampleRestorer(const ActSceneSampleRestorer&) = delete;
  ActSceneSampleRestorer& operator=(const ActSceneSampleRestorer&) = delete;
  uint32_t sample() const { return sample_; }

 private:
  uint32_t sample_ = 0;
  int32_t which_ = 1;
};

}  // namespace ostrel3
