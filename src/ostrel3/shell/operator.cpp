// Building and tearing down the main object. The members that own host
// resources are built in declaration order by their holders; the body adds
// the plain state, the settings, the transition picker and the project.
#include "ostrel3/shell/operator.h"

#include "host/cm.h"
#include "host/msgq.h"
#include "host/nsl.h"
#include "host/nsl_sb.h"
#include "host/op.h"
#include "host/res.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"
#include "transition_picker/picker_state.h"

namespace ostrel3 {

std::atomic<MulticamOperator*> currentOperator{nullptr};

namespace {
constexpr int32_t kTwoHoursOfSeconds = 7200;
constexpr int32_t kRenderMode = 5;
constexpr int32_t kRenderFlags = 65;
}  // namespace

MulticamOperator::MulticamOperator() {
  initialisePlainState();
  LoadSettings();
  PrepareTransitionPicker();
  for (int i = 0; i < kCameraSlots; ++i) cameras[i].colour = vgGetGuiColorYUV(defaultColourIndex(i));
  LoadProjectSlot();
  renderReady = true;
  if (cmInitRender(render.get(), kRenderMode, kRenderFlags) == -1) {
    OS3_LOG(kLogFailed);
    renderReady = false;
  }
  maxLength = framesPerSecond * kTwoHoursOfSeconds;
  initialiseDisplayMetrics();
  cameras[0].useAudio = 1;
}

void MulticamOperator::initialisePlainState() {
  for (auto& c : cameras) c = CameraSlot{};
  sceneCount = 4;
  framesPerSecond = cmGetFramesPerSecond(render.get(), 0);
  scrubTask = ScrubTaskState{};
  if (const OP_AUDIO_INFO* info = opGetAudioInfo()) scrubTask.audioInfo = *info;
  threeMonitors = vgGetConnectedMonitors() == 3;
  if (threeMonitors) vgColorBarOff();
}

void MulticamOperator::initialiseDisplayMetrics() {
  textLineHeight = static_cast<int16_t>(vgGetAddHeight() + vgGetFontHeight());
  highlightColor = kHighlightColour;
  XCHAR text[VG_TIME_TEXT_MAX] = {};
  vgSliderCallbackFramesTime(0, text);
  const int width = vgTextLength(text) + 2 * (vgConvertWidth(4) + 2);
  timeTextWidth = static_cast<int16_t>(width & ~1);
}

MulticamOperator::~MulticamOperator() { teardown(); }

void MulticamOperator::teardown() noexcept {
  // The player's callbacks post to the event queue: it goes first.
  player.end();
  // No scrub task or engine may outlive the queues and the handle they use.
  ScrubStop();
  ReleaseTransitionPicker();
  pictures.release();
  if (renderReady) {
    if (cmExitRender(render.get(), kRenderFlags) == -1) OS3_LOG(kLogFailed);
    renderReady = false;
  }
  for (auto& camera : cameras) {
    if (camera.record && nslDeleteAVRecord(camera.record) == -1) OS3_LOG(kLogFailed);
    camera.record = 0;
  }
  runMessage = nullptr;
  if (threeMonitors) vgColorBarOn();
  waveformStrip.freeBuffers();
  scrubEnvelope.reset();
  for (auto& b : scrubBuffers) std::vector<int16_t>().swap(b);
  scrubCommandQueue.release();
  for (auto& l : outputLists) std::vector<CM_OUTPUT_PAIR>().swap(l);
  redoHistory.clear();
  undoHistory.clear();
  projectName.clear();
  for (int i = 2; i >= 0; --i) sbScenes[i].release();
  cutList.clear();
  render.release();
  eventQueue.release();
  gadgetExt.release();
  images.release();
  strings.release();
}

}  // namespace ostrel3
