#pragma once
// Helpers for tests of the stand-in display: reading back the framebuffer
// and giving panels places before the host's panels can.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <ostream>

#include "hostsim/gui/display.h"
#include "hostsim/gui/palette.h"
#include "support/host_fixture.h"

inline bool operator==(const VG_CORNERS& a, const VG_CORNERS& b) {
  return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}
inline void PrintTo(const VG_CORNERS& r, std::ostream* os) {
  *os << "(" << r.x0 << ", " << r.y0 << ")-(" << r.x1 << ", " << r.y1 << ")";
}

namespace ostrel3_test {

/// True when two 0xAARRGGBB pixels differ by at most `tolerance` per colour channel.
inline bool closeColour(uint32_t a, uint32_t b, int tolerance = 2) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) return false;
  return true;
}

class DisplayTest : public HostTest {
 protected:
  hostsim::Display& display() { return host().display(); }
  uint32_t pixel(int x, int y, int monitor = 1) { return display().screen().pixel(monitor, x, y); }
  /// Pixels of a rectangle (inclusive corners) that match a colour.
  int countColour(VG_CORNERS r, uint32_t argb, int monitor = 1) {
    int n = 0;
    for (int y = r.y0; y <= r.y1; ++y)
      for (int x = r.x0; x <= r.x1; ++x) n += closeColour(pixel(x, y, monitor), argb, 0) ? 1 : 0;
    return n;
  }
  /// Pixels of a rectangle that differ from a colour.
  int countOther(VG_CORNERS r, uint32_t argb, int monitor = 1) {
    return (r.x1 - r.x0 + 1) * (r.y1 - r.y0 + 1) - countColour(r, argb, monitor);
  }
  /// Lets the display find panels of the test's own at the given places.
  void placePanels(std::map<VG_PANEL, hostsim::PanelPlace> places) {
    display().setPlaceSource([places](VG_PANEL panel) -> std::optional<hostsim::PanelPlace> {
      auto it = places.find(panel);
      if (it == places.end()) return std::nullopt;
      return it->second;
    });
  }
  /// A background colour as the host paints it.
  static uint32_t background(int32_t index = 1) { return 0xFF000000u | *hostsim::palette::backgroundRgb(index); }
};

}  // namespace ostrel3_test
