// The selection request fits the visible area whatever its size.
#include <gtest/gtest.h>

#include "transition_picker/picker_geometry.h"

namespace {

using namespace ostrel3;

PickerMetrics metrics(int16_t width, int16_t height, int16_t row = 22) {
  PickerMetrics m;
  m.visibleWidth = width;
  m.visibleHeight = height;
  m.listRowHeight = row;
  m.frameInset = 8;
  m.partGap = 20;
  return m;
}

TEST(PickerGeometry, TheListShowsTheLargestOddRowCountThatFits) {
  struct Row {
    int16_t width, height, row, rows;
  };
  const Row rows[] = {
      {1920, 1080, 22, 33},  // room 756 - 16 = 740: 33 rows take 730, 35 would take 774
      {1024, 600, 22, 17},   // room 404: 17 rows take 378, 19 would take 422
      {640, 60, 22, 1},      // room 26: exactly one row
      {640, 40, 22, 1},      // too low for even one row: still one, never none or less
      {640, 0, 22, 1},
  };
  for (const Row& r : rows) {
    const PickerGeometry g = ComputePickerGeometry(metrics(r.width, r.height, r.row));
    EXPECT_EQ(g.listRows, r.rows) << r.height;
    EXPECT_EQ(g.listHeight, g.listRows * r.row + 4) << r.height;
    EXPECT_EQ(g.height, g.listHeight + 16) << r.height;
    EXPECT_LE(g.listY + g.listHeight, g.height) << r.height;
  }
}

TEST(PickerGeometry, TheTwoPartsAndTheGapMakeTheWholeWidth) {
  for (int16_t width : {640, 1023, 1920, 3840}) {
    const PickerGeometry g = ComputePickerGeometry(metrics(width, 1080));
    EXPECT_EQ(g.width, width * 3 / 4);
    EXPECT_EQ(g.rightWidth % 2, 0);
    EXPECT_EQ(g.leftWidth + 20 + g.rightWidth, g.width) << width;
    EXPECT_EQ(g.rightX + g.rightWidth, g.width) << width;
    EXPECT_EQ(g.listX, g.rightX + 8);
    EXPECT_EQ(g.listX + g.listWidth + 8, g.width) << width;
  }
}

TEST(SettingsGeometry, TenCellsByFiveLinesInsideTheFrame) {
  SettingsMetrics m;
  m.cellWidth = 40;
  m.width2 = 2;
  m.width4 = 4;
  m.width6 = 6;
  m.addHeight = 4;
  m.fontHeight = 16;
  const SettingsGeometry g = ComputeSettingsGeometry(m);
  EXPECT_EQ(g.width, 10 * 40 + 12 + 18 + 4);
  EXPECT_EQ(g.height, 5 * 4 + 5 * 16 + 16 + 12 + 24);
  EXPECT_EQ(g.guiX, 8);
  EXPECT_EQ(g.guiX + g.guiWidth + 8, g.width);
  EXPECT_EQ(g.guiY + g.guiHeight + 8, g.height);
}

}  // namespace
