// Scene buffers of the storyboard: allocated and freed as handles.
#include "host/nsl_sb.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

SB_SCENE nslSBAllocScene(void) {
  return hostCall("nslSBAllocScene", SB_SCENE(0), [](Host& h) { return h.media().sceneBuffers().allocateScene(); });
}

void nslSBFreeScene(SB_SCENE scene) {
  hostCallVoid(
      "nslSBFreeScene",
      [&](Host& h) {
        if (scene && !h.media().sceneBuffers().freeScene(scene))
          h.log().host(3, "nslSBFreeScene: " + std::to_string(scene) + " is not an allocated scene buffer");
      },
      scene);
}

SB_AUDIO_SCENE nslSBAllocAudioScene(void) {
  return hostCall("nslSBAllocAudioScene", SB_AUDIO_SCENE(0),
                  [](Host& h) { return h.media().sceneBuffers().allocateAudioScene(); });
}

void nslSBFreeAudioScene(SB_AUDIO_SCENE scene) {
  hostCallVoid(
      "nslSBFreeAudioScene",
      [&](Host& h) {
        if (scene && !h.media().sceneBuffers().freeAudioScene(scene))
          h.log().host(3, "nslSBFreeAudioScene: " + std::to_string(scene) + " is not an allocated audio scene buffer");
      },
      scene);
}

}
