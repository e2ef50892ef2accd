#include <gtest/gtest.h>

#include <vector>

#include "display_support.h"
#include "host/vg.h"

namespace ostrel3_test {
namespace {

using hostsim::yuvToArgb;

class Text : public DisplayTest {
 protected:
  /// Columns (screen x) of a rectangle that hold any pixel other than the background.
  std::vector<int> inkedColumns(VG_CORNERS r) {
    std::vector<int> columns;
    for (int x = r.x0; x <= r.x1; ++x)
      if (countOther({static_cast<int16_t>(x), r.y0, static_cast<int16_t>(x), r.y1}, background()) > 0)
        columns.push_back(x);
    return columns;
  }
};

TEST_F(Text, IsDrawnInsideItsBoxOnly) {
  ASSERT_EQ(vgBoxText(0, u"Camera 1", 100, 100, 200, 20, 0x10), 0);
  EXPECT_GT(countOther({100, 100, 299, 119}, background()), 40);
  EXPECT_EQ(countOther({0, 0, 400, 99}, background()), 0);
  EXPECT_EQ(countOther({0, 120, 400, 200}, background()), 0);
  // Eight characters of 8 pixels from the left edge.
  const auto columns = inkedColumns({90, 100, 310, 119});
  ASSERT_FALSE(columns.empty());
  EXPECT_GE(columns.front(), 100);
  EXPECT_LT(columns.back(), 100 + 8 * 8);
}

TEST_F(Text, IsCutAtANarrowBox) {
  ASSERT_EQ(vgBoxText(0, u"WWWWWWWWWWWWWWWWWWWW", 50, 50, 20, 16, 0), 0);
  EXPECT_GT(countOther({50, 50, 69, 65}, background()), 10);
  EXPECT_EQ(countOther({70, 40, 300, 80}, background()), 0);
  EXPECT_EQ(countOther({0, 40, 49, 80}, background()), 0);
}

TEST_F(Text, IsCutAtTheClipRectangle) {
  ASSERT_EQ(vgSetClipRect(0, 0, 0, 57, 1079), 0);
  ASSERT_EQ(vgBoxText(0, u"WWWWWWWW", 50, 50, 64, 16, 0), 0);
  EXPECT_GT(countOther({50, 50, 57, 65}, background()), 0);
  EXPECT_EQ(countOther({58, 40, 200, 80}, background()), 0);
}

TEST_F(Text, AlignmentBitsPlaceTheText) {
  ASSERT_EQ(vgBoxText(0, u"MM", 0, 0, 160, 16, 0x01), 0);
  ASSERT_EQ(vgBoxText(0, u"MM", 0, 20, 160, 16, 0x02), 0);
  ASSERT_EQ(vgBoxText(0, u"MM", 0, 40, 160, 16, 0x04), 0);
  const auto left = inkedColumns({0, 0, 159, 15});
  const auto centre = inkedColumns({0, 20, 159, 35});
  const auto right = inkedColumns({0, 40, 159, 55});
  ASSERT_FALSE(left.empty() || centre.empty() || right.empty());
  EXPECT_LT(left.back(), 16);
  EXPECT_GE(centre.front(), 72);
  EXPECT_LT(centre.back(), 88);
  EXPECT_GE(right.front(), 144);
}

// A centred name in a narrow segment once lost both its ends and read as
// nonsense beside its neighbours ("age le rdience").
TEST_F(Text, ATextWiderThanItsBoxShowsItsBeginningWhateverItsAlignment) {
  for (uint32_t align : {0x01u, 0x02u, 0x04u}) {
    const int16_t y = int16_t(100 + 20 * align);
    ASSERT_EQ(vgBoxText(0, u".WWWWWWWWW", 200, y, 24, 16, align), 0);
    // The first cell holds the narrow dot, not a W from the middle of the text.
    const auto firstCell = inkedColumns({200, y, 207, int16_t(y + 15)});
    EXPECT_GE(firstCell.size(), 1u) << align;
    EXPECT_LE(firstCell.size(), 3u) << "align " << align;
    EXPECT_TRUE(inkedColumns({224, y, 260, int16_t(y + 15)}).empty()) << align;
  }
}

TEST_F(Text, MiddleBitCentresVertically) {
  ASSERT_EQ(vgBoxText(0, u"H", 0, 0, 8, 60, 0), 0);
  ASSERT_EQ(vgBoxText(0, u"H", 20, 0, 8, 60, 0x10), 0);
  EXPECT_EQ(countOther({0, 16, 7, 59}, background()), 0) << "top-aligned text stays in the first line";
  EXPECT_EQ(countOther({20, 0, 27, 21}, background()), 0) << "centred text leaves the top free";
  EXPECT_GT(countOther({20, 22, 27, 37}, background()), 0);
}

TEST_F(Text, UsesTheCurrentColourOnlyWhenAsked) {
  vgSetColorRGB(0xFF0000FFu);
  ASSERT_EQ(vgBoxText(0, u"\u2588\u2588", 0, 0, 16, 16, 0x40), 0);  // full blocks: solid ink
  ASSERT_EQ(vgBoxText(0, u"\u2588\u2588", 0, 20, 16, 16, 0), 0);
  EXPECT_GT(countColour({0, 0, 15, 15}, 0xFFFF0000u), 50);
  EXPECT_GT(countColour({0, 20, 15, 35}, yuvToArgb(display().textColour())), 50);
  EXPECT_EQ(countColour({0, 20, 15, 35}, 0xFFFF0000u), 0);
}

TEST_F(Text, PrivateCharactersHaveTheirOwnGlyphs) {
  ASSERT_EQ(vgBoxText(0, u"\uE003\uE004", 0, 0, 16, 16, 0), 0);
  EXPECT_EQ(countOther({0, 0, 7, 15}, background()), 0) << "the spacer draws nothing";
  const auto mark = inkedColumns({8, 0, 15, 15});
  EXPECT_EQ(mark.size(), 1u) << "the number mark is one thin upright line";
  EXPECT_GE(countOther({8, 0, 15, 15}, background()), 8);
  ASSERT_EQ(vgBoxText(0, u"\uE006", 0, 20, 8, 16, 0), 0);
  EXPECT_GT(countOther({0, 20, 7, 35}, background()), 8) << "a dot";
  ASSERT_EQ(vgBoxText(0, u"\uE05D", 0, 40, 8, 16, 0), 0);
  const auto dash = inkedColumns({0, 40, 7, 55});
  EXPECT_GE(dash.size(), 5u) << "a dash spans its cell";
  // The spacers still take their cell: what follows starts one cell further.
  ASSERT_EQ(vgBoxText(0, u"\uE003X", 0, 60, 40, 16, 0), 0);
  EXPECT_EQ(countOther({0, 60, 7, 75}, background()), 0);
  EXPECT_GT(countOther({8, 60, 15, 75}, background()), 0);
}

TEST_F(Text, LineBreaksStartNewLines) {
  ASSERT_EQ(vgBoxText(0, u"A\nB", 0, 0, 40, 40, 0), 0);
  EXPECT_GT(countOther({0, 0, 7, 15}, background()), 0);
  EXPECT_GT(countOther({0, 16, 7, 31}, background()), 0);
  EXPECT_EQ(countOther({8, 0, 40, 40}, background()), 0);
}

TEST_F(Text, NothingToDrawIsNoFailureButNoTextIs) {
  EXPECT_EQ(vgBoxText(0, u"", 0, 0, 40, 16, 0), 0);
  EXPECT_EQ(vgBoxText(0, u"A", 0, 0, 0, 16, 0), 0);
  EXPECT_EQ(vgBoxText(0, nullptr, 0, 0, 40, 16, 0), -1);
  EXPECT_EQ(countOther({0, 0, 50, 20}, background()), 0);
}

TEST_F(Text, BufferTextStaysInsideBoxAndBuffer) {
  const int w = 40, h = 20;
  std::vector<uint32_t> buffer(static_cast<size_t>(w * h) + 8, 0xFF000000u);  // 8 guard pixels after the end
  ASSERT_EQ(vgBoxTextBuffer(buffer.data(), w, h, u"88888888", 30, 2, 30, 30, 0x12), 0);
  int inked = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool ink = buffer[static_cast<size_t>(y * w + x)] != 0xFF000000u;
      inked += ink;
      if (ink) {
        EXPECT_GE(x, 30);
        EXPECT_GE(y, 2);
      }
    }
  EXPECT_GT(inked, 5);
  for (size_t i = static_cast<size_t>(w * h); i < buffer.size(); ++i) EXPECT_EQ(buffer[i], 0xFF000000u);
  EXPECT_EQ(vgBoxTextBuffer(nullptr, w, h, u"8", 0, 0, 8, 16, 0), -1);
  EXPECT_EQ(vgBoxTextBuffer(buffer.data(), 0, h, u"8", 0, 0, 8, 16, 0), -1);
}

}  // namespace
}  // namespace ostrel3_test
