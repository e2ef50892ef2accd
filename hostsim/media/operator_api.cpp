// Add-on operators: the directory's names and flags, loading and unloading,
// settings blocks and unique ids, the operator requester and the operators'
// settings windows.
#include <cstdio>
#include <cstring>

#include "host/main.h"
#include "host/op.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

namespace {

std::string quoted(const char* path) { return path ? "\"" + std::string(path) + "\"" : std::string("null"); }

std::string opText(OP_HANDLE op) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", op);
  return text;
}

// The known operator of a path, or null with the call's log line.
const hostsim::OperatorConfig* knownOperator(Host& h, const char* call, const char* path) {
  const hostsim::OperatorConfig* known = path ? h.media().operators().find(path) : nullptr;
  if (!known) h.log().host(4, std::string(call) + ": no operator " + quoted(path) + " in the directory");
  return known;
}

bool isLoaded(Host& h, const char* call, OP_HANDLE op) {
  if (h.media().operators().loaded(op)) return true;
  h.log().host(4, std::string(call) + ": operator " + opText(op) + " is not loaded");
  return false;
}

// A settings block is handed over whole: any other size is the caller's
// mistake about what the operator keeps, and nothing is copied.
bool rightSize(Host& h, const char* call, OP_HANDLE op, const void* block, uint32_t size) {
  const uint32_t wanted = static_cast<uint32_t>(h.media().operators().prefs(op).size());
  if (size == wanted && (block || size == 0)) return true;
  h.log().host(4, std::string(call) + ": operator " + opText(op) + " keeps " + std::to_string(wanted) +
                      " bytes of settings, not " + std::to_string(size) + (block ? "" : " (no block)"));
  return false;
}

}  // namespace

extern "C" {

OP_HANDLE mainLoadOperator(const char* path, int32_t flags) {
  return hostCall(
      "mainLoadOperator", OP_HANDLE(0),
      [&](Host& h) { return knownOperator(h, "mainLoadOperator", path) ? h.media().operators().load(path) : OP_HANDLE(0); },
      path, flags);
}

void mainUnloadOperator(OP_HANDLE op) {
  hostCallVoid(
      "mainUnloadOperator",
      [&](Host& h) {
        if (!h.media().operators().unload(op)) h.log().host(4, "mainUnloadOperator: operator " + opText(op) + " is not loaded");
      },
      op);
}

const XCHAR* mainGetOperatorName(const char* path, int32_t flags) {
  return hostCall(
      "mainGetOperatorName", static_cast<const XCHAR*>(nullptr),
      [&](Host& h) -> const XCHAR* {
        return knownOperator(h, "mainGetOperatorName", path) ? h.media().operators().displayName(path) : nullptr;
      },
      path, flags);
}

uint32_t mainGetOperatorFlags(const char* path, int32_t flags) {
  return hostCall(
      "mainGetOperatorFlags", uint32_t(0),
      [&](Host& h) {
        const hostsim::OperatorConfig* known = knownOperator(h, "mainGetOperatorFlags", path);
        return known ? known->flags : uint32_t(0);
      },
      path, flags);
}

int32_t mainSelectOperatorRequesterMulti(const char* const** names, int32_t flags, const char* lastPath, int32_t reserved) {
  return hostCall(
      "mainSelectOperatorRequesterMulti", int32_t(-1),
      [&](Host& h) { return h.media().operatorRequester().choose(names, lastPath); }, names, flags, lastPath,
      reserved);
}

int32_t mainBuildOpGui(VG_PANEL window, int16_t x, int16_t y, int16_t width, int16_t height, OP_HANDLE op,
                       MAIN_OP_GADGETS* gadgets) {
  return hostCall(
      "mainBuildOpGui", int32_t(-1),
      [&](Host& h) { return h.media().operatorGuis().build(window, VG_RECT{x, y, width, height}, op, gadgets); },
      window, x, y, width, height, op, gadgets);
}

int32_t mainDoOpGui(const HOST_MESSAGE* message, MAIN_OP_GADGETS* gadgets, OP_HANDLE op, VG_PANEL window, int32_t a,
                    int32_t b, int32_t c, int16_t* x, int16_t* y) {
  return hostCall(
      "mainDoOpGui", int32_t(-1), [&](Host& h) { return h.media().operatorGuis().handle(message, gadgets, op); },
      message, gadgets, op, window, a, b, c, x, y);
}

void mainRemoveOpGui(MAIN_OP_GADGETS* gadgets, OP_HANDLE op) {
  hostCallVoid(
      "mainRemoveOpGui", [&](Host& h) { h.media().operatorGuis().remove(gadgets, op); }, gadgets, op);
}

uint32_t opGetPrefsSize(OP_HANDLE op) {
  return hostCall(
      "opGetPrefsSize", uint32_t(0),
      [&](Host& h) {
        return isLoaded(h, "opGetPrefsSize", op) ? static_cast<uint32_t>(h.media().operators().prefs(op).size())
                                                 : uint32_t(0);
      },
      op);
}

int32_t opGetPrefs(OP_HANDLE op, void* block, uint32_t size) {
  return hostCall(
      "opGetPrefs", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!isLoaded(h, "opGetPrefs", op) || !rightSize(h, "opGetPrefs", op, block, size)) return -1;
        const std::vector<uint8_t> prefs = h.media().operators().prefs(op);
        if (!prefs.empty()) std::memcpy(block, prefs.data(), prefs.size());
        return 0;
      },
      op, block, size);
}

int32_t opSetPrefs(OP_HANDLE op, const void* block, uint32_t size) {
  return hostCall(
      "opSetPrefs", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!isLoaded(h, "opSetPrefs", op) || !rightSize(h, "opSetPrefs", op, block, size)) return -1;
        return h.media().operators().setPrefs(op, static_cast<const uint8_t*>(block), size) ? 0 : -1;
      },
      op, block, size);
}

int32_t opSetUniqueID(OP_HANDLE op, uint32_t id) {
  return hostCall(
      "opSetUniqueID", int32_t(-1),
      [&](Host& h) -> int32_t {
        return isLoaded(h, "opSetUniqueID", op) && h.media().operators().setUniqueId(op, id) ? 0 : -1;
      },
      op, id);
}

}
