// The live-cut loop for minutes of host time: play, camera keys at varied
// intervals, stop, undo and redo, cuts frame by frame, over and over. After
// every step the cut list must be normal and the undo history bounded, and
// nothing the operator holds may keep growing.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>

#include "host/task.h"
#include "ostrel3/reliability/editing_session.h"
#include "ostrel3/shell/operator.h"

namespace {

using ostrel3_test::SessionUser;

struct Sample {
  size_t handles = 0, undo = 0, cuts = 0, cutCapacity = 0;
};

// What the checks after each step saw.
struct Observations {
  std::vector<Sample> samples;
  std::vector<std::string> faults;  ///< the first few, each with its step
  void fault(const std::string& what) {
    if (faults.size() < 10) faults.push_back("step " + std::to_string(samples.size()) + ": " + what);
  }
};

std::string cutListFault(const ostrel3::MulticamOperator& op) {
  const ostrel3::CutList& cuts = op.cutList;
  if (cuts.empty() || cuts.begin()->first != 0) return "the cut list does not start at frame 0";
  for (auto it = std::next(cuts.begin()); it != cuts.end(); ++it) {
    const auto& before = *std::prev(it);
    if (it->first <= before.first) return "cuts out of order at frame " + std::to_string(it->first);
    if (it->second == before.second) return "two cuts to one camera at frame " + std::to_string(it->first);
  }
  if (std::prev(cuts.end())->first > std::max(op.LastFrame(), 0))
    return "a cut after the timeline's end at frame " + std::to_string(std::prev(cuts.end())->first);
  return {};
}

class LiveCutSoak : public ::testing::Test {
 protected:
  // Queues a step and the check after it.
  template <typename Step>
  void step(Step&& queueStep) {
    queueStep();
    host().user().addAction("check", [this](hostsim::Host& h) {
      const ostrel3::MulticamOperator* op = ostrel3::currentOperator.load();
      if (!op) return true;
      if (std::string fault = cutListFault(*op); !fault.empty()) seen_.fault(fault);
      if (op->undoHistory.size() > 32) seen_.fault("undo history of " + std::to_string(op->undoHistory.size()));
      seen_.samples.push_back({h.liveHandles().size(), op->undoHistory.size(), op->cutList.size(), op->cutList.capacity()});
      return true;
    });
  }
  hostsim::Host& host() { return session_.host(); }

  // Long clips, so that minutes of playing stay inside the timeline; a
  // smaller screen, whose pictures cost the stand-in player a fraction of
  // the full-size ones, so that those minutes pass in seconds.
  ostrel3_test::SessionHost session_{false, 6000, hostsim::MonitorConfig{1280, 720}};
  Observations seen_;
};

TEST_F(LiveCutSoak, ManyRoundsKeepTheCutListNormalAndMemoryBounded) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  // Its checks are counts, which the normal build makes in seconds; under a
  // sanitizer the minutes of playing would take longer than a test may.
  GTEST_SKIP() << "the soak runs in the normal build";
#endif
  SessionUser u(host());
  ostrel3_test::assignThreeCameras(u);
  std::mt19937 random(20261209);
  auto pick = [&](int lo, int hi) { return lo + int(random() % uint32_t(hi - lo + 1)); };
  constexpr int kRounds = 60;
  for (int round = 0; round < kRounds; ++round) {
    if (round % 10 == 0) step([&] { u.shortcut(SessionUser::kToStart); });
    step([&] { u.shortcut(SessionUser::kPlay); });
    step([&] { u.wait(pick(5, 40)); });
    for (int k = pick(2, 6); k > 0; --k) {
      step([&] { u.shortcut(SessionUser::cameraKey(pick(0, 2))); });
      step([&] { u.wait(pick(1, 60)); });
    }
    step([&] { u.shortcut(SessionUser::kStop); });
    for (int k = pick(0, 3); k > 0; --k) step([&] { u.shortcut(SessionUser::kUndo); });
    for (int k = pick(0, 2); k > 0; --k) step([&] { u.shortcut(SessionUser::kRedo); });
    for (int k = pick(1, 3); k > 0; --k) {
      step([&] { u.command(SessionUser::kJog, pick(-20, 20)); });
      step([&] { u.command(SessionUser::cameraCommand(pick(0, 2))); });
    }
  }
  u.caption("Leave");
  EXPECT_EQ(ostrel3_test::runOperator(host(), "the live-cut soak"), 0);
  // Minutes of host time went by (the clock runs at its rate a second).
  EXPECT_GT(host().kernel().ticks(), uint32_t(sysClkRateGet()) * 120);
  EXPECT_EQ(host().user().pending(), 0u) << "the operator ended before the user was done";
  EXPECT_EQ(seen_.faults, std::vector<std::string>{});
  ASSERT_GT(seen_.samples.size(), 100u);

  // Counts, not timings: the last half holds no more than the first did.
  const size_t half = seen_.samples.size() / 2;
  Sample first, last;
  size_t largestList = 0;
  for (size_t i = 0; i < seen_.samples.size(); ++i) {
    const Sample& s = seen_.samples[i];
    Sample& m = i < half ? first : last;
    m.handles = std::max(m.handles, s.handles);
    m.undo = std::max(m.undo, s.undo);
    largestList = std::max(largestList, s.cuts);
    EXPECT_LE(s.cutCapacity, 2 * largestList + 16) << "the cut list's memory grows past its cuts at step " << i;
  }
  std::cout << "soak: " << host().kernel().ticks() / uint32_t(sysClkRateGet()) << " s of host time, "
            << seen_.samples.size() << " steps, at most " << largestList << " cuts, " << std::max(first.undo, last.undo)
            << " undo snapshots, " << std::max(first.handles, last.handles) << " live handles\n";
  EXPECT_LE(last.handles, first.handles);
  EXPECT_LE(last.undo, 32u);
  EXPECT_EQ(host().liveHandles(), std::vector<std::string>{});
}

}  // namespace
