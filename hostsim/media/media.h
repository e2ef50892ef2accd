#pragma once
// The host project's media side: the scene bin and the clips made from it,
// the synthetic media behind them, images, the render library, and the
// small project state the operator reads and sets. One per stand-in host.
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "host/main.h"
#include "host/op.h"
#include "hostsim/media/clips.h"
#include "hostsim/media/images.h"
#include "hostsim/media/jingle_requests.h"
#include "hostsim/media/operator_gui.h"
#include "hostsim/media/operator_requester.h"
#include "hostsim/media/operators.h"
#include "hostsim/media/player.h"
#include "hostsim/media/project_state.h"
#include "hostsim/media/removable_media.h"
#include "hostsim/media/render.h"
#include "hostsim/media/scrub_engine.h"
#include "hostsim/media/sources.h"
#include "hostsim/media/storyboard.h"
#include "hostsim/media/unique_name.h"
#include "hostsim/media/unique_ids.h"

namespace hostsim {

class Host;

class Media {
 public:
  /// Throws std::invalid_argument for an unusable clip or storyboard
  /// configuration.
  explicit Media(Host& host);
  ~Media();

  const SourceCatalogue& sources() const { return sources_; }
  ClipStore& clips() { return clips_; }
  const ClipStore& clips() const { return clips_; }
  ImageStore& images() { return images_; }
  RenderLibrary& render() { return render_; }
  ProjectState& project() { return project_; }
  SceneBuffers& sceneBuffers() { return sceneBuffers_; }
  UniqueIds& ids() { return ids_; }
  Player& player() { return player_; }
  ScrubEngine& scrub() { return scrub_; }
  OperatorDirectory& operators() { return operators_; }
  Storyboard& storyboard() { return storyboard_; }
  NameNumbers& nameNumbers() { return nameNumbers_; }
  const Storyboard& storyboard() const { return storyboard_; }
  OperatorRequester& operatorRequester() { return operatorRequester_; }
  OperatorGuis& operatorGuis() { return operatorGuis_; }
  JingleRequests& jingles() { return jingles_; }
  RemovableMedia& removable() { return removable_; }

  /// The video format record (mainGetInfo) and the sound format (opGetAudioInfo).
  const MAIN_INFO& info() const { return info_; }
  const OP_AUDIO_INFO& audioInfo() const { return audioInfo_; }

  /// The scene chooser: the user's next answer names a bin clip by uid (or,
  /// with uid 0, by name). Returns its uid; 0 when the user cancelled or
  /// named no clip of the bin.
  uint32_t chooseScene(uint32_t preselectUid);
  /// What the last scene chooser preselected.
  uint32_t lastScenePreselect() const { return lastPreselect_.load(); }

  /// Clips, images, sound blocks and scene buffers not given back, loaded
  /// operators, their settings windows and jingle requests not released,
  /// a player not stopped or exited, and a scrub not stopped, as text.
  std::vector<std::string> liveHandles() const;

 private:
  Host& host_;
  UniqueIds ids_;
  SourceCatalogue sources_;
  ClipStore clips_;
  ImageStore images_;
  RenderLibrary render_;
  ProjectState project_;
  SceneBuffers sceneBuffers_;
  OperatorDirectory operators_;
  Storyboard storyboard_;
  NameNumbers nameNumbers_;
  OperatorRequester operatorRequester_;
  OperatorGuis operatorGuis_;
  JingleRequests jingles_;
  RemovableMedia removable_;
  MAIN_INFO info_{};
  OP_AUDIO_INFO audioInfo_{};
  std::atomic<uint32_t> lastPreselect_{0};
  Player player_;  ///< it plays what the members above hold
  ScrubEngine scrub_;
};

}  // namespace hostsim
