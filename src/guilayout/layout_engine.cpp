// The arithmetic of vgsLayoutX and vgsLayoutY, written once along a "main"
// axis (the one children follow each other on) and a "cross" axis.
#include <vector>

#include "arith.h"
#include "guilayout/container.h"
#include "guilayout/layout.h"

namespace {

using guilayout::evenDown;
using guilayout::to16;
using Field = int16_t vgsGeometry::*;
using InsetField = int16_t vgsInsets::*;

struct Axis {
  Field min, pref, max, gap;                  // along the main axis
  Field crossMin, crossPref, crossMax;        // across it
  InsetField start, end, crossStart, crossEnd;
  int16_t (vgsComponent::*clamp)(int16_t) const;
  bool horizontal;
};

const Axis kAxisX{&vgsGeometry::minWidth,  &vgsGeometry::prefWidth,  &vgsGeometry::maxWidth,  &vgsGeometry::gapX,
                  &vgsGeometry::minHeight, &vgsGeometry::prefHeight, &vgsGeometry::maxHeight, &vgsInsets::left,
                  &vgsInsets::right,       &vgsInsets::top,          &vgsInsets::bottom,      &vgsComponent::clampWidth,
                  true};
const Axis kAxisY{&vgsGeometry::minHeight, &vgsGeometry::prefHeight, &vgsGeometry::maxHeight, &vgsGeometry::gapY,
                  &vgsGeometry::minWidth,  &vgsGeometry::prefWidth,  &vgsGeometry::maxWidth,  &vgsInsets::top,
                  &vgsInsets::bottom,      &vgsInsets::left,         &vgsInsets::right,       &vgsComponent::clampHeight,
                  false};

// Main-axis and cross-axis values to a (width, height) pair.
vgsSize toSize(const Axis& a, int32_t main, int32_t cross) {
  return a.horizontal ? vgsSize{evenDown(main), evenDown(cross)} : vgsSize{evenDown(cross), evenDown(main)};
}

vgsSize sumAlong(const Axis& a, const vgsContainer& c, vgsSizeSelector selector) {
  const Field mainField = selector == vgsSizeSelector::Minimum ? a.min : a.pref;
  const Field crossField = selector == vgsSizeSelector::Minimum ? a.crossMin : a.crossPref;
  const auto& kids = c.children();
  int16_t main = c.insets().*a.start;
  int16_t cross = 0;
  for (size_t i = 0; i < kids.size(); ++i) {
    const vgsGeometry& g = kids[i]->geometry();
    cross = std::max(cross, g.*crossField);
    main = to16(main + g.*mainField);
    if (i + 1 < kids.size()) main = to16(main + g.*a.gap);
  }
  return toSize(a, main + c.insets().*a.end, cross + c.insets().*a.crossStart + c.insets().*a.crossEnd);
}

vgsSize maxAlong(const Axis& a, const vgsContainer& c) {
  const auto& kids = c.children();
  int16_t main = c.insets().*a.start;
  int16_t cross = 0;
  for (size_t i = 0; i < kids.size(); ++i) {
    const vgsGeometry& g = kids[i]->geometry();
    cross = std::max(cross, g.*a.crossMax);
    main = to16(main + g.*a.max);
    if (i + 1 < kids.size()) main = to16(main + g.*a.gap);
    main = std::min(main, kVgsMaxExtent);
    cross = std::min(cross, kVgsMaxExtent);
  }
  return toSize(a, main + c.insets().*a.end, cross + c.insets().*a.crossStart + c.insets().*a.crossEnd);
}

int16_t mainOf(const Axis& a, vgsSize s) { return a.horizontal ? s.width : s.height; }

void placeAlong(const Axis& a, vgsContainer& c) {
  const auto& kids = c.children();
  const size_t n = kids.size();
  if (n == 0) return;
  const vgsGeometry& own = c.geometry();
  const vgsInsets& in = c.insets();
  const int16_t area = to16(own.*a.pref - (in.*a.start + in.*a.end));
  const int16_t crossArea = to16(own.*a.crossPref - (in.*a.crossStart + in.*a.crossEnd));
  const int16_t preferred = mainOf(a, sumAlong(a, c, vgsSizeSelector::Preferred));

  int32_t growable = 0;
  for (const vgsComponent* k : kids) growable += k->geometry().*a.max > k->geometry().*a.pref ? 1 : 0;
  if (growable == 0) growable = 1;
  const int16_t extra = to16((area + in.*a.start + in.*a.end - preferred) / growable);

  std::vector<int16_t> size(n), gap(n), pos(n);
  for (size_t i = 0; i < n; ++i) {
    gap[i] = kids[i]->geometry().*a.gap;
    size[i] = (kids[i]->*a.clamp)(to16(kids[i]->geometry().*a.pref + extra));
  }
  int16_t offset = 0;
  for (size_t i = 0; i < n; ++i) {
    pos[i] = offset;
    if (i + 1 == n) size[i] = to16(area - offset);  // the last child takes what is left
    const int16_t most = kids[i]->geometry().*a.max;
    if (most < size[i]) {
      // Only the last child can get here: right-align it at its maximum and
      // let the child before it take up the surplus.
      if (i > 0) size[i - 1] = to16(size[i - 1] + (size[i] - most));
      size[i] = most;
      pos[i] = to16(area - most);
    }
    offset = to16(pos[i] + size[i] + gap[i]);
  }
  for (size_t i = 0; i < n; ++i) {
    const int16_t mainPos = to16(in.*a.start + pos[i]);
    const int16_t crossPos = in.*a.crossStart;
    kids[i]->setBounds(a.horizontal ? VG_RECT{mainPos, crossPos, size[i], crossArea}
                                    : VG_RECT{crossPos, mainPos, crossArea, size[i]});
  }
}

}  // namespace

void vgsLayoutX::place(vgsContainer& c) const { placeAlong(kAxisX, c); }
vgsSize vgsLayoutX::sumSize(const vgsContainer& c, vgsSizeSelector s) const { return sumAlong(kAxisX, c, s); }
vgsSize vgsLayoutX::maxSize(const vgsContainer& c) const { return maxAlong(kAxisX, c); }

void vgsLayoutY::place(vgsContainer& c) const { placeAlong(kAxisY, c); }
vgsSize vgsLayoutY::sumSize(const vgsContainer& c, vgsSizeSelector s) const { return sumAlong(kAxisY, c, s); }
vgsSize vgsLayoutY::maxSize(const vgsContainer& c) const { return maxAlong(kAxisY, c); }
