// The player's task against the caller's threads, on the machine's clock:
// output lists handed over while the task reads them, stop joining the
// task, callbacks that take the critical section, and the host's end under
// a running player. These also run under ThreadSanitizer.
#include <chrono>

#include "kernel_test_support.h"
#include "player_fixture.h"

namespace ostrel3_test {
namespace {

class PlayerThreadsTest : public PlayerTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = PlayerTest::makeConfig();
    c.testClock = false;
    return c;
  }
  bool positionsReach(size_t n) {
    return eventually([&] { return playLog().positionsSoFar().size() >= n; });
  }
};

TEST_F(PlayerThreadsTest, OutputListsSwappedWhileThePlayerReadsThem) {
  const AV_RECORD a = copyOf(kUidA), b = copyOf(kUidB);
  // Two lists used in turn, as the operator keeps them: the one not handed
  // over last is rewritten, then handed over.
  CM_OUTPUT_PAIR lists[2][4] = {{{0, a}, {0, 0}}, {{0, 0}}};
  ASSERT_EQ(play(a, b, 0, 299, 0x1 | 0x2 | 0x20 | 0x200, lists[0]), 0);
  int current = 0;
  int32_t handedOver = 0;
  while (playLog().positionsSoFar().size() < 12) {
    CM_OUTPUT_PAIR* next = lists[1 - current];
    next[0] = {0, a};
    next[1] = {handedOver, b};
    next[2] = {handedOver + 3, (handedOver & 1) ? a : b};
    next[3] = {0, 0};
    ASSERT_EQ(cmUpdateFinalList(render_, next, 0), 0);
    current = 1 - current;
    ++handedOver;
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  ASSERT_EQ(mainPlayStop(0), 0);
  const hostsim::PlaybackRecord rec = player().history().playbacks.at(0);
  ASSERT_EQ(rec.outputLists.size(), size_t(handedOver) + 1);
  // A list takes effect at the frame after the one being shown when it came.
  int shown = 0;
  for (const auto& list : rec.outputLists) shown += list.fromFrame.has_value();
  EXPECT_GE(shown, 2);
  EXPECT_EQ(rec.outputListPairs(3).size(), 3u);
}

TEST_F(PlayerThreadsTest, NoCallbackRunsOnceStopHasReturned) {
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 0, 299), 0);
  ASSERT_TRUE(positionsReach(3));
  ASSERT_EQ(mainPlayStop(0), 0);
  const int calls = playLog().calls.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(120));  // three frames' time
  EXPECT_EQ(playLog().calls.load(), calls);
  EXPECT_TRUE(kernel().runningTasks().empty());
}

// A position callback that reorders the queue under the critical section,
// as the operator's does.
std::atomic<MSG_Q_ID> purgedQueue{0};
void purgingPosition(int32_t frame) {
  if (taskLock() != 0) return;
  HOST_MESSAGE m{};
  for (int32_t n = msgQNumMsgs(purgedQueue); n > 0; --n)
    if (msgQReceive(purgedQueue, &m, sizeof m, 0) == int32_t(sizeof m)) msgQSend(purgedQueue, &m, sizeof m, 0, 0);
  taskUnlock();
  recordPosition(frame);
}

TEST_F(PlayerThreadsTest, StopInsideTheSectionDoesNotWaitForACallbackThatNeedsIt) {
  purgedQueue = msgQCreate(8, 44, 0);
  const MAIN_PLAY_CALLBACKS record{20, &purgingPosition, &recordEvent, {0, 0}};
  ASSERT_EQ(mainPlayInit(&record, 0), 0);
  ASSERT_EQ(mainPlayStartMultiple2(copyOf(kUidA), 0, 299, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0), 0);
  ASSERT_TRUE(positionsReach(2));
  ASSERT_EQ(taskLock(), 0);
  EXPECT_EQ(mainPlayStop(0), 0);
  EXPECT_EQ(taskUnlock(), 0);
  msgQDelete(purgedQueue);
}

TEST_F(PlayerThreadsTest, EndingTheHostStopsARunningPlayerFirst) {
  ASSERT_EQ(play(copyOf(kUidA), copyOf(kUidB), 0, 299), 0);
  ASSERT_TRUE(positionsReach(2));
  endHost();
  const int calls = playLog().calls.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(playLog().calls.load(), calls);
}

}  // namespace
}  // namespace ostrel3_test
