// Logger, host version and project number.
#include "host/logger.h"
#include "host/main.h"
#include "host/op.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

void loggerMessage(int32_t level, int32_t line, const char* file, uint32_t category, const char* text) {
  hostCallVoid(
      "loggerMessage",
      [&](Host& h) {
        hostsim::LogLine l;
        l.level = level;
        l.line = line;
        l.file = file ? file : "";
        l.category = category;
        l.text = text ? text : "";
        h.log().add(std::move(l));
      },
      level, line, file, category, text);
}

int32_t mainVersion(int32_t which) {
  return hostCall("mainVersion", -1, [&](Host& h) { return h.config().version; }, which);
}

int32_t mainGetActiveProjectNumber(int32_t flags) {
  return hostCall("mainGetActiveProjectNumber", -1, [&](Host& h) { return h.config().projectNumber; }, flags);
}

int32_t opSetLength(int32_t length, int32_t reserved) {
  return hostCall("opSetLength", -1, [](Host&) { return 0; }, length, reserved);
}

}
