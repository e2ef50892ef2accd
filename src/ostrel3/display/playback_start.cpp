// Starting multi-camera playback: the host's player plays every camera in
// use in its picture box and the edit's picture in the output preview,
// while the panel's editing elements refuse their action.
#include <algorithm>

#include "host/cm.h"
#include "host/main.h"
#include "host/nsl.h"
#include "host/vg.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/shell/playback_notify.h"

namespace ostrel3 {

namespace {

// The host's own callbacks record: five 32-bit words.
constexpr uintptr_t kCallbacksRecordSize = 20;
// The monitor that shows the video output when three are connected.
constexpr int32_t kOutputMonitor = 2;

int16_t narrow16(int64_t v) { return static_cast<int16_t>(std::clamp<int64_t>(v, INT16_MIN, INT16_MAX)); }

}  // namespace

void MulticamOperator::setPlayFlags(bool starting, bool running) {
  playStarting = starting;
  playing = running;
}

void MulticamOperator::refusePlayback() {
  OS3_LOG(kLogRefused);
  vgPointerBeep();
}

void MulticamOperator::PlayStart(int32_t first, int32_t last) {
  // Camera 1 carries the edit: without its clip there is nothing to play.
  if (!cameras[0].hasClip() || playStarting || playing) return refusePlayback();
  ScrubStop();
  scrubHeldForPlayback = true;
  playStartPos = resumePos;
  vgInactivateElement(panelRequest.panel, elementSlots[kPauseButton]);
  if (!startPlayer(first, last)) {
    playerGone();
    // A paused playback that could not resume stays paused, scrubbing off.
    if (!playbackUnderway) resumeScrubbing();
    return;
  }
  playbackUnderway = true;
  setPlayFlags(true, false);
  // Until the player reports its first frame the cursor stands where it
  // starts: a cut made meanwhile belongs there, not at frame 0.
  position = PlaybackStartOf(resumePos, first);
  markPlaybackElements();
  switchPlaybackScreen(true);
}

// Every refusal after mainPlayInit leaves through the session's holder,
// which exits the player again.
bool MulticamOperator::startPlayer(int32_t first, int32_t last) {
  PlayerSession session;
  playCallbacks = MAIN_PLAY_CALLBACKS{kCallbacksRecordSize, &PlayPositionCallback, &PlayEventCallback, {0, 0}};
  if (!session.init(&playCallbacks)) return false;
  const CM_MULTICAM layout = playbackLayout(first);
  if (cmSetMultiCam(render.get(), &layout) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  const VG_RECT screen{0, 0, vgGetScreenWidth(), vgGetScreenHeight()};
  mainPlaySetGuiRect(&screen, 0);  // a refusal shows in the commit below
  if (mainPlaySetGuiRect(nullptr, 0) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  std::array<AV_RECORD, kPlayedCameras> clips{};
  for (int i = 0; i < kPlayedCameras && i < sceneCount; ++i) clips[i] = cameras[i].record;
  if (!session.start(clips, PlaybackSpanOf(resumePos, first, last, TimelineLastFrame()))) return false;
  player = std::move(session);
  outputListInPlayer = layout.outputList ? currentOutputList : -1;
  return true;
}

CM_MULTICAM MulticamOperator::playbackLayout(int32_t first) {
  MultiCamPlaces places;
  OutputPreview preview = outputPreview();
  if (preview != OutputPreview::None) {
    places.preview = outputPreviewRect(preview);
    // Without a usable place the render library would refuse the whole
    // layout: the cameras play without the preview then.
    if (places.preview.width <= 0 || places.preview.height <= 0) preview = OutputPreview::None;
  }
  places.flags = MultiCamFlags(camerasWithClip(), sceneCount, vgGetDefaultMonitor() == 1, preview);
  places.pictureWidth = pictureWidth;
  places.pictureHeight = pictureHeight;
  for (int i = 0; i < kPlayedCameras && i < sceneCount; ++i)
    places.origins[i] = {cameras[i].displayRect[0], cameras[i].displayRect[1]};
  if (preview != OutputPreview::None) {
    outputListStart = PlaybackStartOf(resumePos, first);
    BuildOutputList(outputListStart);
    outputListFollowsCuts = true;
    places.outputList = outputLists[currentOutputList].data();
  } else {
    places.preview = VG_RECT{};
  }
  return MakeMultiCamLayout(places);
}

OutputPreview MulticamOperator::outputPreview() const {
  if (previewPanel) return OutputPreview::InPanel;
  return threeMonitors ? OutputPreview::OnOutputMonitor : OutputPreview::None;
}

// Where the preview goes on its screen; an empty rectangle when that
// cannot be told.
VG_RECT MulticamOperator::outputPreviewRect(OutputPreview preview) {
  if (preview == OutputPreview::InPanel) {
    VG_RECT panel{};
    if (vgGetPanelRect(previewPanel, &panel) != 0) {
      OS3_LOG(kLogFailed);
      return VG_RECT{};
    }
    return {narrow16(int32_t(previewRect.x) + panel.x), narrow16(int32_t(previewRect.y) + panel.y), previewRect.width,
            previewRect.height};
  }
  int32_t width = vgGetScreenWidthMonitor(kOutputMonitor), height = vgGetScreenHeightMonitor(kOutputMonitor);
  // The output shows a whole frame of the video: two fields high.
  if (const OP_IMAGE* field = pictures.fieldImage) {
    width = field->width;
    height = 2 * int32_t(field->height);
  }
  return {0, 0, narrow16(width), narrow16(height)};
}

CameraClipMask MulticamOperator::camerasWithClip() const {
  CameraClipMask mask = 0;
  for (int i = 0; i < kCameraSlots; ++i)
    if (cameras[i].hasClip()) mask |= 1u << i;
  return mask;
}

void MulticamOperator::markPlaybackElements() {
  std::vector<VG_ELEMENT> elements;
  for (int slot : PlaybackMarkedSlots(camerasWithClip(), sceneCount)) elements.push_back(elementSlots[slot]);
  playbackMarks.set(panelRequest.panel, elements);
}

void MulticamOperator::unmarkPlaybackElements() { playbackMarks.clear(); }

void MulticamOperator::switchPlaybackScreen(bool playback) {
  if (!panelRequest.panel) return;  // no panel, no input context
  if (vgSetRootPanelParserID(panelRequest.panel, playback ? VG_PARSER_PLAYBACK : VG_PARSER_MAIN) == -1)
    OS3_LOG(kLogFailed);
}

int32_t MulticamOperator::TimelineLastFrame() {
  std::vector<int32_t> lengths;
  for (int i = 0; i < sceneCount && i < kCameraSlots; ++i) {
    if (!cameras[i].record) continue;
    const int32_t length = nslGetTrimmedAVRecordLength(cameras[i].record);
    if (length < 0) OS3_LOG(kLogFailed);
    lengths.push_back(length);
  }
  return SmallestLastFrame(lengths);
}

}  // namespace ostrel3
