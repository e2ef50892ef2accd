// Placeholders that refuse every call until this part of the stand-in host
// is written: the operator module links against a complete host.
#include <atomic>

#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

namespace {
// Element and panel creation succeeds with fresh handles so that layouts can
// be created before the real elements exist.
uint32_t nextStubHandle() {
  static std::atomic<uint32_t> next{1000};
  return next++;
}
}  // namespace

extern "C" {

void lstInit(HOST_LIST* list) {
  hostCallVoid("lstInit", [](Host&) {}, list);
}

void lstAdd(HOST_LIST* list, HOST_NODE* node) {
  hostCallVoid("lstAdd", [](Host&) {}, list, node);
}

int32_t lstCount(const HOST_LIST* list) {
  return hostCall("lstCount", int32_t(-1), [](Host&) { return int32_t(-1); }, list);
}

HOST_NODE* lstFirst(const HOST_LIST* list) {
  return hostCall("lstFirst", static_cast<HOST_NODE*>(nullptr), [](Host&) { return static_cast<HOST_NODE*>(nullptr); }, list);
}

HOST_NODE* lstNext(const HOST_NODE* node) {
  return hostCall("lstNext", static_cast<HOST_NODE*>(nullptr), [](Host&) { return static_cast<HOST_NODE*>(nullptr); }, node);
}

HOST_NODE* lstNth(const HOST_LIST* list, int32_t position) {
  return hostCall("lstNth", static_cast<HOST_NODE*>(nullptr), [](Host&) { return static_cast<HOST_NODE*>(nullptr); }, list, position);
}

void lstDelete(HOST_LIST* list, HOST_NODE* node) {
  hostCallVoid("lstDelete", [](Host&) {}, list, node);
}

void lstInsert(HOST_LIST* list, HOST_NODE* after, HOST_NODE* node) {
  hostCallVoid("lstInsert", [](Host&) {}, list, after, node);
}

int32_t parserGetCurrentScreen(uint32_t* screen, uint32_t* overlay) {
  return hostCall("parserGetCurrentScreen", int32_t(-1), [](Host&) { return int32_t(-1); }, screen, overlay);
}

VG_PANEL vgCreatePanel(VG_PANEL parent, int16_t x, int16_t y, int16_t width, int16_t height, uint32_t flags1, uint32_t flags2, uint32_t flags3) {
  return hostCall("vgCreatePanel", VG_PANEL(0), [](Host&) { return nextStubHandle(); }, parent, x, y, width, height, flags1, flags2, flags3);
}

int32_t vgRemovePanel(VG_PANEL panel) {
  return hostCall("vgRemovePanel", int32_t(-1), [](Host&) { return int32_t(-1); }, panel);
}

int32_t vgGetPanelRect(VG_PANEL panel, VG_RECT* rect) {
  return hostCall("vgGetPanelRect", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, rect);
}

int32_t vgSetRootPanelParserID(VG_PANEL root, uint32_t parserId) {
  return hostCall("vgSetRootPanelParserID", int32_t(-1), [](Host&) { return int32_t(-1); }, root, parserId);
}

int32_t vgMsgQReceive2(void* buffer, int32_t timeout, MSG_Q_ID queue) {
  return hostCall("vgMsgQReceive2", int32_t(-1), [](Host&) { return int32_t(-1); }, buffer, timeout, queue);
}

VG_GADEXT* vgAllocGadExt(void) {
  return hostCall("vgAllocGadExt", static_cast<VG_GADEXT*>(nullptr), [](Host&) { return static_cast<VG_GADEXT*>(nullptr); });
}

void vgFreeGadExt(VG_GADEXT* ext) {
  hostCallVoid("vgFreeGadExt", [](Host&) {}, ext);
}

VG_ELEMENT vgAddVirtualSlider(VG_PANEL root, int32_t minimum, int32_t maximum, int32_t start, uint32_t flags) {
  return hostCall("vgAddVirtualSlider", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, root, minimum, maximum, start, flags);
}

int32_t vgActivateVirtualSlider(VG_PANEL root) {
  return hostCall("vgActivateVirtualSlider", int32_t(-1), [](Host&) { return int32_t(-1); }, root);
}

int32_t vgInactivateVirtualSlider(VG_PANEL root, int32_t flags) {
  return hostCall("vgInactivateVirtualSlider", int32_t(-1), [](Host&) { return int32_t(-1); }, root, flags);
}

int32_t vgSetVirtualSliderPageSize(VG_PANEL root, int32_t pageSize) {
  return hostCall("vgSetVirtualSliderPageSize", int32_t(-1), [](Host&) { return int32_t(-1); }, root, pageSize);
}

VG_ELEMENT vgAddTextButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* text, uint32_t flags, uint32_t value) {
  return hostCall("vgAddTextButton", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, text, flags, value);
}

VG_ELEMENT vgAddCheckBox(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label, uint32_t flags, int32_t checked, VG_GADEXT* ext) {
  return hostCall("vgAddCheckBox", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, label, flags, checked, ext);
}

VG_ELEMENT vgAddClickGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, uint32_t value, uint32_t flags) {
  return hostCall("vgAddClickGadget", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, value, flags);
}

VG_ELEMENT vgAddImageButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, VG_IMAGE* image, VG_IMAGE* altImage, const XCHAR* label, uint32_t flags, uint32_t value) {
  return hostCall("vgAddImageButton", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, image, altImage, label, flags, value);
}

VG_ELEMENT vgAddPaletteButton(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, int32_t reserved, uint32_t colour, uint32_t value1, uint32_t value2) {
  return hostCall("vgAddPaletteButton", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, reserved, colour, value1, value2);
}

VG_ELEMENT vgAddSlider(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label, int16_t labelWidth, int32_t minimum, int32_t maximum, int32_t value, uint32_t flags, VG_SLIDER_TEXT_FN textFn) {
  return hostCall("vgAddSlider", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, label, labelWidth, minimum, maximum, value, flags, textFn);
}

VG_ELEMENT vgAddStringGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label, int16_t labelWidth, const XCHAR* text, int32_t maxChars, uint32_t flags) {
  return hostCall("vgAddStringGadget", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, label, labelWidth, text, maxChars, flags);
}

VG_ELEMENT vgAddTextGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label, int16_t labelWidth, const XCHAR* text, uint32_t flags) {
  return hostCall("vgAddTextGadget", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, label, labelWidth, text, flags);
}

VG_ELEMENT vgAddTimeGadget(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, const XCHAR* label, int16_t labelWidth, int32_t fields, uint32_t flags) {
  return hostCall("vgAddTimeGadget", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, label, labelWidth, fields, flags);
}

VG_ELEMENT vgAddPopup(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, HOST_LIST* entries, int32_t selected, const XCHAR* label, uint32_t flags, int32_t reserved) {
  return hostCall("vgAddPopup", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, entries, selected, label, flags, reserved);
}

VG_ELEMENT vgAddListview(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, HOST_LIST* entries, int32_t selected, uint32_t flags, int32_t reserved) {
  return hostCall("vgAddListview", VG_ELEMENT(0), [](Host&) { return nextStubHandle(); }, panel, x, y, width, height, entries, selected, flags, reserved);
}

int32_t vgChangeElement(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t value, int32_t redraw) {
  return hostCall("vgChangeElement", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element, tag, value, redraw);
}

int32_t vgGetElementInfo(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t* value) {
  return hostCall("vgGetElementInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element, tag, value);
}

int32_t vgActivateElement(VG_PANEL panel, VG_ELEMENT element) {
  return hostCall("vgActivateElement", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element);
}

int32_t vgInactivateElement(VG_PANEL panel, VG_ELEMENT element) {
  return hostCall("vgInactivateElement", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element);
}

int32_t vgEnableElement(VG_PANEL panel, VG_ELEMENT element) {
  return hostCall("vgEnableElement", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element);
}

int32_t vgDisableElement(VG_PANEL panel, VG_ELEMENT element) {
  return hostCall("vgDisableElement", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element);
}

int32_t vgBeepElement(VG_PANEL panel, VG_ELEMENT element) {
  return hostCall("vgBeepElement", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element);
}

int32_t vgUnBeepElement(VG_PANEL panel, VG_ELEMENT element) {
  return hostCall("vgUnBeepElement", int32_t(-1), [](Host&) { return int32_t(-1); }, panel, element);
}

int32_t vreqCreateRequest(VREQ_REQUEST* request) {
  return hostCall("vreqCreateRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t vreqDeleteRequest(VREQ_REQUEST* request) {
  return hostCall("vreqDeleteRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t vreqTextRequest(VREQ_TEXT* request) {
  return hostCall("vreqTextRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t vreqKeyRequest(VREQ_KEY* request) {
  return hostCall("vreqKeyRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t vreqPaletteRequest(VREQ_PALETTE* request) {
  return hostCall("vreqPaletteRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t vreqFileRequest(VREQ_FILE* request) {
  return hostCall("vreqFileRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t vreqArchivesRequest(const XCHAR* title) {
  return hostCall("vreqArchivesRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, title);
}

}
