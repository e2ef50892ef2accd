#pragma once
/// Host tasks, ticks and the global critical section. Any thread.
#include "host/host_types.h"

/// A task argument: one word, wide enough to carry an address.
typedef intptr_t TASK_ARG;
/// A task's entry: ten argument words.
typedef int32_t (*TASK_ENTRY)(TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                              TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG);

extern "C" {

/// Starts a task running entry(a1..a10). Returns a task id (> 0) or -1.
int32_t taskSpawn(const char* name, int32_t priority, int32_t options, int32_t stackSize,
                  TASK_ENTRY entry, TASK_ARG a1, TASK_ARG a2, TASK_ARG a3, TASK_ARG a4, TASK_ARG a5,
                  TASK_ARG a6, TASK_ARG a7, TASK_ARG a8, TASK_ARG a9, TASK_ARG a10);

/// Ends a task. Its waits return at once with HOST_ERR_DELETED, so it leaves
/// its entry at its next host call. 0 or -1 (unknown task).
int32_t taskDelete(int32_t taskId);

/// Sleeps for the given number of ticks (0 yields). 0 or -1.
int32_t taskDelay(int32_t ticks);

/// Enters the global critical section: no other thread's queue operation
/// runs until taskUnlock. Nests. 0 or -1.
int32_t taskLock(void);

/// Leaves the critical section entered with taskLock. 0 or -1 (not held).
int32_t taskUnlock(void);

/// The tick counter; it advances at sysClkRateGet() ticks per second.
uint32_t tickGet(void);

/// Ticks per second.
int32_t sysClkRateGet(void);

}
