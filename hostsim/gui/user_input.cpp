// The user's actions: using elements, keys, pointer, commands and closing.
#include "hostsim/gui/user_input.h"

#include <algorithm>
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/elements_draw.h"
#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/panels.h"
#include "hostsim/kernel/kernel.h"

namespace hostsim {

namespace {

bool contains(VG_RECT r, int x, int y) { return x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height; }

}  // namespace

UserInput::UserInput(Host& host, Panels& panels) : host_(host), panels_(panels) {}

bool UserInput::fail(const std::string& what) const {
  host_.log().host(4, "user: " + what);
  return false;
}

bool UserInput::post(MSG_Q_ID queue, uint16_t msgClass, int32_t id, int32_t subCode, int32_t value) {
  HOST_MESSAGE m{};
  m.msgClass = msgClass;
  m.id = id;
  m.subCode = subCode;
  m.value = value;
  if (host_.kernel().send(queue, &m, sizeof m, 0, 0) != 0)
    return fail("queue " + std::to_string(queue) + " refused a message of class " + std::to_string(msgClass));
  return true;
}

bool UserInput::postToFront(uint16_t msgClass, int32_t id, int32_t subCode) {
  MSG_Q_ID queue = 0;
  {
    std::lock_guard lock(panels_.mutex_);
    const auto requests = panels_.model_->requestsFrontFirst();
    if (!requests.empty()) queue = requests.front()->queue;
  }
  if (!queue) return fail("no request is open to take a message of class " + std::to_string(msgClass));
  return post(queue, msgClass, id, subCode);
}

bool UserInput::key(uint16_t code, uint16_t qualifier) {
  return postToFront(HOST_MSG_KEY, static_cast<int32_t>(code | (static_cast<uint32_t>(qualifier) << 16)));
}

bool UserInput::command(int32_t id, int32_t step, int32_t times) {
  for (int32_t i = 0; i < times; ++i)
    if (!postToFront(HOST_MSG_COMMAND, id, step)) return false;
  return true;
}

bool UserInput::pointerMove(int16_t x, int16_t y) {
  return postToFront(HOST_MSG_POINTER,
                     static_cast<int32_t>(static_cast<uint16_t>(x) | (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16)));
}

bool UserInput::confirm() { return postToFront(HOST_MSG_POINTER_BUTTON, 1); }
bool UserInput::cancel() { return postToFront(HOST_MSG_POINTER_BUTTON, 2); }
bool UserInput::closeScreen() { return postToFront(HOST_MSG_CLOSE, 0); }

void UserInput::setForeignScreen(bool on) { panels_.setForeignScreen(on); }

bool UserInput::clickElement(VG_ELEMENT element, const ClickOptions& options) {
  std::lock_guard lock(panels_.mutex_);
  ElementRec* e = panels_.model_->element(element);
  if (!e) return fail("there is no element " + hexText(element));
  return clickLocked(*e, options);
}

bool UserInput::clickList(int32_t row, const ClickOptions& options) {
  std::lock_guard lock(panels_.mutex_);
  GuiModel& model = *panels_.model_;
  // Handles grow as elements are made: the first list view made is found first.
  for (const RequestRec* r : model.requestsFrontFirst())
    for (auto& [handle, e] : model.elements) {
      if (e.kind != ElementKind::Listview || model.rootOf(e.panel) != r->root) continue;
      ClickOptions chosen = options;
      chosen.entry.reset();
      chosen.value = row - 1;
      return clickLocked(e, chosen);
    }
  return fail("no open request has a list view");
}

bool UserInput::clickCaption(const std::string& caption, const ClickOptions& options, int32_t occurrence) {
  std::lock_guard lock(panels_.mutex_);
  const std::vector<ElementView> found = panels_.findAllByCaption(caption);
  if (found.empty()) return fail("no element reads \"" + caption + "\"");
  if (occurrence < 1 || static_cast<size_t>(occurrence) > found.size())
    return fail(std::to_string(found.size()) + (found.size() == 1 ? " element reads \"" : " elements read \"") + caption +
                "\"; there is no number " + std::to_string(occurrence));
  return clickLocked(*panels_.model_->element(found[static_cast<size_t>(occurrence) - 1].handle), options);
}

bool UserInput::clickShortcut(uint32_t code, const ClickOptions& options) {
  std::lock_guard lock(panels_.mutex_);
  GuiModel& model = *panels_.model_;
  for (bool keyOnly : {false, true})
    for (const RequestRec* r : model.requestsFrontFirst())
      for (auto& [handle, e] : model.elements) {
        if (model.rootOf(e.panel) != r->root || e.shortcut == 0) continue;
        if (keyOnly ? (e.shortcut & 0xFFFF) == (code & 0xFFFF) : e.shortcut == code) return clickLocked(e, options);
      }
  return fail("no element has the shortcut " + hexText(code));
}

bool UserInput::clickAt(int32_t monitor, int16_t x, int16_t y, const ClickOptions& options) {
  std::lock_guard lock(panels_.mutex_);
  GuiModel& model = *panels_.model_;
  for (const RequestRec* r : model.requestsFrontFirst()) {
    if (r->monitor != monitor) continue;
    if (x < r->covered.x0 || x > r->covered.x1 || y < r->covered.y0 || y > r->covered.y1) continue;
    // Later elements lie on top (click areas added over pictures).
    ElementRec* hit = nullptr;
    for (auto& [handle, e] : model.elements)
      if (e.kind != ElementKind::VirtualSlider && model.rootOf(e.panel) == r->root && contains(model.screenRect(e), x, y))
        hit = &e;
    if (!hit) return fail("nothing to use at " + std::to_string(x) + ", " + std::to_string(y));
    const VG_RECT sr = model.screenRect(*hit);
    ClickOptions at = options;
    at.at = std::make_pair(static_cast<int16_t>(x - sr.x), static_cast<int16_t>(y - sr.y));
    return clickLocked(*hit, at);
  }
  return fail("no request covers " + std::to_string(x) + ", " + std::to_string(y) + " on monitor " + std::to_string(monitor));
}

bool UserInput::clickLocked(ElementRec& e, const ClickOptions& options) {
  const RequestRec* request = panels_.model_->requestOf(e.panel);
  const std::string what = std::string(elementKindName(e.kind)) + " " + hexText(e.handle);
  if (!request) return fail(what + " is not on an open request");
  if (!e.enabled) {
    host_.log().host(6, "user: " + what + " is disabled and ignores the click");
    return true;
  }
  if (e.beeping) {
    host_.display().beep();
    host_.log().host(6, "user: " + what + " beeps");
    return true;
  }
  int32_t value = 0;
  if (!applyClick(e, options, value)) return false;
  panels_.drawLocked(e);
  return post(request->queue, HOST_MSG_ELEMENT, static_cast<int32_t>(e.handle), options.subEvent, value);
}

bool UserInput::applyClick(ElementRec& e, const ClickOptions& o, int32_t& value) {
  switch (e.kind) {
    case ElementKind::CheckBox:
      e.value = o.value ? (*o.value & 1) : ((e.value & 1) ^ 1);
      value = e.value;
      return true;
    case ElementKind::ImageButton:
      if (e.altImage.empty()) break;
      // A button with a second image is a switch: each click flips it.
      e.active = o.value ? (*o.value & 1) != 0 : !e.active;
      value = e.active ? 1 : 0;
      return true;
    case ElementKind::ClickGadget: {
      const int16_t x = o.at ? o.at->first : static_cast<int16_t>(e.rect.width / 2);
      const int16_t y = o.at ? o.at->second : static_cast<int16_t>(e.rect.height / 2);
      value = o.value.value_or(static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(x)) << 16) | static_cast<uint16_t>(y)));
      return true;
    }
    case ElementKind::PaletteButton: value = o.value.value_or(static_cast<int32_t>(e.colour)); return true;
    case ElementKind::Slider:
    case ElementKind::VirtualSlider: {
      int64_t v = e.value;
      if (o.value) v = *o.value;
      else if (o.at && e.kind == ElementKind::Slider) v = sliderValueAt(e, o.at->first);
      const int64_t lo = std::min(e.minimum, e.maximum), hi = std::max(e.minimum, e.maximum);
      e.value = static_cast<int32_t>(std::clamp<int64_t>(v, lo, hi));
      updateValueText(e, panels_.fps());
      value = e.value;
      return true;
    }
    case ElementKind::Popup:
    case ElementKind::Listview: return chooseRow(e, o, value);
    case ElementKind::TextButton:
      if (!e.isSelectButton()) break;
      // Pressing a select button lights it and puts out the one lit before.
      panels_.lightLocked(e);
      break;
    default: break;
  }
  value = o.value.value_or(e.kind == ElementKind::TextButton || e.kind == ElementKind::ImageButton ? 1 : e.value);
  return true;
}

bool UserInput::chooseRow(ElementRec& e, const ClickOptions& o, int32_t& value) {
  int32_t row = e.value;
  if (o.entry) {
    row = -1;
    for (size_t i = 0; i < e.rows.size() && row < 0; ++i)
      if (toUtf8(e.rows[i].text) == *o.entry) row = static_cast<int32_t>(i);
    if (row < 0) return fail(std::string(elementKindName(e.kind)) + " has no entry \"" + *o.entry + "\"");
  } else if (o.value) {
    row = *o.value;
  } else if (o.at && e.kind == ElementKind::Listview) {
    row = listRowAt(e, o.at->second, listRowHeight(host_.display().defaultMonitor()));
  }
  if (row < 0 || row >= static_cast<int32_t>(e.rows.size()))
    return fail(std::string(elementKindName(e.kind)) + " has no row " + std::to_string(row));
  e.value = row;
  keepSelectionVisible(e, listRowHeight(host_.display().defaultMonitor()));
  value = row;
  return true;
}

}  // namespace hostsim
