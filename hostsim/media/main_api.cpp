// The main library's project side: finding clips by id, the video format,
// the scene chooser, the active scene sample and unique clip names.
#include <algorithm>

#include "host/main.h"
#include "hostsim/core/shim.h"
#include "hostsim/media/media.h"
#include "hostsim/media/unique_name.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

AV_RECORD mainGetAVRecordFromId(uint32_t uid, int32_t project, int32_t flags) {
  return hostCall(
      "mainGetAVRecordFromId", AV_RECORD(0),
      [&](Host& h) -> AV_RECORD {
        if (uid == 0 || project != h.config().projectNumber) return 0;
        return h.media().clips().findInBin(uid);
      },
      uid, project, flags);
}

const MAIN_INFO* mainGetInfo(void) {
  return hostCall("mainGetInfo", static_cast<const MAIN_INFO*>(nullptr), [](Host& h) { return &h.media().info(); });
}

uint32_t mainSelectSceneRequesterExt(uint32_t preselectUid, int32_t flags) {
  return hostCall("mainSelectSceneRequesterExt", uint32_t(0),
                  [&](Host& h) { return h.media().chooseScene(preselectUid); }, preselectUid, flags);
}

uint32_t mainGetActSceneSample(int32_t which) {
  return hostCall("mainGetActSceneSample", uint32_t(0),
                  [&](Host& h) { return h.media().project().actSceneSample(which); }, which);
}

void mainSetActSceneSample(uint32_t sample, int32_t which) {
  hostCallVoid("mainSetActSceneSample", [&](Host& h) { h.media().project().setActSceneSample(sample, which); }, sample,
               which);
}

int32_t mainMakeUniqueName(int32_t kind, XCHAR* out, const XCHAR* name, int32_t maxChars) {
  return hostCall(
      "mainMakeUniqueName", int32_t(-1),
      [&](Host& h) -> int32_t {
        if (!out || !name) return -1;
        // Unique against every clip the host knows: the bin, the callers'
        // copies and the storyboard's own, so that a second output's names
        // differ from the first's.
        hostsim::Media& m = h.media();
        const hostsim::NameTaken taken = [&m](std::u16string_view n) {
          return m.clips().hasName(n) || m.storyboard().hasClipName(n);
        };
        const size_t inUse = m.clips().count() + m.storyboard().clipNameCount();
        // out may be name itself: the result is built apart before it is written.
        size_t number = 0;
        std::optional<std::u16string> unique =
            hostsim::uniqueName(name, maxChars, taken, inUse, m.nameNumbers().firstFor(name, maxChars), &number);
        // Numbers given out before may have become free again: a name that
        // fits nowhere above them may still fit below.
        if (!unique) unique = hostsim::uniqueName(name, maxChars, taken, inUse, 2, &number);
        m.nameNumbers().gave(name, maxChars, number);
        if (!unique) return -1;
        std::copy(unique->begin(), unique->end(), out);
        out[unique->size()] = 0;
        return 0;
      },
      kind, out, name, maxChars);
}

}
