#pragma once
// The host project's storyboard: ordered scenes with the host's own copies
// of their clips, inserts that split the scene carrying them, audio and
// transitions; the scene buffers (SB_SCENE) that name scenes; the active
// scene; and every change recorded in the project's undo steps.
//
// Scenes have ids that last: a buffer naming a scene goes on naming it when
// an insert splits it (it then names the part before the split) and names
// nothing once the scene is gone (cleared or undone). Results follow the
// host functions; refusals of misuse write a host log line. One per host;
// any thread, although the host's callers use it from the calling thread.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/nsl_sb.h"
#include "hostsim/core/config.h"
#include "hostsim/media/scene_index.h"
#include "hostsim/media/storyboard_model.h"

namespace hostsim {

class ClipStore;
class HostLog;
class OperatorDirectory;
class ProjectState;
class SceneBuffers;
class UniqueIds;

/// What the dumps and the picture show.
struct StoryboardView {
  SbScenes scenes;
  std::optional<size_t> active;  ///< index of the active scene
  std::map<SB_TRANSITION, OP_HANDLE> loaded;  ///< transitions whose operator is loaded
};

class Storyboard {
 public:
  struct Parts {
    HostLog& log;
    ClipStore& clips;
    ProjectState& project;
    OperatorDirectory& operators;
    UniqueIds& ids;
    SceneBuffers& buffers;
  };
  explicit Storyboard(Parts parts);

  /// Builds the storyboard of the setup's storyboard lines (bin clips by
  /// uid). Throws StoryboardSetupError for a line that cannot be applied.
  void applySetup(const HostConfig& config);

  // ---- scene buffers and walking ----------------------------------------
  /// A scene buffer was freed: it names nothing any more.
  void forgetBuffer(SB_SCENE buffer);
  void forgetAudioBuffer(SB_AUDIO_SCENE buffer);
  int32_t first(SB_SCENE out);
  int32_t last(SB_SCENE out);
  int32_t next(SB_SCENE from, SB_SCENE out);
  int32_t length() const;
  /// Non-zero when both buffers name the same scene.
  int32_t compare(SB_SCENE a, SB_SCENE b) const;
  int32_t copy(SB_SCENE source, SB_SCENE destination);
  int32_t position(SB_SCENE scene) const;
  int32_t sceneLength(SB_SCENE scene) const;
  int32_t type(SB_SCENE scene) const;
  int32_t hasInsert(SB_SCENE scene) const;
  int32_t info(SB_SCENE scene, SB_SCENE_INFO* info) const;

  // ---- scenes and inserts -------------------------------------------------
  int32_t addScene(SB_SCENE position, AV_RECORD clip, SB_SCENE out);
  int32_t addInsert(SB_SCENE scene, AV_RECORD clip, SB_SCENE out);
  int32_t insertBeginTrim(SB_SCENE scene, SB_INSERT_TRIM* trim);
  int32_t insertEndTrim(SB_SCENE scene, const SB_INSERT_TRIM* trim);
  int32_t clear();
  int32_t active(SB_SCENE out);
  int32_t setActive(SB_SCENE scene);

  // ---- audio (storyboard_audio.cpp) ---------------------------------------
  int32_t toAudioScene(SB_SCENE scene, SB_AUDIO_SCENE audioScene);
  SB_AUDIO addAudio(SB_AUDIO_SCENE audioScene, int32_t track, int32_t flags, AV_RECORD clip);
  int32_t audioBeginTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim);
  int32_t audioEndTrim(SB_AUDIO audio, const SB_AUDIO_TRIM* trim);
  int32_t audioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info);
  int32_t setAudioInfo(SB_AUDIO audio, const SB_AUDIO_INFO* info);

  // ---- transitions (storyboard_transitions.cpp) ---------------------------
  int32_t maxTransitionLength(SB_SCENE scene) const;
  int32_t addTransition(SB_SCENE scene, const char* path, int32_t length, int32_t direction, SB_TRANSITION* out);
  int32_t loadTransition(SB_TRANSITION t);
  OP_HANDLE transitionOperator(SB_TRANSITION t) const;
  int32_t updateTransitionPrefs(SB_TRANSITION t);
  int32_t unloadTransition(SB_TRANSITION t);
  int32_t calcTransitionAudio(SB_TRANSITION t);
  int32_t addJingle(SB_TRANSITION t, const char* file, const char16_t* image, int32_t flags);

  // ---- the host's side ------------------------------------------------------
  /// Takes back the last undo step that changed something; false when none did.
  bool undo();
  /// The names of every clip the storyboard holds (scenes, inserts, audio).
  std::vector<std::u16string> clipNames() const;
  /// Whether a clip the storyboard holds has this name; kept as an index.
  bool hasClipName(std::u16string_view name) const;
  /// How many different clip names the storyboard holds.
  size_t clipNameCount() const;
  StoryboardView view() const;

 private:
  using Lock = std::lock_guard<std::mutex>;

  /// The scene a buffer names; nullopt (with a log line naming `call` when
  /// the buffer is no scene buffer) otherwise.
  std::optional<size_t> sceneOf(SB_SCENE buffer, const char* call) const;
  /// A scene buffer to fill: allocated, else refused with a log line.
  bool writable(SB_SCENE buffer, const char* call) const;
  void name(SB_SCENE buffer, size_t index);
  /// Writes the refusal's log line; returns -1.
  int32_t refuse(const char* call, const std::string& why) const;
  /// The host's own copy of a caller's clip, handles up to the include-trim
  /// limit; nullopt for a bad clip.
  std::optional<SbClip> takeClip(AV_RECORD clip) const;
  /// Before a change: the storyboard as it is, when the undo step needs it.
  std::shared_ptr<const SbScenes> beforeChange() const;
  void changed(const std::string& what, std::shared_ptr<const SbScenes> before);
  /// Unloads the operators of transitions no longer in the storyboard.
  void dropLostOperators();
  /// The name index after the scenes were replaced as a whole.
  void recountNames();
  std::string describe(size_t index) const;
  uint32_t freshId() { return nextSceneId_++; }

  Parts parts_;
  mutable std::mutex mutex_;
  SbScenes scenes_;
  // Every clip name in scenes_. Splits and joins of a scene only add or drop
  // pieces named as the scene itself, so adding material adds names and only
  // replacing the scenes as a whole (setup, clear, undo) recounts them.
  std::set<std::u16string, std::less<>> names_;
  mutable SceneIndex index_;
  std::map<SB_SCENE, uint32_t> named_;             ///< buffer -> scene id
  std::map<SB_AUDIO_SCENE, uint32_t> audioNamed_;  ///< audio scene buffer -> scene id
  std::map<SB_TRANSITION, OP_HANDLE> loaded_;
  std::optional<uint32_t> active_;
  uint32_t nextSceneId_ = 1;
  SB_AUDIO nextAudio_ = 0x5D000001u;
  SB_TRANSITION nextTransition_ = 0x5E000001u;
};

}  // namespace hostsim
