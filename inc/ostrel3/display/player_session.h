#pragma once
// The host's player from mainPlayInit to mainPlayExit. The holder exits the
// player exactly once, on every way out, and stops a started playback first:
// a start that fails half-way leaves no player behind.
#include <array>
#include <cstdint>

#include "host/host_types.h"
#include "host/main.h"
#include "ostrel3/display/playback_plan.h"

namespace ostrel3 {

class PlayerSession {
 public:
  PlayerSession() = default;
  ~PlayerSession() { end(); }
  PlayerSession(PlayerSession&& other) noexcept;
  PlayerSession& operator=(PlayerSession&& other) noexcept;
  PlayerSession(const PlayerSession&) = delete;
  PlayerSession& operator=(const PlayerSession&) = delete;

  /// mainPlayInit with the callbacks record, which must outlive the
  /// session. False (logged) when the host refuses.
  bool init(const MAIN_PLAY_CALLBACKS* callbacks);
  /// Plays cameras 1 to 6 side by side over `span` (a null clip plays
  /// nothing). False (logged) when the host refuses.
  bool start(const std::array<AV_RECORD, kPlayedCameras>& clips, PlaybackSpan span);
  /// Holds the playback; the frame reached, or -1.
  int32_t pause();
  /// Stops a started playback (a refusal is logged) and exits the player.
  void end() noexcept;

  bool initialised() const { return initialised_; }
  bool started() const { return started_; }

 private:
  bool initialised_ = false;
  bool started_ = false;
};

}  // namespace ostrel3
