#include "transition_picker/transition_order.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <utility>

namespace ostrel3 {

namespace {
constexpr int kShuffleSwaps = 100;
}  // namespace

std::vector<int32_t> TransitionOrder(int32_t count, bool shuffled, uint32_t seed) {
  std::vector<int32_t> order(static_cast<size_t>(std::max(count, 0)));
  std::iota(order.begin(), order.end(), 1);
  if (!shuffled || order.size() < 2) return order;
  std::mt19937 generator(seed);
  std::uniform_int_distribution<size_t> pick(0, order.size() - 1);
  for (int i = 0; i < kShuffleSwaps; ++i) {
    const size_t a = pick(generator);
    const size_t b = pick(generator);
    std::swap(order[a], order[b]);
  }
  return order;
}

TransitionCycle::TransitionCycle(std::vector<int32_t> order, int32_t cutsPerTransition)
    : order_(std::move(order)), cutsPerTransition_(std::max(cutsPerTransition, 1)) {}

void TransitionCycle::advance() {
  if (run_ < cutsPerTransition_) {
    ++run_;
    return;
  }
  run_ = 1;
  if (++index_ == order_.size()) index_ = 0;
}

}  // namespace ostrel3
