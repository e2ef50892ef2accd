// Panels: creation, removal, places on the screen, input contexts, and the
// queries that tests and the session-script interpreter use.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/elements_draw.h"
#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/requests_geometry.h"
#include "hostsim/gui/user_input.h"

namespace hostsim {

Panels::Panels(Host& host)
    : host_(host), model_(std::make_unique<GuiModel>()), input_(std::make_unique<UserInput>(host, *this)) {}

Panels::~Panels() = default;

UserInput& Panels::input() { return *input_; }

namespace {
constexpr uint32_t kSeeThroughPanel = 0x200;
}

int32_t Panels::fps() const { return framesPerSecond(host_.config().format); }

VG_PANEL Panels::createPanel(VG_PANEL parent, VG_RECT rect, const uint32_t (&flags)[3]) {
  std::lock_guard lock(mutex_);
  if (rect.width <= 0 || rect.height <= 0) {
    host_.log().host(4, "vgCreatePanel: empty size " + std::to_string(rect.width) + " x " + std::to_string(rect.height));
    return 0;
  }
  PanelRec p;
  if (parent != 0) {
    const PanelRec* up = model_->panel(parent);
    if (!up) {
      host_.log().host(4, "vgCreatePanel: no parent panel " + hexText(parent));
      return 0;
    }
    p.monitor = up->monitor;
    p.screen = {static_cast<int16_t>(up->screen.x + rect.x), static_cast<int16_t>(up->screen.y + rect.y), rect.width,
                rect.height};
  } else {
    p.monitor = host_.display().defaultMonitor();
    p.screen = rect;
    p.order = model_->nextOrder++;
  }
  p.handle = model_->newHandle();
  p.parent = parent;
  std::copy(std::begin(flags), std::end(flags), p.flags);
  if (PanelRec* up = model_->panel(parent)) up->children.push_back(p.handle);
  const VG_PANEL handle = p.handle;
  model_->panels.emplace(handle, std::move(p));
  // A see-through panel (flag 0x200) keeps what lies under it: the player's
  // and the live picture's panels are laid over drawn content.
  if (!(flags[0] & kSeeThroughPanel)) fillPanelBackground(handle);
  return handle;
}

void Panels::fillPanelBackground(VG_PANEL handle) {
  const PanelRec* p = model_->panel(handle);
  Screen& screen = host_.display().screen();
  if (!p || !screen.validMonitor(p->monitor)) return;
  UnclippedDrawing unclipped(screen, p->monitor);
  screen.fillRect(p->monitor, cornersOf(p->screen), yuvToArgb(host_.display().newGuiColour(2)));
}

void Panels::clearPanel(VG_PANEL panel) {
  std::lock_guard lock(mutex_);
  fillPanelBackground(panel);
}

int32_t Panels::removePanel(VG_PANEL panel) {
  std::lock_guard lock(mutex_);
  if (!model_->panel(panel)) {
    host_.log().host(4, "vgRemovePanel: no panel " + hexText(panel));
    return -1;
  }
  removePanelLocked(panel);
  refreshScreenId();
  return 0;
}

void Panels::removePanelLocked(VG_PANEL handle) {
  PanelRec* p = model_->panel(handle);
  if (!p) return;
  const std::vector<VG_PANEL> children = p->children;
  for (VG_PANEL child : children) removePanelLocked(child);
  p = model_->panel(handle);
  for (VG_ELEMENT e : p->elements) model_->elements.erase(e);
  if (PanelRec* up = model_->panel(p->parent)) std::erase(up->children, handle);
  model_->panels.erase(handle);
}

void Panels::removeElementLocked(VG_ELEMENT element) {
  const ElementRec* e = model_->element(element);
  if (!e) return;
  if (PanelRec* p = model_->panel(e->panel)) std::erase(p->elements, element);
  model_->elements.erase(element);
}

std::optional<PanelPlace> Panels::place(VG_PANEL panel) const {
  std::lock_guard lock(mutex_);
  if (panel == 0) {
    const int32_t m = host_.display().defaultMonitor();
    return PanelPlace{m, monitorScreen(host_.config(), m)};
  }
  const PanelRec* p = model_->panel(panel);
  if (!p) return std::nullopt;
  return PanelPlace{p->monitor, p->screen};
}

int32_t Panels::setParserId(VG_PANEL root, uint32_t id) {
  std::lock_guard lock(mutex_);
  PanelRec* p = model_->panel(model_->rootOf(root));
  if (!p) {
    host_.log().host(4, "vgSetRootPanelParserID: no panel " + hexText(root));
    return -1;
  }
  // Which input context is current decides what the user's keys do; a log
  // line per change lets a session's log show when the operator switched.
  if (p->parserId != id)
    host_.log().host(6, "input context of panel " + hexText(p->handle) + ": " + hexText(id) + " (was " +
                            hexText(p->parserId) + ")");
  p->parserId = id;
  refreshScreenId();
  return 0;
}

void Panels::setForeignScreen(bool on) {
  std::lock_guard lock(mutex_);
  foreignScreen_ = on;
  refreshScreenId();
}

// The frontmost root panel that named its input context decides; windows
// without one (the operator's dialogs) leave the context beneath in force.
void Panels::refreshScreenId() {
  uint32_t id = 0;
  uint64_t best = 0;
  for (const auto& [handle, p] : model_->panels)
    if (p.parent == 0 && p.parserId != 0 && p.order >= best) {
      best = p.order;
      id = p.parserId;
    }
  if (foreignScreen_) id = kForeignScreenId;
  currentScreen_.store(id, std::memory_order_release);
}

ElementView Panels::viewOf(const ElementRec& e) const {
  ElementView v;
  v.handle = e.handle;
  v.kind = e.kind;
  v.role = e.role;
  v.panel = e.panel;
  v.root = model_->rootOf(e.panel);
  if (const PanelRec* p = model_->panel(e.panel)) v.monitor = p->monitor;
  v.rect = e.rect;
  v.screenRect = model_->screenRect(e);
  v.caption = e.caption;
  v.label = e.label;
  v.text = e.text;
  v.value = e.kind == ElementKind::PaletteButton ? static_cast<int32_t>(e.colour) : e.value;
  v.minimum = e.minimum;
  v.maximum = e.maximum;
  v.active = e.active;
  v.enabled = e.enabled;
  v.beeping = e.beeping;
  v.shortcut = e.shortcut;
  v.tags = e.tags;
  for (const ListRow& r : e.rows) v.rows.push_back({r.text, r.text2, r.value, r.type, r.flags});
  return v;
}

std::vector<ElementView> Panels::elements() const {
  std::lock_guard lock(mutex_);
  std::vector<ElementView> out;
  for (const auto& [handle, e] : model_->elements) out.push_back(viewOf(e));
  return out;
}

std::optional<ElementView> Panels::findElement(VG_ELEMENT handle) const {
  std::lock_guard lock(mutex_);
  const ElementRec* e = model_->element(handle);
  if (!e) return std::nullopt;
  return viewOf(*e);
}

namespace {
std::string lowered(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool captionMatches(const ElementRec& e, const std::string& wanted, bool ignoreCase) {
  auto same = [&](const std::string& have) {
    return !have.empty() && (ignoreCase ? lowered(have) == lowered(wanted) : have == wanted);
  };
  if (e.role == HostRole::Confirm && same("OK")) return true;
  if (e.role == HostRole::Cancel && same("Cancel")) return true;
  return same(toUtf8(e.caption)) || same(toUtf8(e.label));
}
}  // namespace

std::optional<ElementView> Panels::findByCaption(const std::string& caption) const {
  std::vector<ElementView> all = findAllByCaption(caption);
  if (all.empty()) return std::nullopt;
  return std::move(all.front());
}

std::vector<ElementView> Panels::findAllByCaption(const std::string& caption) const {
  std::lock_guard lock(mutex_);
  const auto requests = model_->requestsFrontFirst();
  std::vector<ElementView> found;
  for (bool ignoreCase : {false, true}) {
    for (const RequestRec* r : requests)
      for (const auto& [handle, e] : model_->elements)
        if (model_->rootOf(e.panel) == r->root && captionMatches(e, caption, ignoreCase)) found.push_back(viewOf(e));
    // Another case counts only when no element reads the text exactly.
    if (!found.empty()) break;
  }
  return found;
}

std::vector<RequestView> Panels::openRequests() const {
  std::lock_guard lock(mutex_);
  std::vector<RequestView> out;
  for (const RequestRec* r : model_->requestsFrontFirst()) {
    RequestView v;
    v.root = r->root;
    v.queue = r->queue;
    v.flags = r->flags;
    v.title = r->title;
    v.confirm = r->confirm;
    v.cancel = r->cancel;
    v.monitor = r->monitor;
    if (const PanelRec* p = model_->panel(r->root)) {
      v.panelRect = p->screen;
      v.parserId = p->parserId;
    }
    v.frameRect = {r->covered.x0, r->covered.y0, static_cast<int16_t>(r->covered.x1 - r->covered.x0 + 1),
                   static_cast<int16_t>(r->covered.y1 - r->covered.y0 + 1)};
    out.push_back(std::move(v));
  }
  return out;
}

std::vector<RootPanelView> Panels::rootPanelsOutsideRequests() const {
  std::lock_guard lock(mutex_);
  std::vector<RootPanelView> out;
  for (const auto& [handle, p] : model_->panels)
    if (p.parent == 0 && !model_->requests.count(handle)) out.push_back({handle, p.monitor, p.screen, p.parserId, p.order});
  std::sort(out.begin(), out.end(), [](const RootPanelView& a, const RootPanelView& b) { return a.order > b.order; });
  return out;
}

std::vector<std::string> Panels::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const auto& [root, r] : model_->requests) out.push_back("request " + hexText(root) + " \"" + toUtf8(r.title) + "\"");
  // Child panels go with their root, so only roots can be left behind.
  for (const auto& [handle, p] : model_->panels)
    if (p.parent == 0 && !model_->requests.count(handle)) out.push_back("panel " + hexText(handle));
  for (size_t i = 0; i < model_->gadgetExtensions.size(); ++i) out.push_back("gadget extension");
  return out;
}

}  // namespace hostsim
