#include "ostrel3/shell/panel_sizing.h"

#include <algorithm>

namespace ostrel3 {

namespace {

constexpr int16_t kSmallestPicture = 64;

int16_t even(int value) { return static_cast<int16_t>(value & ~1); }

void splitArea(PanelSize& size, int16_t width, int16_t height) {
  switch (size.sceneCount) {
    case 2: size.pictureWidth = width / 2, size.pictureHeight = height; break;
    case 3: size.pictureWidth = width / 3, size.pictureHeight = height; break;
    case 5:
    case 6: size.pictureWidth = width / 3, size.pictureHeight = height / 2; break;
    default: size.pictureWidth = width / 2, size.pictureHeight = height / 2; break;
  }
}

}  // namespace

PanelSize FindPanelSize(int16_t visibleWidth, int16_t visibleHeight, PIXEL_ASPECT aspect, int32_t sceneCount,
                        const PanelFits& fits, const std::function<void()>& onGiveUp) {
  const int step = visibleWidth > 2048 ? 8 : 4;
  // A monitor that reports no shape gets the usual 16:9.
  if (aspect.x <= 0 || aspect.y <= 0) aspect = {16, 9};
  PanelSize size;
  size.sceneCount = sceneCount;
  size.spacerHeight = static_cast<int16_t>(visibleHeight / 2);
  for (;;) {
    splitArea(size, visibleWidth, visibleHeight);
    while (size.pictureWidth >= kSmallestPicture) {
      if (fits(size)) return size;
      size.pictureWidth = even(size.pictureWidth - step);
      size.spacerHeight = static_cast<int16_t>(std::max(0, size.spacerHeight - step));
      size.pictureHeight = even(size.pictureWidth * aspect.y / aspect.x);
    }
    if (onGiveUp) onGiveUp();
    if (size.sceneCount < 3) return PanelSize{};
    --size.sceneCount;
  }
}

}  // namespace ostrel3
