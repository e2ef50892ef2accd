#include "transition_picker/picker_state.h"

#include "host/msgq.h"
#include "host/res.h"

namespace ostrel3 {

TransitionPickerState& transitionPicker() {
  static TransitionPickerState state;
  return state;
}

void PrepareTransitionPicker() {
  TransitionPickerState& s = transitionPicker();
  s = TransitionPickerState{};
  s.strings = resLoadStrings("ostrel3");
  s.images = resLoadImages("ostrel3");
  s.queue = msgQCreate(100, 44, 0);
  lstInit(&s.list);
}

void ReleaseTransitionPicker() {
  TransitionPickerState& s = transitionPicker();
  if (s.queue) msgQDelete(s.queue);
  if (s.images) resFreeImages(s.images);
  if (s.strings) resFreeStrings(s.strings);
  s = TransitionPickerState{};
}

}  // namespace ostrel3
