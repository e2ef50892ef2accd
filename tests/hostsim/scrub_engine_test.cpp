// The scrub engine under the test clock: the start word grows by exactly the
// pairs played, grabs play once, continuous play starts the count again,
// silence stops the sound, a new block replaces the one that plays.
#include <atomic>
#include <memory>
#include <thread>

#include "kernel_test_support.h"
#include "scrub_fixture.h"

namespace ostrel3_test {
namespace {

using hostsim::ScrubMode;

struct ModeCase {
  const char* name;
  int32_t pairs;  ///< 0: silence
  int32_t rate, mode;
  uint32_t wordBefore;
  ScrubMode expected;
  uint32_t after100ms, afterASecond;  ///< the start word
};

class ScrubModes : public ScrubTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ScrubModes, TheStartWordGrowsByExactlyThePairsPlayed) {
  const ModeCase& c = GetParam();
  uint32_t word = c.wordBefore;
  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  const std::vector<int16_t> block = ramp(c.pairs);
  ASSERT_EQ(cmScrubData(render_, c.pairs ? block.data() : nullptr, c.pairs, c.rate, c.mode), 0);
  advance(ms(100));
  EXPECT_EQ(read(word), c.after100ms);
  advance(ms(1000));
  EXPECT_EQ(read(word), c.afterASecond) << "a block plays once, to its end";
  EXPECT_FALSE(engine().nextDue()) << "nothing is due once it has played";
  ASSERT_EQ(cmScrubStop(render_, 0), 0);

  const hostsim::ScrubHistory h = engine().history();
  ASSERT_EQ(h.blocks.size(), 1u);
  EXPECT_EQ(h.blocks[0].mode, c.expected);
  EXPECT_EQ(h.blocks[0].pairs, c.pairs);
  EXPECT_EQ(h.blocks[0].played, c.pairs);
  EXPECT_EQ(h.blocks[0].peak, c.pairs ? 1000 : 0);
  EXPECT_EQ(h.startWord, c.afterASecond);
  EXPECT_EQ(engine().playedSound(), c.pairs ? block : std::vector<int16_t>{}) << "what it played, pair for pair";
}

// 100 ms are 4800 pairs at 48 kHz.
INSTANTIATE_TEST_SUITE_P(
    Modes, ScrubModes,
    ::testing::Values(ModeCase{"Silence", 0, 0, 0, 7, ScrubMode::Silence, 7, 7},
                      ModeCase{"Grab", 9000, 0, 0, 0, ScrubMode::Grab, 4800, 9000},
                      ModeCase{"GrabAddsToTheWordItFinds", 9000, 0, 0, 100, ScrubMode::Grab, 4900, 9100},
                      ModeCase{"ContinuousCountsItsBlockFromZero", 30000, 24000, 1, 5000, ScrubMode::Continuous, 4800,
                               30000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScrubTest, ANewBlockOrSilenceCutsOffTheOneThatPlays) {
  uint32_t word = 0;
  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  const std::vector<int16_t> a = ramp(9600, 1), b = ramp(2000, 2000), c = ramp(9600, 5000);
  ASSERT_EQ(cmScrubData(render_, a.data(), 9600, 0, 0), 0);
  advance(ms(50));
  ASSERT_EQ(cmScrubData(render_, b.data(), 2000, 0, 0), 0);
  advance(ms(1000));
  EXPECT_EQ(read(word), 2400u + 2000u);
  ASSERT_EQ(cmScrubData(render_, c.data(), 9600, 0, 0), 0);
  advance(ms(50));
  ASSERT_EQ(cmScrubData(render_, nullptr, 0, 0, 0), 0);
  advance(ms(1000));
  EXPECT_EQ(read(word), 2400u + 2000u + 2400u) << "silence plays nothing";

  const hostsim::ScrubHistory h = engine().history();
  ASSERT_EQ(h.blocks.size(), 4u);
  std::vector<int32_t> played;
  for (const auto& blk : h.blocks) played.push_back(blk.played);
  EXPECT_EQ(played, (std::vector<int32_t>{2400, 2000, 2400, 0}));
  EXPECT_EQ(h.pairsPlayed, 6800u);
  std::vector<int16_t> expected(a.begin(), a.begin() + 4800);
  expected.insert(expected.end(), b.begin(), b.end());
  expected.insert(expected.end(), c.begin(), c.begin() + 4800);
  EXPECT_EQ(engine().playedSound(), expected);
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
}

TEST_F(ScrubTest, TheCallersBlockIsCopied) {
  uint32_t word = 0;
  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  std::vector<int16_t> block = ramp(4800);
  const std::vector<int16_t> original = block;
  ASSERT_EQ(cmScrubData(render_, block.data(), 4800, 0, 0), 0);
  std::fill(block.begin(), block.end(), int16_t(0));  // the caller reuses its buffer at once
  block.clear();
  block.shrink_to_fit();
  advance(ms(200));
  EXPECT_EQ(engine().playedSound(), original);
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
}

TEST_F(ScrubTest, StopJoinsTheTaskSoTheWordIsNeverTouchedAfterIt) {
  auto word = std::make_unique<uint32_t>(0);
  ASSERT_EQ(cmScrubStart(render_, word.get(), 0), 0);
  EXPECT_EQ(host().kernel().runningTasks(), std::vector<std::string>{"hostScrub"});
  const std::vector<int16_t> block = ramp(48000);
  ASSERT_EQ(cmScrubData(render_, block.data(), 48000, 0, 0), 0);
  advance(ms(100));
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
  EXPECT_TRUE(host().kernel().runningTasks().empty()) << "the engine's task has ended";
  EXPECT_EQ(read(*word), 4800u);
  word.reset();  // a write from now on would land in freed memory
  advance(ms(1000));
  EXPECT_EQ(engine().history().pairsPlayed, 4800u);
  EXPECT_FALSE(engine().running());

  uint32_t again = 0;
  EXPECT_EQ(cmScrubStart(render_, &again, 0), 0) << "a stopped engine starts again";
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
  EXPECT_EQ(engine().history().starts, 2);
  EXPECT_EQ(engine().history().stops, 2);
}

TEST_F(ScrubTest, TheHostsEndStopsARunningEngine) {
  auto word = std::make_unique<uint32_t>(0);
  ASSERT_EQ(cmScrubStart(render_, word.get(), 0), 0);
  const std::vector<int16_t> block = ramp(48000);
  ASSERT_EQ(cmScrubData(render_, block.data(), 48000, 0, 0), 0);
  advance(ms(20));
  EXPECT_EQ(host().liveHandles(), std::vector<std::string>{"scrub: cmScrubStart without cmScrubStop"});
  resetHost();
  EXPECT_EQ(*word, 960u);
  word.reset();
}

class ScrubOnTheMachinesClock : public ScrubTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = ScrubTest::makeConfig();
    c.testClock = false;
    return c;
  }
};

TEST_F(ScrubOnTheMachinesClock, PlaysInRealTimeWhileTheCallerReadsItsWord) {
  uint32_t word = 0;
  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  std::atomic<bool> reading{true}, wentBack{false};
  std::thread reader([&] {
    for (uint32_t last = 0; reading;) {
      const uint32_t now = read(word);
      if (now < last) wentBack = true;
      last = now;
    }
  });
  const std::vector<int16_t> block = ramp(2400);  // 50 ms
  const auto began = std::chrono::steady_clock::now();
  ASSERT_EQ(cmScrubData(render_, block.data(), 2400, 0, 0), 0);
  EXPECT_TRUE(eventually([&] { return read(word) == 2400; }));
  EXPECT_GE(std::chrono::steady_clock::now() - began, std::chrono::milliseconds(49)) << "paced, not at once";
  reading = false;
  reader.join();
  EXPECT_FALSE(wentBack);
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
  EXPECT_EQ(engine().playedSound(), block);
}

}  // namespace
}  // namespace ostrel3_test
