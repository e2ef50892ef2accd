// Which transition goes to which cut, and how long it lasts.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "transition_picker/transition_order.h"
#include "transition_picker/transition_tables.h"

namespace {

using namespace ostrel3;

TEST(TransitionTables, LengthsInFramesAreTruncated) {
  struct Row {
    int32_t index, fps, frames;
  };
  const Row rows[] = {{0, 25, 5},  {1, 25, 12}, {2, 25, 25},  {3, 25, 50},   {4, 25, 75},   {5, 30, 120},
                      {6, 30, 150}, {7, 25, 175}, {8, 30, 300}, {9, 25, 25},  {-1, 30, 30}, {1, 30, 15}};
  for (const Row& r : rows) EXPECT_EQ(TransitionLengthFrames(r.index, r.fps), r.frames) << r.index << " @" << r.fps;
}

TEST(TransitionTables, TheSceneLimitsTheLengthAndHalvesItWhenEveryCutChanges) {
  struct Row {
    int32_t wanted, sceneMaximum, cutsPerTransition, length;
  };
  const Row rows[] = {
      {50, 100, 1, 50},  // room enough: the wanted length
      {50, 40, 1, 20},   // the scene limits, every cut changes: half of it
      {50, 40, 2, 40},   // the scene limits, the same transition twice: all of it
      {50, 50, 1, 25},   // a limit equal to the wish counts as the limit
      {50, 1, 1, 0},
  };
  for (const Row& r : rows)
    EXPECT_EQ(CutTransitionLength(r.wanted, r.sceneMaximum, r.cutsPerTransition), r.length)
        << r.wanted << " " << r.sceneMaximum << " " << r.cutsPerTransition;
}

TEST(TransitionTables, CutsPerTransitionFromTheTableOrTheValueItself) {
  const std::pair<int32_t, int32_t> rows[] = {{0, 1}, {1, 2}, {2, 3}, {3, 5}, {4, 10}, {5, 20}, {7, 7}, {0, 1}, {-4, 1}};
  for (const auto& [index, cuts] : rows) EXPECT_EQ(CutsPerTransition(index), cuts) << index;
}

TEST(TransitionTables, AddOnOperatorsAreRefusedByAnyPartOfTheirName) {
  for (const char* name : {"addon_cube", "my_addon_page_v2", "addon_sphere", "x/addon_shatter", "addon_ripple",
                           "addon_morph"})
    EXPECT_TRUE(IsRefusedAddOn(name)) << name;
  for (const char* name : {"wipe", "dissolve", "addon", "cube", "addon_cub", "push"})
    EXPECT_FALSE(IsRefusedAddOn(name)) << name;
}

TEST(TransitionCycle, ThreeEntriesTwoCutsEachInListOrder) {
  TransitionCycle cycle(TransitionOrder(3, false, 0), CutsPerTransition(1));
  std::vector<int32_t> used;
  for (int cut = 0; cut < 8; ++cut, cycle.advance()) used.push_back(cycle.current());
  EXPECT_EQ(used, (std::vector<int32_t>{1, 1, 2, 2, 3, 3, 1, 1}));
}

TEST(TransitionCycle, EveryCutTakesTheNextOne) {
  TransitionCycle cycle({2, 1}, 1);
  std::vector<int32_t> used;
  for (int cut = 0; cut < 5; ++cut, cycle.advance()) used.push_back(cycle.current());
  EXPECT_EQ(used, (std::vector<int32_t>{2, 1, 2, 1, 2}));
}

TEST(TransitionOrder, AShuffleIsAPermutationOfThePositionsForEverySeed) {
  for (int32_t n : {1, 2, 3, 50}) {
    std::set<std::vector<int32_t>> seen;
    std::set<int32_t> lastPlace;
    for (uint32_t seed = 0; seed < 2000; ++seed) {
      std::vector<int32_t> order = TransitionOrder(n, true, seed * 2654435761u);
      ASSERT_EQ(order.size(), static_cast<size_t>(n));
      seen.insert(order);
      lastPlace.insert(order.back());
      std::sort(order.begin(), order.end());
      for (int32_t i = 0; i < n; ++i) ASSERT_EQ(order[static_cast<size_t>(i)], i + 1) << "n " << n << " seed " << seed;
    }
    // The swaps reach beyond the first position: more than one order comes out.
    if (n > 1) {
      EXPECT_GT(seen.size(), 1u) << n;
    }
    // Draws from the whole order: every position can end up last.
    EXPECT_EQ(lastPlace.size(), static_cast<size_t>(n)) << n;
  }
}

TEST(TransitionOrder, ListOrderIsOneToN) {
  EXPECT_EQ(TransitionOrder(4, false, 7), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_TRUE(TransitionOrder(0, true, 7).empty());
}

}  // namespace
