// The request that asks where the output goes: three boxes that act as one
// choice (which may be empty), the transition picker's button and its
// on/off switch. OK is offered only while a choice is made.
#include <array>
#include <optional>

#include "guilayout/guilayout.h"
#include "host/msgq.h"
#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "host/xc.h"
#include "ostrel3/output/storyboard_output.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "transition_picker/picker_state.h"
#include "transition_picker/transition_picker.h"

namespace ostrel3 {

namespace {

enum OutputModeString : int32_t {
  kOutputModeTitle = 366,
  kOutputModeHeader = 423,
  kOutputModeReplace = 424,
  kOutputModeAppend = 426,
  kOutputModeInsert = 428,
  kOutputModeTransitions = 600,
};
// The host's request flags: OK and cancel, OK held disabled until enabled.
constexpr uint32_t kOutputModeRequestFlags = 0x41E;
constexpr size_t kHeaderChars = 255;

struct ModeBox {
  uint32_t shortcut;
  OutputModeString text;
  OutputMode mode;
};
// Top to bottom, as the request shows them.
constexpr std::array<ModeBox, 3> kModeBoxes = {{
    {'c', kOutputModeReplace, kOutputReplace},
    {'a', kOutputModeAppend, kOutputAppend},
    {'i', kOutputModeInsert, kOutputInsertAtCurrent},
}};

class OutputModeRequest {
 public:
  OutputModeRequest(RES_STRINGS strings, size_t cutCount) : strings_(strings), cutCount_(cutCount) {}
  ~OutputModeRequest() {
    if (request_.panel && vreqDeleteRequest(&request_) != 0) OS3_LOG(kLogFailed);
  }
  OutputModeRequest(const OutputModeRequest&) = delete;
  OutputModeRequest& operator=(const OutputModeRequest&) = delete;

  /// Shows the request and runs it to its end.
  int32_t run();

 private:
  const XCHAR* text(int32_t id) const {
    const XCHAR* t = resGetString(strings_, id);
    return t ? t : u"";
  }
  bool open();
  /// The mode chosen, kOutputCancelled, or nothing while the request goes on.
  std::optional<int32_t> handle(const HOST_MESSAGE& message);
  void modeBoxClicked(size_t box, bool selected);
  void showTransitionsSwitch();
  std::optional<size_t> chosenBox() const;
  void offerConfirm();

  RES_STRINGS strings_;
  size_t cutCount_;
  MessageQueue queue_;
  VREQ_REQUEST request_{};
  VG_ELEMENT transitionsButton_ = 0;
  VG_ELEMENT transitionsSwitch_ = 0;
  std::array<VG_ELEMENT, kModeBoxes.size()> modeBoxes_{};
  std::array<bool, kModeBoxes.size()> selected_{};
};

bool OutputModeRequest::open() {
  std::array<XCHAR, kHeaderChars + 1> header{};
  if (snxprintf(header.data(), header.size(), text(kOutputModeHeader), static_cast<int>(cutCount_)) < 0) OS3_LOG(kLogFailed);

  const int16_t line = vgsComponent::lineHeight();
  // Every row keeps the same distance to the next one.
  const int16_t rowGap = vgConvertWidth(4);
  vgsBoxTextLine headerLine(header.data());
  headerLine.setGaps(0, rowGap);
  vgsTextButton transitions(&transitionsButton_, '1', text(kOutputModeTransitions));
  transitions.setGaps(rowGap, 0);
  vgsCheckBox transitionsOn(&transitionsSwitch_, '3', nullptr, transitionPicker().transitionsEnabled ? 1 : 0);
  const int16_t switchWidth = vgConvertGadgetWidth(32);
  transitionsOn.setMinimumSize(switchWidth, line);
  transitionsOn.setMaximumSize(switchWidth, line);
  vgsLayoutX rowLayout;
  vgsContainer transitionsRow(&rowLayout);
  transitionsRow.addChild(&transitions);
  transitionsRow.addChild(&transitionsOn);
  transitionsRow.setGaps(0, rowGap);

  vgsLayoutY columnLayout;
  vgsContainer column(&columnLayout);
  const int16_t margin = vgConvertWidth(6);
  column.setInsets(margin, margin, margin, margin);
  column.addChild(&headerLine);
  column.addChild(&transitionsRow);
  std::array<std::optional<vgsCheckBox>, kModeBoxes.size()> boxes;
  for (size_t i = 0; i < kModeBoxes.size(); ++i) {
    boxes[i].emplace(&modeBoxes_[i], kModeBoxes[i].shortcut, text(kModeBoxes[i].text), 0);
    boxes[i]->setMaximumSize(kVgsMaxExtent, line);
    column.addChild(&*boxes[i]);
  }

  const vgsSize size = column.minimumSize();
  request_.width = size.width;
  request_.height = size.height;
  request_.flags = kOutputModeRequestFlags;
  request_.queue = queue_.get();
  request_.title = text(kOutputModeTitle);
  if (vreqCreateRequest(&request_) != 0) {
    OS3_LOG(kLogFailed);
    request_ = VREQ_REQUEST{};
    return false;
  }
  column.setBounds({0, 0, size.width, size.height});
  if (!column.create(request_.panel)) OS3_LOG(kLogFailed);
  offerConfirm();
  return true;
}

int32_t OutputModeRequest::run() {
  if (!open()) return kOutputCancelled;
  int failedReceives = 0;
  for (;;) {
    HOST_MESSAGE message{};
    if (vgMsgQReceive2(&message, -1, queue_.get()) != static_cast<int32_t>(sizeof message)) {
      OS3_LOG(kLogFailed);
      if (++failedReceives >= kMaxFailedReceives) return kOutputCancelled;
      continue;
    }
    failedReceives = 0;
    if (const std::optional<int32_t> result = handle(message)) return *result;
  }
}

std::optional<int32_t> OutputModeRequest::handle(const HOST_MESSAGE& message) {
  if (message.msgClass == HOST_MSG_CLOSE || message.msgClass == HOST_MSG_CLOSE_WINDOW) return kOutputCancelled;
  if (message.msgClass != HOST_MSG_ELEMENT) return std::nullopt;
  const auto element = static_cast<VG_ELEMENT>(message.id);
  if (element == 0) return std::nullopt;
  if (element == request_.cancelElement) return kOutputCancelled;
  if (element == request_.okElement) {
    if (const std::optional<size_t> box = chosenBox()) return kModeBoxes[*box].mode;
    // Only a host that ignored the disabled state lets OK through here.
    vgPointerBeep();
    OS3_LOG(kLogRefused);
    return std::nullopt;
  }
  if (element == transitionsButton_) {
    if (RunTransitionPicker() != 0) OS3_LOG(kLogFailed);
    showTransitionsSwitch();
  } else if (element == transitionsSwitch_) {
    transitionPicker().transitionsEnabled = message.value & 1;
  } else {
    for (size_t i = 0; i < modeBoxes_.size(); ++i)
      if (element == modeBoxes_[i]) modeBoxClicked(i, (message.value & 1) != 0);
  }
  offerConfirm();
  return std::nullopt;
}

void OutputModeRequest::modeBoxClicked(size_t box, bool selected) {
  selected_[box] = selected;
  if (!selected) return;
  for (size_t i = 0; i < modeBoxes_.size(); ++i) {
    if (i == box || !selected_[i]) continue;
    selected_[i] = false;
    if (vgChangeElement(request_.panel, modeBoxes_[i], VG_TAG_CHECKED, 0, 1) == -1) OS3_LOG(kLogFailed);
  }
}

// The picker may have turned transitions on or off (its OK with or without
// entries): the switch shows what the output will do.
void OutputModeRequest::showTransitionsSwitch() {
  const int32_t on = transitionPicker().transitionsEnabled ? 1 : 0;
  if (vgChangeElement(request_.panel, transitionsSwitch_, VG_TAG_CHECKED, on, 1) == -1) OS3_LOG(kLogFailed);
}

std::optional<size_t> OutputModeRequest::chosenBox() const {
  for (size_t i = 0; i < selected_.size(); ++i)
    if (selected_[i]) return i;
  return std::nullopt;
}

void OutputModeRequest::offerConfirm() {
  if (!request_.okElement) return;
  const int32_t done = chosenBox() ? vgEnableElement(request_.panel, request_.okElement)
                                   : vgDisableElement(request_.panel, request_.okElement);
  if (done == -1) OS3_LOG(kLogFailed);
}

}  // namespace

int32_t AskOutputMode(RES_STRINGS strings, size_t cutCount) { return OutputModeRequest(strings, cutCount).run(); }

}  // namespace ostrel3
