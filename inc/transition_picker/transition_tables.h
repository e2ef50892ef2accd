#pragma once
// The picker's fixed choices: how long a transition lasts, after how many
// cuts the next one of the list is taken, and which add-on operators cannot
// be placed at cuts. No host call is needed for any of them.
#include <cstdint>
#include <string_view>

namespace ostrel3 {

/// Entries of the length popup and of the change popup.
inline constexpr int32_t kTransitionLengthChoices = 9;
inline constexpr int32_t kTransitionChangeChoices = 6;

/// Frames of a transition of length choice `timeIndex` (0.2, 0.5, 1, 2, 3,
/// 4, 5, 7 or 10 seconds; any other index one second), truncated.
int32_t TransitionLengthFrames(int32_t timeIndex, int32_t framesPerSecond);

/// Cuts in a row that share one transition for change choice
/// `changeIndex` (1, 2, 3, 5, 10 or 20; any other value is the count
/// itself, at least 1).
int32_t CutsPerTransition(int32_t changeIndex);

/// The length a transition gets at a cut: the wanted length, cut to what
/// the scene allows. When every cut changes the transition and the scene
/// is the limit, half of it, so that the transition of the next cut, which
/// shares the scene, still has room.
int32_t CutTransitionLength(int32_t wantedFrames, int32_t sceneMaximum, int32_t cutsPerTransition);

/// True for an operator name that contains one of the add-on operators
/// that cannot be placed at cuts.
bool IsRefusedAddOn(std::string_view operatorName);

}  // namespace ostrel3
