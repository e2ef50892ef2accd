// The storyboard dump: scenes in order with their clips, inserts, audio and
// transitions, the active scene, the undo steps, the include-trim limit and
// the act-scene sample.
#include <array>
#include <cstring>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/media/media.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using json = nlohmann::ordered_json;

// Trims count from the first frame of material the piece keeps.
json clipJson(const SbClip& c) {
  const int32_t first = c.keptFirst();
  return {{"name", toUtf8(c.name)},
          {"uid", c.uid},
          {"media_uid", c.mediaUid},
          {"media_start", first},
          {"trim_in", c.in - first},
          {"trim_out", c.out - first},
          {"length", c.length()},
          {"whole_length", c.keptLast() - first + 1},
          {"head_handle", c.headHandle()},
          {"tail_handle", c.tailHandle()}};
}

std::string hexUpper(const std::vector<uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : bytes) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0xF];
  }
  return text;
}

json infoJson(const SB_AUDIO_INFO& info) {
  std::array<uint32_t, sizeof(SB_AUDIO_INFO) / 4> words{};
  std::memcpy(words.data(), &info, sizeof info);
  return {{"fade_in", info.fadeIn}, {"fade_out", info.fadeOut}, {"level", info.level}, {"mode", info.mode},
          {"words", words}};
}

json audioJson(const SbScene& scene, const SbAudio& a) {
  return {{"handle", a.handle},
          {"track", a.track},
          {"flags", a.flags},
          {"offset", scene.audioOffset(a)},
          {"with_insert", a.followsInsert},
          {"clip", clipJson(a.clip)},
          {"info", infoJson(a.info)}};
}

json transitionJson(const SbTransition& t, const StoryboardView& view) {
  json jingle = nullptr;
  if (t.jingle) jingle = {{"file", t.jingle->file}, {"image", toUtf8(t.jingle->image)}, {"flags", t.jingle->flags}};
  return {{"handle", t.handle},
          {"operator", t.path},
          {"length", t.length},
          {"direction", t.direction},
          {"settings", t.settingsCopied ? json(hexUpper(t.settings)) : json(nullptr)},
          {"unique_id", t.uniqueId},
          {"jingle", jingle},
          {"audio_calculated", t.audioCalculated},
          {"loaded", view.loaded.count(t.handle) == 1}};
}

json sceneJson(const StoryboardView& view, size_t i) {
  const SbScene& s = view.scenes[i];
  json inserts = json::array();
  if (s.insert) inserts.push_back({{"offset", s.insert->offset}, {"length", s.insert->clip.length()},
                                   {"clip", clipJson(s.insert->clip)}});
  json audio = json::array();
  for (const SbAudio& a : s.audio) audio.push_back(audioJson(s, a));
  return {{"number", i + 1},
          {"id", s.id},
          {"type", s.type},
          {"position", positionOf(view.scenes, i)},
          {"length", s.length()},
          {"clip", clipJson(s.clip)},
          {"inserts", inserts},
          {"audio", audio},
          {"transition", s.transition ? transitionJson(*s.transition, view) : json(nullptr)},
          {"max_transition_length", maxTransitionLength(view.scenes, i)}};
}

json undoJson(const UndoStep& step) {
  return {{"name", toUtf8(step.name)}, {"closed", step.closed}, {"by_host", step.implicit}, {"changes", step.changes}};
}

}  // namespace

json storyboardState(Host& host) {
  const StoryboardView view = host.media().storyboard().view();
  ProjectState& project = host.media().project();
  json scenes = json::array();
  for (size_t i = 0; i < view.scenes.size(); ++i) scenes.push_back(sceneJson(view, i));
  json steps = json::array();
  for (const UndoStep& step : project.undoSteps()) steps.push_back(undoJson(step));
  return {{"frames_per_second", framesPerSecond(host.config().format)},
          {"length", totalLength(view.scenes)},
          {"active_scene", view.active ? json(*view.active + 1) : json(nullptr)},
          {"include_trim_limit", project.maxIncludeTrimFrames()},
          {"act_scene_sample", project.actSceneSample(1)},
          {"scenes", scenes},
          {"undo_steps", steps}};
}

bool dumpStoryboard(Host& host, const std::filesystem::path& file) { return writeJson(storyboardState(host), file); }

}  // namespace hostsim::program
