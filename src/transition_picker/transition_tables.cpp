#include "transition_picker/transition_tables.h"

#include <algorithm>
#include <array>

namespace ostrel3 {

namespace {

// Tenths of a second, so that no floating point decides a frame.
constexpr std::array<int64_t, kTransitionLengthChoices> kLengthTenths{2, 5, 10, 20, 30, 40, 50, 70, 100};
constexpr int64_t kOtherLengthTenths = 10;

constexpr std::array<int32_t, kTransitionChangeChoices> kCutsPerChange{1, 2, 3, 5, 10, 20};

// Add-on operators that render on their own and cannot sit at a storyboard cut.
constexpr std::array<std::string_view, 6> kRefusedAddOns{"addon_cube",    "addon_page",   "addon_sphere",
                                                         "addon_shatter", "addon_ripple", "addon_morph"};

}  // namespace

int32_t TransitionLengthFrames(int32_t timeIndex, int32_t framesPerSecond) {
  const bool known = timeIndex >= 0 && timeIndex < kTransitionLengthChoices;
  const int64_t tenths = known ? kLengthTenths[static_cast<size_t>(timeIndex)] : kOtherLengthTenths;
  return static_cast<int32_t>(tenths * framesPerSecond / 10);
}

int32_t CutsPerTransition(int32_t changeIndex) {
  if (changeIndex >= 0 && changeIndex < kTransitionChangeChoices) return kCutsPerChange[static_cast<size_t>(changeIndex)];
  // A count below 1 would never move on to the next transition.
  return std::max(changeIndex, 1);
}

int32_t CutTransitionLength(int32_t wantedFrames, int32_t sceneMaximum, int32_t cutsPerTransition) {
  if (sceneMaximum > wantedFrames) return wantedFrames;
  return cutsPerTransition == 1 ? sceneMaximum / 2 : sceneMaximum;
}

bool IsRefusedAddOn(std::string_view operatorName) {
  return std::any_of(kRefusedAddOns.begin(), kRefusedAddOns.end(),
                     [&](std::string_view refused) { return operatorName.find(refused) != std::string_view::npos; });
}

}  // namespace ostrel3
