// The player's host calls: init, screen area, start, pause, stop, exit, the
// layout and the output list.
#include "hostsim/media/player.h"

#include "hostsim/core/host.h"
#include "hostsim/gui/display.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/clips.h"
#include "hostsim/media/render.h"
#include "hostsim/media/player_state.h"
#include "hostsim/media/video_format.h"

namespace hostsim {

namespace {

VG_CORNERS corners(VG_RECT r) {
  return {r.x, r.y, static_cast<int16_t>(r.x + r.width - 1), static_cast<int16_t>(r.y + r.height - 1)};
}

}  // namespace

Player::Player(Host& host, const ClipStore& clips, RenderLibrary& render)
    : host_(host),
      clips_(clips),
      render_(render),
      painter_(clips, render, host.display().screen(), host.config().format) {}

Player::~Player() { shutdown(); }

int32_t Player::refuse(const char* call, const std::string& why) const {
  host_.log().host(4, std::string(call) + ": refused: " + why);
  return -1;
}

PlaybackRecord& Player::record() { return history_.playbacks.at(current_->recordIndex); }

void Player::wake() {
  wake_.store(true);
  host_.kernel().wakeAll();
}

int32_t Player::init(const MAIN_PLAY_CALLBACKS* callbacks) {
  std::lock_guard lock(mutex_);
  if (!callbacks) return refuse("mainPlayInit", "no callbacks record");
  if (callbacks->size != kHostRecordSize && callbacks->size != sizeof(MAIN_PLAY_CALLBACKS))
    return refuse("mainPlayInit", "the record's size word is " + std::to_string(callbacks->size));
  if (current_) return refuse("mainPlayInit", "a playback is running");
  positionFn_ = callbacks->position;
  eventFn_ = callbacks->event;
  initialised_ = true;
  history_.initialised = true;
  return 0;
}

int32_t Player::setGuiRect(const VG_RECT* rect) {
  std::lock_guard lock(mutex_);
  if (!initialised_) return refuse("mainPlaySetGuiRect", "mainPlayInit was not called");
  if (rect) {
    if (rect->width < 1 || rect->height < 1) return refuse("mainPlaySetGuiRect", "the rectangle has no size");
    pendingRect_ = *rect;
    return 0;
  }
  if (!pendingRect_) return refuse("mainPlaySetGuiRect", "no rectangle to commit");
  committedRect_ = pendingRect_;
  pendingRect_.reset();
  history_.guiRect = committedRect_;
  return 0;
}

int32_t Player::setLayout(CM_HANDLE render, const CM_MULTICAM* layout) {
  if (!render_.valid(render)) return refuse("cmSetMultiCam", "no render handle " + std::to_string(render));
  if (!layout) return refuse("cmSetMultiCam", "no layout");
  Screen& screen = host_.display().screen();
  const int monitor = host_.display().defaultMonitor();
  const std::string problem = layoutProblem(*layout, screen.width(monitor), screen.height(monitor));
  if (!problem.empty()) return refuse("cmSetMultiCam", problem);
  std::lock_guard lock(mutex_);
  nextLayout_ = LayoutRecord{render, *layout};
  history_.layout = nextLayout_;
  return 0;
}

int32_t Player::start(const char* call, int cameras, const std::array<PlayRange, PlayPlan::kCameras>& ranges) {
  std::lock_guard lock(mutex_);
  if (!initialised_) return refuse(call, "mainPlayInit was not called");
  if (current_) return refuse(call, "a playback is running");
  std::array<int32_t, PlayPlan::kCameras> material{};
  for (int i = 0; i < PlayPlan::kCameras; ++i)
    material[i] = ranges[i].clip ? clips_.trimmedLength(ranges[i].clip) : 0;
  std::string problem;
  std::optional<PlayPlan> plan = PlayPlan::make(ranges, material, problem);
  if (!plan) return refuse(call, problem);

  auto p = std::make_unique<Playback>(std::move(*plan), host_.config().format);
  const TASK_ARG args[10] = {reinterpret_cast<TASK_ARG>(this)};
  // The task waits for the mutex held here before it looks at the playback.
  p->taskId = host_.kernel().spawn("hostPlayer", &Player::taskEntry, args);
  if (p->taskId <= 0) return refuse(call, "the player's task could not start");
  p->serial = ++serial_;
  p->startedAt = host_.kernel().clock().now();
  const int monitor = host_.display().defaultMonitor();
  p->guiRect = committedRect_.value_or(
      VG_RECT{0, 0, host_.display().screen().width(monitor), host_.display().screen().height(monitor)});
  p->layout = nextLayout_;
  // A layout's output list belongs to the playback it starts: a later start
  // without a new layout shows no preview rather than a list long gone.
  if (nextLayout_) nextLayout_->layout.outputList = nullptr;
  history_.layout = nextLayout_;
  if (p->layout) p->outputList = p->layout->layout.outputList;
  warnAboutLayout(call, *p);
  p->recordIndex = history_.playbacks.size();
  history_.playbacks.push_back(startRecord(call, cameras, ranges, *p));
  current_ = std::move(p);
  return 0;
}

void Player::warnAboutLayout(const char* call, const Playback& p) const {
  if (!p.layout) {
    host_.log().host(4, std::string(call) + ": no multi-camera layout: the pictures are not shown");
  } else if (previewPlace(p.layout->layout.flags) == PreviewPlace::OutputMonitor &&
             !host_.display().screen().validMonitor(RenderLibrary::kOutputMonitor)) {
    host_.log().host(4, std::string(call) + ": no output monitor " + std::to_string(RenderLibrary::kOutputMonitor) +
                            ": the output preview is not shown");
  }
}

PlaybackRecord Player::startRecord(const char* call, int cameras,
                                   const std::array<PlayRange, PlayPlan::kCameras>& ranges, const Playback& p) const {
  PlaybackRecord rec;
  rec.call = call;
  rec.cameras = cameras;
  rec.ranges = ranges;
  rec.layout = p.layout;
  rec.guiRect = p.guiRect;
  if (p.outputList) rec.addOutputList(host_.config().recordPlayback ? p.outputList : nullptr, kMaxOutputPairs);
  return rec;
}

int32_t Player::pause() {
  std::lock_guard lock(mutex_);
  if (!current_) return refuse("mainPlayPause", "no playback runs");
  Playback& p = *current_;
  p.paused = true;
  const int32_t reached = p.shownPosition.value_or(p.plan.positionAt(0));
  record().pausedAt = reached;
  wake();
  return reached;
}

int32_t Player::stop() {
  int32_t taskId = 0;
  {
    std::lock_guard lock(mutex_);
    if (!current_ || current_->stopRequested) return refuse("mainPlayStop", "no playback runs");
    if (host_.kernel().currentTask() == current_->taskId)
      return refuse("mainPlayStop", "the player cannot wait for itself (called from a callback)");
    current_->stopRequested = true;
    taskId = current_->taskId;
    wake();
  }
  // Once the task has ended no callback can run any more.
  if (host_.kernel().joinTask(taskId) != 0) host_.log().host(4, "mainPlayStop: the player's task could not be joined");
  std::lock_guard lock(mutex_);
  record().stopped = true;
  current_.reset();
  delivered_.notify_all();
  return 0;
}

void Player::exit() {
  if (running()) {
    host_.log().host(4, "mainPlayExit: a playback was still running; it is stopped first");
    stop();
  }
  std::lock_guard lock(mutex_);
  initialised_ = false;
  positionFn_ = nullptr;
  eventFn_ = nullptr;
  pendingRect_.reset();
  committedRect_.reset();
  history_.initialised = false;
  history_.guiRect.reset();
}

int32_t Player::updateOutputList(CM_HANDLE render, const CM_OUTPUT_PAIR* first) {
  std::lock_guard lock(mutex_);
  if (!first) return refuse("cmUpdateFinalList", "no list");
  if (!current_) return refuse("cmUpdateFinalList", "no playback runs");
  if (!current_->layout || current_->layout->render != render)
    return refuse("cmUpdateFinalList", "the render handle " + std::to_string(render) + " did not start the playback");
  // The caller may reuse the old list as soon as this returns: the task
  // reads the list only under the mutex held here.
  current_->outputList = first;
  current_->listShown = false;
  current_->listRecord = record().outputLists.size();
  record().addOutputList(host_.config().recordPlayback ? first : nullptr, kMaxOutputPairs);
  return 0;
}

bool Player::running() const {
  std::lock_guard lock(mutex_);
  return current_ != nullptr;
}

void Player::shutdown() {
  if (running()) stop();
}

std::vector<std::string> Player::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  if (current_) out.push_back("player: a playback runs (mainPlayStop was not called)");
  if (initialised_) out.push_back("player: mainPlayInit without mainPlayExit");
  return out;
}

PlaybackHistory Player::history() const {
  std::lock_guard lock(mutex_);
  PlaybackHistory h = history_;
  if (current_) h.state = current_->ended ? "ended" : current_->paused ? "paused" : "playing";
  return h;
}

VG_CORNERS Player::screenBounds(int monitor) const {
  const Screen& screen = host_.display().screen();
  return corners(VG_RECT{0, 0, screen.width(monitor), screen.height(monitor)});
}

}  // namespace hostsim
