// The user's jog controls on the host's jog slider: turns, confirm, cancel.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "hostsim/core/host.h"
#include "hostsim/gui/elements_model.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"

namespace hostsim {

namespace {

// The values a turn of `steps` passes through, one a message: each moves at
// most a page (a page size of 0 puts no limit on a message), and the turn
// ends at the slider's ends.
std::vector<int32_t> jogValues(const ElementRec& e, int32_t steps) {
  const int64_t lo = std::min(e.minimum, e.maximum), hi = std::max(e.minimum, e.maximum);
  const int64_t page = e.pageSize > 0 ? e.pageSize : std::max<int64_t>(1, std::abs(int64_t{steps}));
  std::vector<int32_t> values;
  int64_t at = std::clamp<int64_t>(e.value, lo, hi);
  int64_t left = steps;
  while (left != 0) {
    const int64_t move = std::clamp<int64_t>(left, -page, page);
    const int64_t next = std::clamp<int64_t>(at + move, lo, hi);
    if (next == at) break;
    values.push_back(static_cast<int32_t>(next));
    // More than a turn may send: the caller refuses it.
    if (values.size() > static_cast<size_t>(kMaxJogMessages)) break;
    at = next;
    left -= move;
  }
  return values;
}

}  // namespace

ElementRec* UserInput::activeJogSlider(MSG_Q_ID& queue, const char* what) {
  GuiModel& model = *panels_.model_;
  const auto requests = model.requestsFrontFirst();
  if (requests.empty()) {
    fail(std::string(what) + ": no request is open");
    return nullptr;
  }
  // The jog reaches the request in front only, like the keys.
  const RequestRec* front = requests.front();
  for (auto& [handle, e] : model.elements)
    if (e.kind == ElementKind::VirtualSlider && e.panel == front->root && e.active) {
      queue = front->queue;
      return &e;
    }
  fail(std::string(what) + ": the request in front has no active jog slider");
  return nullptr;
}

bool UserInput::jog(int32_t steps) {
  std::lock_guard lock(panels_.mutex_);
  MSG_Q_ID queue = 0;
  ElementRec* slider = activeJogSlider(queue, "jog");
  if (!slider) return false;
  const std::vector<int32_t> values = jogValues(*slider, steps);
  if (values.size() > static_cast<size_t>(kMaxJogMessages))
    return fail("jog " + std::to_string(steps) + " would send more than " + std::to_string(kMaxJogMessages) +
                " messages of one page (" + std::to_string(slider->pageSize) + ") each; at most " +
                std::to_string(kMaxJogMessages) + " go at once");
  if (values.empty()) {
    host_.log().host(6, "user: the jog slider " + hexText(slider->handle) + " stands at its end (" +
                            std::to_string(slider->value) + "); the turn moves nothing");
    return true;
  }
  for (int32_t v : values) {
    slider->value = v;
    if (!post(queue, HOST_MSG_ELEMENT, static_cast<int32_t>(slider->handle), kJogMoved, v)) return false;
  }
  return true;
}

bool UserInput::jogConfirm() {
  std::lock_guard lock(panels_.mutex_);
  MSG_Q_ID queue = 0;
  ElementRec* slider = activeJogSlider(queue, "jog confirm");
  if (!slider) return false;
  slider->jogStart = slider->value;
  return post(queue, HOST_MSG_ELEMENT, static_cast<int32_t>(slider->handle), kJogConfirmed, slider->value);
}

bool UserInput::jogCancel() {
  std::lock_guard lock(panels_.mutex_);
  MSG_Q_ID queue = 0;
  ElementRec* slider = activeJogSlider(queue, "jog cancel");
  if (!slider) return false;
  slider->value = std::clamp(slider->jogStart, std::min(slider->minimum, slider->maximum),
                             std::max(slider->minimum, slider->maximum));
  return post(queue, HOST_MSG_ELEMENT, static_cast<int32_t>(slider->handle), kJogCancelled, slider->value);
}

}  // namespace hostsim
