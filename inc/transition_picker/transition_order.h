#pragma once
// Which transition of the list goes to which cut: the order of the list
// (as listed or shuffled) and the cycle that keeps one transition for a
// number of cuts before taking the next. No host call is needed.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ostrel3 {

/// The 1-based list positions 1..n in the order they are used. Shuffled:
/// 100 swaps of two positions drawn uniformly from the whole order by a
/// standard generator seeded with `seed`.
std::vector<int32_t> TransitionOrder(int32_t count, bool shuffled, uint32_t seed);

/// Walks an order cut by cut: each position serves `cutsPerTransition`
/// cuts in a row, then the next one does; after the last the first again.
class TransitionCycle {
 public:
  /// order must not be empty.
  TransitionCycle(std::vector<int32_t> order, int32_t cutsPerTransition);

  /// The list position for the current cut.
  int32_t current() const { return order_[index_]; }
  /// Moves on to the next cut.
  void advance();

 private:
  std::vector<int32_t> order_;
  int32_t cutsPerTransition_;
  int32_t run_ = 1;
  size_t index_ = 0;
};

}  // namespace ostrel3
