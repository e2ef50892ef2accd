#pragma once
// The scrub task: while scrubbing is on it posts a tick to the event loop's
// queue every 8 ticks, while one of the operator's screens is in front and
// the loop is not behind; a stop message on its command queue ends it.
#include <cstdint>

#include "host/task.h"

namespace ostrel3 {

struct QueueMessage;

inline constexpr const char* kScrubTaskName = "os3ScrubTask";
inline constexpr int32_t kScrubTaskPriority = 201;
inline constexpr int32_t kScrubTaskOptions = 8;
inline constexpr int32_t kScrubTaskStack = 0x20000;
/// The task waits this long for a command between two ticks.
inline constexpr int32_t kScrubTickWait = 8;
/// No tick is added while this many messages already wait.
inline constexpr int32_t kScrubMaxWaiting = 10;
/// How long a stop waits for the task's answer before deleting it.
inline constexpr int32_t kScrubStopWait = 60;
/// High half of the parser ids of the operator's screens.
inline constexpr uint32_t kOperatorScreenMask = 0xFFFF0000u;
inline constexpr uint32_t kOperatorScreenId = 0x520F0000u;

/// One of the operator's screens is in front (ticks are wanted only then).
bool OperatorScreenInFront();
/// When `m` is a stop message, answers it on its reply queue and returns
/// true; false for any other message.
bool AnsweredStop(const QueueMessage& m);

/// The task's entry: its command queue, the event loop's queue and the
/// operator (an address, carried in a pointer-sized word); the other words
/// are unused. Returns when stopped or on an error.
int32_t ScrubTaskMain(TASK_ARG commandQueue, TASK_ARG eventQueue, TASK_ARG op, TASK_ARG, TASK_ARG, TASK_ARG,
                      TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG);

}  // namespace ostrel3
