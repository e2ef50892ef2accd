// The scrub display: the sound of the frames around the position goes to
// the scrub engine and its peaks to the strip under the position slider.
#include <algorithm>

#include "host/cm.h"
#include "host/vg.h"
#include "ostrel3/display/scrub_window.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {
// Current GUI colours of the strip: its background and its bars.
constexpr int32_t kStripBackground = 4;
constexpr int32_t kStripBars = 7;
// Background colour index of the panel behind the strip.
constexpr int32_t kPanelBackground = 2;
}  // namespace

void MulticamOperator::ScrubUpdate(bool silent) {
  if (!mainScrub) return;
  AudioEnvelope* sound = cameraOneSound();
  if (!sound) return ClearWaveformStrip();  // camera 1 has no clip: nothing to hear or see
  const VG_RECT& strip = waveformArea.rect;
  // Past the end of camera 1's sound there is nothing to hear.
  const int32_t lastFrame = std::min(projectLength / 2, sound->frameCount()) - 1;
  const ScrubWindow window = scrubWindowAt(position, scrubTask.scrubWindow, lastFrame, strip.width);
  // The other buffer may still be playing: fill this one.
  std::vector<int16_t>& samples = scrubBuffers[nextScrubBuffer];
  samples.clear();
  nextScrubBuffer ^= 1;
  if (!sound->appendFrames(window.first, window.last, samples, false)) {
    OS3_LOG(kLogFailed);
    return;
  }
  const auto pairs = static_cast<int32_t>(samples.size() / 2);
  if (pairs == 0) return ClearWaveformStrip();
  if (scrubTask.scrubState == 0 && !silent && cmScrubData(render.get(), samples.data(), pairs, 0, 0) == -1)
    OS3_LOG(kLogFailed);
  if (!waveformArea.panel) return;
  waveformStrip.leadColumns = window.leadColumns;
  waveformStrip.dbScale = true;
  waveformStrip.draw(scrubColumns(samples, window, strip.width), strip.x, static_cast<int16_t>(strip.x + strip.width - 1),
                     strip.y, strip.height, vgGetNewGuiColorYUV(kStripBackground), vgGetNewGuiColorYUV(kStripBars),
                     waveformArea.panel);
}

void MulticamOperator::ClearWaveformStrip() {
  const VG_RECT& strip = waveformArea.rect;
  if (!waveformArea.panel || strip.width <= 0 || strip.height <= 0) return;
  if (vgFillBackground(waveformArea.panel, strip.x, strip.y, static_cast<int16_t>(strip.x + strip.width - 1),
                       static_cast<int16_t>(strip.y + strip.height - 1), kPanelBackground, 0) == -1)
    OS3_LOG(kLogFailed);
}

AudioEnvelope* MulticamOperator::cameraOneSound() {
  const AV_RECORD clip = cameras[0].record;
  if (!clip) {
    scrubEnvelope.reset();
    return nullptr;
  }
  // Compared by the clip asked for, not the record the envelope reads: one
  // whose sound the render library refused keeps no record, and making it
  // again at every position would open a render handle each time.
  if (!scrubEnvelope || scrubEnvelope->clip() != clip) {
    auto fresh = std::make_unique<AudioEnvelope>(clip);
    scrubEnvelope = std::move(fresh);
  }
  return scrubEnvelope.get();
}

}  // namespace ostrel3
