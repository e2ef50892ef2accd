#include "transition_picker/picker_geometry.h"

#include <algorithm>

namespace ostrel3 {

namespace {

int16_t to16(int32_t v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

// The largest odd row count whose box fits the room: two rows fewer than
// the smallest odd count that does not. A room too small for one row still
// gets one rather than a list of no or negative height.
int32_t listRowsFor(int32_t room, int32_t rowHeight) {
  if (rowHeight <= 0) return 1;
  int32_t k = 1;
  while (k * rowHeight + 4 <= room) k += 2;
  return std::max(k - 2, 1);
}

}  // namespace

PickerGeometry ComputePickerGeometry(const PickerMetrics& m) {
  PickerGeometry g;
  const int32_t width = m.visibleWidth * 3 / 4;
  const int32_t room = m.visibleHeight * 7 / 10 - 2 * m.frameInset;
  const int32_t rows = listRowsFor(room, m.listRowHeight);
  const int32_t listHeight = rows * m.listRowHeight + 4;
  const int32_t height = listHeight + 2 * m.frameInset;
  int32_t right = width * 5 / 10;
  if (right % 2 != 0) ++right;
  const int32_t left = width - right - m.partGap;
  int32_t top = (height - listHeight + 1) / 2;
  if (top % 2 != 0) ++top;

  g.width = to16(width);
  g.height = to16(height);
  g.leftWidth = to16(left);
  g.rightX = to16(left + m.partGap);
  g.rightWidth = to16(right);
  g.listX = to16(left + m.partGap + m.frameInset);
  g.listY = to16(top);
  g.listWidth = to16(right - 2 * m.frameInset);
  g.listHeight = to16(listHeight);
  g.listRows = to16(rows);
  return g;
}

SettingsGeometry ComputeSettingsGeometry(const SettingsMetrics& m) {
  SettingsGeometry g;
  const int32_t inset = m.width6 + 2;
  g.width = to16(10 * m.cellWidth + 2 * m.width6 + 9 * m.width2 + 4);
  g.height = to16(5 * m.addHeight + 5 * m.fontHeight + 4 * m.width4 + 2 * m.width6 + 24);
  g.guiX = to16(inset);
  g.guiY = to16(inset);
  g.guiWidth = to16(g.width - 2 * inset);
  g.guiHeight = to16(g.height - 2 * inset);
  return g;
}

}  // namespace ostrel3
