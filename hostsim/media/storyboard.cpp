// Scenes, inserts, scene buffers, the active scene, clearing and undo.
#include "hostsim/media/storyboard.h"

#include "hostsim/core/log.h"
#include "hostsim/core/text.h"
#include "hostsim/media/clips.h"
#include "hostsim/media/operators.h"
#include "hostsim/media/project_state.h"
#include "hostsim/media/sources.h"
#include "hostsim/media/storyboard_setup.h"
#include "hostsim/media/unique_ids.h"

namespace hostsim {

namespace {

// Insert trim records carry this tag and their scene's id in the words the
// caller does not touch, so a record is only taken back for its own insert.
constexpr int32_t kInsertTrimTag = 0x494E5354;

std::string hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", v);
  return text;
}

}  // namespace

Storyboard::Storyboard(Parts parts) : parts_(parts) {}

void Storyboard::applySetup(const HostConfig& config) {
  SetupStoryboard s = buildSetupStoryboard(config.storyboard, config.clips, parts_.project.maxIncludeTrimFrames(),
                                           [this] { return parts_.ids.next(); });
  Lock lock(mutex_);
  scenes_ = std::move(s.scenes);
  nextSceneId_ = s.nextSceneId;
  if (s.active) active_ = scenes_[*s.active].id;
  index_.reset();
  recountNames();
}

// ---- helpers (the lock is held) ----------------------------------------------

int32_t Storyboard::refuse(const char* call, const std::string& why) const {
  parts_.log.host(3, std::string(call) + ": refused: " + why);
  return -1;
}

bool Storyboard::writable(SB_SCENE buffer, const char* call) const {
  if (parts_.buffers.isScene(buffer)) return true;
  refuse(call, std::to_string(buffer) + " is not an allocated scene buffer");
  return false;
}

std::optional<size_t> Storyboard::sceneOf(SB_SCENE buffer, const char* call) const {
  if (!writable(buffer, call)) return std::nullopt;
  auto named = named_.find(buffer);
  std::optional<size_t> index = named == named_.end() ? std::nullopt : index_.find(scenes_, named->second);
  if (!index) refuse(call, "scene buffer " + std::to_string(buffer) + " names no scene");
  return index;
}

void Storyboard::name(SB_SCENE buffer, size_t index) {
  if (buffer) named_[buffer] = scenes_[index].id;
}

std::optional<SbClip> Storyboard::takeClip(AV_RECORD clip) const {
  const std::optional<ClipInfo> c = parts_.clips.info(clip);
  if (!c) return std::nullopt;
  return keptClip(parts_.ids.next(), c->source ? c->source->uid : 0, c->name, c->mediaStart, c->total, c->in, c->out,
                  parts_.project.maxIncludeTrimFrames());
}

std::shared_ptr<const SbScenes> Storyboard::beforeChange() const {
  if (!parts_.project.undo().wantsSnapshot()) return nullptr;
  return std::make_shared<const SbScenes>(scenes_);
}

void Storyboard::changed(const std::string& what, std::shared_ptr<const SbScenes> before) {
  parts_.project.undo().record(what, std::move(before));
}

void Storyboard::recountNames() {
  names_.clear();
  for (const SbScene& s : scenes_) {
    names_.insert(s.clip.name);
    if (s.insert) names_.insert(s.insert->clip.name);
    for (const SbAudio& a : s.audio) names_.insert(a.clip.name);
  }
}

void Storyboard::dropLostOperators() {
  for (auto it = loaded_.begin(); it != loaded_.end();) {
    if (findTransition(scenes_, it->first)) {
      ++it;
      continue;
    }
    parts_.log.host(3, "storyboard: transition " + hex(it->first) + " went while its operator was loaded; unloaded");
    parts_.operators.unload(it->second);
    it = loaded_.erase(it);
  }
}

std::string Storyboard::describe(size_t index) const {
  return "scene " + std::to_string(index + 1) + " \"" + toUtf8(scenes_[index].clip.name) + "\"";
}

// ---- walking -----------------------------------------------------------------

void Storyboard::forgetBuffer(SB_SCENE buffer) {
  Lock lock(mutex_);
  named_.erase(buffer);
}

void Storyboard::forgetAudioBuffer(SB_AUDIO_SCENE buffer) {
  Lock lock(mutex_);
  audioNamed_.erase(buffer);
}

int32_t Storyboard::first(SB_SCENE out) {
  Lock lock(mutex_);
  if (!writable(out, "nslSBGetFirstScene") || scenes_.empty()) return -1;
  name(out, 0);
  return 0;
}

int32_t Storyboard::last(SB_SCENE out) {
  Lock lock(mutex_);
  if (!writable(out, "nslSBGetLastScene") || scenes_.empty()) return -1;
  name(out, scenes_.size() - 1);
  return 0;
}

int32_t Storyboard::next(SB_SCENE from, SB_SCENE out) {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(from, "nslSBGetNextScene");
  if (!i || !writable(out, "nslSBGetNextScene")) return -1;
  if (*i + 1 >= scenes_.size()) return -1;  // the end of the walk, not a misuse
  name(out, *i + 1);
  return 0;
}

int32_t Storyboard::length() const {
  Lock lock(mutex_);
  return index_.position(scenes_, scenes_.size());
}

int32_t Storyboard::compare(SB_SCENE a, SB_SCENE b) const {
  Lock lock(mutex_);
  if (!writable(a, "nslSBSceneCmp") || !writable(b, "nslSBSceneCmp")) return 0;
  auto na = named_.find(a), nb = named_.find(b);
  if (na == named_.end() || nb == named_.end() || na->second != nb->second) return 0;
  return index_.find(scenes_, na->second) ? 1 : 0;
}

int32_t Storyboard::copy(SB_SCENE source, SB_SCENE destination) {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(source, "nslSBSceneCopy");
  if (!i || !writable(destination, "nslSBSceneCopy")) return -1;
  name(destination, *i);
  return 0;
}

int32_t Storyboard::position(SB_SCENE scene) const {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, "nslSBSceneGetAbsolutePos");
  return i ? index_.position(scenes_, *i) : -1;
}

int32_t Storyboard::sceneLength(SB_SCENE scene) const {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, "nslSBGetSceneLength");
  return i ? scenes_[*i].length() : -1;
}

int32_t Storyboard::type(SB_SCENE scene) const {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, "nslSBGetSceneType");
  return i ? scenes_[*i].type : -1;
}

int32_t Storyboard::hasInsert(SB_SCENE scene) const {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, "nslSBSceneHasInsert");
  if (!i) return -1;
  return scenes_[*i].insert ? 1 : 0;
}

int32_t Storyboard::info(SB_SCENE scene, SB_SCENE_INFO* info) const {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, "nslSBGetSceneInfo");
  if (!i) return -1;
  if (!info) return refuse("nslSBGetSceneInfo", "no record to fill");
  *info = SB_SCENE_INFO{};
  const SbScene& s = scenes_[*i];
  info->type = s.type;
  info->length = s.length();
  info->transition = s.transition ? s.transition->handle : 0;
  return 0;
}

// ---- scenes and inserts ----------------------------------------------------------

int32_t Storyboard::addScene(SB_SCENE position, AV_RECORD clip, SB_SCENE out) {
  static constexpr const char* kCall = "nslSBAddScene";
  Lock lock(mutex_);
  size_t at = 0;
  if (position) {
    const std::optional<size_t> i = sceneOf(position, kCall);
    if (!i) return -1;
    at = *i + 1;
  }
  if (out && !writable(out, kCall)) return -1;
  std::optional<SbClip> c = takeClip(clip);
  if (!c) return refuse(kCall, "clip " + hex(clip) + " is no clip");
  auto before = beforeChange();
  SbScene s;
  s.id = freshId();
  s.clip = std::move(*c);
  names_.insert(s.clip.name);
  scenes_.insert(scenes_.begin() + static_cast<std::ptrdiff_t>(at), std::move(s));
  index_.changedAt(at);
  name(out, at);
  changed("add " + describe(at) + " of " + std::to_string(scenes_[at].length()) + " frames", std::move(before));
  return 0;
}

int32_t Storyboard::addInsert(SB_SCENE scene, AV_RECORD clip, SB_SCENE out) {
  static constexpr const char* kCall = "nslSBAddInsertWithTrim";
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, kCall);
  if (!i || (out && !writable(out, kCall))) return -1;
  if (scenes_[*i].insert) return refuse(kCall, describe(*i) + " already carries an insert");
  std::optional<SbClip> c = takeClip(clip);
  if (!c) return refuse(kCall, "clip " + hex(clip) + " is no clip");
  if (c->length() > scenes_[*i].length())
    return refuse(kCall, "the insert's " + std::to_string(c->length()) + " frames are more than the " +
                             std::to_string(scenes_[*i].length()) + " of " + describe(*i));
  auto before = beforeChange();
  const std::string what = "insert \"" + toUtf8(c->name) + "\" of " + std::to_string(c->length()) + " frames on " +
                           describe(*i);
  names_.insert(c->name);
  scenes_[*i].insert = SbInsert{std::move(*c), 0};
  const size_t count = scenes_.size();
  placeInsert(scenes_, *i, 0, nextSceneId_);  // fits: checked above
  index_.changedAt(*i);
  if (scenes_.size() > count) ++nextSceneId_;
  name(out, *i);
  changed(what, std::move(before));
  return 0;
}

int32_t Storyboard::insertBeginTrim(SB_SCENE scene, SB_INSERT_TRIM* trim) {
  static constexpr const char* kCall = "nslSBInsertBeginTrim";
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, kCall);
  if (!i) return -1;
  if (!trim) return refuse(kCall, "no record to fill");
  const SbScene& s = scenes_[*i];
  if (!s.insert) return refuse(kCall, describe(*i) + " carries no insert");
  *trim = SB_INSERT_TRIM{};
  trim->reserved0 = kInsertTrimTag;
  trim->reserved1 = static_cast<int32_t>(s.id);
  trim->startOffset = s.insert->offset;
  trim->length = s.insert->clip.length();
  trim->reserved[0] = roomForInsert(scenes_, *i);
  return 0;
}

int32_t Storyboard::insertEndTrim(SB_SCENE scene, const SB_INSERT_TRIM* trim) {
  static constexpr const char* kCall = "nslSBInsertEndTrim";
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, kCall);
  if (!i) return -1;
  if (!trim) return refuse(kCall, "no record");
  SbScene& s = scenes_[*i];
  if (!s.insert) return refuse(kCall, describe(*i) + " carries no insert");
  if (trim->reserved0 != kInsertTrimTag || trim->reserved1 != static_cast<int32_t>(s.id))
    return refuse(kCall, "the record was not filled by nslSBInsertBeginTrim for " + describe(*i));
  if (trim->length != s.insert->clip.length())
    return refuse(kCall, "an insert keeps its length (" + std::to_string(s.insert->clip.length()) + " frames, not " +
                             std::to_string(trim->length) + ")");
  if (trim->startOffset == s.insert->offset) return 0;
  auto before = beforeChange();
  const std::string what = "insert on " + describe(*i) + " moved from offset " + std::to_string(s.insert->offset) +
                           " to " + std::to_string(trim->startOffset);
  const size_t count = scenes_.size();
  const std::string refused = placeInsert(scenes_, *i, trim->startOffset, nextSceneId_);
  index_.changedAt(*i);
  if (!refused.empty()) return refuse(kCall, refused);
  if (scenes_.size() > count) ++nextSceneId_;
  dropLostOperators();
  changed(what, std::move(before));
  return 0;
}

int32_t Storyboard::clear() {
  Lock lock(mutex_);
  active_.reset();
  if (scenes_.empty()) return 0;
  auto before = beforeChange();
  const size_t count = scenes_.size();
  scenes_.clear();
  names_.clear();
  index_.reset();
  dropLostOperators();
  changed("clear the storyboard (" + std::to_string(count) + " scenes)", std::move(before));
  return 0;
}

int32_t Storyboard::active(SB_SCENE out) {
  Lock lock(mutex_);
  if (!writable(out, "mainGetActiveStoryboardScene")) return -1;
  const std::optional<size_t> i = active_ ? index_.find(scenes_, *active_) : std::nullopt;
  if (!i) return -1;  // no scene is active: the caller starts at the beginning
  name(out, *i);
  return 0;
}

int32_t Storyboard::setActive(SB_SCENE scene) {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, "mainSetActiveStoryboardScene");
  if (!i) return -1;
  active_ = scenes_[*i].id;
  return 0;
}

// ---- the host's side -----------------------------------------------------------

bool Storyboard::undo() {
  Lock lock(mutex_);
  std::optional<UndoStep> step = parts_.project.undo().takeLast();
  if (!step) {
    parts_.log.host(3, "host undo: nothing to undo");
    return false;
  }
  scenes_ = step->before ? *step->before : SbScenes{};
  index_.reset();
  recountNames();
  if (active_ && !index_.find(scenes_, *active_)) active_.reset();
  dropLostOperators();
  parts_.log.host(6, "host undo: took back \"" + toUtf8(step->name) + "\" (" + std::to_string(step->changes.size()) +
                         " changes)");
  return true;
}

std::vector<std::u16string> Storyboard::clipNames() const {
  Lock lock(mutex_);
  std::vector<std::u16string> names;
  for (const SbScene& s : scenes_) {
    names.push_back(s.clip.name);
    if (s.insert) names.push_back(s.insert->clip.name);
    for (const SbAudio& a : s.audio) names.push_back(a.clip.name);
  }
  return names;
}

bool Storyboard::hasClipName(std::u16string_view name) const {
  Lock lock(mutex_);
  return names_.find(name) != names_.end();
}

size_t Storyboard::clipNameCount() const {
  Lock lock(mutex_);
  return names_.size();
}

StoryboardView Storyboard::view() const {
  Lock lock(mutex_);
  StoryboardView v;
  v.scenes = scenes_;
  if (active_) v.active = index_.find(scenes_, *active_);
  v.loaded = loaded_;
  return v;
}

}  // namespace hostsim
