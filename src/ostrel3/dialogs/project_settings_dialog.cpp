// The project and settings dialog: opening another project of the host
// project, renaming, copying and resetting this one, the archives and the
// removable media, the handle length, the live picture and the camera count.
// Every change of the project is an undo step. The project on screen is
// saved before another one is loaded over it; when that save fails the user
// stays with it.
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/dialogs/project_settings_layout.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "requester/project_chooser.h"

namespace ostrel3 {

namespace {

enum SettingsDialogString : int32_t {
  kSettingsTitle = 340,
  kSettingsNameLabel = 342,
  kSettingsSecondText = 352,
  kSettingsOpenProject = 380,
  kSettingsNotSaved = 383,
};
constexpr uint32_t kSettingsRequestFlags = 0x10000E;
constexpr int32_t kNameChars = 31;
constexpr uint32_t kOkAlone = 2;

class SettingsDialog {
 public:
  SettingsDialog(MulticamOperator& op, int32_t entrySceneCount) : op_(op), entrySceneCount_(entrySceneCount) {}
  ~SettingsDialog() {
    if (request_.panel && vreqDeleteRequest(&request_) != 0) OS3_LOG(kLogFailed);
  }
  SettingsDialog(const SettingsDialog&) = delete;
  SettingsDialog& operator=(const SettingsDialog&) = delete;

  /// Builds and shows the request; false when the host refused it.
  bool open();
  /// Runs the request to its end: true when the caller must show the project anew.
  bool run();

 private:
  const XCHAR* text(int32_t id) const {
    const XCHAR* t = resGetString(op_.strings.get(), id);
    return t ? t : u"";
  }
  /// Handles one message; false when the dialog ends.
  bool handle(const HOST_MESSAGE& message);
  bool handleElement(VG_ELEMENT element, int32_t value);
  void editName();
  void switchProject();
  void resetProject();
  void chooseCameraCount(int32_t entry);
  /// Shows the model's name, settings and camera count in the dialog.
  void showProject();
  void change(VG_ELEMENT element, int32_t tag, intptr_t value) const {
    if (element && vgChangeElement(request_.panel, element, tag, value, 1) == -1) OS3_LOG(kLogFailed);
  }

  MulticamOperator& op_;
  int32_t entrySceneCount_;
  ProjectSettingsElements elements_;
  std::optional<ProjectSettingsLayout> layout_;
  MessageQueue queue_;
  VREQ_REQUEST request_{};
  bool result_ = false;
};

bool SettingsDialog::open() {
  ProjectSettingsValues values;
  values.name = op_.projectName;
  values.trimLength = op_.trimLength;
  values.maxTrimLength = 10 * op_.framesPerSecond;
  values.showOutPreview = op_.showOutPreview;
  values.offerLivePicture = op_.LivePictureOffered();
  values.sceneCount = op_.sceneCount;
  layout_.emplace(op_.strings.get(), op_.images.get(), values, elements_);
  vgsContainer& root = layout_->root();
  const vgsSize size = root.minimumSize();
  request_.width = size.width;
  request_.height = size.height;
  request_.flags = kSettingsRequestFlags;
  request_.queue = queue_.get();
  request_.title = text(kSettingsTitle);
  request_.text2 = text(kSettingsSecondText);
  if (vreqCreateRequest(&request_) != 0) {
    request_ = VREQ_REQUEST{};
    return false;
  }
  root.setBounds({0, 0, size.width, size.height});
  if (!root.create(request_.panel)) OS3_LOG(kLogFailed);
  return true;
}

bool SettingsDialog::run() {
  // What the slot file holds is what the chooser and the copy read.
  if (!op_.SaveProject()) OS3_LOG(kLogFailed);
  int failedReceives = 0;
  for (;;) {
    HOST_MESSAGE message{};
    const int32_t size = vgMsgQReceive2(&message, -1, request_.queue);
    if (size < 0) {
      OS3_LOG(kLogFailed);
      if (++failedReceives >= kMaxFailedReceives) return result_;
      continue;
    }
    failedReceives = 0;
    if (size != static_cast<int32_t>(sizeof message)) continue;
    if (!handle(message)) return result_;
  }
}

bool SettingsDialog::handle(const HOST_MESSAGE& message) {
  if (message.msgClass == HOST_MSG_CLOSE || message.msgClass == HOST_MSG_CLOSE_WINDOW) return false;
  if (message.msgClass != HOST_MSG_ELEMENT || message.id == 0) return true;
  const bool goOn = handleElement(static_cast<VG_ELEMENT>(message.id), message.value);
  if (op_.sceneCount != entrySceneCount_) change(elements_.cameraCount, VG_TAG_POPUP_SELECT, CameraCountEntry(op_.sceneCount));
  return goOn;
}

bool SettingsDialog::handleElement(VG_ELEMENT element, int32_t value) {
  const ProjectSettingsElements& e = elements_;
  if (element == request_.okElement) return false;
  if (element == e.name) {
    editName();
  } else if (element == e.chooseProject) {
    switchProject();
  } else if (element == e.copyToSlot) {
    op_.CopyProjectToSlot();
  } else if (element == e.reset) {
    resetProject();
  } else if (element == e.archives) {
    if (op_.ArchivesCommand()) {
      result_ = true;
      return false;
    }
  } else if (element == e.exportToMedium) {
    op_.ExportProjectToMedium();
  } else if (element == e.importFromMedium) {
    // Whatever the import brought, the panel shows the project as it now is.
    op_.ImportProjectFromMedium();
    result_ = true;
    return false;
  } else if (element == e.trimLength) {
    op_.trimLength = std::clamp(value, 0, 10 * op_.framesPerSecond);
  } else if (element == e.livePicture) {
    op_.showOutPreview = value & 1;
  } else if (element == e.cameraCount) {
    chooseCameraCount(value);
  }
  return true;
}

void SettingsDialog::editName() {
  std::array<XCHAR, kNameChars + 1> buffer{};
  // A longer name is offered cut to what the buffer holds.
  const std::u16string offered = op_.projectName.substr(0, kNameChars);
  std::copy(offered.begin(), offered.end(), buffer.begin());
  VREQ_KEY request{};
  request.title = text(kSettingsNameLabel);
  request.buffer = buffer.data();
  request.size = kNameChars;
  if (vreqKeyRequest(&request) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  buffer.back() = 0;
  // The name offered, confirmed as it was, is no change (a long one stays whole).
  if (request.answer != 1 || offered == buffer.data()) return;
  op_.PushUndo();
  op_.projectName = buffer.data();
  change(elements_.name, VG_TAG_TEXT, reinterpret_cast<intptr_t>(op_.projectName.c_str()));
}

void SettingsDialog::switchProject() {
  const int32_t slot = ChooseProjectSlot(op_.strings.get(), op_.projectSlot, op_.projectName, false,
                                         [this](int32_t n) { return op_.ReadProjectSummary(n); });
  if (slot < 0) return;
  // The work on screen reaches its file before any project is loaded over it.
  if (!op_.SaveProject()) {
    OS3_LOG(kLogFailed);
    VREQ_TEXT request{};
    request.title = text(kSettingsOpenProject);
    request.text = text(kSettingsNotSaved);
    request.flags = kOkAlone;
    if (vreqTextRequest(&request) != 0) OS3_LOG(kLogFailed);
    return;
  }
  op_.PushUndo();
  if (!op_.settingsChanged && slot != op_.projectSlot) op_.settingsChanged = true;
  op_.projectSlot = slot;
  // A file that holds no project leaves an empty one: the model changed either way.
  if (!op_.LoadProjectSlot()) OS3_LOG(kLogFailed);
  result_ = true;
  showProject();
  op_.restartRequested = op_.sceneCount != entrySceneCount_;
}

void SettingsDialog::resetProject() {
  op_.PushUndo();
  // A cancelled reset keeps what the dialog changed before it.
  if (!op_.AskResetProject()) return;
  result_ = true;
  showProject();
}

void SettingsDialog::chooseCameraCount(int32_t entry) {
  if (entry < 0 || entry >= static_cast<int32_t>(kCameraCountChoices.size())) {
    OS3_LOG(kLogFailed);
    return;
  }
  const int32_t count = kCameraCountChoices[static_cast<size_t>(entry)];
  if (count == op_.sceneCount) return;
  op_.PushUndo();
  op_.sceneCount = count;
}

void SettingsDialog::showProject() {
  change(elements_.name, VG_TAG_TEXT, reinterpret_cast<intptr_t>(op_.projectName.c_str()));
  change(elements_.cameraCount, VG_TAG_POPUP_SELECT, CameraCountEntry(op_.sceneCount));
  change(elements_.trimLength, VG_TAG_SLIDER_VALUE, op_.trimLength);
  change(elements_.livePicture, VG_TAG_CHECKED, op_.showOutPreview ? 1 : 0);
}

// The position slider is out of the model's reach while the dialog runs
// (a project loaded meanwhile must not set its range); it comes back on
// every way out.
class PositionSliderAside {
 public:
  explicit PositionSliderAside(VG_ELEMENT& slot) : slot_(slot), handle_(std::exchange(slot, 0)) {}
  ~PositionSliderAside() { restore(); }
  PositionSliderAside(const PositionSliderAside&) = delete;
  PositionSliderAside& operator=(const PositionSliderAside&) = delete;
  void restore() { slot_ = handle_; }

 private:
  VG_ELEMENT& slot_;
  VG_ELEMENT handle_;
};

}  // namespace

bool MulticamOperator::ProjectSettingsDialog() {
  const int32_t entrySceneCount = sceneCount;
  const int32_t entryLivePicture = showOutPreview;
  PositionSliderAside slider(elementSlots[kPositionSlider]);
  bool result = false;
  try {
    SettingsDialog dialog(*this, entrySceneCount);
    if (dialog.open()) result = dialog.run();
    else OS3_LOG(kLogFailed);
  } catch (const CMC_Error&) {
    OS3_LOG(kLogFailed);
  }
  if (sceneCount != entrySceneCount || showOutPreview != entryLivePicture) {
    result = true;
    restartRequested = true;
  }
  // Fewer cameras: the active one must be one of those shown.
  activeCamera = std::clamp(activeCamera, 0, std::max(sceneCount, 1) - 1);
  // The pictures are made again at the sizes of the panel that shows them.
  pictures.release();
  slider.restore();
  projectLength = 0;
  UpdateTimelineLength();
  return result;
}

}  // namespace ostrel3
