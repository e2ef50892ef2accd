// Request windows: the root panel, its frame, the host's confirm and cancel
// elements, and putting back what the window covered when it goes.
#include <algorithm>
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/elements_draw.h"
#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/metrics.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/requests.h"
#include "hostsim/gui/requests_geometry.h"
#include "hostsim/kernel/kernel.h"

namespace hostsim {

namespace flags = request_flags;
using namespace window_look;

namespace {

struct WindowLayout {
  VG_CORNERS outer{};
  VG_RECT panel{};      ///< root panel on the screen
  int16_t buttonRowY = 0;  ///< relative to the root panel
  int16_t titleHeight = 0;
};

WindowLayout dialogLayout(const HostConfig& config, int32_t monitor, int16_t width, int16_t height, bool buttons) {
  const int buttonRow = buttons ? kButtonHeight + kPad : 0;
  const int innerWidth = std::max<int>(width, buttons ? 2 * kButtonWidth + kPad : 0);
  const int w = innerWidth + 2 * (kBorder + kPad);
  const int h = kBorder + kTitleHeight + kPad + height + kPad + buttonRow + kBorder;
  WindowLayout l;
  l.outer = centredBox(monitorVisible(config, monitor), monitorScreen(config, monitor), w, h);
  l.panel = {static_cast<int16_t>(l.outer.x0 + kBorder + kPad), static_cast<int16_t>(l.outer.y0 + kBorder + kTitleHeight + kPad),
             width, height};
  l.buttonRowY = static_cast<int16_t>(height + kPad);
  l.titleHeight = kTitleHeight;
  return l;
}

}  // namespace

VG_ELEMENT Panels::addHostButton(VG_PANEL root, VG_RECT rect, const char16_t* caption, HostRole role) {
  ElementSpec wanted;
  wanted.kind = ElementKind::TextButton;
  wanted.rect = rect;
  wanted.caption = caption;
  const VG_ELEMENT handle = addElement(root, wanted);
  if (ElementRec* e = model_->element(handle)) e->role = role;
  return handle;
}

void Panels::addRequestButtons(RequestRec& req, VG_RECT panelRect, int16_t rowY) {
  const bool full = (req.flags & flags::kFullScreen) != 0;
  if (full) {
    // Small frame buttons in the right margin the operator leaves free.
    const VG_CORNERS vis = monitorVisible(host_.config(), req.monitor);
    const int16_t x = static_cast<int16_t>(vis.x1 - 19 - panelRect.x);
    const int16_t y = static_cast<int16_t>(vis.y0 + 12 - panelRect.y);
    req.confirm = addHostButton(req.root, {x, y, 18, kButtonHeight}, u"OK", HostRole::Confirm);
    req.cancel = addHostButton(req.root, {x, static_cast<int16_t>(y + kButtonHeight + 4), 18, kButtonHeight}, u"X",
                               HostRole::Cancel);
  } else {
    const int16_t inner = std::max<int16_t>(panelRect.width, 2 * kButtonWidth + kPad);
    if (flags::wantsConfirm(req.flags))
      req.confirm = addHostButton(req.root, {0, rowY, kButtonWidth, kButtonHeight}, u"OK", HostRole::Confirm);
    if (flags::wantsCancel(req.flags))
      req.cancel = addHostButton(req.root, {static_cast<int16_t>(inner - kButtonWidth), rowY, kButtonWidth, kButtonHeight},
                                 u"Cancel", HostRole::Cancel);
  }
  if (req.confirm && (req.flags & flags::kConfirmStartsDisabled)) {
    model_->element(req.confirm)->enabled = false;
    drawLocked(*model_->element(req.confirm));
  }
}

int32_t Panels::createRequest(VREQ_REQUEST* request) {
  std::lock_guard lock(mutex_);
  if (!request) {
    host_.log().host(4, "vreqCreateRequest: no request record");
    return -1;
  }
  if (!host_.kernel().queueExists(request->queue)) {
    host_.log().host(4, "vreqCreateRequest: no message queue " + std::to_string(request->queue));
    return -1;
  }
  const int32_t monitor = host_.display().defaultMonitor();
  const bool full = (request->flags & flags::kFullScreen) != 0;
  const bool buttons = flags::wantsConfirm(request->flags) || flags::wantsCancel(request->flags);
  WindowLayout layout;
  if (full) {
    layout.panel = monitorScreen(host_.config(), monitor);
    layout.outer = cornersOf(layout.panel);
  } else {
    if (request->width <= 0 || request->height <= 0) {
      host_.log().host(4, "vreqCreateRequest: empty size " + std::to_string(request->width) + " x " +
                              std::to_string(request->height));
      return -1;
    }
    layout = dialogLayout(host_.config(), monitor, request->width, request->height, buttons);
  }
  if (layout.panel.width <= 0 || layout.panel.height <= 0) {
    host_.log().host(4, "vreqCreateRequest: no screen on monitor " + std::to_string(monitor));
    return -1;
  }

  RequestRec req;
  req.queue = request->queue;
  req.flags = request->flags;
  req.title = copyText(request->title);
  req.monitor = monitor;
  req.covered = layout.outer;
  Screen& screen = host_.display().screen();
  if (screen.validMonitor(monitor)) {
    req.saved = screen.saveRect(monitor, layout.outer);
    if (!full) {
      UnclippedDrawing unclipped(screen, monitor);
      DrawContext ctx{screen, monitor, fps(), listRowHeight(monitor), yuvToArgb(host_.display().newGuiColour(2))};
      drawWindowFrame(ctx, layout.outer, layout.titleHeight, req.title);
    }
  }
  const uint32_t noFlags[3] = {0, 0, 0};
  req.root = createPanel(0, layout.panel, noFlags);
  if (!req.root) return -1;
  req.order = model_->panel(req.root)->order;
  addRequestButtons(req, layout.panel, layout.buttonRowY);

  request->panel = req.root;
  request->okElement = req.confirm;
  request->cancelElement = req.cancel;
  model_->requests.emplace(req.root, std::move(req));
  refreshScreenId();
  return 0;
}

int32_t Panels::deleteRequest(VREQ_REQUEST* request) {
  std::lock_guard lock(mutex_);
  if (!request) {
    host_.log().host(4, "vreqDeleteRequest: no request record");
    return -1;
  }
  auto it = model_->requests.find(request->panel);
  if (it == model_->requests.end()) {
    host_.log().host(4, "vreqDeleteRequest: no open request with panel " + std::to_string(request->panel));
    return -1;
  }
  RequestRec req = std::move(it->second);
  model_->requests.erase(it);
  removePanelLocked(req.root);
  Screen& screen = host_.display().screen();
  if (screen.validMonitor(req.monitor) && !req.saved.empty()) {
    UnclippedDrawing unclipped(screen, req.monitor);
    screen.restoreRect(req.monitor, req.covered, req.saved);
  }
  refreshScreenId();
  return 0;
}

}  // namespace hostsim
