// The reset request: reset the whole project (which clears the cuts too),
// or only clear the cuts. OK is offered only while one of them is ticked.
#include "guilayout/guilayout.h"
#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

enum ResetString : int32_t { kResetTitle = 476, kResetWholeProject = 478, kResetCutsOnly = 480 };
enum BoxId : uint32_t { kWholeProjectId = 115, kCutsOnlyId = 105 };
constexpr uint32_t kResetRequestFlags = 30;
// A check box ticked and held so by the box above it.
constexpr int32_t kTickedAndFixed = 2;

enum class ResetChoice { kCancelled, kConfirmed, kOpen };

class ResetRequest {
 public:
  explicit ResetRequest(RES_STRINGS strings) : strings_(strings) {}
  ~ResetRequest() {
    if (request_.panel && vreqDeleteRequest(&request_) != 0) OS3_LOG(kLogFailed);
  }
  ResetRequest(const ResetRequest&) = delete;
  ResetRequest& operator=(const ResetRequest&) = delete;

  bool open();
  /// True when the user confirmed; then wholeProject() and clearCuts() say what.
  bool run();
  bool wholeProject() const { return whole_; }
  bool clearCuts() const { return cuts_; }

 private:
  const XCHAR* text(int32_t id) const {
    const XCHAR* t = resGetString(strings_, id);
    return t ? t : u"";
  }
  ResetChoice handle(const HOST_MESSAGE& message);
  void wholeProjectTicked(bool ticked);
  void offerConfirm();
  void check(int32_t done) const {
    if (done == -1) OS3_LOG(kLogFailed);
  }

  RES_STRINGS strings_;
  MessageQueue queue_;
  VREQ_REQUEST request_{};
  VG_ELEMENT wholeBox_ = 0;
  VG_ELEMENT cutsBox_ = 0;
  bool whole_ = true;
  bool cuts_ = true;
};

bool ResetRequest::open() {
  vgsCheckBox whole(&wholeBox_, kWholeProjectId, text(kResetWholeProject), 1);
  vgsCheckBox cuts(&cutsBox_, kCutsOnlyId, text(kResetCutsOnly), kTickedAndFixed);
  const int16_t line = vgsComponent::lineHeight();
  whole.setMaximumSize(kVgsMaxExtent, line);
  cuts.setMaximumSize(kVgsMaxExtent, line);
  vgsLayoutY layout;
  vgsContainer column(&layout);
  column.setInsets(vgConvertWidth(4), vgConvertWidth(4), vgConvertWidth(2), vgConvertWidth(2));
  column.addChild(&whole);
  column.addChild(&cuts);
  const int16_t leastWidth = static_cast<int16_t>(6 * vgsComponent::cellWidth() + 5 * vgConvertWidth(2));
  vgsSize size = column.minimumSize();
  if (size.width < leastWidth) size.width = leastWidth;
  request_.width = size.width;
  request_.height = size.height;
  request_.flags = kResetRequestFlags;
  request_.queue = queue_.get();
  request_.title = text(kResetTitle);
  if (vreqCreateRequest(&request_) != 0) {
    request_ = VREQ_REQUEST{};
    return false;
  }
  column.setBounds({0, 0, size.width, size.height});
  if (!column.create(request_.panel)) OS3_LOG(kLogFailed);
  // The whole project takes the cuts with it: that box stays ticked while it is.
  if (cutsBox_) check(vgDisableElement(request_.panel, cutsBox_));
  return true;
}

bool ResetRequest::run() {
  int failedReceives = 0;
  for (;;) {
    HOST_MESSAGE message{};
    const int32_t size = vgMsgQReceive2(&message, -1, request_.queue);
    if (size < 0) {
      OS3_LOG(kLogFailed);
      if (++failedReceives >= kMaxFailedReceives) return false;
      continue;
    }
    failedReceives = 0;
    if (size != static_cast<int32_t>(sizeof message)) continue;
    const ResetChoice choice = handle(message);
    if (choice != ResetChoice::kOpen) return choice == ResetChoice::kConfirmed;
  }
}

ResetChoice ResetRequest::handle(const HOST_MESSAGE& message) {
  if (message.msgClass == HOST_MSG_CLOSE || message.msgClass == HOST_MSG_CLOSE_WINDOW) return ResetChoice::kCancelled;
  if (message.msgClass != HOST_MSG_ELEMENT || message.id == 0) return ResetChoice::kOpen;
  const auto element = static_cast<VG_ELEMENT>(message.id);
  if (element == request_.cancelElement) return ResetChoice::kCancelled;
  if (element == request_.okElement) {
    if (whole_ || cuts_) return ResetChoice::kConfirmed;
    // Only a host that ignored the disabled state lets OK through here.
    vgPointerBeep();
    OS3_LOG(kLogRefused);
    return ResetChoice::kOpen;
  }
  if (element == wholeBox_) wholeProjectTicked((message.value & 1) != 0);
  else if (element == cutsBox_) cuts_ = (message.value & 1) != 0;
  offerConfirm();
  return ResetChoice::kOpen;
}

void ResetRequest::wholeProjectTicked(bool ticked) {
  whole_ = ticked;
  if (!cutsBox_) return;
  if (ticked) {
    cuts_ = true;
    check(vgChangeElement(request_.panel, cutsBox_, VG_TAG_CHECKED, 1, 1));
    check(vgDisableElement(request_.panel, cutsBox_));
  } else {
    check(vgEnableElement(request_.panel, cutsBox_));
  }
}

void ResetRequest::offerConfirm() {
  if (!request_.okElement) return;
  check(whole_ || cuts_ ? vgEnableElement(request_.panel, request_.okElement)
                        : vgDisableElement(request_.panel, request_.okElement));
}

}  // namespace

bool MulticamOperator::AskResetProject() {
  try {
    ResetRequest request(strings.get());
    if (!request.open()) {
      OS3_LOG(kLogFailed);
      return false;
    }
    if (!request.run()) return false;
    position = 0;
    if (request.clearCuts()) {
      cutList.clear();
      cutList[0] = 0;
    }
    if (request.wholeProject()) ResetProject();
    return true;
  } catch (const CMC_Error&) {
    OS3_LOG(kLogFailed);
    return false;
  }
}

}  // namespace ostrel3
