#include "guilayout/container.h"

#include "arith.h"

using guilayout::raiseThenLower;

vgsContainer::vgsContainer(vgsLayout* layout) : layout_(layout) {}

void vgsContainer::addChild(vgsComponent* child) {
  if (!child) return;
  children_.push_back(child);
  recomputeSizes();
}

void vgsContainer::setInsets(int16_t left, int16_t right, int16_t top, int16_t bottom) {
  insets_ = {left, right, top, bottom};
  // Sizes already summed over the children must take the new insets in.
  if (!children_.empty()) recomputeSizes();
}

void vgsContainer::recomputeSizes() {
  if (!layout_) return;
  const vgsSize minimum = layout_->sumSize(*this, vgsSizeSelector::Minimum);
  const vgsSize maximum = layout_->maxSize(*this);
  const vgsSize preferred = layout_->sumSize(*this, vgsSizeSelector::Preferred);
  geo_.minWidth = minimum.width;
  geo_.minHeight = minimum.height;
  geo_.maxWidth = maximum.width;
  geo_.maxHeight = maximum.height;
  geo_.prefWidth = preferred.width;
  geo_.prefHeight = preferred.height;
}

void vgsContainer::setBounds(const VG_RECT& rect) {
  if (!layout_) {
    vgsComponent::setBounds(rect);
    return;
  }
  const vgsSize minimum = layout_->sumSize(*this, vgsSizeSelector::Minimum);
  const vgsSize maximum = layout_->maxSize(*this);
  const int16_t w = std::min({std::max(rect.width, minimum.width), maximum.width, geo_.maxWidth});
  const int16_t h = std::min({std::max(rect.height, minimum.height), maximum.height, geo_.maxHeight});
  geo_.x = rect.x;
  geo_.y = rect.y;
  geo_.width = raiseThenLower(w, geo_.minWidth, geo_.maxWidth);
  geo_.height = raiseThenLower(h, geo_.minHeight, geo_.maxHeight);
  // The size is settled: the children are laid out in exactly w x h.
  geo_.prefWidth = w;
  geo_.prefHeight = h;
  geo_.maxWidth = w;
  geo_.maxHeight = h;
  geo_.minWidth = std::min(geo_.minWidth, w);
  geo_.minHeight = std::min(geo_.minHeight, h);
  layout_->place(*this);
}

bool vgsContainer::create(VG_PANEL panel) {
  if (!panel) return false;
  bool allCreated = true;
  for (vgsComponent* child : children_) {
    child->moveBy(geo_.x, geo_.y);
    allCreated = child->create(panel) && allCreated;
  }
  return allCreated;
}
