#pragma once
// The search for the largest camera pictures with which the main panel
// fits the screen. It needs no host: the caller says whether a size fits.
#include <cstdint>
#include <functional>

#include "host/host_types.h"

namespace ostrel3 {

struct PanelSize {
  int16_t pictureWidth = 0;
  int16_t pictureHeight = 0;
  int16_t spacerHeight = 0;  ///< room below a single row of cameras
  int32_t sceneCount = 0;
};

/// Whether the layout fits with the given size.
using PanelFits = std::function<bool(const PanelSize&)>;

/// Starts from the whole visible area split by the camera count and shrinks
/// the pictures (keeping the monitor's picture shape, sizes even) in steps of
/// 4, or 8 on areas wider than 2048, until the layout fits; below 64 pixels
/// it drops a camera (never below two) and starts again. `onGiveUp` is told
/// each time a camera count finds no size. Returns the size found; a zero
/// sceneCount when even two cameras do not fit.
PanelSize FindPanelSize(int16_t visibleWidth, int16_t visibleHeight, PIXEL_ASPECT aspect, int32_t sceneCount,
                        const PanelFits& fits, const std::function<void()>& onGiveUp = {});

}  // namespace ostrel3
