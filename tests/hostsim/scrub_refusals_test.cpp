// Scrub calls the engine refuses: each returns -1, writes one host log line
// and changes nothing, whether the engine runs or not.
#include <functional>

#include "scrub_fixture.h"

namespace ostrel3_test {
namespace {

struct ScrubRefusal {
  const char* name;
  std::function<int32_t(CM_HANDLE render, uint32_t* word)> call;
  const char* reason;
};

const int16_t kSamples[8] = {100, -100, 200, -200, 300, -300, 400, -400};

class ScrubRefusals : public ScrubTest {
 protected:
  void check(const std::vector<ScrubRefusal>& table, uint32_t* word) {
    for (const ScrubRefusal& r : table) {
      SCOPED_TRACE(r.name);
      const hostsim::ScrubHistory before = engine().history();
      const size_t lines = hostLines(r.reason);
      EXPECT_EQ(r.call(render_, word), -1);
      EXPECT_EQ(hostLines(r.reason), lines + 1) << r.reason;
      const hostsim::ScrubHistory after = engine().history();
      EXPECT_EQ(after.blocks.size(), before.blocks.size());
      EXPECT_EQ(after.starts, before.starts);
      EXPECT_EQ(after.stops, before.stops);
      EXPECT_EQ(after.refused, before.refused + 1);
    }
  }
};

TEST_F(ScrubRefusals, CallsWithoutARunningEngineAndBadStarts) {
  uint32_t word = 0;
  const std::vector<ScrubRefusal> idle = {
      {"data before start", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r, kSamples, 4, 0, 0); },
       "cmScrubData: refused: no scrub runs"},
      {"silence before start", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r, nullptr, 0, 0, 0); },
       "cmScrubData: refused: no scrub runs"},
      {"stop before start", [](CM_HANDLE r, uint32_t*) { return cmScrubStop(r, 0); },
       "cmScrubStop: refused: no scrub runs"},
      {"start without a word", [](CM_HANDLE r, uint32_t*) { return cmScrubStart(r, nullptr, 0); },
       "cmScrubStart: refused: no start word"},
      {"start on an unknown handle", [](CM_HANDLE r, uint32_t* w) { return cmScrubStart(r + 1000, w, 0); },
       "cmScrubStart: refused: no render handle"},
  };
  check(idle, &word);
  EXPECT_FALSE(engine().running());
  EXPECT_TRUE(host().kernel().runningTasks().empty());

  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
  const std::vector<ScrubRefusal> afterStop = {
      {"data after stop", idle[0].call, "cmScrubData: refused: no scrub runs"},
      {"second stop", idle[2].call, "cmScrubStop: refused: no scrub runs"},
  };
  check(afterStop, &word);
}

TEST_F(ScrubRefusals, CallsARunningEngineCannotTake) {
  uint32_t word = 0, other = 0;
  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  const std::vector<ScrubRefusal> running = {
      {"second start", [&other](CM_HANDLE r, uint32_t*) { return cmScrubStart(r, &other, 0); },
       "cmScrubStart: refused: a scrub is running"},
      {"negative pairs", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r, kSamples, -4, 0, 0); },
       "cmScrubData: refused: a negative number of pairs"},
      {"pairs without samples", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r, nullptr, 4, 0, 0); },
       "cmScrubData: refused: 4 pairs but no samples"},
      {"unknown rate and mode", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r, kSamples, 4, 48000, 1); },
       "cmScrubData: refused: rate 48000 with mode 1"},
      {"continuous mode at the grab's rate", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r, kSamples, 4, 0, 1); },
       "cmScrubData: refused: rate 0 with mode 1"},
      {"more than a minute", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r, kSamples, 48000 * 60 + 1, 0, 0); },
       "more than a minute"},
      {"data on another handle", [](CM_HANDLE r, uint32_t*) { return cmScrubData(r + 1, kSamples, 4, 0, 0); },
       "did not start the scrub"},
      {"stop on another handle", [](CM_HANDLE r, uint32_t*) { return cmScrubStop(r + 1, 0); },
       "did not start the scrub"},
  };
  check(running, &word);
  EXPECT_TRUE(engine().running()) << "a refused call leaves the engine running";
  EXPECT_EQ(host().kernel().runningTasks(), std::vector<std::string>{"hostScrub"}) << "one task, not two";
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
  EXPECT_EQ(word, 0u);
  EXPECT_EQ(other, 0u);
}

}  // namespace
}  // namespace ostrel3_test
