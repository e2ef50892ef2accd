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

/// An output list the player was given, with the first frame it showed. A
/// live cut changes a list only around one frame, so each list is kept as
/// what it changed in the list before it: a long session of cuts on a long
/// list neither copies nor keeps the whole list every time.
struct OutputListRecord {
  size_t sameHead = 0;                 ///< leading pairs equal to the list before
  size_t sameTail = 0;                 ///< trailing pairs equal to the list before
  std::vector<CM_OUTPUT_PAIR> middle;  ///< the pairs between them
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

  /// Records the list starting at `first` (up to its closing pair, at most `limit` pairs).
  void addOutputList(const CM_OUTPUT_PAIR* first, size_t limit);
  /// The pairs of list `index` (without the closing (0, 0) pair).
  std::vector<CM_OUTPUT_PAIR> outputListPairs(size_t index) const;
  /// The pairs of every list, in order.
  std::vector<std::vector<CM_OUTPUT_PAIR>> allOutputListPairs() const;
  std::vector<int32_t> positions;                 ///< every position reported, in order
  std::vector<PlayEventRecord> events;
  std::optional<int32_t> pausedAt;                ///< what mainPlayPause returned
  bool ended = false;                             ///< the end of play was sent
  bool stopped = false;                           ///< mainPlayStop (or exit, or the host's end) ended it

 private:
  std::vector<CM_OUTPUT_PAIR> lastList_;          ///< the newest list whole, to compare the next one with
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
