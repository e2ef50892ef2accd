#pragma once
// The ticker task that paces the synchronisation dialog's audio scrub: a
// slow tick every 8 ticks while the user holds still, a fast tick every
// tick once the scrub player plays continuously; a stop message on its
// queue ends it.
#include <cstdint>

#include "host/task.h"

namespace ostrel3 {

inline constexpr const char* kTickerTaskName = "BrainSmasher";
inline constexpr int32_t kTickerSlowWait = 8;
inline constexpr int32_t kTickerFastWait = 1;

/// The task's entry: its own queue, the dialog's GUI queue (32-bit host
/// handles) and the dialog (an address in a pointer-sized word); the other
/// words are unused. Returns when stopped or on a queue failure.
int32_t ScrubTicker(TASK_ARG tickerQueue, TASK_ARG guiQueue, TASK_ARG dialog, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                    TASK_ARG, TASK_ARG, TASK_ARG);

}  // namespace ostrel3
