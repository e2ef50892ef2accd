#pragma once
// The player's private records, shared by its source files. Guarded by
// Player::mutex_.
#include <deque>
#include <optional>
#include <vector>

#include "hostsim/media/player.h"

namespace hostsim {

/// An event the scripted user asked the player to send.
struct InjectedEvent {
  int32_t kind = 0;
  int32_t value = 0;
  uint64_t ticket = 0;
};

/// The running playback.
struct Player::Playback {
  uint64_t serial = 0;  ///< tells a playback from the next one
  int32_t taskId = 0;
  PlayPlan plan;
  FrameTimes times;
  Nanos startedAt{0};
  int64_t nextStep = 0;            ///< the next step to play; plan.steps() is the end of play
  std::optional<LayoutRecord> layout;
  VG_RECT guiRect{};
  const CM_OUTPUT_PAIR* outputList = nullptr;  ///< the caller's, read at every frame
  size_t listRecord = 0;                       ///< its entry in the record
  bool listShown = false;                      ///< a frame showed it already
  std::optional<int32_t> shownPosition;        ///< the frame shown last (or being shown)
  bool paused = false;
  bool ended = false;              ///< the end of play was sent
  bool stopRequested = false;
  std::deque<InjectedEvent> injected;
  uint64_t nextTicket = 1, deliveredTicket = 0;
  size_t recordIndex = 0;          ///< its entry in history_.playbacks

  Playback(PlayPlan p, VideoFormat format) : plan(std::move(p)), times(format) {}
};

/// One piece of the task's work, taken under the mutex and done without it.
struct Player::Work {
  enum Kind { None, Frame, End, Injected, Quit } kind = None;
  uint64_t serial = 0;
  int64_t step = 0;
  int32_t position = 0;
  std::vector<PictureJob> pictures;
  std::vector<int32_t> cameraEvents;  ///< values of kind-7 events this frame sends
  InjectedEvent event;
  MAIN_PLAY_POSITION_FN positionFn = nullptr;
  MAIN_PLAY_EVENT_FN eventFn = nullptr;
};

}  // namespace hostsim
