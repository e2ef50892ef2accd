// Metrics of the host GUI: layout units, font and text sizes, time texts.
#include "host/vg.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/metrics.h"

using hostsim::Host;
using hostsim::hostCall;
namespace m = hostsim::metrics;

extern "C" {

int16_t vgConvertWidth(int16_t units) {
  return hostCall("vgConvertWidth", int16_t(0), [&](Host&) { return m::convertWidth(units); }, units);
}

int16_t vgConvertHeight(int16_t units) {
  return hostCall("vgConvertHeight", int16_t(0), [&](Host&) { return m::convertHeight(units); }, units);
}

int16_t vgConvertGadgetWidth(int16_t units) {
  return hostCall("vgConvertGadgetWidth", int16_t(0), [&](Host&) { return m::convertGadgetWidth(units); }, units);
}

int16_t vgGetFontHeight(void) {
  return hostCall("vgGetFontHeight", int16_t(0), [](Host&) { return m::kFontHeight; });
}

int16_t vgGetFontHeightMonitor(int32_t monitor) {
  return hostCall("vgGetFontHeightMonitor", int16_t(0), [](Host&) { return m::kFontHeight; }, monitor);
}

int16_t vgGetAddHeight(void) {
  return hostCall("vgGetAddHeight", int16_t(0), [](Host&) { return m::kAddHeight; });
}

int16_t vgTextLength(const XCHAR* text) {
  return hostCall("vgTextLength", int16_t(0), [&](Host&) { return m::textLength(text); }, text);
}

int32_t vgSliderCallbackFramesTime(int32_t frames, XCHAR* text) {
  return hostCall(
      "vgSliderCallbackFramesTime", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!text) return -1;
        std::u16string t = m::framesTime(frames, hostsim::framesPerSecond(h.config().format));
        if (t.size() >= VG_TIME_TEXT_MAX) t.resize(VG_TIME_TEXT_MAX - 1);
        t.copy(text, t.size());
        text[t.size()] = 0;
        return static_cast<int32_t>(t.size());
      },
      frames, hostsim::out(text));
}

}
