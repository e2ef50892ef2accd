#include "hostsim/media/operator_gui.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/gui/metrics.h"
#include "hostsim/gui/panels.h"
#include "hostsim/media/operators.h"

namespace hostsim {

namespace {

constexpr int32_t kByteMax = 255;

int16_t i16(int v) { return static_cast<int16_t>(std::clamp(v, -0x8000, 0x7FFF)); }

std::string hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", v);
  return text;
}

// The value shown at a slider's right end.
int32_t settingText(int32_t value, XCHAR* text) {
  char digits[16];
  // Three places for every value, so that the tracks of a column line up.
  const int n = std::snprintf(digits, sizeof digits, "%3d", value);
  for (int i = 0; i <= n; ++i) text[i] = static_cast<XCHAR>(digits[i]);
  return n;
}

// Captions take what they need, up to half a column: the slider keeps room.
int16_t labelWidthFor(const std::vector<std::u16string>& captions, int16_t columnWidth) {
  int widest = 0;
  for (const auto& c : captions) widest = std::max<int>(widest, metrics::textLength(c.c_str()));
  return i16(std::min(widest + 16, columnWidth / 2));
}

}  // namespace

SettingsLayout layoutSettings(int32_t count, int16_t width, int16_t height) {
  SettingsLayout l;
  const int pitch = kSettingRowHeight + kSettingRowGap;
  const int rows = std::max(0, (height + kSettingRowGap) / pitch);
  if (count <= 0 || rows == 0 || width <= 0) {
    l.hidden = std::max(0, count);
    return l;
  }
  const int needed = (count + rows - 1) / rows;
  const int fitting = std::max(1, (width + kSettingColumnGap) / (kSettingMinColumnWidth + kSettingColumnGap));
  const int columns = std::min(needed, fitting);
  const int columnWidth = (width - (columns - 1) * kSettingColumnGap) / columns;
  auto slot = [&](int i) {
    return VG_RECT{i16((i / rows) * (columnWidth + kSettingColumnGap)), i16((i % rows) * pitch), i16(columnWidth),
                   kSettingRowHeight};
  };
  const int capacity = rows * columns;
  // When not all fit, the last place says how many are left out.
  const int shown = count <= capacity ? count : capacity - 1;
  for (int i = 0; i < shown; ++i) l.controls.push_back(slot(i));
  l.hidden = count - shown;
  if (l.hidden > 0) l.note = slot(capacity - 1);
  return l;
}

OperatorGuis::OperatorGuis(Host& host, OperatorDirectory& directory) : host_(host), directory_(directory) {}

OperatorGuis::View* OperatorGuis::find(const MAIN_OP_GADGETS* gadgets) {
  if (!gadgets || gadgets->words[0] != kMagic) return nullptr;
  auto it = guis_.find(gadgets->words[1]);
  return it == guis_.end() ? nullptr : &it->second;
}

std::string OperatorGuis::captionOf(const std::string& path, size_t byte) const {
  const OperatorConfig* known = directory_.find(path);
  return known ? settingCaption(*known, byte) : "Setting " + std::to_string(byte + 1);
}

bool OperatorGuis::addControls(View& gui, VG_RECT area, const std::vector<uint8_t>& prefs) {
  Panels& panels = host_.panels();
  const SettingsLayout layout = layoutSettings(static_cast<int32_t>(prefs.size()), area.width, area.height);
  std::vector<std::u16string> captions;
  for (size_t i = 0; i < layout.controls.size(); ++i) captions.push_back(fromUtf8Lossy(captionOf(gui.path, i)));
  const int16_t labelWidth = layout.controls.empty() ? 0 : labelWidthFor(captions, layout.controls[0].width);
  for (size_t i = 0; i < layout.controls.size(); ++i) {
    ElementSpec s;
    s.kind = ElementKind::Slider;
    s.rect = layout.controls[i];
    s.label = captions[i].c_str();
    s.labelWidth = labelWidth;
    s.minimum = 0;
    s.maximum = kByteMax;
    s.value = prefs[i];
    s.textFn = settingText;
    const VG_ELEMENT e = panels.addElement(gui.panel, s);
    if (!e) return false;
    gui.controls.push_back({e, toUtf8(captions[i]), static_cast<int32_t>(i)});
  }
  std::u16string note;
  VG_RECT noteRect = layout.note;
  if (prefs.empty()) {
    note = u"This operator has no settings.";
    noteRect = {0, 0, area.width, std::min<int16_t>(kSettingRowHeight, area.height)};
  } else if (layout.hidden > 0) {
    note = fromUtf8Lossy("+ " + std::to_string(layout.hidden) + " more settings not shown");
  }
  if (note.empty()) return true;
  ElementSpec s;
  s.kind = ElementKind::TextGadget;
  s.rect = noteRect;
  s.text = note.c_str();
  return panels.addElement(gui.panel, s) != 0;
}

int32_t OperatorGuis::build(VG_PANEL window, VG_RECT area, OP_HANDLE op, MAIN_OP_GADGETS* gadgets) {
  std::lock_guard lock(mutex_);
  if (!gadgets) {
    host_.log().host(4, "mainBuildOpGui: no gadgets record");
    return -1;
  }
  if (View* held = find(gadgets)) {
    host_.log().host(4, "mainBuildOpGui: the gadgets record already holds settings window " + std::to_string(held->id));
    return -1;
  }
  View gui;
  gui.op = op;
  gui.path = directory_.pathOf(op);
  gui.window = window;
  if (gui.path.empty()) {
    host_.log().host(4, "mainBuildOpGui: operator " + hex(op) + " is not loaded");
    return -1;
  }
  const uint32_t noFlags[3] = {0, 0, 0};
  gui.panel = area.width > 0 && area.height > 0 ? host_.panels().createPanel(window, area, noFlags) : 0;
  if (!gui.panel) {
    host_.log().host(4, "mainBuildOpGui: no room for the settings of " + gui.path + " on panel " + hex(window));
    return -1;
  }
  if (!addControls(gui, area, directory_.prefs(op))) {
    host_.panels().removePanel(gui.panel);
    host_.log().host(4, "mainBuildOpGui: the controls of " + gui.path + " could not be made");
    return -1;
  }
  gui.id = nextId_++;
  std::memset(gadgets->words, 0, sizeof gadgets->words);
  gadgets->words[0] = kMagic;
  gadgets->words[1] = gui.id;
  gadgets->words[2] = gui.panel;
  gadgets->words[3] = static_cast<uint32_t>(gui.controls.size());
  for (size_t i = 0; i < gui.controls.size() && i + 4 < 16; ++i) gadgets->words[i + 4] = gui.controls[i].element;
  guis_.emplace(gui.id, std::move(gui));
  return 0;
}

int32_t OperatorGuis::handle(const HOST_MESSAGE* message, MAIN_OP_GADGETS* gadgets, OP_HANDLE op) {
  std::lock_guard lock(mutex_);
  View* gui = find(gadgets);
  if (!gui || !message) {
    host_.log().host(4, gui ? "mainDoOpGui: no message" : "mainDoOpGui: the gadgets record holds no settings window");
    return -1;
  }
  if (gui->op != op) {
    host_.log().host(4, "mainDoOpGui: settings window " + std::to_string(gui->id) + " belongs to operator " +
                            hex(gui->op) + ", not " + hex(op));
    return -1;
  }
  if (message->msgClass != HOST_MSG_ELEMENT) return 1;
  auto control = std::find_if(gui->controls.begin(), gui->controls.end(),
                              [&](const Control& c) { return c.element == static_cast<VG_ELEMENT>(message->id); });
  if (control == gui->controls.end()) return 1;
  const std::optional<ElementView> element = host_.panels().findElement(control->element);
  std::vector<uint8_t> prefs = directory_.prefs(op);
  if (!element || static_cast<size_t>(control->byte) >= prefs.size()) {
    host_.log().host(4, "mainDoOpGui: " + gui->path + " is no longer loaded or its window is gone");
    return -1;
  }
  const uint8_t value = static_cast<uint8_t>(std::clamp(element->value, 0, kByteMax));
  uint8_t& byte = prefs[static_cast<size_t>(control->byte)];
  if (byte == value) return 1;
  host_.log().host(6, "settings of " + gui->path + ": " + control->caption + " " + std::to_string(byte) + " -> " +
                          std::to_string(value));
  byte = value;
  return directory_.setPrefs(op, prefs.data(), prefs.size()) ? 0 : -1;
}

void OperatorGuis::remove(MAIN_OP_GADGETS* gadgets, OP_HANDLE op) {
  std::lock_guard lock(mutex_);
  View* gui = find(gadgets);
  if (!gui) {
    host_.log().host(4, "mainRemoveOpGui: the gadgets record holds no settings window");
    return;
  }
  // The controls go whoever asks: a window left standing would be worse.
  if (gui->op != op)
    host_.log().host(4, "mainRemoveOpGui: settings window " + std::to_string(gui->id) + " belongs to operator " +
                            hex(gui->op) + ", not " + hex(op) + "; removed all the same");
  // A window deleted first took the controls with it; one that stays shows
  // its background where they were.
  if (host_.panels().place(gui->panel)) {
    host_.panels().clearPanel(gui->panel);
    host_.panels().removePanel(gui->panel);
  }
  guis_.erase(gui->id);
  std::memset(gadgets->words, 0, sizeof gadgets->words);
}

std::vector<OperatorGuis::View> OperatorGuis::views() const {
  std::lock_guard lock(mutex_);
  std::vector<View> out;
  for (const auto& [id, gui] : guis_) out.push_back(gui);
  return out;
}

std::vector<std::string> OperatorGuis::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const auto& [id, gui] : guis_) out.push_back("operator settings window " + std::to_string(id) + " of " + gui.path);
  return out;
}

}  // namespace hostsim
