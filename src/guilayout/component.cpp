#include "guilayout/component.h"

#include "arith.h"
#include "ostrel3/shell/log.h"

using guilayout::evenDown;
using guilayout::raiseThenLower;

void vgsComponent::copyGeometry(const vgsComponent& other) { geo_ = other.geo_; }

void vgsComponent::setBounds(const VG_RECT& rect) {
  geo_.x = rect.x;
  geo_.y = rect.y;
  geo_.width = raiseThenLower(rect.width, geo_.minWidth, geo_.maxWidth);
  geo_.height = raiseThenLower(rect.height, geo_.minHeight, geo_.maxHeight);
}

bool vgsComponent::create(VG_PANEL) {
  // A bare component stands for no host element: reaching here is a slip in
  // the caller's tree, worth a line but nothing worse.
  OS3_LOG(ostrel3::kLogFailed);
  return true;
}

int16_t vgsComponent::clampWidth(int16_t width) const {
  return raiseThenLower(evenDown(width), geo_.minWidth, geo_.maxWidth);
}

int16_t vgsComponent::clampHeight(int16_t height) const {
  return raiseThenLower(evenDown(height), geo_.minHeight, geo_.maxHeight);
}

void vgsComponent::setPreferredSize(int16_t width, int16_t height) {
  geo_.prefWidth = std::max(width, geo_.minWidth);
  geo_.prefHeight = std::max(height, geo_.minHeight);
}

void vgsComponent::setMaximumSize(int16_t width, int16_t height) {
  geo_.maxWidth = width;
  geo_.maxHeight = height;
  geo_.minWidth = std::min(geo_.minWidth, width);
  geo_.minHeight = std::min(geo_.minHeight, height);
}

void vgsComponent::setMinimumSize(int16_t width, int16_t height) {
  geo_.minWidth = width;
  geo_.minHeight = height;
  geo_.prefWidth = std::max(geo_.prefWidth, width);
  geo_.prefHeight = std::max(geo_.prefHeight, height);
  geo_.maxWidth = std::max(geo_.maxWidth, width);
  geo_.maxHeight = std::max(geo_.maxHeight, height);
}

void vgsComponent::setGaps(int16_t gapX, int16_t gapY) {
  geo_.gapX = gapX;
  geo_.gapY = gapY;
}

void vgsComponent::moveBy(int16_t dx, int16_t dy) {
  geo_.x = guilayout::to16(geo_.x + dx);
  geo_.y = guilayout::to16(geo_.y + dy);
}
