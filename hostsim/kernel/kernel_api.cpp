// The host's queue, task and tick functions: thin shims onto Kernel.
#include "host/msgq.h"
#include "host/task.h"
#include "hostsim/core/shim.h"
#include "hostsim/kernel/kernel.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::Kernel;

namespace {

/// hostCall for functions that report through the error code: when the body
/// never answered (an injected failure, an internal error, no host), the
/// code is set too, so that a caller never reads a stale one, such as a
/// time-out left by an earlier call, as the reason for this failure.
template <typename R, typename Body, typename... Args>
R kernelCall(const char* name, R failure, Body&& body, const Args&... args) noexcept {
  bool answered = false;
  R result = hostCall(
      name, failure,
      [&](Host& host) {
        R value = body(host.kernel());
        answered = true;
        return value;
      },
      args...);
  // A deleted task's refused call keeps the reason the refusal gave.
  if (!answered && !hostsim::callerTaskDeleted()) Kernel::setError(HOST_ERR_INVALID);
  return result;
}

}  // namespace

extern "C" {

MSG_Q_ID msgQCreate(int32_t maxMessages, int32_t maxLength, int32_t options) {
  return kernelCall("msgQCreate", MSG_Q_ID(0), [&](Kernel& k) { return k.createCallerQueue(maxMessages, maxLength); },
                    maxMessages, maxLength, options);
}

int32_t msgQDelete(MSG_Q_ID queue) {
  return kernelCall("msgQDelete", int32_t(-1), [&](Kernel& k) { return k.deleteQueue(queue); }, queue);
}

int32_t msgQSend(MSG_Q_ID queue, const void* buffer, uint32_t size, int32_t timeout, int32_t priority) {
  return kernelCall("msgQSend", int32_t(-1), [&](Kernel& k) { return k.send(queue, buffer, size, timeout, priority); },
                    queue, buffer, size, timeout, priority);
}

int32_t msgQReceive(MSG_Q_ID queue, void* buffer, uint32_t size, int32_t timeout) {
  return kernelCall("msgQReceive", int32_t(-1), [&](Kernel& k) { return k.receive(queue, buffer, size, timeout); },
                    queue, hostsim::out(buffer), size, timeout);
}

int32_t msgQNumMsgs(MSG_Q_ID queue) {
  return kernelCall("msgQNumMsgs", int32_t(-1), [&](Kernel& k) { return k.numMsgs(queue); }, queue);
}

int32_t errnoGet(void) {
  return hostCall("errnoGet", int32_t(-1), [](Host&) { return Kernel::error(); });
}

int32_t taskSpawn(const char* name, int32_t priority, int32_t options, int32_t stackSize, TASK_ENTRY entry,
                  TASK_ARG a1, TASK_ARG a2, TASK_ARG a3, TASK_ARG a4, TASK_ARG a5, TASK_ARG a6, TASK_ARG a7,
                  TASK_ARG a8, TASK_ARG a9, TASK_ARG a10) {
  // Priority, options and stack size have no meaning for the platform's
  // threads; they are kept for the trace and `dump tasks`.
  const TASK_ARG args[10] = {a1, a2, a3, a4, a5, a6, a7, a8, a9, a10};
  const hostsim::TaskSettings settings{priority, options, stackSize};
  return kernelCall("taskSpawn", int32_t(-1), [&](Kernel& k) { return k.spawn(name, entry, args, settings); }, name, priority,
                    options, stackSize, entry, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10);
}

int32_t taskDelete(int32_t taskId) {
  return kernelCall("taskDelete", int32_t(-1), [&](Kernel& k) { return k.deleteTask(taskId); }, taskId);
}

int32_t taskDelay(int32_t ticks) {
  return kernelCall("taskDelay", int32_t(-1), [&](Kernel& k) { return k.delay(ticks); }, ticks);
}

int32_t taskLock(void) {
  return kernelCall("taskLock", int32_t(-1), [](Kernel& k) { return k.lock(); });
}

int32_t taskUnlock(void) {
  return kernelCall("taskUnlock", int32_t(-1), [](Kernel& k) { return k.unlock(); });
}

uint32_t tickGet(void) {
  return hostCall("tickGet", uint32_t(0), [](Host& host) { return host.kernel().ticks(); });
}

int32_t sysClkRateGet(void) {
  return hostCall("sysClkRateGet", int32_t(-1), [](Host&) { return Kernel::kTicksPerSecond; });
}

}
