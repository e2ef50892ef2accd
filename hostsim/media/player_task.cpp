// The player's task: plays each frame when it is due (its pictures, then
// its position), sends the end of play and the camera events, and the events
// the scripted user asks for.
#include <algorithm>
#include <chrono>

#include "hostsim/core/host.h"
#include "hostsim/gui/display.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/player.h"
#include "hostsim/media/player_state.h"
#include "hostsim/media/render.h"

namespace hostsim {

namespace {

constexpr int32_t kEndOfPlay = 1;
constexpr int32_t kCameraEvent = 7;
/// How long the user waits for an event to be sent (machine time).
constexpr std::chrono::seconds kDeliveryLimit{10};

VG_CORNERS cornersOf(VG_RECT r) {
  return {r.x, r.y, static_cast<int16_t>(r.x + r.width - 1), static_cast<int16_t>(r.y + r.height - 1)};
}

// The callbacks belong to the caller: nothing they throw may end the task.
void callPosition(MAIN_PLAY_POSITION_FN fn, int32_t frame) noexcept {
  try {
    if (fn) fn(frame);
  } catch (...) {
  }
}

void callEvent(MAIN_PLAY_EVENT_FN fn, int32_t kind, int32_t value) noexcept {
  try {
    if (fn) fn(kind, value);
  } catch (...) {
  }
}

}  // namespace

int32_t Player::taskEntry(TASK_ARG self, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                          TASK_ARG) {
  reinterpret_cast<Player*>(self)->run();
  return 0;
}

void Player::run() {
  for (;;) {
    std::optional<Nanos> wakeAt;
    const Work work = nextWork(wakeAt);
    if (work.kind == Work::Quit) return;
    if (work.kind == Work::None) {
      if (host_.kernel().sleepUntil(wakeAt, [this] { return wake_.load(); }) != 0) return;
      continue;
    }
    perform(work);
    finish(work);
  }
}

Player::Work Player::nextWork(std::optional<Nanos>& wakeAt) {
  std::lock_guard lock(mutex_);
  wake_.store(false);
  Work w;
  if (!current_ || current_->stopRequested) {
    w.kind = Work::Quit;
    return w;
  }
  Playback& p = *current_;
  w.serial = p.serial;
  w.positionFn = positionFn_;
  w.eventFn = eventFn_;
  if (!p.injected.empty()) {
    w.kind = Work::Injected;
    w.event = p.injected.front();
    p.injected.pop_front();
    return w;
  }
  if (p.paused || p.ended) return w;
  const HostClock& clock = host_.kernel().clock();
  const Nanos now = clock.now();
  const Nanos due = p.startedAt + p.times.at(p.nextStep);
  if (now < due) {
    wakeAt = due;
    return w;
  }
  int64_t step = p.nextStep;
  // On the machine's clock a player that fell behind drops the frames it
  // missed, as a real one does; under a test clock every frame is played.
  if (!clock.testClock()) step = std::max(step, p.times.firstAfter(now - p.startedAt) - 1);
  if (step >= p.plan.steps()) {
    w.kind = Work::End;
    w.step = p.plan.steps();
    return w;
  }
  return frameWork(p, step, std::move(w));
}

Player::Work Player::frameWork(Playback& p, int64_t step, Work w) {
  w.kind = Work::Frame;
  w.step = step;
  w.position = p.plan.positionAt(static_cast<int32_t>(step));
  p.shownPosition = w.position;
  if (p.outputList && !p.listShown) {
    p.listShown = true;
    record().outputLists.at(p.listRecord).fromFrame = w.position;
  }
  if (p.layout) addPictures(p, w);
  // Cameras whose material ran out since the last frame played (frames a
  // late player dropped included).
  for (int i = 0; i < PlayPlan::kCameras; ++i) {
    const std::optional<int32_t> out = p.plan.runsOutAt(i);
    if (!out || *out < p.nextStep || *out > step) continue;
    const int32_t field = 2 * (p.plan.cameras()[i].first + *out);
    if (i < PlayPlan::kCamerasWithEvents)
      w.cameraEvents.push_back(cameraEventValue(i, field));
    else
      host_.log().host(6, "player: camera " + std::to_string(i + 1) + " ran out of material at field " +
                              std::to_string(field) + " (its event has no room for camera numbers above 4)");
  }
  return w;
}

void Player::addPictures(const Playback& p, Work& w) const {
  const CM_MULTICAM& l = p.layout->layout;
  const int monitor = host_.display().defaultMonitor();
  const VG_CORNERS inGuiRect = cornersOf(p.guiRect);
  for (int i = 0; i < PlayPlan::kCameras; ++i) {
    const CameraPlay& c = p.plan.cameras()[i];
    if (!c.clip || !cameraShown(l.flags, i)) continue;
    const auto [x, y] = cameraOrigin(l, i);
    const VG_RECT box{x, y, l.pictureWidth, l.pictureHeight};
    w.pictures.push_back({monitor, box, inGuiRect, c.clip, p.plan.frameOf(i, static_cast<int32_t>(w.step))});
  }
  const PreviewPlace place = previewPlace(l.flags);
  if (place == PreviewPlace::None || !p.outputList) return;
  const int previewMonitor = place == PreviewPlace::Panel ? monitor : RenderLibrary::kOutputMonitor;
  if (!host_.display().screen().validMonitor(previewMonitor)) return;
  const AV_RECORD clip = outputClipAt(p.outputList, w.position, kMaxOutputPairs);
  const VG_CORNERS bounds = place == PreviewPlace::Panel ? inGuiRect : screenBounds(previewMonitor);
  // On the output monitor the edit fills the whole picture, as the render
  // library's own output does, whatever size the layout names.
  const VG_RECT where = place == PreviewPlace::Panel
                            ? VG_RECT{l.previewLeft, l.previewTop, l.previewWidth, l.previewHeight}
                            : VG_RECT{bounds.x0, bounds.y0, int16_t(bounds.x1 - bounds.x0 + 1), int16_t(bounds.y1 - bounds.y0 + 1)};
  w.pictures.push_back({previewMonitor, where, bounds, clip, clip ? std::optional(w.position) : std::nullopt});
}

void Player::perform(const Work& w) {
  switch (w.kind) {
    case Work::Frame:
      painter_.paint(w.pictures);
      callPosition(w.positionFn, w.position);
      for (int32_t value : w.cameraEvents) callEvent(w.eventFn, kCameraEvent, value);
      return;
    case Work::End: return callEvent(w.eventFn, kEndOfPlay, 0);
    case Work::Injected: return callEvent(w.eventFn, w.event.kind, w.event.value);
    default: return;
  }
}

void Player::finish(const Work& w) {
  std::lock_guard lock(mutex_);
  if (!current_ || current_->serial != w.serial) return;
  Playback& p = *current_;
  PlaybackRecord& rec = record();
  const int32_t at = p.shownPosition.value_or(p.plan.positionAt(0));
  switch (w.kind) {
    case Work::Frame:
      p.nextStep = w.step + 1;
      rec.positions.push_back(w.position);
      for (int32_t value : w.cameraEvents) rec.events.push_back({kCameraEvent, value, w.position, false});
      return;
    case Work::End:
      p.ended = rec.ended = true;
      rec.events.push_back({kEndOfPlay, 0, at, false});
      return;
    case Work::Injected:
      rec.events.push_back({w.event.kind, w.event.value, at, true});
      if (w.event.kind == kEndOfPlay) p.ended = rec.ended = true;
      p.deliveredTicket = w.event.ticket;
      delivered_.notify_all();
      return;
    default: return;
  }
}

bool Player::inject(const char* what, int32_t kind, int32_t value) {
  std::unique_lock lock(mutex_);
  if (!current_ || current_->stopRequested) {
    host_.log().host(4, std::string(what) + ": refused: no player runs");
    return false;
  }
  const uint64_t serial = current_->serial;
  const uint64_t ticket = current_->nextTicket++;
  current_->injected.push_back({kind, value, ticket});
  wake();
  // The player's task sends it, as it sends its own events; the user goes
  // on once it has been sent.
  const bool sent = delivered_.wait_for(lock, kDeliveryLimit, [&] {
    return !current_ || current_->serial != serial || current_->deliveredTicket >= ticket;
  });
  if (!sent || !current_ || current_->serial != serial) {
    host_.log().host(4, std::string(what) + ": the player stopped before it sent the event");
    return false;
  }
  return true;
}

bool Player::sendEnd() { return inject("player end", kEndOfPlay, 0); }

bool Player::sendCameraEvent(int camera, int32_t field) {
  if (camera < 0 || camera >= PlayPlan::kCamerasWithEvents || field < 0 || field > 0x3FFFFFFF) {
    host_.log().host(4, "player event: refused: camera " + std::to_string(camera + 1) + ", field " +
                            std::to_string(field) + " do not fit the event");
    return false;
  }
  return inject("player event", kCameraEvent, cameraEventValue(camera, field));
}

std::optional<Nanos> Player::nextDue() const {
  std::lock_guard lock(mutex_);
  if (!current_ || current_->stopRequested) return std::nullopt;
  const Playback& p = *current_;
  if (!p.injected.empty()) return host_.kernel().clock().now();
  if (p.paused || p.ended) return std::nullopt;
  return p.startedAt + p.times.at(p.nextStep);
}

bool Player::step(int frames) {
  Kernel& kernel = host_.kernel();
  if (!kernel.clock().testClock()) return false;
  for (int i = 0; i < frames; ++i) {
    if (!kernel.settleTasks()) return false;
    const std::optional<Nanos> due = nextDue();
    if (!due) return false;
    kernel.advanceClock(*due);
    if (!kernel.settleTasks()) return false;
  }
  return true;
}

}  // namespace hostsim
