// The holder of the host's player.
#include "ostrel3/display/player_session.h"

#include <utility>

#include "ostrel3/shell/log.h"

namespace ostrel3 {

PlayerSession::PlayerSession(PlayerSession&& other) noexcept
    : initialised_(std::exchange(other.initialised_, false)), started_(std::exchange(other.started_, false)) {}

PlayerSession& PlayerSession::operator=(PlayerSession&& other) noexcept {
  if (this != &other) {
    end();
    initialised_ = std::exchange(other.initialised_, false);
    started_ = std::exchange(other.started_, false);
  }
  return *this;
}

bool PlayerSession::init(const MAIN_PLAY_CALLBACKS* callbacks) {
  end();
  if (mainPlayInit(callbacks, 0) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  initialised_ = true;
  return true;
}

bool PlayerSession::start(const std::array<AV_RECORD, kPlayedCameras>& c, PlaybackSpan s) {
  if (!initialised_ || started_) return false;
  if (mainPlayStartMultiple2(c[0], s.first, s.last, c[1], s.first, s.last, c[2], s.first, s.last, c[3], s.first,
                             s.last, c[4], s.first, s.last, c[5], s.first, s.last, 0) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  started_ = true;
  return true;
}

int32_t PlayerSession::pause() { return started_ ? mainPlayPause(0) : -1; }

void PlayerSession::end() noexcept {
  if (started_) {
    started_ = false;
    if (mainPlayStop(0) == -1) OS3_LOG(kLogFailed);
  }
  if (initialised_) {
    initialised_ = false;
    mainPlayExit(0);
  }
}

}  // namespace ostrel3
