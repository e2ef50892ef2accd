// Labels left of an element: a label that fills the width the layout gives
// it shows its whole text. A fault drew every label 4 pixels narrower, so
// "Length" in one cell of 48 pixels lost its last letter.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "display_support.h"
#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

constexpr int16_t kX = 40, kY = 30, kCell = 48;

struct LabelledKind {
  const char* name;
  std::function<VG_ELEMENT(VG_PANEL, VG_GADEXT*)> add;
};

void PrintTo(const LabelledKind& kind, std::ostream* os) { *os << kind.name; }

class LabelWidth : public GuiTest, public ::testing::WithParamInterface<LabelledKind> {
 protected:
  // Pixels in a rectangle (inclusive corners) that differ from `colour`.
  int inked(VG_CORNERS r, uint32_t colour) {
    int n = 0;
    for (int y = r.y0; y <= r.y1; ++y)
      for (int x = r.x0; x <= r.x1; ++x) n += !closeColour(host().display().screen().pixel(1, x, y), colour, 8);
    return n;
  }
};

TEST_P(LabelWidth, ALabelFillingItsCellShowsItsLastLetter) {
  const VG_PANEL panel = vgCreatePanel(0, 100, 100, 400, 100, 0, 0, 0);
  ASSERT_NE(panel, 0u);
  VG_GADEXT* ext = vgAllocGadExt();
  ASSERT_NE(GetParam().add(panel, ext), 0u);
  const int x0 = 100 + kX, y0 = 100 + kY;
  const uint32_t background = host().display().screen().pixel(1, x0 - 2, y0 + 12);
  // The right stem of "h", the sixth character: pixels 45 to 47 of the label.
  EXPECT_GT(inked({int16_t(x0 + 45), int16_t(y0), int16_t(x0 + kCell - 1), int16_t(y0 + 23)}, background), 0);
  // "Length" in a cell of its own width starts at the cell's left edge.
  EXPECT_GT(inked({int16_t(x0), int16_t(y0), int16_t(x0 + 3), int16_t(y0 + 23)}, background), 0);
  vgFreeGadExt(ext);
  vgRemovePanel(panel);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, LabelWidth,
    ::testing::Values(
        LabelledKind{"StringGadget",
                     [](VG_PANEL p, VG_GADEXT*) { return vgAddStringGadget(p, kX, kY, 240, 24, u"Length", kCell, u"x", 8, 0); }},
        LabelledKind{"TextGadget",
                     [](VG_PANEL p, VG_GADEXT*) { return vgAddTextGadget(p, kX, kY, 240, 24, u"Length", kCell, u"x", 0); }},
        LabelledKind{"TimeGadget",
                     [](VG_PANEL p, VG_GADEXT*) { return vgAddTimeGadget(p, kX, kY, 240, 24, u"Length", kCell, 0, 0); }},
        LabelledKind{"Slider",
                     [](VG_PANEL p, VG_GADEXT*) {
                       return vgAddSlider(p, kX, kY, 240, 24, u"Length", kCell, 0, 100, 50, 0, nullptr);
                     }},
        LabelledKind{"CheckBox",
                     [](VG_PANEL p, VG_GADEXT* ext) {
                       // The layout's check box: its label cells, then one cell for the box.
                       return vgAddCheckBox(p, kX, kY, int16_t(2 * kCell), 24, u"Length", 0, 1, ext);
                     }}),
    [](const ::testing::TestParamInfo<LabelledKind>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel3_test
