#include "hostsim/media/media.h"

#include <cstdint>
#include <set>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/core/user.h"
#include "hostsim/media/video_format.h"

namespace hostsim {

namespace {
std::set<uint32_t> configuredUids(const HostConfig& config) {
  std::set<uint32_t> uids;
  for (const ClipConfig& c : config.clips)
    if (c.uid) uids.insert(c.uid);
  return uids;
}
}  // namespace

Media::Media(Host& host)
    : host_(host),
      ids_(configuredUids(host.config())),
      sources_(host.config().clips, ids_),
      clips_(sources_, ids_, host.log()),
      images_(host.config().format),
      render_(host, sources_, images_),
      project_(framesPerSecond(host.config().format), host.config().includeTrimFrames, host.log()),
      operators_(host.config().operators),
      storyboard_({host.log(), clips_, project_, operators_, ids_, sceneBuffers_}),
      operatorRequester_(host, operators_),
      operatorGuis_(host, operators_),
      jingles_(host),
      removable_(host),
      player_(host, clips_, render_),
      scrub_(host, render_) {
  storyboard_.applySetup(host.config());
  info_.width = frameWidth(host.config().format);
  info_.fieldHeight = fieldHeight(host.config().format);
  info_.aspectCode = kAspect16x9;
  audioInfo_ = OP_AUDIO_INFO{0, static_cast<uint16_t>(pairsPerField(host.config().format)), kSampleRate, kChannels,
                             kSampleBits};
}

Media::~Media() = default;

uint32_t Media::chooseScene(uint32_t preselectUid) {
  lastPreselect_ = preselectUid;
  std::optional<Answer> answer = host_.user().takeAnswer(AnswerKind::Scene);
  if (!answer || (answer->number == 0 && answer->text.empty())) return 0;  // cancelled
  const bool byUid = answer->number != 0;
  const AV_RECORD clip = byUid ? (answer->number > 0 && answer->number <= UINT32_MAX
                                      ? clips_.findInBin(static_cast<uint32_t>(answer->number))
                                      : 0)
                               : clips_.findInBinByName(fromUtf8Lossy(answer->text));
  if (!clip) {
    // The chooser only offers the bin's clips: an answer naming another is a
    // mistake of the script, and the chooser ends as if cancelled.
    const std::string named = byUid ? "uid " + std::to_string(answer->number) : "\"" + answer->text + "\"";
    host_.log().host(3, "scene chooser: no clip with " + named + " in the scene bin");
    return 0;
  }
  return clips_.uniqueId(clip);
}

std::vector<std::string> Media::liveHandles() const {
  std::vector<std::string> out = clips_.liveHandles();
  for (auto&& part : {images_.liveHandles(), render_.liveHandles(), sceneBuffers_.liveHandles(), operators_.liveHandles(),
                      operatorGuis_.liveHandles(), jingles_.liveHandles(), removable_.liveHandles(), player_.liveHandles(),
                      scrub_.liveHandles()})
    out.insert(out.end(), part.begin(), part.end());
  return out;
}

}  // namespace hostsim
