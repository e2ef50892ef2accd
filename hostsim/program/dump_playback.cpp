// The playback dump: what the player was given and what it sent.
#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/media/media.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using json = nlohmann::ordered_json;

json rectJson(const std::optional<VG_RECT>& r) {
  if (!r) return nullptr;
  return {{"x", r->x}, {"y", r->y}, {"width", r->width}, {"height", r->height}};
}

const char* placeName(PreviewPlace place) {
  switch (place) {
    case PreviewPlace::Panel: return "panel";
    case PreviewPlace::OutputMonitor: return "output monitor";
    default: return "none";
  }
}

json layoutJson(const std::optional<LayoutRecord>& record) {
  if (!record) return nullptr;
  const CM_MULTICAM& l = record->layout;
  json cameras = json::array();
  for (int i = 0; i < PlayPlan::kCameras; ++i) {
    const auto [left, top] = cameraOrigin(l, i);
    cameras.push_back({{"camera", i + 1}, {"shown", cameraShown(l.flags, i)}, {"left", left}, {"top", top}});
  }
  return {{"render", record->render},
          {"flags", l.flags},
          {"picture", {{"width", l.pictureWidth}, {"height", l.pictureHeight}}},
          {"cameras", cameras},
          {"preview",
           {{"place", placeName(previewPlace(l.flags))},
            {"left", l.previewLeft},
            {"top", l.previewTop},
            {"width", l.previewWidth},
            {"height", l.previewHeight}}},
          {"has_output_list", l.outputList != nullptr}};
}

json rangesJson(Host& host, const PlaybackRecord& p) {
  json ranges = json::array();
  for (int i = 0; i < p.cameras; ++i) {
    const PlayRange& r = p.ranges[i];
    const std::optional<ClipInfo> info = r.clip ? host.media().clips().info(r.clip) : std::nullopt;
    ranges.push_back({{"camera", i + 1},
                      {"clip", r.clip},
                      {"clip_uid", info ? info->uid : 0},
                      {"clip_name", info ? toUtf8(info->name) : std::string()},
                      {"first", r.first},
                      {"last", r.last}});
  }
  return ranges;
}

// The camera whose clip a pair shows, 0 when it is none of the playback's.
int cameraOf(const PlaybackRecord& p, AV_RECORD clip) {
  for (int i = 0; i < p.cameras; ++i)
    if (clip && p.ranges[i].clip == clip) return i + 1;
  return 0;
}

json outputListsJson(const PlaybackRecord& p) {
  json lists = json::array();
  const std::vector<std::vector<CM_OUTPUT_PAIR>> all = p.allOutputListPairs();
  for (size_t i = 0; i < all.size(); ++i) {
    json pairs = json::array();
    for (const CM_OUTPUT_PAIR& pair : all[i])
      pairs.push_back({{"start", pair.start}, {"clip", pair.clip}, {"camera", cameraOf(p, pair.clip)}});
    const auto& from = p.outputLists[i].fromFrame;
    lists.push_back({{"from_frame", from ? json(*from) : json(nullptr)}, {"pairs", pairs}});
  }
  return lists;
}

json eventsJson(const PlaybackRecord& p) {
  json events = json::array();
  for (const PlayEventRecord& e : p.events) {
    json j = {{"kind", e.kind}, {"value", e.value}};
    if (e.kind == 7) {
      const auto bits = static_cast<uint32_t>(e.value);
      j["camera"] = (bits >> 30) + 1;
      j["field"] = bits & 0x3FFFFFFFu;
    }
    j["at_position"] = e.atPosition;
    j["from"] = e.byUser ? "script" : "player";
    events.push_back(j);
  }
  return events;
}

json playbackJson(Host& host, const PlaybackRecord& p) {
  return {{"call", p.call},
          {"ranges", rangesJson(host, p)},
          {"layout", layoutJson(p.layout)},
          {"gui_rect", rectJson(p.guiRect)},
          {"output_lists", outputListsJson(p)},
          {"positions", p.positions},
          {"events", eventsJson(p)},
          {"paused_at", p.pausedAt ? json(*p.pausedAt) : json(nullptr)},
          {"ended", p.ended},
          {"stopped", p.stopped}};
}

}  // namespace

json playbackState(Host& host) {
  const PlaybackHistory h = host.media().player().history();
  json playbacks = json::array();
  for (const PlaybackRecord& p : h.playbacks) playbacks.push_back(playbackJson(host, p));
  return {{"state", h.state},
          {"initialised", h.initialised},
          {"gui_rect", rectJson(h.guiRect)},
          {"layout", layoutJson(h.layout)},
          {"playbacks", playbacks}};
}

bool dumpPlayback(Host& host, const std::filesystem::path& file) { return writeJson(playbackState(host), file); }

}  // namespace hostsim::program
