// The project model's rules that talk to the host: reset, project length.
#include <cstdio>

#include "host/nsl.h"
#include "host/vg.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {
constexpr int kPositionSliderSlot = 27;
constexpr int32_t kSliderMaximumTag = 39;
}  // namespace

void MulticamOperator::clearPlaybackState() {
  playStarting = false;
  playing = false;
  resumePos = 0;
  playStartPos = 0;
  outputListStart = 0;
}

void MulticamOperator::ResetProject() {
  char name[16];
  std::snprintf(name, sizeof name, "P %d", static_cast<int>(projectSlot + 1));
  projectName.assign(name, name + std::char_traits<char>::length(name));
  pictures.releaseImages();
  for (int i = 0; i < kCameraSlots; ++i) {
    ClearCameraSlot(cameras[i]);
    cameras[i].colour = vgGetGuiColorYUV(defaultColourIndex(i));
  }
  cutList.clear();
  cutList[0] = 0;
  sceneCount = 4;
  activeCamera = 0;
  position = 0;
  clearPlaybackState();
  UpdateTimelineLength();
  zoomIn = 0;
  zoomOut = projectLength / 2 > 0 ? LastFrame() : 0;
  trimLength = 5 * framesPerSecond;
}

int32_t MulticamOperator::UpdateTimelineLength() {
  const int32_t old = projectLength;
  projectLength = 0;
  bool found = false;
  for (int i = 0; i < sceneCount && i < kCameraSlots; ++i) {
    if (!cameras[i].record) continue;
    const int32_t frames = nslGetTrimmedAVRecordLength(cameras[i].record);
    // A clip whose length the host cannot tell must not make the project negative.
    if (frames < 0) {
      OS3_LOG(kLogFailed);
      continue;
    }
    if (!found || 2 * frames < projectLength) projectLength = 2 * frames;
    found = true;
  }
  const VG_ELEMENT slider = elementSlots[kPositionSliderSlot];
  if (projectLength != old && slider)
    vgChangeElement(panelRequest.panel, slider, kSliderMaximumTag, LastFrame(), 1);
  if (zoomOut < 0 || zoomOut < zoomIn || zoomOut > LastFrame()) zoomOut = LastFrame();
  return LastFrame();
}

void MulticamOperator::TrimCutsToLength() {
  const int32_t last = LastFrame();
  if (position > last) position = last < 0 ? 0 : last;
  cutList.erase(cutList.upper_bound(last), cutList.end());
}

}  // namespace ostrel3
