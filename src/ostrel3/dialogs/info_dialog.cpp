// The information dialog: a read-only request with the editor's version, the
// project's facts and one row a camera. It changes nothing and ends with
// its OK element or when the host closes it.
#include <array>

#include "host/msgq.h"
#include "host/nsl.h"
#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/dialogs/info_dialog.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

enum InfoDialogString : int32_t { kInfoRequestTitle = 386, kInfoEditorName = 388, kInfoCloseText = 404 };
constexpr char kVersion[] = "1.1";
constexpr uint32_t kInfoRequestFlags = 0x10000E;

std::u16string timeText(int32_t frames) {
  std::array<XCHAR, VG_TIME_TEXT_MAX + 1> text{};
  if (vgSliderCallbackFramesTime(frames, text.data()) < 0) {
    OS3_LOG(kLogFailed);
    return {};
  }
  return text.data();
}

const XCHAR* resource(RES_STRINGS strings, int32_t id) {
  const XCHAR* text = resGetString(strings, id);
  return text ? text : u"";
}

}  // namespace

InfoTexts ComposeInfoTexts(const MulticamOperator& op) {
  InfoTexts t;
  t.title = InfoTitleLine(resource(op.strings.get(), kInfoEditorName), kVersion);
  t.project = InfoProjectText(op.projectSlot, op.projectName);
  t.length = timeText(op.projectLength / 2);
  t.cuts = DecimalText(CutsAwayFromFirstCamera(op.cutList));
  for (int k = 0; k < kInfoCameras; ++k) {
    const CameraSlot& camera = op.cameras[k];
    t.cameraAudio[k] = camera.useAudio ? u"+" : u" ";
    if (!camera.hasClip()) {
      t.cameraLine[k] = InfoCameraLine(k, std::nullopt);
      continue;
    }
    const XCHAR* name = nslGetAVRecordName(camera.record);
    if (!name) OS3_LOG(kLogFailed);
    t.cameraLine[k] = InfoCameraLine(k, std::u16string_view(name ? name : u""));
    const int32_t length = nslGetTrimmedAVRecordLength(camera.record);
    if (length < 0) OS3_LOG(kLogFailed);
    else t.cameraLength[k] = timeText(length);
    t.cameraCuts[k] = DecimalText(CutsToCamera(op.cutList, k));
  }
  return t;
}

namespace {

// The open request; deleted once on every way out.
class InfoRequest {
 public:
  explicit InfoRequest(MSG_Q_ID queue) { request_.queue = queue; }
  ~InfoRequest() {
    if (request_.panel && vreqDeleteRequest(&request_) != 0) OS3_LOG(kLogFailed);
  }
  InfoRequest(const InfoRequest&) = delete;
  InfoRequest& operator=(const InfoRequest&) = delete;

  bool open(InfoLayout& layout, RES_STRINGS strings) {
    vgsContainer& root = layout.root();
    const vgsSize size = root.minimumSize();
    request_.width = size.width;
    request_.height = size.height;
    request_.flags = kInfoRequestFlags;
    request_.title = resource(strings, kInfoRequestTitle);
    request_.text2 = resource(strings, kInfoCloseText);
    if (vreqCreateRequest(&request_) != 0) {
      request_ = VREQ_REQUEST{};
      return false;
    }
    root.setBounds({0, 0, size.width, size.height});
    if (!root.create(request_.panel)) OS3_LOG(kLogFailed);
    return true;
  }

  /// Waits for the OK element or the host's close.
  void run() const {
    int failedReceives = 0;
    for (;;) {
      HOST_MESSAGE message{};
      const int32_t size = vgMsgQReceive2(&message, -1, request_.queue);
      if (size < 0) {
        OS3_LOG(kLogFailed);
        if (++failedReceives >= kMaxFailedReceives) return;
        continue;
      }
      failedReceives = 0;
      if (size != static_cast<int32_t>(sizeof message)) continue;
      if (message.msgClass == HOST_MSG_CLOSE || message.msgClass == HOST_MSG_CLOSE_WINDOW) return;
      if (message.msgClass == HOST_MSG_ELEMENT && message.id != 0 &&
          static_cast<VG_ELEMENT>(message.id) == request_.okElement)
        return;
    }
  }

 private:
  VREQ_REQUEST request_{};
};

}  // namespace

void MulticamOperator::InfoDialog() {
  const InfoTexts texts = ComposeInfoTexts(*this);
  InfoLayout layout(texts, strings.get());
  try {
    // A dialog that only shows facts is no reason to end the editing session:
    // without its queue it is simply not shown.
    MessageQueue queue;
    InfoRequest request(queue.get());
    if (!request.open(layout, strings.get())) {
      OS3_LOG(kLogFailed);
      return;
    }
    request.run();
  } catch (const CMC_Error&) {
    OS3_LOG(kLogFailed);
  }
}

}  // namespace ostrel3
