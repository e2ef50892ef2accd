// Elements: creation, tags and states.
#include <algorithm>
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/elements_draw.h"
#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/metrics.h"
#include "hostsim/gui/panels.h"

namespace hostsim {

namespace {

// Lists are the caller's memory: a cycle or a runaway list must not hang us.
constexpr int kMaxRows = 100000;

std::vector<ListRow> rowsOf(const HOST_LIST* list) {
  std::vector<ListRow> rows;
  if (!list) return rows;
  for (const HOST_NODE* n = list->head; n && static_cast<int>(rows.size()) < kMaxRows; n = n->next)
    rows.push_back(ListRow::copyOf(*reinterpret_cast<const VG_LIST_ENTRY*>(n)));
  return rows;
}

int32_t clampValue(const ElementRec& e, int64_t v) {
  const int64_t lo = std::min(e.minimum, e.maximum), hi = std::max(e.minimum, e.maximum);
  return static_cast<int32_t>(std::clamp<int64_t>(v, lo, hi));
}

int32_t clampRow(const ElementRec& e, int64_t row) {
  if (e.rows.empty()) return -1;
  return static_cast<int32_t>(std::clamp<int64_t>(row, 0, static_cast<int64_t>(e.rows.size()) - 1));
}

bool isSelectTag(int32_t tag) { return tag == VG_TAG_LIST_SELECTED || tag == VG_TAG_LIST_SELECT || tag == VG_TAG_POPUP_SELECT; }

}  // namespace

void Panels::drawLocked(const ElementRec& e) {
  const PanelRec* p = model_->panel(e.panel);
  Screen& screen = host_.display().screen();
  if (!p || !screen.validMonitor(p->monitor)) return;
  UnclippedDrawing unclipped(screen, p->monitor);
  DrawContext ctx{screen, p->monitor, fps(), listRowHeight(host_.display().defaultMonitor()),
                  yuvToArgb(host_.display().newGuiColour(2))};
  drawElement(ctx, model_->screenRect(e), e);
}

VG_ELEMENT Panels::addElement(VG_PANEL panel, const ElementSpec& wanted) {
  std::lock_guard lock(mutex_);
  PanelRec* p = model_->panel(panel);
  if (!p) {
    host_.log().host(4, std::string("add ") + elementKindName(wanted.kind) + ": no panel " + hexText(panel));
    return 0;
  }
  if (wanted.kind != ElementKind::VirtualSlider && (wanted.rect.width <= 0 || wanted.rect.height <= 0)) {
    host_.log().host(4, std::string("add ") + elementKindName(wanted.kind) + ": empty size");
    return 0;
  }
  ElementRec e;
  e.handle = model_->newHandle();
  e.kind = wanted.kind;
  e.panel = panel;
  e.rect = wanted.rect;
  e.caption = copyText(wanted.caption);
  e.label = copyText(wanted.label);
  e.labelWidth = std::max<int16_t>(0, wanted.labelWidth);
  e.text = copyText(wanted.text);
  e.minimum = wanted.minimum;
  e.maximum = wanted.maximum;
  e.maxChars = wanted.maxChars;
  e.flags = wanted.flags;
  e.colour = wanted.colour;
  e.textFn = wanted.textFn;
  e.image = OwnedImage::copyOf(wanted.image);
  e.altImage = OwnedImage::copyOf(wanted.altImage);
  e.value = wanted.value;
  if (e.kind == ElementKind::Popup || e.kind == ElementKind::Listview) {
    e.sourceList = wanted.entries;
    e.rows = rowsOf(wanted.entries);
    e.value = wanted.value < 0 ? -1 : clampRow(e, wanted.value);
    if (e.kind == ElementKind::Listview) takeListAnswer(e);
  } else if (e.kind == ElementKind::Slider || e.kind == ElementKind::VirtualSlider) {
    e.value = clampValue(e, wanted.value);
  } else if (e.kind == ElementKind::CheckBox) {
    e.value = wanted.value != 0 ? 1 : 0;
  }
  updateValueText(e, fps());
  keepSelectionVisible(e, listRowHeight(host_.display().defaultMonitor()));
  p->elements.push_back(e.handle);
  const VG_ELEMENT handle = e.handle;
  auto [it, added] = model_->elements.emplace(handle, std::move(e));
  ElementRec& created = it->second;
  if (created.isSelectButton() && (created.flags & ElementRec::kStartsLitFlag) != 0) lightLocked(created);
  // A picture button with a second picture is a switch; its value says how it starts.
  if (created.kind == ElementKind::ImageButton && !created.altImage.empty()) created.active = (created.value & 1) != 0;
  drawLocked(created);
  return handle;
}

// A list view that is made takes the user's "answer list" when it comes
// next: its row is selected as if the user had clicked it.
void Panels::takeListAnswer(ElementRec& e) {
  const std::optional<Answer> answer = host_.user().takeAnswer(AnswerKind::List);
  if (!answer) return;
  const std::string what = "list view " + hexText(e.handle);
  if (answer->number < 1 || answer->number > static_cast<int64_t>(e.rows.size())) {
    host_.log().host(4, "user: " + what + " has no row " + std::to_string(answer->number) + "; its selection stays");
    return;
  }
  e.value = static_cast<int32_t>(answer->number - 1);
  host_.log().host(6, "user: " + what + ": row " + std::to_string(answer->number) + " selected");
}

void Panels::lightLocked(ElementRec& e) {
  for (ElementRec* changed : model_->light(e))
    if (changed != &e) drawLocked(*changed);
}

ElementRec* Panels::checkedElement(VG_PANEL panel, VG_ELEMENT element, const char* what) {
  ElementRec* e = model_->element(element);
  if (!e) {
    host_.log().host(4, std::string(what) + ": no element " + hexText(element));
    return nullptr;
  }
  // A caller may address an element through any panel above it (a list
  // view sitting on a panel of its own is read through the request's root).
  if (!model_->isAncestor(panel, e->panel)) {
    host_.log().host(4, std::string(what) + ": element " + hexText(element) + " is not on panel " + hexText(panel));
    return nullptr;
  }
  return e;
}

int32_t Panels::changeElement(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t value) {
  std::lock_guard lock(mutex_);
  if (element == 0) {  // attributes of the panel itself
    PanelRec* p = model_->panel(panel);
    if (!p) return -1;
    p->tags[tag] = value;
    return 0;
  }
  ElementRec* e = checkedElement(panel, element, "vgChangeElement");
  if (!e) return -1;
  const int32_t result = changeTag(*e, tag, value);
  if (result == 0) {
    updateValueText(*e, fps());
    keepSelectionVisible(*e, listRowHeight(host_.display().defaultMonitor()));
    drawLocked(*e);
  }
  return result;
}

int32_t Panels::changeTag(ElementRec& e, int32_t tag, intptr_t value) {
  const auto entry = reinterpret_cast<const VG_LIST_ENTRY*>(value);
  switch (tag) {
    case VG_TAG_COLOUR: e.colour = static_cast<uint32_t>(value); break;
    case VG_TAG_LIST_REMOVE:
      if (!e.hasRows() || e.value < 0 || e.value >= static_cast<int32_t>(e.rows.size())) return -1;
      e.rows.erase(e.rows.begin() + e.value);
      e.value = clampRow(e, e.value);
      break;
    case VG_TAG_LIST_COUNT: return -1;  // read only
    case VG_TAG_LIST_REFRESH:
      if (!e.hasRows()) return -1;
      e.rows = rowsOf(e.sourceList);
      e.value = e.value < 0 ? -1 : clampRow(e, e.value);
      break;
    case VG_TAG_LIST_ADD_TOP:
      if (!e.hasRows() || !entry) return -1;
      e.rows.insert(e.rows.begin(), ListRow::copyOf(*entry));
      if (e.value >= 0) ++e.value;
      break;
    case VG_TAG_LIST_ADD_AFTER: {
      if (!e.hasRows() || !entry) return -1;
      const size_t at = e.value < 0 ? e.rows.size() : static_cast<size_t>(e.value) + 1;
      e.rows.insert(e.rows.begin() + static_cast<std::ptrdiff_t>(std::min(at, e.rows.size())), ListRow::copyOf(*entry));
      break;
    }
    case VG_TAG_SLIDER_MAX:
      e.maximum = static_cast<int32_t>(value);
      e.value = clampValue(e, e.value);
      break;
    case VG_TAG_SLIDER_VALUE:
    case VG_TAG_TIME:
      e.value = (e.kind == ElementKind::Slider || e.kind == ElementKind::VirtualSlider) ? clampValue(e, value)
                                                                                        : static_cast<int32_t>(value);
      break;
    case VG_TAG_TEXT:
    case VG_TAG_TEXT_ALT: e.text = copyText(reinterpret_cast<const XCHAR*>(value)); break;
    case VG_TAG_CAPTION: e.caption = copyText(reinterpret_cast<const XCHAR*>(value)); break;
    case VG_TAG_ID: e.shortcut = static_cast<uint32_t>(value); break;
    case VG_TAG_CHECKED: e.value = value != 0 ? 1 : 0; break;
    default:
      if (isSelectTag(tag)) {
        if (!e.hasRows()) return -1;
        e.value = value < 0 ? -1 : clampRow(e, value);
      }
      break;
  }
  e.tags[tag] = value;
  return 0;
}

int32_t Panels::elementInfo(VG_PANEL panel, VG_ELEMENT element, int32_t tag, intptr_t* value) {
  std::lock_guard lock(mutex_);
  if (!value) return -1;
  if (element == 0) {
    const PanelRec* p = model_->panel(panel);
    if (!p || !p->tags.count(tag)) return -1;
    *value = p->tags.at(tag);
    return 0;
  }
  const ElementRec* e = checkedElement(panel, element, "vgGetElementInfo");
  if (!e) return -1;
  const std::optional<intptr_t> v = readTag(*e, tag);
  if (!v) return -1;
  *value = *v;
  return 0;
}

std::optional<intptr_t> Panels::readTag(const ElementRec& e, int32_t tag) const {
  const bool rowSelected = e.hasRows() && e.value >= 0 && e.value < static_cast<int32_t>(e.rows.size());
  switch (tag) {
    case VG_TAG_COLOUR: return static_cast<intptr_t>(e.colour);
    case VG_TAG_ROW_TYPE:
      // The type alone: a plain row whose value happens to equal another
      // kind's type must never read as a row of that kind.
      if (!rowSelected) return std::nullopt;
      return e.rows[e.value].type;
    case VG_TAG_LIST_COUNT:
      if (!e.hasRows()) return std::nullopt;
      return static_cast<intptr_t>(e.rows.size());
    case VG_TAG_POPUP_VALUE:
      if (!rowSelected) return std::nullopt;
      return e.rows[e.value].value;
    case VG_TAG_SLIDER_MAX: return e.maximum;
    case VG_TAG_SLIDER_VALUE:
    case VG_TAG_TIME: return e.value;
    case VG_TAG_TEXT:
    case VG_TAG_TEXT_ALT: return reinterpret_cast<intptr_t>(e.text.c_str());
    case VG_TAG_CAPTION: return reinterpret_cast<intptr_t>(e.caption.c_str());
    case VG_TAG_ID: return e.shortcut;
    case VG_TAG_CHECKED: return e.value & 1;
    default: break;
  }
  if (isSelectTag(tag) && e.hasRows()) return e.value;
  auto it = e.tags.find(tag);
  if (it == e.tags.end()) return std::nullopt;
  return it->second;
}

int32_t Panels::setState(VG_PANEL panel, VG_ELEMENT element, ElementState state) {
  std::lock_guard lock(mutex_);
  ElementRec* e = checkedElement(panel, element, "element state");
  if (!e) return -1;
  switch (state) {
    case ElementState::Activate: lightLocked(*e); break;
    case ElementState::Inactivate: e->active = false; break;
    case ElementState::Enable: e->enabled = true; break;
    case ElementState::Disable: e->enabled = false; break;
    case ElementState::Beep: e->beeping = true; return 0;
    case ElementState::UnBeep: e->beeping = false; return 0;
  }
  drawLocked(*e);
  return 0;
}

}  // namespace hostsim
