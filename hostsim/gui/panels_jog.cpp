// The jog slider of a root panel and the gadget extension records.
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/panels.h"

namespace hostsim {

namespace {
ElementRec* virtualSliderOf(GuiModel& model, VG_PANEL root) {
  for (auto& [handle, e] : model.elements)
    if (e.kind == ElementKind::VirtualSlider && e.panel == root) return &e;
  return nullptr;
}
}  // namespace

VG_ELEMENT Panels::addVirtualSlider(VG_PANEL root, int32_t minimum, int32_t maximum, int32_t start, uint32_t flags) {
  std::lock_guard lock(mutex_);
  if (!model_->panel(root)) {
    host_.log().host(4, "vgAddVirtualSlider: no panel " + hexText(root));
    return 0;
  }
  // A root has one jog slider: a new one replaces it, an empty range removes it.
  if (ElementRec* old = virtualSliderOf(*model_, root)) removeElementLocked(old->handle);
  if (minimum == 0 && maximum == 0) return 0;
  ElementSpec wanted;
  wanted.kind = ElementKind::VirtualSlider;
  wanted.minimum = minimum;
  wanted.maximum = maximum;
  wanted.value = start;
  wanted.flags = flags;
  const VG_ELEMENT made = addElement(root, wanted);
  if (ElementRec* e = model_->element(made)) e->jogStart = e->value;
  return made;
}

int32_t Panels::activateVirtualSlider(VG_PANEL root, bool on) {
  std::lock_guard lock(mutex_);
  ElementRec* e = virtualSliderOf(*model_, root);
  if (!e) return -1;
  // A positioning starts where the slider stands now: that is where the
  // jog's cancel takes it back to.
  if (on && !e->active) e->jogStart = e->value;
  e->active = on;
  return 0;
}

int32_t Panels::setVirtualSliderPageSize(VG_PANEL root, int32_t pageSize) {
  std::lock_guard lock(mutex_);
  ElementRec* e = virtualSliderOf(*model_, root);
  if (!e || pageSize < 0) return -1;
  e->pageSize = pageSize;
  return 0;
}

VG_GADEXT* Panels::allocGadgetExtension() {
  std::lock_guard lock(mutex_);
  auto ext = std::make_unique<VG_GADEXT>();
  VG_GADEXT* raw = ext.get();
  model_->gadgetExtensions.emplace(raw, std::move(ext));
  return raw;
}

void Panels::freeGadgetExtension(VG_GADEXT* ext) {
  std::lock_guard lock(mutex_);
  if (!ext) return;
  if (!model_->gadgetExtensions.erase(ext))
    host_.log().host(4, "vgFreeGadExt: not a gadget extension of the host (ignored)");
}

}  // namespace hostsim
