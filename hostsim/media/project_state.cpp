#include "hostsim/media/project_state.h"

namespace hostsim {

namespace {
// The host's own sample before anyone changed it: any non-zero value.
constexpr uint32_t kInitialSceneSample = 1;
}  // namespace

// A fresh project keeps two seconds of extra frames around storyboard scenes.
ProjectState::ProjectState(int32_t framesPerSecond, int32_t includeTrimFrames, HostLog& log)
    : includeTrim_(includeTrimFrames >= 0 ? includeTrimFrames : 2 * framesPerSecond), undo_(log) {}

int32_t ProjectState::maxIncludeTrimFrames() const {
  std::lock_guard lock(mutex_);
  return includeTrim_;
}

int32_t ProjectState::setMaxIncludeTrimFrames(int32_t frames) {
  if (frames < 0) return -1;
  std::lock_guard lock(mutex_);
  includeTrim_ = frames;
  return 0;
}

uint32_t ProjectState::actSceneSample(int32_t which) const {
  std::lock_guard lock(mutex_);
  auto it = samples_.find(which);
  return it == samples_.end() ? kInitialSceneSample : it->second;
}

void ProjectState::setActSceneSample(uint32_t sample, int32_t which) {
  std::lock_guard lock(mutex_);
  samples_[which] = sample;
}

SB_SCENE SceneBuffers::allocateScene() {
  std::lock_guard lock(mutex_);
  scenes_.insert(nextScene_);
  return nextScene_++;
}

bool SceneBuffers::freeScene(SB_SCENE scene) {
  std::lock_guard lock(mutex_);
  return scenes_.erase(scene) == 1;
}

bool SceneBuffers::isScene(SB_SCENE scene) const {
  std::lock_guard lock(mutex_);
  return scenes_.count(scene) == 1;
}

SB_AUDIO_SCENE SceneBuffers::allocateAudioScene() {
  std::lock_guard lock(mutex_);
  audioScenes_.insert(nextAudioScene_);
  return nextAudioScene_++;
}

bool SceneBuffers::freeAudioScene(SB_AUDIO_SCENE scene) {
  std::lock_guard lock(mutex_);
  return audioScenes_.erase(scene) == 1;
}

bool SceneBuffers::isAudioScene(SB_AUDIO_SCENE scene) const {
  std::lock_guard lock(mutex_);
  return audioScenes_.count(scene) == 1;
}

std::vector<std::string> SceneBuffers::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (uint32_t s : scenes_) out.push_back("scene buffer " + std::to_string(s));
  for (uint32_t s : audioScenes_) out.push_back("audio scene buffer " + std::to_string(s));
  return out;
}

}  // namespace hostsim
