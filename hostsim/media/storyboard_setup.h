#pragma once
// The storyboard a project already holds when the operator starts, built
// from the setup's storyboard lines over the configured bin clips. No host
// is needed, so a script's lines are checked before anything runs.
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "hostsim/core/config.h"
#include "hostsim/media/storyboard_model.h"

namespace hostsim {

/// A storyboard line that cannot be applied, with its script line.
class StoryboardSetupError : public std::invalid_argument {
 public:
  StoryboardSetupError(int line, const std::string& what) : std::invalid_argument(what), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

struct SetupStoryboard {
  SbScenes scenes;  ///< scene ids 1, 2 ... in the order they were made
  std::optional<size_t> active;
  uint32_t nextSceneId = 1;
};

/// Applies the lines in order: a scene after the last one, an insert on the
/// last scene (which splits it as any insert does), the active scene.
/// `limit` is the include-trim limit, `freshUid` gives each copy its id.
/// Throws StoryboardSetupError.
SetupStoryboard buildSetupStoryboard(const std::vector<StoryboardSetup>& lines, const std::vector<ClipConfig>& clips,
                                     int32_t limit, const std::function<uint32_t()>& freshUid);

}  // namespace hostsim
