// Sizing and placement arithmetic of the layout engine.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "guilayout/container.h"
#include "guilayout/spacers.h"
#include "support/host_fixture.h"

namespace {

class LayoutEngine : public ostrel3_test::HostTest {
 protected:
  vgsLayoutX row;
  vgsLayoutY column;
};

// A child of the given minimum, preferred and maximum width (heights 0..20..4096) with its gaps.
struct Child : vgsSpace {
  Child(int16_t min, int16_t pref, int16_t max, int16_t gap = 4) : vgsSpace(min, 0, pref, 20, max, kVgsMaxExtent) {
    setGaps(gap, gap);
  }
};

::testing::AssertionResult hasRect(const vgsComponent& c, int16_t x, int16_t y, int16_t w, int16_t h) {
  const VG_RECT r = c.bounds();
  if (r.x == x && r.y == y && r.width == w && r.height == h) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "got (" << r.x << ", " << r.y << ", " << r.width << ", " << r.height
                                       << ") expected (" << x << ", " << y << ", " << w << ", " << h << ")";
}

TEST_F(LayoutEngine, GrowableMiddleChildTakesTheSurplusAndTheLastTakesTheRest) {
  Child a(0, 100, 100), b(0, 100, kVgsMaxExtent), c(0, 100, 100);
  vgsContainer box(&row);
  box.setInsets(8, 8, 8, 8);
  box.addChild(&a);
  box.addChild(&b);
  box.addChild(&c);
  EXPECT_EQ(box.preferredSize(), (vgsSize{324, 36}));  // 8 + 100 + 4 + 100 + 4 + 100 + 8

  box.setBounds({0, 0, 400, 100});
  EXPECT_TRUE(hasRect(a, 8, 8, 100, 84));
  EXPECT_TRUE(hasRect(b, 112, 8, 176, 84));
  EXPECT_TRUE(hasRect(c, 8 + 284, 8, 100, 84));
}

TEST_F(LayoutEngine, NarrowContainerShrinksChildrenAlikeDownToTheirMinima) {
  Child a(60, 100, kVgsMaxExtent), b(60, 100, kVgsMaxExtent), c(60, 100, kVgsMaxExtent);
  vgsContainer box(&row);
  for (vgsSpace* s : {&a, &b, &c}) box.addChild(s);

  box.setBounds({0, 0, 240, 20});  // extra = (240 - 308) / 3 = -22
  EXPECT_TRUE(hasRect(a, 0, 0, 78, 20));
  EXPECT_TRUE(hasRect(b, 82, 0, 78, 20));
  EXPECT_TRUE(hasRect(c, 164, 0, 76, 20));  // what is left
}

TEST_F(LayoutEngine, LastChildGetsWhatIsLeftEvenBelowItsMinimumAndRaisesItItself) {
  Child a(90, 100, kVgsMaxExtent), b(10, 100, kVgsMaxExtent), c(10, 100, kVgsMaxExtent);
  vgsContainer box(&row);
  for (vgsSpace* s : {&a, &b, &c}) box.addChild(s);
  EXPECT_EQ(box.minimumSize().width, 118);

  box.setBounds({0, 0, 150, 20});  // extra = (150 - 308) / 3 = -52
  EXPECT_TRUE(hasRect(a, 0, 0, 90, 20));   // held at its minimum
  EXPECT_TRUE(hasRect(b, 94, 0, 48, 20));
  EXPECT_TRUE(hasRect(c, 146, 0, 10, 20));  // handed 4, raised to 10: it overlaps the edge
}

TEST_F(LayoutEngine, LastChildWithSmallMaximumIsRightAlignedAndItsNeighbourAbsorbsTheSurplus) {
  Child a(0, 100, kVgsMaxExtent), b(0, 50, 60);
  vgsContainer box(&row);
  box.addChild(&a);
  box.addChild(&b);

  box.setBounds({0, 0, 300, 20});  // both can grow: extra = (300 - 154) / 2 = 73
  EXPECT_TRUE(hasRect(a, 0, 0, 236, 20));
  EXPECT_TRUE(hasRect(b, 240, 0, 60, 20));
}

TEST_F(LayoutEngine, ChildrenThatCannotGrowKeepTheirPreferredWidths) {
  Child a(0, 100, 100), b(0, 80, 80, 0);
  vgsContainer box(&row);
  box.addChild(&a);
  box.addChild(&b);
  box.setMaximumSize(500, 100);

  box.setBounds({0, 0, 500, 20});
  // The container is capped at what its children can take.
  EXPECT_EQ(box.width(), 184);
  EXPECT_TRUE(hasRect(a, 0, 0, 100, 20));
  EXPECT_TRUE(hasRect(b, 104, 0, 80, 20));
}

TEST_F(LayoutEngine, SumOfAnEmptyContainerIsItsInsetsRoundedDownToEven) {
  vgsContainer box(&row);
  box.setInsets(7, 8, 5, 4);
  EXPECT_EQ(row.sumSize(box, vgsSizeSelector::Minimum), (vgsSize{14, 8}));
  EXPECT_EQ(row.sumSize(box, vgsSizeSelector::Preferred), (vgsSize{14, 8}));
  EXPECT_EQ(column.sumSize(box, vgsSizeSelector::Preferred), (vgsSize{14, 8}));
  // A new container has no size of its own until children arrive.
  EXPECT_EQ(box.preferredSize(), (vgsSize{0, 0}));
  EXPECT_EQ(box.maximumSize(), (vgsSize{kVgsMaxExtent, kVgsMaxExtent}));
}

TEST_F(LayoutEngine, SumsAreRoundedDownToEvenAndCountNoGapAfterTheLastChild) {
  Child a(11, 21, 31, 3), b(13, 23, 33, 5);
  vgsContainer box(&row);
  box.setInsets(1, 2, 0, 1);
  box.addChild(&a);
  box.addChild(&b);
  EXPECT_EQ(box.minimumSize(), (vgsSize{30, 0}));     // 1 + 11 + 3 + 13 + 2 = 30; height 0 + 1 -> 0
  EXPECT_EQ(box.preferredSize(), (vgsSize{50, 20}));  // 1 + 21 + 3 + 23 + 2 = 50; 20 + 1 -> 20
  EXPECT_EQ(box.maximumSize(), (vgsSize{70, 4096}));  // 1 + 31 + 3 + 33 + 2 = 70; 4096 + 1 -> 4096
}

TEST_F(LayoutEngine, MaximumIsCappedAt4096BeforeTheInsetsAreAdded) {
  Child a(0, 10, kVgsMaxExtent), b(0, 10, kVgsMaxExtent);
  vgsContainer box(&row);
  box.setInsets(8, 8, 8, 8);
  box.addChild(&a);
  box.addChild(&b);
  EXPECT_EQ(box.maximumSize(), (vgsSize{4096 + 8, 4096 + 16}));
}

TEST_F(LayoutEngine, ColumnStacksChildrenWithTheirVerticalGapsAndFullInnerWidth) {
  vgsSpace a(0, 10, 40, 30, kVgsMaxExtent, 30), b(0, 10, 60, 50, kVgsMaxExtent, kVgsMaxExtent);
  a.setGaps(2, 6);
  b.setGaps(2, 6);
  vgsContainer box(&column);
  box.setInsets(3, 5, 4, 4);
  box.addChild(&a);
  box.addChild(&b);
  EXPECT_EQ(box.preferredSize(), (vgsSize{68, 94}));  // width 60 + 8; height 4 + 30 + 6 + 50 + 4

  box.setBounds({10, 20, 100, 200});
  EXPECT_TRUE(hasRect(box, 10, 20, 100, 200));
  EXPECT_TRUE(hasRect(a, 3, 4, 92, 30));    // cannot grow taller
  EXPECT_TRUE(hasRect(b, 3, 40, 92, 156));  // takes the rest of 192
}

TEST_F(LayoutEngine, NestedContainersAreSizedBottomUpAndLaidOutFromOneSetBounds) {
  Child left(20, 50, kVgsMaxExtent), right(20, 50, 50);
  vgsContainer inner(&row);
  inner.setInsets(2, 2, 2, 2);
  inner.addChild(&left);
  inner.addChild(&right);
  vgsSpace below(0, 10, 0, 40, kVgsMaxExtent, kVgsMaxExtent);
  vgsContainer outer(&column);
  outer.setInsets(10, 10, 10, 10);
  inner.setGaps(0, 6);
  outer.addChild(&inner);
  outer.addChild(&below);
  EXPECT_EQ(inner.preferredSize(), (vgsSize{108, 24}));
  EXPECT_EQ(outer.preferredSize(), (vgsSize{128, 90}));  // 10 + 24 + 6 + 40 + 10
  EXPECT_EQ(outer.minimumSize(), (vgsSize{68, 40}));     // 10 + 48 + 10; 10 + 4 + 6 + 10 + 10

  outer.setBounds({0, 0, 300, 200});
  // Both children of the column can grow: extra 55, and 24 + 55 is made even.
  EXPECT_TRUE(hasRect(inner, 10, 10, 280, 78));
  EXPECT_TRUE(hasRect(left, 2, 2, 222, 74));
  EXPECT_TRUE(hasRect(right, 2 + 226, 2, 50, 74));
  EXPECT_TRUE(hasRect(below, 10, 94, 280, 96));
}

TEST_F(LayoutEngine, BoundsOfAContainerStayBetweenItsChildrensSumsAndFixItsSize) {
  Child a(30, 60, 200, 0);
  vgsContainer box(&row);
  box.addChild(&a);

  box.setBounds({0, 0, 10, 10});  // below the minima: raised
  EXPECT_EQ(box.width(), 30);
  box.setBounds({0, 0, 1000, 10});  // the size is now fixed at 30
  EXPECT_EQ(box.width(), 30);
  EXPECT_EQ(box.preferredSize().width, 30);
  EXPECT_EQ(box.maximumSize().width, 30);

  vgsContainer wide(&row);
  wide.addChild(&a);
  wide.setBounds({0, 0, 1000, 10});  // above the maxima: lowered
  EXPECT_EQ(wide.width(), 200);
  EXPECT_EQ(a.width(), 200);
}

TEST_F(LayoutEngine, ClampWidthClearsTheLowBitThenHoldsTheLimits) {
  vgsSpace s(10, 10, 10, 10, kVgsMaxExtent, kVgsMaxExtent);
  EXPECT_EQ(s.clampWidth(33), 32);
  EXPECT_EQ(s.clampWidth(5), 10);
  EXPECT_EQ(s.clampWidth(5000), 4096);
  EXPECT_EQ(s.clampHeight(-3), 10);
  vgsSpace odd(11, 0, 11, 0, 20, 20);
  EXPECT_EQ(odd.clampWidth(12), 12);
  EXPECT_EQ(odd.clampWidth(11), 11);  // 10 raised to the odd minimum
}

TEST_F(LayoutEngine, SizeSettersKeepTheLimitsInOrder) {
  vgsSpace s(20, 20, 30, 30, 100, 100);
  s.setPreferredSize(5, 50);
  EXPECT_EQ(s.preferredSize(), (vgsSize{20, 50}));  // raised to the minimum
  s.setMaximumSize(10, 100);
  EXPECT_EQ(s.minimumSize(), (vgsSize{10, 20}));  // minimum lowered to the new maximum
  s.setMinimumSize(40, 120);
  EXPECT_EQ(s.preferredSize(), (vgsSize{40, 120}));
  EXPECT_EQ(s.maximumSize(), (vgsSize{40, 120}));
  s.setBounds({1, 2, 0, 500});
  EXPECT_TRUE(hasRect(s, 1, 2, 40, 120));
}

TEST_F(LayoutEngine, CopyGeometryCopiesPositionSizesAndGaps) {
  Child a(3, 5, 7, 9);
  vgsSpace b;
  a.setBounds({11, 13, 6, 20});
  b.copyGeometry(a);
  EXPECT_EQ(std::memcmp(&a.geometry(), &b.geometry(), sizeof(vgsGeometry)), 0);
}

TEST_F(LayoutEngine, HugeSumsSaturateInsteadOfWrappingToNegativeSizes) {
  std::vector<std::unique_ptr<vgsSpace>> many;
  vgsContainer box(&row);
  for (int i = 0; i < 12; ++i) {
    many.push_back(std::make_unique<vgsSpace>(0, 0, 4000, 10));
    box.addChild(many.back().get());
  }
  EXPECT_EQ(box.preferredSize().width, 32766);
}

TEST_F(LayoutEngine, GridWidthRoundsUpToWholeCellsWithTheGapsBetween) {
  // One cell is 48 pixels, one gap 2.
  EXPECT_EQ(vgsComponent::gridWidth(1), 48);
  EXPECT_EQ(vgsComponent::gridWidth(48), 48);
  EXPECT_EQ(vgsComponent::gridWidth(49), 98);
  EXPECT_EQ(vgsComponent::gridWidth(97), 148);
  EXPECT_EQ(vgsComponent::gridWidth(0), 0);  // no text, no cells (not -2)
  EXPECT_EQ(vgsComponent::lineHeight(), 24);
  EXPECT_EQ(vgsComponent::labelWidth(u"Length"), 48);
  EXPECT_EQ(vgsComponent::labelWidth(nullptr), 0);
}

TEST_F(LayoutEngine, PanelInterDimIsTenBySixAtLeastAndTwentyByTenPreferred) {
  vgsPanelInterDim d;
  EXPECT_EQ(d.minimumSize(), (vgsSize{10, 6}));
  EXPECT_EQ(d.preferredSize(), (vgsSize{20, 10}));
  EXPECT_EQ(d.maximumSize(), (vgsSize{40, 20}));
}

}  // namespace
