// The GUI dump: what the user sees and can use, request by request.
#include <map>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/requests.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using json = nlohmann::ordered_json;

json rectJson(VG_RECT r) { return {{"x", r.x}, {"y", r.y}, {"width", r.width}, {"height", r.height}}; }

const char* roleName(HostRole role) {
  switch (role) {
    case HostRole::Confirm: return "confirm";
    case HostRole::Cancel: return "cancel";
    case HostRole::None: break;
  }
  return "none";
}

json rowsJson(const std::vector<ListRowView>& rows, int32_t selected) {
  json out = json::array();
  for (size_t i = 0; i < rows.size(); ++i) {
    const ListRowView& r = rows[i];
    out.push_back({{"text", toUtf8(r.text)}, {"text2", toUtf8(r.text2)}, {"value", r.value}, {"type", r.type},
                   {"flags", r.flags}, {"selected", static_cast<int64_t>(i) == selected}});
  }
  return out;
}

json elementJson(const ElementView& e) {
  return {{"handle", e.handle},
          {"panel", e.panel},
          {"kind", elementKindName(e.kind)},
          {"role", roleName(e.role)},
          {"caption", toUtf8(e.caption)},
          {"label", toUtf8(e.label)},
          {"text", toUtf8(e.text)},
          {"shortcut", e.shortcut},
          {"value", e.value},
          {"minimum", e.minimum},
          {"maximum", e.maximum},
          {"lit", e.active},
          {"enabled", e.enabled},
          {"beeping", e.beeping},
          {"rect", rectJson(e.screenRect)},
          {"rect_in_panel", rectJson(e.rect)},
          {"rows", rowsJson(e.rows, e.value)}};
}

// Elements by root panel, each list in the order the elements were made.
std::map<VG_PANEL, json> elementsByRoot(const std::vector<ElementView>& elements) {
  std::map<VG_PANEL, json> byRoot;
  for (const ElementView& e : elements) {
    json& list = byRoot[e.root];
    if (list.is_null()) list = json::array();
    list.push_back(elementJson(e));
  }
  return byRoot;
}

json elementsOf(std::map<VG_PANEL, json>& byRoot, VG_PANEL root) {
  auto it = byRoot.find(root);
  return it == byRoot.end() ? json::array() : it->second;
}

json requestJson(const RequestView& r, std::map<VG_PANEL, json>& byRoot) {
  const bool full = (r.flags & request_flags::kFullScreen) != 0;
  return {{"root", r.root},
          {"title", toUtf8(r.title)},
          {"kind", full ? "full screen" : "window"},
          {"flags", r.flags},
          {"monitor", r.monitor},
          {"parser_id", r.parserId},
          {"rect", rectJson(r.panelRect)},
          {"frame", rectJson(r.frameRect)},
          {"confirm", r.confirm},
          {"cancel", r.cancel},
          {"elements", elementsOf(byRoot, r.root)}};
}

json panelJson(const RootPanelView& p, std::map<VG_PANEL, json>& byRoot) {
  return {{"root", p.handle},
          {"monitor", p.monitor},
          {"parser_id", p.parserId},
          {"rect", rectJson(p.rect)},
          {"elements", elementsOf(byRoot, p.handle)}};
}

json pointerJson(const PointerState& p, int beeps) {
  return {{"x", p.x},       {"y", p.y},         {"look", p.look}, {"attrs", {p.attrs[0], p.attrs[1], p.attrs[2]}},
          {"busy", p.busy}, {"beeps", beeps}};
}

}  // namespace

json guiState(Host& host) {
  Panels& panels = host.panels();
  std::map<VG_PANEL, json> byRoot = elementsByRoot(panels.elements());
  json requests = json::array();
  for (const RequestView& r : panels.openRequests()) requests.push_back(requestJson(r, byRoot));
  json loose = json::array();
  for (const RootPanelView& p : panels.rootPanelsOutsideRequests()) loose.push_back(panelJson(p, byRoot));
  return {{"current_screen", panels.currentScreen()},
          {"default_monitor", host.display().defaultMonitor()},
          {"pointer", pointerJson(host.display().pointer(), host.display().beeps())},
          {"requests", requests},
          {"panels", loose}};
}

bool dumpGui(Host& host, const std::filesystem::path& file) { return writeJson(guiState(host), file); }

}  // namespace hostsim::program
