// The global critical section: it holds off other threads' queue work, nests,
// and is given up while its holder sleeps.
#include <atomic>

#include "kernel_test_support.h"

namespace ostrel3_test {
namespace {

using SectionTest = KernelTest;

constexpr uint16_t kPosition = 0x5443;
constexpr uint16_t kOther = 0x534F;

TEST_F(SectionTest, TheSectionNestsAndCannotBeLeftWithoutBeingHeld) {
  EXPECT_EQ(-1, taskUnlock());
  EXPECT_EQ(HOST_ERR_INVALID, errnoGet());
  EXPECT_EQ(0, taskLock());
  EXPECT_EQ(0, taskLock());
  EXPECT_EQ(0, taskUnlock());
  EXPECT_EQ(0, taskUnlock());
  EXPECT_EQ(-1, taskUnlock());

  std::atomic<int32_t> otherUnlock{1};
  EXPECT_EQ(0, taskLock());
  spawnClosure("intruder", [&] { otherUnlock = taskUnlock(); });
  ASSERT_TRUE(eventually([&] { return otherUnlock != 1; }));
  EXPECT_EQ(-1, otherUnlock.load()) << "only the holder may leave the section";
  EXPECT_EQ(0, taskUnlock());
}

TEST_F(SectionTest, AnotherThreadsSendWaitsUntilTheLastUnlock) {
  MSG_Q_ID q = msgQCreate(10, 44, 0);
  std::atomic<bool> sent{false};
  ASSERT_EQ(0, taskLock());
  ASSERT_EQ(0, taskLock());
  spawnClosure("poster", [&] {
    HOST_MESSAGE m = message(kOther, 2);
    EXPECT_EQ(0, msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0));
    sent = true;
  });
  ASSERT_TRUE(sleepersReach(1)) << "the poster waits inside its send";
  EXPECT_FALSE(sent.load());
  EXPECT_EQ(0, msgQNumMsgs(q));
  // The holder itself uses the queue freely.
  post(q, kOther, 1);
  EXPECT_EQ(1, takeId(q));
  post(q, kOther, 1);
  ASSERT_EQ(0, taskUnlock());
  sleepTicks(3);
  EXPECT_FALSE(sent.load()) << "one unlock of two leaves the section held";
  ASSERT_EQ(0, taskUnlock());
  ASSERT_TRUE(eventually([&] { return sent.load(); }));
  // The poster's message came after everything done inside the section.
  EXPECT_EQ(1, takeId(q));
  EXPECT_EQ(2, takeId(q));
  msgQDelete(q);
}

TEST_F(SectionTest, PurgingUnderTheSectionKeepsOtherMessagesInOrder) {
  MSG_Q_ID q = msgQCreate(100, 44, 0);
  post(q, kPosition, 10);
  post(q, kOther, 1);
  post(q, kPosition, 11);
  post(q, kOther, 2);
  std::atomic<bool> posted{false};
  ASSERT_EQ(0, taskLock());
  spawnClosure("player", [&] {
    HOST_MESSAGE m = message(kPosition, 12);
    EXPECT_EQ(0, msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0));
    posted = true;
  });
  ASSERT_TRUE(sleepersReach(1));
  const int32_t n = msgQNumMsgs(q);
  EXPECT_EQ(4, n);
  for (int32_t i = 0; i < n; ++i) {
    HOST_MESSAGE m{};
    ASSERT_EQ(44, msgQReceive(q, &m, sizeof m, HOST_NO_WAIT));
    if (m.msgClass != kPosition) {
      ASSERT_EQ(0, msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0));
    }
  }
  ASSERT_EQ(0, taskUnlock());
  ASSERT_TRUE(eventually([&] { return posted.load(); }));
  for (int32_t expected : {1, 2, 12}) EXPECT_EQ(expected, takeId(q));
  msgQDelete(q);
}

TEST_F(SectionTest, AHolderThatBlocksGivesTheSectionUpAndGetsItBackAtTheSameDepth) {
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  std::atomic<bool> sent{false};
  ASSERT_EQ(0, taskLock());
  ASSERT_EQ(0, taskLock());
  spawnClosure("helper", [&] {
    eventually([&] { return kernel().sleepingThreads() == 1; });  // the holder is blocked
    HOST_MESSAGE m = message(kOther, 9);
    EXPECT_EQ(0, msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0));
    sent = true;
  });
  HOST_MESSAGE m{};
  ASSERT_EQ(44, msgQReceive(q, &m, sizeof m, 600)) << "the helper's send must get through";
  EXPECT_EQ(9, m.id);

  // Back in the section: another thread's queue call waits again, until the
  // holder sleeps in a timed receive, which returns with the section held.
  std::atomic<int32_t> counted{-2};
  spawnClosure("counter", [&] { counted = msgQNumMsgs(q); });
  ASSERT_TRUE(sleepersReach(1));
  EXPECT_EQ(-2, counted.load());
  EXPECT_EQ(-1, msgQReceive(q, &m, sizeof m, 30));
  EXPECT_EQ(HOST_ERR_TIMEOUT, errnoGet());
  EXPECT_EQ(0, counted.load());

  std::atomic<int32_t> countedLater{-2};
  spawnClosure("second counter", [&] { countedLater = msgQNumMsgs(q); });
  ASSERT_TRUE(sleepersReach(1));
  EXPECT_EQ(-2, countedLater.load());
  EXPECT_EQ(0, taskUnlock());
  EXPECT_EQ(0, taskUnlock());
  EXPECT_EQ(-1, taskUnlock());
  ASSERT_TRUE(eventually([&] { return countedLater != -2; }));
  EXPECT_EQ(0, countedLater.load());
  msgQDelete(q);
}

TEST_F(SectionTest, ADelayInsideTheSectionLetsOthersInMeanwhile) {
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  std::atomic<int32_t> counted{-2};
  ASSERT_EQ(0, taskLock());
  spawnClosure("counter", [&] { counted = msgQNumMsgs(q); });
  ASSERT_TRUE(sleepersReach(1));
  EXPECT_EQ(-2, counted.load());
  EXPECT_EQ(0, taskDelay(30));
  EXPECT_EQ(0, counted.load());
  EXPECT_EQ(0, taskUnlock());
  EXPECT_EQ(-1, taskUnlock());
  msgQDelete(q);
}

TEST_F(SectionTest, ASecondThreadsLockWaitsForTheFirst) {
  std::atomic<int32_t> phase{0};
  ASSERT_EQ(0, taskLock());
  spawnClosure("locker", [&] {
    phase = 1;
    if (taskLock() == 0) {
      phase = 2;
      taskUnlock();
    }
  });
  ASSERT_TRUE(eventually([&] { return phase >= 1; }));
  ASSERT_TRUE(sleepersReach(1));
  EXPECT_EQ(1, phase.load());
  EXPECT_EQ(0, taskUnlock());
  EXPECT_TRUE(eventually([&] { return phase == 2; }));
}

TEST_F(SectionTest, ATaskThatEndsOrIsDeletedInsideTheSectionReleasesIt) {
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  std::atomic<bool> locked{false};
  spawnClosure("forgetful", [&] {
    taskLock();
    locked = true;
  });
  ASSERT_TRUE(eventually([&] { return locked.load() && kernel().runningTasks().empty(); }));
  EXPECT_EQ(0, countFromAnotherTask(q)) << "the section died with its task";

  std::atomic<bool> release{false};
  std::atomic<int32_t> unlockAfterDelete{1};
  locked = false;
  const int32_t id = spawnClosure("stuck", [&] {
    taskLock();
    locked = true;
    eventually([&] { return release.load(); });
    unlockAfterDelete = taskUnlock();
  });
  ASSERT_TRUE(eventually([&] { return locked.load(); }));
  EXPECT_EQ(0, taskDelete(id));
  EXPECT_EQ(0, countFromAnotherTask(q)) << "a deleted task holds off nobody";
  release = true;
  ASSERT_TRUE(eventually([&] { return unlockAfterDelete != 1; }));
  EXPECT_EQ(-1, unlockAfterDelete.load());
  msgQDelete(q);
}

}  // namespace
}  // namespace ostrel3_test
