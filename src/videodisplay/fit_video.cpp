#include "videodisplay/fit_video.h"

#include "host/main.h"
#include "host/op.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {

constexpr int16_t kEdgeMargin = 8;

void makeEven(int16_t& value) {
  if (value & 1) {
    ++value;
    OS3_LOG(kLogFailed);
  }
}

void limit(int16_t& value, int16_t maximum) {
  if (value > maximum) {
    value = maximum;
    OS3_LOG(kLogFailed);
  }
}

}  // namespace

void FitVideoToMonitor(VideoSize& size) {
  const MAIN_INFO* info = mainGetInfo();
  int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  vgGetVisibleAreaMonitor(&x0, &y0, &x1, &y1, vgGetDefaultMonitor());
  if (x0 < 1) x0 += kEdgeMargin, x1 -= kEdgeMargin;
  if (y0 < 1) y0 += kEdgeMargin, y1 -= kEdgeMargin;
  const int16_t maxWidth = static_cast<int16_t>(x1 - x0 + 1);
  const int16_t maxHeight = static_cast<int16_t>(y1 - y0 + 1);
  size = {maxWidth, maxHeight};
  if (info) {
    size = {info->width, static_cast<int16_t>(2 * info->fieldHeight)};
    if (opCalcDims(&size.width, &size.height, opGetPixelAspect(info->aspectCode), maxWidth, maxHeight,
                   vgGetPixelAspect(VG_ASPECT_GUI_PIXELS), 1) == -1)
      OS3_LOG(kLogFailed);
  }
  makeEven(size.width);
  makeEven(size.height);
  limit(size.width, maxWidth);
  limit(size.height, maxHeight);
}

}  // namespace ostrel3
