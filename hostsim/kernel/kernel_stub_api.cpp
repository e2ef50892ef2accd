// Placeholders that refuse every call until this part of the stand-in host
// is written: the operator module links against a complete host.
#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

MSG_Q_ID msgQCreate(int32_t maxMessages, int32_t maxLength, int32_t options) {
  return hostCall("msgQCreate", MSG_Q_ID(0), [](Host&) { return MSG_Q_ID(0); }, maxMessages, maxLength, options);
}

int32_t msgQDelete(MSG_Q_ID queue) {
  return hostCall("msgQDelete", int32_t(-1), [](Host&) { return int32_t(-1); }, queue);
}

int32_t msgQSend(MSG_Q_ID queue, const void* buffer, uint32_t size, int32_t timeout, int32_t priority) {
  return hostCall("msgQSend", int32_t(-1), [](Host&) { return int32_t(-1); }, queue, buffer, size, timeout, priority);
}

int32_t msgQReceive(MSG_Q_ID queue, void* buffer, uint32_t size, int32_t timeout) {
  return hostCall("msgQReceive", int32_t(-1), [](Host&) { return int32_t(-1); }, queue, buffer, size, timeout);
}

int32_t msgQNumMsgs(MSG_Q_ID queue) {
  return hostCall("msgQNumMsgs", int32_t(-1), [](Host&) { return int32_t(-1); }, queue);
}

int32_t errnoGet(void) {
  return hostCall("errnoGet", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t taskSpawn(const char* name, int32_t priority, int32_t options, int32_t stackSize, TASK_ENTRY entry, TASK_ARG a1, TASK_ARG a2, TASK_ARG a3, TASK_ARG a4, TASK_ARG a5, TASK_ARG a6, TASK_ARG a7, TASK_ARG a8, TASK_ARG a9, TASK_ARG a10) {
  return hostCall("taskSpawn", int32_t(-1), [](Host&) { return int32_t(-1); }, name, priority, options, stackSize, entry, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10);
}

int32_t taskDelete(int32_t taskId) {
  return hostCall("taskDelete", int32_t(-1), [](Host&) { return int32_t(-1); }, taskId);
}

int32_t taskDelay(int32_t ticks) {
  return hostCall("taskDelay", int32_t(-1), [](Host&) { return int32_t(-1); }, ticks);
}

int32_t taskLock(void) {
  return hostCall("taskLock", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t taskUnlock(void) {
  return hostCall("taskUnlock", int32_t(-1), [](Host&) { return int32_t(-1); });
}

uint32_t tickGet(void) {
  return hostCall("tickGet", uint32_t(0), [](Host&) { return uint32_t(0); });
}

int32_t sysClkRateGet(void) {
  return hostCall("sysClkRateGet", int32_t(-1), [](Host&) { return int32_t(-1); });
}

}
