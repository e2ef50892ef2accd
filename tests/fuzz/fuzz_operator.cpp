#include "fuzz_operator.h"

#include <algorithm>
#include <utility>

#include "fuzz_host.h"
#include "transition_picker/picker_state.h"

namespace ostrel3_fuzz {

void ResetTransitionChoices() {
  ostrel3::ClearTransitions();
  ostrel3::TransitionPickerState& s = ostrel3::transitionPicker();
  s.transitionsEnabled = s.transitionTime = s.transitionOrder = s.transitionChange = 0;
  s.jingleFile.clear();
  s.jingleImage.clear();
}

ostrel3::MulticamOperator& FreshOperator() {
  FuzzHost();
  static ostrel3::MulticamOperator* op = new ostrel3::MulticamOperator;
  ResetTransitionChoices();
  op->undoHistory.clear();
  op->redoHistory.clear();
  op->ResetProject();
  return *op;
}

void RequireConsistentModel(const ostrel3::MulticamOperator& op) {
  Require(!op.cutList.empty(), "the cut list is never empty");
  const std::pair<int32_t, int32_t>* previous = nullptr;
  for (const auto& cut : op.cutList) {
    Require(cut.second >= 0 && cut.second < ostrel3::kCameraSlots, "every cut names a camera slot");
    Require(!previous || previous->first < cut.first, "cuts are in strictly ascending frames");
    previous = &cut;
  }
  Require(op.sceneCount >= 1 && op.sceneCount <= ostrel3::kCameraSlots, "the camera count is 1..8");
  Require(op.activeCamera >= 0 && op.activeCamera < op.sceneCount, "the active camera is one in use");
  Require(op.projectLength >= 0, "the timeline length is not negative");
  const int32_t last = op.LastFrame();
  Require(op.position >= 0 && op.position <= std::max(last, 0), "the position is on the timeline");
  if (last >= 0) {
    Require(op.zoomIn >= 0 && op.zoomIn <= op.zoomOut && op.zoomOut <= last, "the visible window is on the timeline");
  }
}

}  // namespace ostrel3_fuzz
