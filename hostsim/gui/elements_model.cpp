#include "hostsim/core/text.h"
#include "hostsim/gui/elements_model.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "hostsim/gui/elements_draw.h"
#include "hostsim/gui/metrics.h"

namespace hostsim {

const char* elementKindName(ElementKind kind) {
  switch (kind) {
    case ElementKind::TextButton: return "text button";
    case ElementKind::CheckBox: return "check box";
    case ElementKind::ClickGadget: return "click area";
    case ElementKind::ImageButton: return "image button";
    case ElementKind::PaletteButton: return "palette button";
    case ElementKind::Slider: return "slider";
    case ElementKind::StringGadget: return "string gadget";
    case ElementKind::TextGadget: return "text gadget";
    case ElementKind::TimeGadget: return "time gadget";
    case ElementKind::Popup: return "popup";
    case ElementKind::Listview: return "list view";
    case ElementKind::VirtualSlider: return "virtual slider";
  }
  return "element";
}

std::string hexText(uint32_t handle) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", handle);
  return buf;
}

OwnedImage OwnedImage::copyOf(const VG_IMAGE* image) {
  OwnedImage out;
  if (!image || !image->pixels || image->width <= 0 || image->height <= 0) return out;
  out.width = image->width;
  out.height = image->height;
  const size_t bytes = static_cast<size_t>(image->width) * static_cast<size_t>(image->height) * 4;
  out.pixels.assign(image->pixels, image->pixels + bytes);
  return out;
}

VG_IMAGE OwnedImage::view() const {
  VG_IMAGE v{};
  v.pixels = const_cast<uint8_t*>(pixels.data());
  v.width = width;
  v.height = height;
  return v;
}

namespace {
}  // namespace

ListRow ListRow::copyOf(const VG_LIST_ENTRY& entry) {
  ListRow r;
  r.text = copyText(entry.text);
  r.text2 = copyText(entry.text2);
  r.value = entry.value;
  r.type = entry.type;
  r.flags = entry.flags;
  r.image = OwnedImage::copyOf(entry.image);
  return r;
}

PanelRec* GuiModel::panel(VG_PANEL handle) {
  auto it = panels.find(handle);
  return it == panels.end() ? nullptr : &it->second;
}

const PanelRec* GuiModel::panel(VG_PANEL handle) const {
  auto it = panels.find(handle);
  return it == panels.end() ? nullptr : &it->second;
}

ElementRec* GuiModel::element(VG_ELEMENT handle) {
  auto it = elements.find(handle);
  return it == elements.end() ? nullptr : &it->second;
}

const ElementRec* GuiModel::element(VG_ELEMENT handle) const {
  auto it = elements.find(handle);
  return it == elements.end() ? nullptr : &it->second;
}

VG_PANEL GuiModel::rootOf(VG_PANEL handle) const {
  const PanelRec* p = panel(handle);
  while (p && p->parent != 0) p = panel(p->parent);
  return p ? p->handle : 0;
}

std::vector<ElementRec*> GuiModel::light(ElementRec& e) {
  std::vector<ElementRec*> changed;
  if (e.isSelectButton()) {
    const VG_PANEL root = rootOf(e.panel);
    for (auto& [handle, other] : elements)
      if (&other != &e && other.active && other.isSelectButton() && rootOf(other.panel) == root) {
        other.active = false;
        changed.push_back(&other);
      }
  }
  if (!e.active) {
    e.active = true;
    changed.push_back(&e);
  }
  return changed;
}

bool GuiModel::isAncestor(VG_PANEL ancestor, VG_PANEL handle) const {
  for (const PanelRec* p = panel(handle); p; p = panel(p->parent))
    if (p->handle == ancestor) return true;
  return false;
}

const RequestRec* GuiModel::requestOf(VG_PANEL handle) const {
  auto it = requests.find(rootOf(handle));
  return it == requests.end() ? nullptr : &it->second;
}

VG_RECT GuiModel::screenRect(const ElementRec& e) const {
  VG_RECT r = e.rect;
  if (const PanelRec* p = panel(e.panel)) {
    r.x = static_cast<int16_t>(r.x + p->screen.x);
    r.y = static_cast<int16_t>(r.y + p->screen.y);
  }
  return r;
}

std::vector<const RequestRec*> GuiModel::requestsFrontFirst() const {
  std::vector<const RequestRec*> out;
  for (const auto& [root, req] : requests) out.push_back(&req);
  std::sort(out.begin(), out.end(), [](const RequestRec* a, const RequestRec* b) { return a->order > b->order; });
  return out;
}

// Texts derived from the value: a slider's value text and a time display.
void updateValueText(ElementRec& e, int32_t fps) {
  if (e.kind == ElementKind::TimeGadget) {
    e.text = metrics::framesTime(e.value / 2, fps);
  } else if (e.kind == ElementKind::Slider && e.textFn) {
    XCHAR buf[VG_TIME_TEXT_MAX * 2] = {};
    const int32_t n = e.textFn(e.value, buf);
    buf[std::clamp<int32_t>(n, 0, VG_TIME_TEXT_MAX * 2 - 1)] = 0;
    e.text = buf;
  }
}

void keepSelectionVisible(ElementRec& e, int16_t rowHeight) {
  if (e.kind != ElementKind::Listview) return;
  const int32_t shown = std::max(1, visibleRows(e.rect.height, rowHeight));
  const int32_t count = static_cast<int32_t>(e.rows.size());
  if (e.value >= 0 && e.value < e.firstVisible) e.firstVisible = e.value;
  if (e.value >= e.firstVisible + shown) e.firstVisible = e.value - shown + 1;
  e.firstVisible = std::clamp(e.firstVisible, 0, std::max(0, count - shown));
}

}  // namespace hostsim
