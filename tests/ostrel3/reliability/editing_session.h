#pragma once
// A whole editing session run through the operator's message function on a
// stand-in host with a test clock: three cameras get their clips, two are
// synchronised, the user cuts live during playback and frame by frame,
// undoes and redoes, and applies the edit to the storyboard. A watchdog ends
// the test program when a run hangs, so that a fault shows as a failure
// instead of a stalled test run.
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "host/op.h"
#include "hostsim/core/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/media.h"
#include "ostrel3/shell/entry.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

/// Ends the test program when a run takes longer than its limit.
class Watchdog {
 public:
  Watchdog(std::string what, std::chrono::seconds limit) : what_(std::move(what)) {
    thread_ = std::thread([this, limit] {
      std::unique_lock lock(mutex_);
      if (!done_.wait_for(lock, limit, [this] { return finished_; })) {
        std::fprintf(stderr, "watchdog: %s did not end within %lld s\n", what_.c_str(),
                     static_cast<long long>(limit.count()));
        std::fflush(stderr);
        std::_Exit(3);
      }
    });
  }
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      finished_ = true;
    }
    done_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  std::string what_;
  std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::thread thread_;
};

/// The user's hands on the stand-in host, queued as steps.
class SessionUser {
 public:
  explicit SessionUser(hostsim::Host& host) : host_(host) {}

  void caption(const std::string& text, int occurrence = 1) {
    act("click \"" + text + "\"", [text, occurrence](hostsim::Host& h) {
      return h.panels().input().clickCaption(text, {}, occurrence);
    });
  }
  void shortcut(uint32_t code) {
    act("click shortcut " + std::to_string(code),
        [code](hostsim::Host& h) { return h.panels().input().clickShortcut(code); });
  }
  void command(int32_t id, int32_t step = 0) {
    act("command " + std::to_string(id),
        [id, step](hostsim::Host& h) { return h.panels().input().command(id, step, 1); });
  }
  void jog(int32_t steps) {
    act("jog", [steps](hostsim::Host& h) { return h.panels().input().jog(steps); });
  }
  void jogConfirm() {
    act("jog confirm", [](hostsim::Host& h) { return h.panels().input().jogConfirm(); });
  }
  void scene(uint32_t uid) { host_.user().addAnswer({hostsim::AnswerKind::Scene, uid, {}}, "answer scene"); }
  void wait(int32_t ticks) { host_.user().addWait("wait", ticks); }

  // Shortcuts of the main panel's buttons and keys.
  static constexpr uint32_t kPlay = 0x8000E01C, kStop = 0x4000E01B, kUndo = 0x4040007A, kRedo = 0x80400079,
                            kToStart = 0xE00A;
  static constexpr uint32_t cameraKey(int camera) { return 0x30 + uint32_t(camera); }
  static constexpr int32_t kJog = 0x10010;
  static constexpr int32_t cameraCommand(int camera) { return 0x10004 + camera; }

 private:
  void act(std::string what, std::function<bool(hostsim::Host&)> f) { host_.user().addAction(std::move(what), std::move(f)); }
  hostsim::Host& host_;
};

/// Clips of the session's scene bin.
inline constexpr uint32_t kSessionClips[] = {1001, 1002, 1003, 1004};

/// A host for whole sessions: a test clock, four clips with claps.
inline hostsim::HostConfig sessionConfig(const std::filesystem::path& home, bool trace, int32_t clipLength,
                                         hostsim::MonitorConfig monitor) {
  hostsim::HostConfig c;
  c.trace = trace;
  c.recordPlayback = trace;
  c.home = home;
  c.resourceDir = resourceDir();
  c.testClock = true;
  c.monitors = {monitor};
  c.clips = {{kSessionClips[0], "Stage left", clipLength, 100, 0},
             {kSessionClips[1], "Stage right", clipLength, 60, 0},
             {kSessionClips[2], "Audience", clipLength, 140, 0},
             {kSessionClips[3], "Drums", clipLength, 85, 0}};
  return c;
}

/// Three cameras get their clips from the scene chooser.
inline void assignThreeCameras(SessionUser& u) {
  for (int c = 0; c < 3; ++c) {
    if (c > 0) u.caption("Camera " + std::to_string(c + 1));
    u.caption("Choose clip");
    u.scene(kSessionClips[c]);
  }
}
/// Camera 2 is brought into step with camera 1 on the jog.
inline void synchronise(SessionUser& u) {
  u.caption("Synchronise");
  u.caption("Position", 1);
  u.jog(40);
  u.jogConfirm();
  u.caption("Position", 2);
  u.jog(10);
  u.jogConfirm();
  u.wait(20);
  u.caption("Close");
}
/// Play, cut with the camera keys while it plays, stop.
inline void cutLive(SessionUser& u, int32_t pace = 25) {
  u.shortcut(SessionUser::kPlay);
  u.wait(pace + 15);
  u.shortcut(SessionUser::cameraKey(1));
  u.wait(pace + 5);
  u.shortcut(SessionUser::cameraKey(2));
  u.wait(pace);
  u.command(SessionUser::cameraCommand(0));
  u.wait(pace - 5);
  u.shortcut(SessionUser::kStop);
}
/// Steps frame by frame on the jog and cuts at the position.
inline void cutFrameByFrame(SessionUser& u) {
  u.command(SessionUser::kJog, 3);
  u.shortcut(SessionUser::cameraKey(1));
  u.command(SessionUser::kJog, 7);
  u.command(SessionUser::cameraCommand(2));
}
inline void undoRedo(SessionUser& u) {
  u.shortcut(SessionUser::kUndo);
  u.shortcut(SessionUser::kUndo);
  u.shortcut(SessionUser::kRedo);
}
/// The edit is appended to the storyboard; the operator ends with it.
inline void applyToStoryboard(SessionUser& u) {
  u.caption("Apply");
  u.caption("Append to the storyboard");
  u.caption("OK");
}
inline void queueWholeSession(hostsim::Host& host) {
  SessionUser u(host);
  assignThreeCameras(u);
  synchronise(u);
  cutLive(u);
  cutFrameByFrame(u);
  undoRedo(u);
  applyToStoryboard(u);
  // Reached only when the output was refused: the user leaves instead.
  u.caption("Leave");
}

/// Sends the messages the host sends to an operator it starts, and waits
/// for the operator's tasks to leave its code. Returns the run's result
/// (or the refusal of the start before it).
inline int32_t runOperator(hostsim::Host& host, const std::string& what) {
  const Watchdog watchdog(what, std::chrono::seconds(60));
  OperatorMsg init{};
  init.code = OP_MSG_INIT;
  int32_t result = ostrel3::OperatorMessage(&init);
  if (result == 0) {
    OperatorMsg length{};
    length.code = OP_MSG_LENGTH;
    ostrel3::OperatorMessage(&length);
    OperatorMsg run{};
    run.code = OP_MSG_RUN;
    run.fieldRate = 50;
    result = ostrel3::OperatorMessage(&run);
  }
  host.kernel().awaitTaskEntries(std::chrono::milliseconds(5000));
  return result;
}

/// A fresh home directory and host for one run; both go at its end.
class SessionHost {
 public:
  /// Without the trace a run is several times faster; the calls are still counted.
  explicit SessionHost(bool trace = false, int32_t clipLength = 600, hostsim::MonitorConfig monitor = {})
      : home_(freshHome()), host_(std::make_unique<hostsim::Host>(sessionConfig(home_, trace, clipLength, monitor))) {}
  ~SessionHost() {
    host_.reset();
    std::error_code ec;
    std::filesystem::remove_all(home_, ec);
  }
  SessionHost(const SessionHost&) = delete;
  SessionHost& operator=(const SessionHost&) = delete;
  hostsim::Host& host() { return *host_; }

 private:
  static std::filesystem::path freshHome() {
    static int runs = 0;
    const auto home = std::filesystem::temp_directory_path() /
                      ("ostrel3-session-" + std::to_string(::getpid()) + "-" + std::to_string(++runs));
    std::filesystem::remove_all(home);
    std::filesystem::create_directories(home / "programs" / "ostrel3");
    ::setenv("VTHOME", home.c_str(), 1);
    return home;
  }
  std::filesystem::path home_;
  std::unique_ptr<hostsim::Host> host_;
};

}  // namespace ostrel3_test
