// "Automatic" and "All cameras": the search by sound runs in steps between
// the user's messages (the dialog sends itself one message a step), with the
// busy pointer and the progress under the controls. A result moves the
// camera's pair at once and leaves the camera on the jog, so the user can
// refine it and confirm as by hand; a result left unconfirmed when the
// dialog closes is taken back.
#include <algorithm>
#include <cmath>

#include "host/msgq.h"
#include "host/vg.h"
#include "ostrel3/project/utf8.h"
#include "ostrel3/shell/log.h"
#include "sync_requester/sync_dialog.h"

namespace ostrel3 {

namespace {
// The controls that would disturb a search beep while it runs.
constexpr int kBusyControls[] = {kSyncCameraPopup, kSyncPreviewToEnds, kSyncPreviewAround, kSyncRefPosition,
                                 kSyncPosition};

std::u16string progressText(const XCHAR* name, double done) {
  const int percent = std::clamp(static_cast<int>(std::lround(done * 100.0)), 0, 100);
  return u"Listening to " + std::u16string(name ? name : u"") + u": " + FromUtf8(std::to_string(percent)) + u" %";
}
}  // namespace

void SyncDialog::startAutomatic(bool allCameras) {
  if (autoRun_) {
    cancelAutomatic();
    return;
  }
  if (scrubCamera_ >= 0 || !params_.record[0] || !refEnvelope_) return;
  stopPreview();
  auto run = std::make_unique<AutomaticRun>();
  for (int k = 1; k < kSyncCameras; ++k)
    if (params_.record[k] && (allCameras || k == params_.syncCamera)) run->cameras.push_back(k);
  run->referenceSound = std::make_unique<AudioEnvelope>(params_.record[0]);
  run->reference = std::make_unique<ClipSoundSource>(*run->referenceSound);
  run->framesPerSecond = MeasuredFrameRate(*run->reference, params_.rateFps > 0 ? params_.rateFps : 25);
  autoRun_ = std::move(run);
  if (!beginAutomaticCamera()) {
    autoRun_.reset();
    return;
  }
  vgBusyPointer();
  beepWhileSearching(true);
  postAutomaticStep();
}

bool SyncDialog::beginAutomaticCamera() {
  AutomaticRun& run = *autoRun_;
  run.job.reset();
  if (run.next >= run.cameras.size()) return false;
  const int k = run.cameras[run.next++];
  run.camera = k;
  run.otherSound = std::make_unique<AudioEnvelope>(params_.record[k]);
  run.other = std::make_unique<ClipSoundSource>(*run.otherSound);
  AutoSyncInput input;
  input.reference = run.reference.get();
  input.other = run.other.get();
  input.framesPerSecond = run.framesPerSecond;
  input.referenceStart = params_.recStart[0];
  input.referenceEnd = params_.recEnd[0];
  input.otherStart = params_.recStart[k];
  input.otherEnd = params_.recEnd[k];
  run.job = std::make_unique<AutoSyncJob>(input);
  setVerdictLines(progressText(params_.name[k], 0.0), u"");
  return true;
}

void SyncDialog::postAutomaticStep() {
  QueueMessage step;
  step.msgClass = kMsgTask;
  step.identifier = kAutoSyncStepMessageId;
  if (msgQSend(guiQueue_.get(), &step, kMessageSize, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL) == -1) {
    OS3_LOG(kLogFailed);
    cancelAutomatic();
  }
}

void SyncDialog::stepAutomatic() {
  // A step message still queued after a cancel finds nothing to do.
  if (!autoRun_ || !autoRun_->job) return;
  AutomaticRun& run = *autoRun_;
  if (run.job->step()) {
    setVerdictLines(progressText(params_.name[run.camera], run.job->progress()), u"");
    postAutomaticStep();
    return;
  }
  finishAutomaticCamera(run.job->result());
  if (beginAutomaticCamera()) postAutomaticStep();
  else endAutomatic();
}

void SyncDialog::finishAutomaticCamera(const AutoSyncResult& result) {
  const int k = autoRun_->camera;
  verdicts_[k] = DescribeSync(result, autoRun_->framesPerSecond);
  if (result.basis == SyncBasis::None) return;
  PendingSync& pending = pending_[k];
  if (!pending.active) pending = PendingSync{true, params_.trimIn[k], params_.syncIn[k], params_.autoSync[k]};
  params_.trimIn[k] = std::clamp(result.otherFrame, 0, std::max(length(k) - 1, 0));
  params_.syncIn[k] = std::clamp(result.referenceFrame, 0, std::max(length(0) - 1, 0));
  params_.autoSync[k] = 1;
}

void SyncDialog::endAutomatic() {
  autoRun_.reset();
  beepWhileSearching(false);
  vgStandardPointer();
  showVerdict(params_.syncCamera);
  // The shown camera waits on the jog: refine, then confirm or cancel. It
  // is drawn once positioned, so its strip takes the positioning colours.
  if (pending_[params_.syncCamera].active) startPositioning(params_.syncCamera);
  refreshReference();
  refreshSync();
}

void SyncDialog::cancelAutomatic() {
  if (!autoRun_) return;
  autoRun_.reset();
  beepWhileSearching(false);
  vgStandardPointer();
  setVerdictLines(u"Stopped: the cameras searched so far keep their results", u"");
  refreshReference();
  refreshSync();
}

void SyncDialog::beepWhileSearching(bool on) {
  for (int slot : kBusyControls) beep(slot, on);
}

void SyncDialog::showVerdict(int camera) {
  if (camera < 0 || camera >= kSyncCameras || verdicts_[camera].empty()) {
    setVerdictLines(u"", u"");
    return;
  }
  // The verdict takes the first line, everything said about drift the second.
  const std::vector<std::string>& lines = verdicts_[camera];
  std::string detail;
  for (size_t i = 1; i < lines.size(); ++i) detail += (i > 1 ? " " : "") + lines[i];
  setVerdictLines(FromUtf8(lines[0]), FromUtf8(detail));
}

void SyncDialog::setVerdictLines(const std::u16string& first, const std::u16string& second) {
  verdictLines_ = {first, second};
  const int slots[] = {kSyncVerdict, kSyncVerdictDetail};
  for (int i = 0; i < 2; ++i) {
    if (!elements_[slots[i]] || !request_.panel) continue;
    // The gadget keeps the address: the text lives in verdictLines_.
    if (vgChangeElement(request_.panel, elements_[slots[i]], VG_TAG_TEXT_ALT,
                        reinterpret_cast<intptr_t>(verdictLines_[i].c_str()), 1) == -1)
      OS3_LOG(kLogFailed);
  }
}

void SyncDialog::restoreUnconfirmed() {
  for (int k = 0; k < kSyncCameras; ++k) {
    PendingSync& pending = pending_[k];
    if (!pending.active) continue;
    params_.trimIn[k] = pending.trimIn;
    params_.syncIn[k] = pending.syncIn;
    params_.autoSync[k] = pending.autoSync;
    pending.active = false;
  }
}

}  // namespace ostrel3
