// Host functions of panels, input contexts, the message receive and the
// jog slider: thin shims onto Panels.
#include "host/host.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/panels.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;
using hostsim::out;

extern "C" {

VG_PANEL vgCreatePanel(VG_PANEL parent, int16_t x, int16_t y, int16_t width, int16_t height, uint32_t flags1,
                       uint32_t flags2, uint32_t flags3) {
  return hostCall(
      "vgCreatePanel", VG_PANEL(0),
      [&](Host& h) {
        const uint32_t flags[3] = {flags1, flags2, flags3};
        return h.panels().createPanel(parent, VG_RECT{x, y, width, height}, flags);
      },
      parent, x, y, width, height, flags1, flags2, flags3);
}

int32_t vgRemovePanel(VG_PANEL panel) {
  return hostCall("vgRemovePanel", int32_t(-1), [&](Host& h) { return h.panels().removePanel(panel); }, panel);
}

int32_t vgGetPanelRect(VG_PANEL panel, VG_RECT* rect) {
  return hostCall(
      "vgGetPanelRect", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!rect || panel == 0) return -1;
        const auto place = h.panels().place(panel);
        if (!place) return -1;
        *rect = place->rect;
        return 0;
      },
      panel, out(rect));
}

int32_t vgSetRootPanelParserID(VG_PANEL root, uint32_t parserId) {
  return hostCall(
      "vgSetRootPanelParserID", int32_t(-1), [&](Host& h) { return h.panels().setParserId(root, parserId); }, root,
      parserId);
}

int32_t parserGetCurrentScreen(uint32_t* screen, uint32_t* overlay) {
  return hostCall(
      "parserGetCurrentScreen", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!screen) return -1;
        const uint32_t id = h.panels().currentScreen();
        *screen = id;
        if (overlay) *overlay = 0;
        return static_cast<int32_t>(id & 0xFF);
      },
      out(screen), out(overlay));
}

int32_t vgMsgQReceive2(void* buffer, int32_t timeout, MSG_Q_ID queue) {
  return hostCall(
      "vgMsgQReceive2", int32_t(-1), [&](Host& h) { return h.panels().receive(buffer, timeout, queue); }, out(buffer),
      timeout, queue);
}

VG_GADEXT* vgAllocGadExt(void) {
  return hostCall("vgAllocGadExt", static_cast<VG_GADEXT*>(nullptr), [](Host& h) { return h.panels().allocGadgetExtension(); });
}

void vgFreeGadExt(VG_GADEXT* ext) {
  hostCallVoid("vgFreeGadExt", [&](Host& h) { h.panels().freeGadgetExtension(ext); }, ext);
}

VG_ELEMENT vgAddVirtualSlider(VG_PANEL root, int32_t minimum, int32_t maximum, int32_t start, uint32_t flags) {
  return hostCall(
      "vgAddVirtualSlider", VG_ELEMENT(0),
      [&](Host& h) { return h.panels().addVirtualSlider(root, minimum, maximum, start, flags); }, root, minimum, maximum,
      start, flags);
}

int32_t vgActivateVirtualSlider(VG_PANEL root) {
  return hostCall(
      "vgActivateVirtualSlider", int32_t(-1), [&](Host& h) { return h.panels().activateVirtualSlider(root, true); }, root);
}

int32_t vgInactivateVirtualSlider(VG_PANEL root, int32_t flags) {
  return hostCall(
      "vgInactivateVirtualSlider", int32_t(-1), [&](Host& h) { return h.panels().activateVirtualSlider(root, false); },
      root, flags);
}

int32_t vgSetVirtualSliderPageSize(VG_PANEL root, int32_t pageSize) {
  return hostCall(
      "vgSetVirtualSliderPageSize", int32_t(-1),
      [&](Host& h) { return h.panels().setVirtualSliderPageSize(root, pageSize); }, root, pageSize);
}

}
