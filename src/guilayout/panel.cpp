#include "guilayout/container.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"

vgsPanel::vgsPanel(vgsLayout* layout, uint32_t flags1, uint32_t flags2, uint32_t flags3)
    : vgsContainer(layout), flags_{flags1, flags2, flags3} {
  geo_.width = geo_.height = 32;
  geo_.minWidth = geo_.minHeight = 32;
  geo_.prefWidth = geo_.prefHeight = 32;
  const int16_t inset = static_cast<int16_t>(vgConvertWidth(6) + 2);
  insets_ = {inset, inset, inset, inset};
}

bool vgsPanel::create(VG_PANEL parent) {
  handle_ = vgCreatePanel(parent, geo_.x, geo_.y, geo_.width, geo_.height, flags_[0], flags_[1], flags_[2]);
  if (!handle_) {
    OS3_LOG(ostrel3::kLogFailed);
    return false;
  }
  // The new panel is the children's coordinate space: their positions stay.
  bool allCreated = true;
  for (vgsComponent* child : children_) allCreated = child->create(handle_) && allCreated;
  return allCreated;
}
