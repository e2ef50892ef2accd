#pragma once
// The scrub engine's running session, shared by its source files. Guarded by
// ScrubEngine::mutex_.
#include <vector>

#include "hostsim/media/scrub_engine.h"

namespace hostsim {

struct ScrubEngine::Session {
  int32_t taskId = 0;
  CM_HANDLE render = 0;
  uint32_t* startWord = nullptr;  ///< the caller's; null once a stop began
  uint32_t word = 0;              ///< what the engine keeps in it
  bool stopRequested = false;
  // The block that plays.
  bool playing = false;
  std::vector<int16_t> samples;   ///< the caller's pairs, copied
  int32_t played = 0;             ///< pairs of it played
  Nanos startedAt{0};             ///< when its first pair played
  size_t record = 0;              ///< its entry in history_.blocks

  int32_t pairs() const { return static_cast<int32_t>(samples.size() / 2); }
};

}  // namespace hostsim
