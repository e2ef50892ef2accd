#pragma once
// A stand-in host on a test clock with a scene bin of three clips, a render
// handle, and playback callbacks that record what the player reports.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "host/host.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/media.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

/// What the playback callbacks received, in order, and on which thread.
struct PlayLog {
  std::mutex mutex;
  std::vector<int32_t> positions;
  std::vector<std::pair<int32_t, int32_t>> events;
  std::thread::id thread;
  std::atomic<int> calls{0};

  void clear() {
    std::lock_guard lock(mutex);
    positions.clear();
    events.clear();
    calls = 0;
  }
  std::vector<int32_t> positionsSoFar() {
    std::lock_guard lock(mutex);
    return positions;
  }
  std::vector<std::pair<int32_t, int32_t>> eventsSoFar() {
    std::lock_guard lock(mutex);
    return events;
  }
};

inline PlayLog& playLog() {
  static PlayLog log;
  return log;
}

inline void recordPosition(int32_t frame) {
  PlayLog& log = playLog();
  std::lock_guard lock(log.mutex);
  log.positions.push_back(frame);
  log.thread = std::this_thread::get_id();
  ++log.calls;
}

inline void recordEvent(int32_t kind, int32_t value) {
  PlayLog& log = playLog();
  std::lock_guard lock(log.mutex);
  log.events.emplace_back(kind, value);
  ++log.calls;
}

class PlayerTest : public HostTest {
 protected:
  static constexpr uint32_t kUidA = 601, kUidB = 602, kUidC = 603;
  static constexpr int16_t kPictureWidth = 320, kPictureHeight = 180;

  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.testClock = true;
    c.clips = {{kUidA, "Stage", 300}, {kUidB, "Hall", 120}, {kUidC, "Balcony", 200}};
    return c;
  }

  void SetUp() override {
    HostTest::SetUp();
    playLog().clear();
    render_ = cmOpen(0, 0);
    ASSERT_NE(render_, 0u);
  }

  void TearDown() override {
    if (!hostGone_) {
      if (player().running()) {
        EXPECT_EQ(mainPlayStop(0), 0);
      }
      mainPlayExit(0);
      for (AV_RECORD c : copies_) nslDeleteAVRecord(c);
    }
    HostTest::TearDown();
  }

  /// Destroys the host while the test still runs.
  void endHost() {
    hostGone_ = true;
    resetHost();
  }

  hostsim::Player& player() { return host().media().player(); }
  hostsim::Kernel& kernel() { return host().kernel(); }

  /// A copy of a bin clip, deleted at the end of the test.
  AV_RECORD copyOf(uint32_t uid) {
    const AV_RECORD copy = nslCopyAVRecord(mainGetAVRecordFromId(uid, host().config().projectNumber, 1), 0);
    EXPECT_NE(copy, 0u);
    copies_.push_back(copy);
    return copy;
  }

  static MAIN_PLAY_CALLBACKS callbacks(uintptr_t size = hostsim::Player::kHostRecordSize) {
    return MAIN_PLAY_CALLBACKS{size, &recordPosition, &recordEvent, {0, 0}};
  }

  int32_t init() {
    const MAIN_PLAY_CALLBACKS record = callbacks();
    return mainPlayInit(&record, 0);
  }

  /// Camera i's box at (10 + 330 i, 100); the preview at (100, 500), 400 x 225.
  static CM_MULTICAM layout(uint32_t flags, const CM_OUTPUT_PAIR* list = nullptr) {
    CM_MULTICAM l{};
    l.flags = flags;
    l.pictureWidth = kPictureWidth;
    l.pictureHeight = kPictureHeight;
    for (int i = 0; i < 6; ++i) {
      int16_t* origin = i < 4 ? l.origin[i] : l.origin56[i - 4];
      origin[0] = static_cast<int16_t>(10 + 330 * i);
      origin[1] = 100;
    }
    l.previewLeft = 100, l.previewTop = 500, l.previewWidth = 400, l.previewHeight = 225;
    l.outputList = list;
    return l;
  }

  /// init, layout, screen area, then the six-camera start of two clips over frames first .. last.
  int32_t play(AV_RECORD a, AV_RECORD b, int32_t first, int32_t last, uint32_t flags = 0x1 | 0x2 | 0x20,
               const CM_OUTPUT_PAIR* list = nullptr) {
    if (init() != 0) return -1;
    const CM_MULTICAM l = layout(flags, list);
    if (cmSetMultiCam(render_, &l) != 0) return -1;
    const VG_RECT screen{0, 0, 1920, 1080};
    if (mainPlaySetGuiRect(&screen, 0) != 0 || mainPlaySetGuiRect(nullptr, 0) != 0) return -1;
    return mainPlayStartMultiple2(a, first, last, b, first, last, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  }

  CM_HANDLE render_ = 0;
  std::vector<AV_RECORD> copies_;
  bool hostGone_ = false;
};

}  // namespace ostrel3_test
