// The transition selection request: buttons and popups on the left, the
// list on the right, on the picker's own queue. The settings window of one
// transition may be open beside it on the same queue.
#include <array>
#include <string>

#include "guilayout/guilayout.h"
#include "host/msgq.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "picker_actions.h"
#include "picker_windows.h"
#include "transition_picker/picker_geometry.h"
#include "transition_picker/transition_picker.h"
#include "transition_picker/transition_tables.h"

namespace ostrel3 {

namespace {

enum PickerTextId : int32_t {
  kPickerTitle = 602, kPickerAdd = 604, kPickerSettings = 606, kPickerJingle = 608, kPickerDelete = 610,
  kPickerLengthLabel = 612, kPickerFirstLength = 614, kPickerOrderLabel = 632, kPickerFirstOrder = 634,
  kPickerChangeLabel = 638, kPickerFirstChange = 640,
};
constexpr int32_t kOrderChoices = 2;
constexpr uint32_t kPopupEntryFlags = 0x201;
constexpr uint32_t kDeleteKey = 0xE002;

PickerGeometry pickerGeometry() {
  int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (vgGetVisibleArea(&x0, &y0, &x1, &y1) != 0) OS3_LOG(kLogFailed);
  PickerMetrics m;
  m.visibleWidth = static_cast<int16_t>(x1 - x0 + 1);
  m.visibleHeight = static_cast<int16_t>(y1 - y0 + 1);
  m.listRowHeight = vgsListview::rowHeight();
  m.frameInset = static_cast<int16_t>(vgConvertWidth(6) + 2);
  m.partGap = vgConvertWidth(20);
  return ComputePickerGeometry(m);
}

// The entries of a popup: every other string from the first.
void fillChoices(RowList& rows, int32_t firstString, int32_t count) {
  for (int32_t i = 0; i < count; ++i) rows.link(rows.make(PickerString(firstString + 2 * i), kPopupEntryFlags, 0));
}

int16_t popupLabelWidth() {
  int32_t widest = 0;
  for (int32_t id : {kPickerLengthLabel, kPickerOrderLabel, kPickerChangeLabel})
    widest = std::max<int32_t>(widest, vgTextLength(PickerText(id)) + 2 * vgConvertWidth(4));
  return static_cast<int16_t>(widest + 4 * vgConvertWidth(4));
}

class SelectionRequest {
 public:
  SelectionRequest()
      : time_(transitionPicker().transitionTime),
        order_(transitionPicker().transitionOrder),
        change_(transitionPicker().transitionChange) {}
  // However the request ends, nothing of it stays on the screen.
  ~SelectionRequest() { CloseOpenPickerWindows(); }
  SelectionRequest(const SelectionRequest&) = delete;
  SelectionRequest& operator=(const SelectionRequest&) = delete;

  bool open();
  void run();

 private:
  void build(const PickerGeometry& g);
  void buildLeftPart(const PickerGeometry& g);
  /// False once the request has ended.
  bool handle(const HOST_MESSAGE& message);
  bool handleElement(const HOST_MESSAGE& message);
  void finish(bool confirmed);
  PickerView view() { return {root_, list_, &rows_}; }

  int32_t time_, order_, change_;  ///< working copies of the three choices
  VG_PANEL root_ = 0;
  VG_ELEMENT add_ = 0, settings_ = 0, jingle_ = 0, delete_ = 0;
  VG_ELEMENT length_ = 0, orderPopup_ = 0, changePopup_ = 0, list_ = 0;
  RowList lengths_, orders_, changes_, rows_;
};

bool SelectionRequest::open() {
  TransitionPickerState& s = transitionPicker();
  const PickerGeometry g = pickerGeometry();
  s.pickerRequest = VREQ_REQUEST{};
  s.pickerRequest.width = g.width;
  s.pickerRequest.height = g.height;
  s.pickerRequest.flags = VREQ_FLAGS_WINDOW_OK_CANCEL;
  s.pickerRequest.queue = s.queue;
  s.pickerRequest.title = PickerText(kPickerTitle);
  if (vreqCreateRequest(&s.pickerRequest) != 0) {
    OS3_LOG(kLogFailed);
    s.pickerRequest = VREQ_REQUEST{};
    return false;
  }
  s.pickerOpen = 1;
  root_ = s.pickerRequest.panel;
  build(g);
  return true;
}

void SelectionRequest::build(const PickerGeometry& g) {
  if (vgDrawBoxNew(root_, 0, 0, g.leftWidth - 1, g.height - 1, kBoxStyle, kBoxFill, 0, 0) != 0) OS3_LOG(kLogFailed);
  if (vgDrawBoxNew(root_, g.rightX, 0, g.rightX + g.rightWidth - 1, g.height - 1, kBoxStyle, kBoxFill, 0, 0) != 0)
    OS3_LOG(kLogFailed);
  buildLeftPart(g);
  FillRows(view());
  vgsListview list(&list_, 'l', rows_.list(), -1, g.listRows);
  list.setBounds({g.listX, g.listY, g.listWidth, g.listHeight});
  list.create(root_);
  if (list_) PickerList(root_, list_).refresh();
}

// Four buttons, an empty row and three popups, one text line each.
void SelectionRequest::buildLeftPart(const PickerGeometry& g) {
  fillChoices(lengths_, kPickerFirstLength, kTransitionLengthChoices);
  fillChoices(orders_, kPickerFirstOrder, kOrderChoices);
  fillChoices(changes_, kPickerFirstChange, kTransitionChangeChoices);
  const int16_t line = vgsComponent::lineHeight();
  const int16_t labels = popupLabelWidth();
  vgsTextButton add(&add_, 'a', PickerText(kPickerAdd));
  vgsTextButton settings(&settings_, 's', PickerText(kPickerSettings));
  vgsTextButton jingle(&jingle_, 'm', PickerText(kPickerJingle));
  vgsTextButton remove(&delete_, kDeleteKey, PickerText(kPickerDelete));
  vgsSpace empty(0, line, 0, line, kVgsMaxExtent, line);
  empty.setGaps(0, vgConvertWidth(4));
  vgsPopup length(&length_, 't', lengths_.list(), time_, PickerText(kPickerLengthLabel), labels);
  vgsPopup order(&orderPopup_, 'o', orders_.list(), order_, PickerText(kPickerOrderLabel), labels);
  vgsPopup change(&changePopup_, 'c', changes_.list(), change_, PickerText(kPickerChangeLabel), labels);
  vgsSpace rest;  // what is left below the popups
  vgsLayoutY column;
  vgsContainer left(&column);
  const int16_t inset = static_cast<int16_t>(vgConvertWidth(6) + 2);
  left.setInsets(inset, inset, inset, inset);
  for (vgsComponent* c : std::array<vgsComponent*, 9>{&add, &settings, &jingle, &remove, &empty, &length, &order,
                                                      &change, &rest}) {
    if (c != &rest && c != &empty) c->setMaximumSize(kVgsMaxExtent, line);
    left.addChild(c);
  }
  left.setBounds({0, 0, g.leftWidth, g.height});
  left.create(root_);
}

void SelectionRequest::run() {
  const TransitionPickerState& s = transitionPicker();
  int failedReceives = 0;
  for (;;) {
    HOST_MESSAGE message{};
    if (vgMsgQReceive2(&message, -1, s.queue) != static_cast<int32_t>(sizeof message)) {
      OS3_LOG(kLogFailed);
      if (++failedReceives < kMaxFailedReceives) continue;
      finish(false);
      return;
    }
    failedReceives = 0;
    if (!handle(message)) return;
  }
}

bool SelectionRequest::handle(const HOST_MESSAGE& message) {
  const TransitionPickerState& s = transitionPicker();
  switch (message.msgClass) {
    case HOST_MSG_ELEMENT:
      return handleElement(message);
    case HOST_MSG_CLOSE:
    case HOST_MSG_CLOSE_WINDOW:
      // The window in front goes: the settings window first, then the request.
      if (s.settingsOpen) {
        CloseSettingsWindow(false);
        return true;
      }
      finish(false);
      return false;
    default:
      return true;
  }
}

bool SelectionRequest::handleElement(const HOST_MESSAGE& message) {
  const TransitionPickerState& s = transitionPicker();
  const auto element = static_cast<VG_ELEMENT>(message.id);
  if (element == 0) return true;
  if (element == s.pickerRequest.okElement || element == s.pickerRequest.cancelElement) {
    finish(element == s.pickerRequest.okElement);
    return false;
  }
  if (element == add_) AddTransitions(view());
  else if (element == settings_) EditSelectedSettings(view());
  else if (element == jingle_) ChooseJingle(view());
  else if (element == delete_) DeleteSelected(view());
  else if (element == length_) time_ = message.value;
  else if (element == orderPopup_) order_ = message.value;
  else if (element == changePopup_) change_ = message.value;
  else if (element == list_) return true;  // choosing a row needs nothing until a button acts on it
  else if (s.settingsOpen && element == s.settingsRequest.okElement) CloseSettingsWindow(true);
  else if (s.settingsOpen && element == s.settingsRequest.cancelElement) CloseSettingsWindow(false);
  else if (s.settingsOpen) ForwardToSettingsWindow(message);
  return true;
}

// An open settings window closes the way the request does: confirming keeps
// its changes, cancelling drops them.
void SelectionRequest::finish(bool confirmed) {
  TransitionPickerState& s = transitionPicker();
  CloseSettingsWindow(confirmed);
  CloseOpenPickerWindows();
  if (confirmed) {
    s.transitionTime = time_;
    s.transitionOrder = order_;
    s.transitionChange = change_;
    s.transitionsEnabled = EntryCount() > 0 ? 1 : 0;
  } else if (EntryCount() == 0) {
    s.transitionsEnabled = 0;
  }
}

}  // namespace

int32_t RunTransitionPicker() {
  if (transitionPicker().pickerOpen) {
    // One selection request at a time: the picker's state belongs to it.
    RefuseAction();
    return -1;
  }
  SelectionRequest request;
  if (!request.open()) return -1;
  request.run();
  return 0;
}

}  // namespace ostrel3
