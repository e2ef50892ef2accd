// Placeholders that refuse every call until this part of the stand-in host
// is written (scrubbing, add-on operators, removable media): the operator
// module links against a complete host.
#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

int32_t cmScrubStart(CM_HANDLE render, uint32_t* state, int32_t flags) {
  return hostCall("cmScrubStart", int32_t(-1), [](Host&) { return int32_t(-1); }, render, state, flags);
}

int32_t cmScrubData(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t a, int32_t b) {
  return hostCall("cmScrubData", int32_t(-1), [](Host&) { return int32_t(-1); }, render, samples, pairs, a, b);
}

int32_t cmScrubStop(CM_HANDLE render, int32_t flags) {
  return hostCall("cmScrubStop", int32_t(-1), [](Host&) { return int32_t(-1); }, render, flags);
}

OP_HANDLE mainLoadOperator(const char* path, int32_t flags) {
  return hostCall("mainLoadOperator", OP_HANDLE(0), [](Host&) { return OP_HANDLE(0); }, path, flags);
}

void mainUnloadOperator(OP_HANDLE op) {
  hostCallVoid("mainUnloadOperator", [](Host&) {}, op);
}

const XCHAR* mainGetOperatorName(const char* path, int32_t flags) {
  return hostCall("mainGetOperatorName", static_cast<const XCHAR*>(nullptr), [](Host&) { return static_cast<const XCHAR*>(nullptr); }, path, flags);
}

uint32_t mainGetOperatorFlags(const char* path, int32_t flags) {
  return hostCall("mainGetOperatorFlags", uint32_t(0), [](Host&) { return uint32_t(0); }, path, flags);
}

int32_t mainSelectOperatorRequesterMulti(const char* const** names, int32_t flags, const char* lastPath, int32_t reserved) {
  return hostCall("mainSelectOperatorRequesterMulti", int32_t(-1), [](Host&) { return int32_t(-1); }, names, flags, lastPath, reserved);
}

int32_t mainBuildOpGui(VG_PANEL window, int16_t x, int16_t y, int16_t width, int16_t height, OP_HANDLE op, MAIN_OP_GADGETS* gadgets) {
  return hostCall("mainBuildOpGui", int32_t(-1), [](Host&) { return int32_t(-1); }, window, x, y, width, height, op, gadgets);
}

int32_t mainDoOpGui(const HOST_MESSAGE* message, MAIN_OP_GADGETS* gadgets, OP_HANDLE op, VG_PANEL window, int32_t a, int32_t b, int32_t c, int16_t* x, int16_t* y) {
  return hostCall("mainDoOpGui", int32_t(-1), [](Host&) { return int32_t(-1); }, message, gadgets, op, window, a, b, c, x, y);
}

void mainRemoveOpGui(MAIN_OP_GADGETS* gadgets, OP_HANDLE op) {
  hostCallVoid("mainRemoveOpGui", [](Host&) {}, gadgets, op);
}

MAIN_MEDIA* mainSelectMediaInit(void) {
  return hostCall("mainSelectMediaInit", static_cast<MAIN_MEDIA*>(nullptr), [](Host&) { return static_cast<MAIN_MEDIA*>(nullptr); });
}

int32_t mainSelectMediaRequester(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaRequester", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaMount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaMount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaUmount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaUmount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

void mainSelectMediaExit(MAIN_MEDIA* media) {
  hostCallVoid("mainSelectMediaExit", [](Host&) {}, media);
}

uint32_t opGetPrefsSize(OP_HANDLE op) {
  return hostCall("opGetPrefsSize", uint32_t(0), [](Host&) { return uint32_t(0); }, op);
}

int32_t opGetPrefs(OP_HANDLE op, void* block, uint32_t size) {
  return hostCall("opGetPrefs", int32_t(-1), [](Host&) { return int32_t(-1); }, op, block, size);
}

int32_t opSetPrefs(OP_HANDLE op, const void* block, uint32_t size) {
  return hostCall("opSetPrefs", int32_t(-1), [](Host&) { return int32_t(-1); }, op, block, size);
}

int32_t opSetUniqueID(OP_HANDLE op, uint32_t id) {
  return hostCall("opSetUniqueID", int32_t(-1), [](Host&) { return int32_t(-1); }, op, id);
}

TX_REQUEST txAllocRequest(int32_t kind) {
  return hostCall("txAllocRequest", TX_REQUEST(0), [](Host&) { return TX_REQUEST(0); }, kind);
}

int32_t txRequest(TX_REQUEST request, int32_t flags) {
  return hostCall("txRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request, flags);
}

int32_t txGetStatus(TX_REQUEST request) {
  return hostCall("txGetStatus", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t txGetFileName(TX_REQUEST request, char* buffer, int32_t size) {
  return hostCall("txGetFileName", int32_t(-1), [](Host&) { return int32_t(-1); }, request, buffer, size);
}

int32_t txGetImageName(TX_REQUEST request, XCHAR* buffer, int32_t size) {
  return hostCall("txGetImageName", int32_t(-1), [](Host&) { return int32_t(-1); }, request, buffer, size);
}

void txFreeRequest(TX_REQUEST request) {
  hostCallVoid("txFreeRequest", [](Host&) {}, request);
}

}
