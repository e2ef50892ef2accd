// The host's playback calls and the render library's multi-camera layout:
// thin shims onto the player.
#include "host/cm.h"
#include "host/main.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;
using hostsim::PlayRange;

namespace {
hostsim::Player& player(Host& h) { return h.media().player(); }
}  // namespace

extern "C" {

int32_t mainPlayInit(const MAIN_PLAY_CALLBACKS* callbacks, int32_t flags) {
  return hostCall("mainPlayInit", int32_t(-1), [&](Host& h) { return player(h).init(callbacks); }, callbacks, flags);
}

int32_t mainPlaySetGuiRect(const VG_RECT* rect, int32_t flags) {
  return hostCall("mainPlaySetGuiRect", int32_t(-1), [&](Host& h) { return player(h).setGuiRect(rect); }, rect, flags);
}

int32_t mainPlayStartMultiple(AV_RECORD c1, int32_t f1, int32_t l1, AV_RECORD c2, int32_t f2, int32_t l2,
                              AV_RECORD c3, int32_t f3, int32_t l3, AV_RECORD c4, int32_t f4, int32_t l4,
                              int32_t flags) {
  return hostCall(
      "mainPlayStartMultiple", int32_t(-1),
      [&](Host& h) {
        return player(h).start("mainPlayStartMultiple", 4,
                               {PlayRange{c1, f1, l1}, PlayRange{c2, f2, l2}, PlayRange{c3, f3, l3}, PlayRange{c4, f4, l4},
                                PlayRange{}, PlayRange{}});
      },
      c1, f1, l1, c2, f2, l2, c3, f3, l3, c4, f4, l4, flags);
}

int32_t mainPlayStartMultiple2(AV_RECORD c1, int32_t f1, int32_t l1, AV_RECORD c2, int32_t f2, int32_t l2,
                               AV_RECORD c3, int32_t f3, int32_t l3, AV_RECORD c4, int32_t f4, int32_t l4,
                               AV_RECORD c5, int32_t f5, int32_t l5, AV_RECORD c6, int32_t f6, int32_t l6,
                               int32_t flags) {
  return hostCall(
      "mainPlayStartMultiple2", int32_t(-1),
      [&](Host& h) {
        return player(h).start("mainPlayStartMultiple2", 6,
                               {PlayRange{c1, f1, l1}, PlayRange{c2, f2, l2}, PlayRange{c3, f3, l3}, PlayRange{c4, f4, l4},
                                PlayRange{c5, f5, l5}, PlayRange{c6, f6, l6}});
      },
      c1, f1, l1, c2, f2, l2, c3, f3, l3, c4, f4, l4, c5, f5, l5, c6, f6, l6, flags);
}

int32_t mainPlayPause(int32_t flags) {
  return hostCall("mainPlayPause", int32_t(-1), [](Host& h) { return player(h).pause(); }, flags);
}

int32_t mainPlayStop(int32_t flags) {
  return hostCall("mainPlayStop", int32_t(-1), [](Host& h) { return player(h).stop(); }, flags);
}

void mainPlayExit(int32_t flags) {
  hostCallVoid("mainPlayExit", [](Host& h) { player(h).exit(); }, flags);
}

int32_t cmSetMultiCam(CM_HANDLE render, const CM_MULTICAM* layout) {
  return hostCall("cmSetMultiCam", int32_t(-1), [&](Host& h) { return player(h).setLayout(render, layout); }, render,
                  layout);
}

int32_t cmUpdateFinalList(CM_HANDLE render, const CM_OUTPUT_PAIR* first, int32_t flags) {
  return hostCall("cmUpdateFinalList", int32_t(-1), [&](Host& h) { return player(h).updateOutputList(render, first); },
                  render, first, flags);
}

}
