// Transitions between storyboard scenes: their length within the handles,
// their operator (loaded from the operator directory while the caller
// adjusts it), settings, unique id, sound and jingle.
#include "hostsim/core/log.h"
#include "hostsim/core/text.h"
#include "hostsim/media/operators.h"
#include "hostsim/media/project_state.h"
#include "hostsim/media/storyboard.h"

namespace hostsim {

namespace {
std::string transitionName(const SbTransition& t) { return "transition \"" + t.path + "\""; }
}  // namespace

int32_t Storyboard::maxTransitionLength(SB_SCENE scene) const {
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, "nslSBSceneGetMaxTransitionLength");
  return i ? hostsim::maxTransitionLength(scenes_, *i) : -1;
}

int32_t Storyboard::addTransition(SB_SCENE scene, const char* path, int32_t length, int32_t direction,
                                  SB_TRANSITION* out) {
  static constexpr const char* kCall = "nslSBAddTransition22";
  Lock lock(mutex_);
  const std::optional<size_t> i = sceneOf(scene, kCall);
  if (!i) return -1;
  if (!path || !parts_.operators.find(path))
    return refuse(kCall, std::string("no operator \"") + (path ? path : "(null)") + "\" in the operator directory");
  const int32_t most = hostsim::maxTransitionLength(scenes_, *i);
  if (most < 0) return refuse(kCall, describe(*i) + " is the last scene: there is no scene to go to");
  if (length < 1 || length > most)
    return refuse(kCall, "a transition of " + std::to_string(length) + " frames does not fit after " + describe(*i) +
                             ": the handles allow " + std::to_string(most));
  auto before = beforeChange();
  SbTransition t;
  t.handle = nextTransition_++;
  t.path = path;
  t.length = length;
  t.direction = direction;
  const std::string what = transitionName(t) + " of " + std::to_string(length) + " frames after " + describe(*i);
  // A transition already there is replaced.
  scenes_[*i].transition = std::move(t);
  dropLostOperators();
  changed(what, std::move(before));
  if (out) *out = scenes_[*i].transition->handle;
  return 0;
}

int32_t Storyboard::loadTransition(SB_TRANSITION handle) {
  static constexpr const char* kCall = "nslSBTransitionLoad";
  Lock lock(mutex_);
  const SbTransition* t = findTransition(scenes_, handle);
  if (!t) return refuse(kCall, "no transition " + std::to_string(handle));
  if (loaded_.count(handle)) return refuse(kCall, transitionName(*t) + " is loaded already");
  const OP_HANDLE op = parts_.operators.load(t->path);
  if (!op) return refuse(kCall, "the operator directory cannot load \"" + t->path + "\"");
  // The operator starts from what the transition keeps.
  if (t->settingsCopied && !parts_.operators.setPrefs(op, t->settings.data(), t->settings.size()))
    parts_.log.host(3, std::string(kCall) + ": the kept settings of " + transitionName(*t) +
                           " no longer fit its operator; it starts from its defaults");
  if (t->uniqueId) parts_.operators.setUniqueId(op, t->uniqueId);
  loaded_[handle] = op;
  return 0;
}

OP_HANDLE Storyboard::transitionOperator(SB_TRANSITION handle) const {
  Lock lock(mutex_);
  auto it = loaded_.find(handle);
  if (it != loaded_.end()) return it->second;
  refuse("nslSBTransitionGetOperator", "transition " + std::to_string(handle) + " is not loaded");
  return 0;
}

int32_t Storyboard::updateTransitionPrefs(SB_TRANSITION handle) {
  static constexpr const char* kCall = "nslSBTransitionUpdatePrefs";
  Lock lock(mutex_);
  SbTransition* t = findTransition(scenes_, handle);
  auto op = loaded_.find(handle);
  if (!t || op == loaded_.end()) return refuse(kCall, "transition " + std::to_string(handle) + " is not loaded");
  std::vector<uint8_t> settings = parts_.operators.prefs(op->second);
  const uint32_t id = parts_.operators.uniqueId(op->second);
  if (t->settingsCopied && settings == t->settings && id == t->uniqueId) return 0;
  auto before = beforeChange();
  t->settings = std::move(settings);
  t->settingsCopied = true;
  t->uniqueId = id;
  changed("settings of " + transitionName(*t) + " taken from its operator", std::move(before));
  return 0;
}

int32_t Storyboard::unloadTransition(SB_TRANSITION handle) {
  Lock lock(mutex_);
  auto op = loaded_.find(handle);
  if (op == loaded_.end())
    return refuse("nslSBTransitionUnload", "transition " + std::to_string(handle) + " is not loaded");
  parts_.operators.unload(op->second);
  loaded_.erase(op);
  return 0;
}

int32_t Storyboard::calcTransitionAudio(SB_TRANSITION handle) {
  Lock lock(mutex_);
  SbTransition* t = findTransition(scenes_, handle);
  if (!t) return refuse("nslSBCalcTransitionAudio", "no transition " + std::to_string(handle));
  if (t->audioCalculated) return 0;
  auto before = beforeChange();
  t->audioCalculated = true;
  changed("sound of " + transitionName(*t) + " calculated", std::move(before));
  return 0;
}

int32_t Storyboard::addJingle(SB_TRANSITION handle, const char* file, const char16_t* image, int32_t flags) {
  static constexpr const char* kCall = "nslSBTransitionAddJingle";
  Lock lock(mutex_);
  SbTransition* t = findTransition(scenes_, handle);
  if (!t) return refuse(kCall, "no transition " + std::to_string(handle));
  if (!file || !*file || !image) return refuse(kCall, "a jingle needs a file and an image name");
  auto before = beforeChange();
  t->jingle = SbJingle{file, image, flags};
  changed("jingle \"" + std::string(file) + "\" on " + transitionName(*t), std::move(before));
  return 0;
}

}  // namespace hostsim
