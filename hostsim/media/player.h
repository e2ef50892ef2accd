#pragma once
// The host's player: plays up to six clips side by side, each in its
// camera's box of the default monitor, and the edit's picture (the clip the
// output list names at each frame) in an output preview, one frame every two
// fields at the video format's field rate, on a host task of its own. It
// reports each frame's position, the end of play and cameras whose material
// runs out to the callbacks given to mainPlayInit, on that task.
//
// Life cycle: init (callbacks) -> screen area (rectangle, then commit) ->
// start -> [pause] -> stop -> exit. cmSetMultiCam gives the layout of the
// next playback, cmUpdateFinalList a new output list to the running one.
// Stop joins the task: no callback runs once it has returned. The host
// stops the player before anything it reaches goes.
//
// Every member may be called from any thread, except that stop and exit
// refuse to wait for the player from its own task (a callback).
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "host/cm.h"
#include "host/main.h"
#include "host/task.h"
#include "hostsim/kernel/clock.h"
#include "hostsim/media/frame_painter.h"
#include "hostsim/media/play_plan.h"
#include "hostsim/media/playback_record.h"

namespace hostsim {

class ClipStore;
class Host;
class RenderLibrary;

class Player {
 public:
  /// Sizes the callbacks record may announce: the host's own record of five
  /// 32-bit words, and ours with its pointer-sized words.
  static constexpr uintptr_t kHostRecordSize = 20;
  /// An output list is read up to this many pairs.
  static constexpr size_t kMaxOutputPairs = 1'000'000;

  Player(Host& host, const ClipStore& clips, RenderLibrary& render);
  ~Player();
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  // ---- the host calls (0 or -1, a refusal writes a host log line) ---------
  int32_t init(const MAIN_PLAY_CALLBACKS* callbacks);
  /// A rectangle is kept; null commits it as the screen area of the next playback.
  int32_t setGuiRect(const VG_RECT* rect);
  /// `cameras` ranges are used (6, or 4 for the four-camera call).
  int32_t start(const char* call, int cameras, const std::array<PlayRange, PlayPlan::kCameras>& ranges);
  /// Holds the playback; returns the frame reached (the position shown), -1 when none runs.
  int32_t pause();
  int32_t stop();
  void exit();
  int32_t setLayout(CM_HANDLE render, const CM_MULTICAM* layout);
  int32_t updateOutputList(CM_HANDLE render, const CM_OUTPUT_PAIR* first);

  // ---- the scripted user -----------------------------------------------------
  /// The running player sends its end of play now (and plays no further).
  bool sendEnd();
  /// The running player sends a camera event now: camera 0 .. 3, field.
  bool sendCameraEvent(int camera, int32_t field);

  // ---- tests and the host ------------------------------------------------------
  /// A playback was started and not stopped.
  bool running() const;
  /// When the running playback's next frame (or its end of play) is due.
  std::optional<Nanos> nextDue() const;
  /// Test clock only: moves the time on until `frames` more frames (or the
  /// end of play) are due and lets the player deliver them. False when
  /// nothing more is due or the host runs on the machine's clock.
  bool step(int frames = 1);
  PlaybackHistory history() const;
  std::vector<std::string> liveHandles() const;
  /// Stops a running playback (the host's end).
  void shutdown();

 private:
  struct Playback;
  struct Work;

  static int32_t taskEntry(TASK_ARG self, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                           TASK_ARG, TASK_ARG);
  void run();
  /// What the task does next; none (and when to look again) while nothing is due.
  Work nextWork(std::optional<Nanos>& wakeAt);
  Work frameWork(Playback& p, int64_t step, Work w);
  void addPictures(const Playback& p, Work& w) const;
  void perform(const Work& work);
  void finish(const Work& work);
  bool inject(const char* what, int32_t kind, int32_t value);
  void wake();
  int32_t refuse(const char* call, const std::string& why) const;
  void warnAboutLayout(const char* call, const Playback& p) const;
  PlaybackRecord startRecord(const char* call, int cameras, const std::array<PlayRange, PlayPlan::kCameras>& ranges,
                             const Playback& p) const;
  PlaybackRecord& record();
  VG_CORNERS screenBounds(int monitor) const;

  Host& host_;
  const ClipStore& clips_;
  RenderLibrary& render_;
  FramePainter painter_;  ///< used by the player's task only
  mutable std::mutex mutex_;
  std::condition_variable delivered_;  ///< an event the user asked for was sent
  std::atomic<bool> wake_{false};      ///< the task has something to look at
  bool initialised_ = false;
  MAIN_PLAY_POSITION_FN positionFn_ = nullptr;
  MAIN_PLAY_EVENT_FN eventFn_ = nullptr;
  std::optional<VG_RECT> pendingRect_, committedRect_;
  std::optional<LayoutRecord> nextLayout_;
  std::unique_ptr<Playback> current_;
  uint64_t serial_ = 0;
  PlaybackHistory history_;
};

}  // namespace hostsim
