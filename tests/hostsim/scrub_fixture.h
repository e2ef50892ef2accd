#pragma once
// A stand-in host on a test clock with a render handle, for the scrub
// engine: time moves only when a test moves it, so the pairs the engine
// plays are known to the pair.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "host/host.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/media.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

class ScrubTest : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.testClock = true;
    return c;
  }
  void SetUp() override {
    HostTest::SetUp();
    render_ = cmOpen(0, 0);
    ASSERT_NE(render_, 0u);
  }

  hostsim::ScrubEngine& engine() { return host().media().scrub(); }

  /// Lets the engine play what is due by now, then moves the host's time on
  /// by `by` and lets it play what became due.
  void advance(std::chrono::nanoseconds by) {
    hostsim::Kernel& k = host().kernel();
    ASSERT_TRUE(k.settleTasks());
    k.advanceClock(k.clock().now() + by);
    ASSERT_TRUE(k.settleTasks());
  }
  static constexpr std::chrono::milliseconds ms(int64_t n) { return std::chrono::milliseconds(n); }

  /// `pairs` interleaved pairs: left counts up from `first`, right down from -`first`.
  static std::vector<int16_t> ramp(int32_t pairs, int16_t first = 1) {
    std::vector<int16_t> s;
    for (int32_t i = 0; i < pairs; ++i) {
      s.push_back(static_cast<int16_t>(first + i % 1000));
      s.push_back(static_cast<int16_t>(-(first + i % 1000)));
    }
    return s;
  }

  /// Host log lines (the host's own) that contain `text`.
  size_t hostLines(const std::string& text) const {
    size_t n = 0;
    for (const auto& l : const_cast<ScrubTest*>(this)->host().log().lines())
      if (l.fromHost && l.text.find(text) != std::string::npos) ++n;
    return n;
  }

  /// The word the operator reads, as it reads it while the engine plays.
  static uint32_t read(const uint32_t& word) {
    return std::atomic_ref<const uint32_t>(word).load(std::memory_order_acquire);
  }

  CM_HANDLE render_ = 0;
};

}  // namespace ostrel3_test
