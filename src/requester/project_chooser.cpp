// The chooser as a host request: a list view of the slots inside a margin,
// OK and cancel from the host, its own queue. It owns the list entries and
// deletes the request before they go.
#include <optional>
#include <vector>

#include "guilayout/guilayout.h"
#include "host/list.h"
#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "requester/project_chooser.h"

namespace ostrel3 {

namespace {

constexpr int32_t kTitleString = 330;
constexpr uint32_t kChooserEntryFlags = 0x4010101;
constexpr int16_t kListRows = kProjectSlots + 1;

// The host list over the rows; the rows' texts must outlive it.
class ChooserEntries {
 public:
  explicit ChooserEntries(const std::vector<ChooserRow>& rows) : entries_(rows.size()) {
    lstInit(&list_);
    for (size_t i = 0; i < rows.size(); ++i) {
      VG_LIST_ENTRY& e = entries_[i];
      e.flags = kChooserEntryFlags;
      e.text = rows[i].label.c_str();
      e.text2 = rows[i].marker.c_str();
      // The host reports a selected row's type: the slot is both the row's
      // value and its type.
      e.value = rows[i].slot;
      e.type = rows[i].slot;
      lstAdd(&list_, &e.node);
    }
  }
  ChooserEntries(const ChooserEntries&) = delete;
  ChooserEntries& operator=(const ChooserEntries&) = delete;
  HOST_LIST* list() { return &list_; }

 private:
  std::vector<VG_LIST_ENTRY> entries_;
  HOST_LIST list_{};
};

class ChooserRequest {
 public:
  ChooserRequest(RES_STRINGS strings, MSG_Q_ID queue) : strings_(strings) { request_.queue = queue; }
  ~ChooserRequest() {
    if (request_.panel && vreqDeleteRequest(&request_) != 0) OS3_LOG(kLogFailed);
  }
  ChooserRequest(const ChooserRequest&) = delete;
  ChooserRequest& operator=(const ChooserRequest&) = delete;

  bool open(HOST_LIST* entries, int32_t initialRow);
  /// The slot picked; -1 for cancel or close; nullopt when the pick cannot be read.
  std::optional<int32_t> run() const;

 private:
  std::optional<int32_t> selectedSlot() const;

  RES_STRINGS strings_;
  VREQ_REQUEST request_{};
  VG_ELEMENT list_ = 0;
};

bool ChooserRequest::open(HOST_LIST* entries, int32_t initialRow) {
  vgsListview listView(&list_, 0, entries, initialRow, kListRows);
  listView.setMaximumSize(static_cast<int16_t>(20 * vgsComponent::cellWidth() + 19 * vgConvertWidth(2)), kVgsMaxExtent);
  vgsLayoutY layout;
  vgsContainer column(&layout);
  const int16_t margin = vgConvertWidth(6);
  column.setInsets(margin, margin, margin, margin);
  column.addChild(&listView);
  const vgsSize size = column.preferredSize();
  request_.width = size.width;
  request_.height = size.height;
  request_.flags = VREQ_FLAGS_OK_CANCEL;
  request_.title = resGetString(strings_, kTitleString);
  if (vreqCreateRequest(&request_) != 0) {
    request_ = VREQ_REQUEST{};
    return false;
  }
  column.setBounds({0, 0, size.width, size.height});
  if (!column.create(request_.panel)) OS3_LOG(kLogFailed);
  return true;
}

std::optional<int32_t> ChooserRequest::run() const {
  int failedReceives = 0;
  for (;;) {
    HOST_MESSAGE message{};
    const int32_t size = vgMsgQReceive2(&message, -1, request_.queue);
    if (size < 0) {
      OS3_LOG(kLogFailed);
      if (++failedReceives >= kMaxFailedReceives) return -1;
      continue;
    }
    failedReceives = 0;
    if (size != static_cast<int32_t>(sizeof message)) continue;
    if (message.msgClass == HOST_MSG_CLOSE || message.msgClass == HOST_MSG_CLOSE_WINDOW) return -1;
    if (message.msgClass != HOST_MSG_ELEMENT || message.id == 0) continue;
    const auto element = static_cast<VG_ELEMENT>(message.id);
    if (element == request_.okElement) return selectedSlot();
    if (element == request_.cancelElement) return -1;
  }
}

std::optional<int32_t> ChooserRequest::selectedSlot() const {
  intptr_t value = -1;
  if (!list_ || vgGetElementInfo(request_.panel, list_, VG_TAG_ROW_TYPE, &value) != 0) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  if (value < 0 || value >= kProjectSlots) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

}  // namespace

int32_t ChooseProjectSlot(RES_STRINGS strings, int32_t currentSlot, std::u16string_view currentName,
                          bool excludeCurrent, const SlotSummaryReader& readSummary) {
  // When the current slot is left out, it is never an answer: a chooser that
  // fails then chooses nothing.
  const int32_t failed = excludeCurrent ? -1 : currentSlot;
  ChooserRows rows;
  {
    BusyPointer busy;
    rows = BuildChooserRows(currentSlot, currentName, excludeCurrent, readSummary);
  }
  try {
    ChooserEntries entries(rows.rows);
    MessageQueue queue;
    ChooserRequest request(strings, queue.get());
    if (!request.open(entries.list(), rows.initialRow)) {
      OS3_LOG(kLogFailed);
      return failed;
    }
    const std::optional<int32_t> slot = request.run();
    if (!slot) return failed;
    if (excludeCurrent && *slot == currentSlot) return -1;
    return *slot;
  } catch (const CMC_Error&) {
    OS3_LOG(kLogFailed);
    return failed;
  }
}

}  // namespace ostrel3
