#pragma once
// Small pieces of the host project's state that the operator reads and
// sets: the include-trim limit, the active scene sample, the undo steps
// opened and closed around changes, and the storyboard's scene buffers.
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "host/host_types.h"
#include "hostsim/media/undo_history.h"

namespace hostsim {

class HostLog;

class ProjectState {
 public:
  /// `includeTrimFrames` negative: two seconds.
  ProjectState(int32_t framesPerSecond, int32_t includeTrimFrames, HostLog& log);

  int32_t maxIncludeTrimFrames() const;
  /// 0, or -1 for a negative number.
  int32_t setMaxIncludeTrimFrames(int32_t frames);

  uint32_t actSceneSample(int32_t which) const;
  void setActSceneSample(uint32_t sample, int32_t which);

  /// Opens an undo step. -1 while one is open: steps do not nest.
  int32_t beginUndoStep(const char16_t* name) { return undo_.begin(name); }
  /// Closes the open step; -1 when none is open.
  int32_t endUndoStep() { return undo_.end(); }
  std::vector<UndoStep> undoSteps() const { return undo_.steps(); }
  UndoHistory& undo() { return undo_; }

 private:
  mutable std::mutex mutex_;
  int32_t includeTrim_;
  std::map<int32_t, uint32_t> samples_;
  UndoHistory undo_;
};

/// Scene buffers (SB_SCENE) and audio scene buffers (SB_AUDIO_SCENE) of the
/// storyboard: handles until they are freed. What a buffer names is the
/// storyboard's business.
class SceneBuffers {
 public:
  SB_SCENE allocateScene();
  /// False for a buffer that is not allocated.
  bool freeScene(SB_SCENE scene);
  bool isScene(SB_SCENE scene) const;
  SB_AUDIO_SCENE allocateAudioScene();
  bool freeAudioScene(SB_AUDIO_SCENE scene);
  bool isAudioScene(SB_AUDIO_SCENE scene) const;
  std::vector<std::string> liveHandles() const;

 private:
  mutable std::mutex mutex_;
  std::set<uint32_t> scenes_, audioScenes_;
  uint32_t nextScene_ = 0x5B000001u, nextAudioScene_ = 0x5A000001u;
};

}  // namespace hostsim
