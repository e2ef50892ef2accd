// The clips dump: the scene bin and the clips callers made from it.
#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/media/media.h"
#include "hostsim/media/sources.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using json = nlohmann::ordered_json;

json clipJson(const ClipInfo& c) {
  return {{"handle", c.handle},
          {"uid", c.uid},
          {"name", toUtf8(c.name)},
          {"media_uid", c.source ? c.source->uid : 0},
          {"media_start", c.mediaStart},
          {"trim_in", c.in},
          {"trim_out", c.out},
          {"length", c.out - c.in + 1},
          {"whole_length", c.total}};
}

json timeJson(int64_t seconds, int32_t frame) { return {{"seconds", seconds}, {"frame", frame}}; }

json binClipJson(const ClipInfo& c, int32_t fps) {
  json j = clipJson(c);
  if (c.source) {
    const RecordingTimes t = recordingTimes(*c.source, fps);
    j["recording_start"] = timeJson(t.startSeconds, t.startFrame);
    j["recording_end"] = timeJson(t.endSeconds, t.endFrame);
  }
  return j;
}

}  // namespace

json clipsState(Host& host) {
  const int32_t fps = framesPerSecond(host.config().format);
  json bin = json::array();
  json copies = json::array();
  for (const ClipInfo& c : host.media().clips().all()) {
    if (c.inBin) bin.push_back(binClipJson(c, fps));
    else copies.push_back(clipJson(c));
  }
  return {{"frames_per_second", fps}, {"bin", bin}, {"copies", copies}};
}

bool dumpClips(Host& host, const std::filesystem::path& file) { return writeJson(clipsState(host), file); }

}  // namespace hostsim::program
