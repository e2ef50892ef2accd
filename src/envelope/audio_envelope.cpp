#include "envelope/audio_envelope.h"

#include "host/cm.h"

namespace ostrel3 {

AudioEnvelope::~AudioEnvelope() {
  if (render_) cmExitRenderAudio(render_);
  render_ = 0;
}

}  // namespace ostrel3
