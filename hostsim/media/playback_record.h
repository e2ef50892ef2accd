#pragma once
// What the player was asked to do and what it did, kept for the dump of a
// session (`dump playback`) and for tests.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/cm.h"
#include "host/host_types.h"
#include "hostsim/media/play_plan.h"

namespace hostsim {

/// A multi-camera layout as cmSetMultiCam handed it over.
struct LayoutRecord {
  CM_HANDLE render = 0;
  CM_MULTICAM layout{};
};

/// An output list the player was given, with the first frame it showed.
struct OutputListRecord {
  std::vector<CM_OUTPUT_PAIR> pairs;   ///< without the closing (0, 0) pair
  std::optional<int32_t> fromFrame;    ///< the position at which it took effect; none while it never did
};

/// An event the player sent (kind 1 end of play, 7 a camera's material ran out ...).
struct PlayEventRecord {
  int32_t kind = 0;
  int32_t value = 0;
  int32_t atPosition = 0;  ///< the position last reported when it was sent
  bool byUser = false;     ///< asked for by the scripted user (`player end`, `player event`)
};

/// One playback, from its start to its stop.
struct PlaybackRecord {
  std::string call;                               ///< the start call
  int cameras = 6;                                ///< ranges the call hands over (4 or 6)
  std::array<PlayRange, PlayPlan::kCameras> ranges{};
  std::optional<LayoutRecord> layout;             ///< the layout it played with
  std::optional<VG_RECT> guiRect;                 ///< the screen area it played in
  std::vector<OutputListRecord> outputLists;      ///< the layout's list first, then every update
  std::vector<int32_t> positions;                 ///< every position reported, in order
  std::vector<PlayEventRecord> events;
  std::optional<int32_t> pausedAt;                ///< what mainPlayPause returned
  bool ended = false;                             ///< the end of play was sent
  bool stopped = false;                           ///< mainPlayStop (or exit, or the host's end) ended it
};

/// The player's state and history.
struct PlaybackHistory {
  bool initialised = false;           ///< between mainPlayInit and mainPlayExit
  std::string state = "idle";         ///< idle, playing, paused or ended
  std::optional<VG_RECT> guiRect;     ///< the committed screen area for the next playback
  std::optional<LayoutRecord> layout; ///< the layout for the next playback
  std::vector<PlaybackRecord> playbacks;
};

}  // namespace hostsim
