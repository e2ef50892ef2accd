#pragma once
// An operator with an open main panel for cut editing: cameras with
// 400-frame clips, the timeline showing frames 0 to 299 on 600 pixels.
#include <string>
#include <vector>

#include "assignment_fixture.h"
#include "host/msgq.h"
#include "host/vg.h"
#include "hostsim/kernel/kernel.h"
#include "ostrel3/editing/parser_commands.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/queue_message.h"

namespace ostrel3_test {

/// A message of the host: an input-parser command (a jog's step in `step`)
/// or a key that no element took.
inline ostrel3::QueueMessage message(uint16_t msgClass, int32_t id, int32_t step = 0) {
  ostrel3::QueueMessage m;
  m.msgClass = msgClass;
  m.identifier = id;
  m.subEvent = step;
  return m;
}
inline ostrel3::QueueMessage command(int32_t id, int32_t step = 0) { return message(ostrel3::kMsgCommand, id, step); }
inline ostrel3::QueueMessage jog(int32_t step) { return command(ostrel3::kJogCommand, step); }

class CutEditingTest : public AssignmentTest {
 protected:
  /// Opens the panel with `count` cameras from `first` on, and `cuts`.
  void openWith(const ostrel3::CutList& cuts, int32_t position, int first = 0, int count = 2) {
    for (int i = first; i < first + count; ++i) give(i, kLong);
    openPanel();
    op->cutList = cuts;
    op->position = position;
    op->timelineArea.rect.width = 600;
    op->zoomIn = 0;
    op->zoomOut = 299;
    host().calls().clearTrace();
  }
  void post(const ostrel3::QueueMessage& m) {
    ASSERT_EQ(host().kernel().send(op->eventQueue.get(), &m, sizeof m, 0, 0), 0);
  }
  /// Takes everything waiting in the event queue, in order: class, id, step.
  std::vector<std::tuple<uint16_t, int32_t, int32_t>> drainQueue() {
    std::vector<std::tuple<uint16_t, int32_t, int32_t>> out;
    ostrel3::QueueMessage m;
    while (msgQReceive(op->eventQueue.get(), &m, sizeof m, HOST_NO_WAIT) == int32_t(sizeof m))
      out.emplace_back(m.msgClass, m.identifier, m.subEvent);
    return out;
  }
  uint32_t screen() { return host().panels().currentScreen(); }
  intptr_t timelineTag(int32_t tag) {
    intptr_t value = -1;
    vgGetElementInfo(op->timelineArea.panel, 0, tag, &value);
    return value;
  }
  /// The calls that gave the position slider a value.
  std::vector<std::string> sliderChanges() {
    const std::string slider = ", " + std::to_string(op->elementSlots[ostrel3::kPositionSlider]) + ", 40, ";
    std::vector<std::string> out;
    for (const auto& call : host().calls().traceOf({"vgChangeElement"}))
      if (call.find(slider) != std::string::npos) out.push_back(call);
    return out;
  }
  /// Screen column of the timeline's left edge.
  int16_t timelineLeft() {
    VG_RECT panel{};
    vgGetPanelRect(op->timelineArea.panel, &panel);
    return int16_t(panel.x + op->timelineArea.rect.x);
  }
};

}  // namespace ostrel3_test
