// Message queues through the host functions: order, capacity, sizes,
// time-outs and handles.
#include <atomic>
#include <cstring>

#include "kernel_test_support.h"

namespace ostrel3_test {
namespace {

using QueueTest = KernelTest;

TEST_F(QueueTest, MessagesLeaveInOrderAndUrgentOnesJumpTheLine) {
  MSG_Q_ID q = msgQCreate(10, 44, 0);
  ASSERT_NE(0u, q);
  post(q, 5, 1);
  post(q, 5, 2);
  post(q, 5, 3, HOST_MSG_PRI_URGENT);
  post(q, 5, 4);
  post(q, 5, 5, HOST_MSG_PRI_URGENT);
  EXPECT_EQ(5, msgQNumMsgs(q));
  for (int32_t expected : {5, 3, 1, 2, 4}) EXPECT_EQ(expected, takeId(q));
  EXPECT_EQ(0, msgQNumMsgs(q));
  EXPECT_EQ(0, msgQDelete(q));
}

TEST_F(QueueTest, AFullQueueRefusesAtOnceOrAfterItsTimeOut) {
  MSG_Q_ID q = msgQCreate(2, 44, 0);
  post(q, 5, 1);
  post(q, 5, 2);
  HOST_MESSAGE m = message(5, 3);
  EXPECT_EQ(-1, msgQSend(q, &m, sizeof m, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL));
  EXPECT_EQ(HOST_ERR_UNAVAILABLE, errnoGet());

  const uint32_t before = tickGet();
  EXPECT_EQ(-1, msgQSend(q, &m, sizeof m, 3, HOST_MSG_PRI_NORMAL));
  EXPECT_EQ(HOST_ERR_TIMEOUT, errnoGet());
  EXPECT_GE(tickGet() - before, 3u);
  EXPECT_EQ(2, msgQNumMsgs(q));
  EXPECT_EQ(1, takeId(q));
  EXPECT_EQ(2, takeId(q));
  msgQDelete(q);
}

TEST_F(QueueTest, AnEmptyQueueAnswersUnavailableWithoutWaitAndTimeOutAfterWaiting) {
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  HOST_MESSAGE m{};
  EXPECT_EQ(-1, msgQReceive(q, &m, sizeof m, HOST_NO_WAIT));
  EXPECT_EQ(HOST_ERR_UNAVAILABLE, errnoGet());

  const uint32_t before = tickGet();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(-1, msgQReceive(q, &m, sizeof m, 8));
  EXPECT_EQ(HOST_ERR_TIMEOUT, errnoGet());
  EXPECT_GE(tickGet() - before, 8u);
  // Eight ticks are at least seven whole tick periods of real time.
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(7 * 1000 / 60));
  msgQDelete(q);
}

TEST_F(QueueTest, MessageSizesAreCheckedAndShortBuffersGetTheBeginning) {
  MSG_Q_ID q = msgQCreate(4, 8, 0);
  const char nine[9] = "12345678";
  EXPECT_EQ(-1, msgQSend(q, nine, 9, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL));
  EXPECT_EQ(HOST_ERR_INVALID, errnoGet());
  EXPECT_EQ(0, msgQNumMsgs(q));

  ASSERT_EQ(0, msgQSend(q, nine, 8, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL));
  ASSERT_EQ(0, msgQSend(q, "ab", 2, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL));
  ASSERT_EQ(0, msgQSend(q, nullptr, 0, HOST_NO_WAIT, HOST_MSG_PRI_NORMAL));
  char buffer[16] = {};
  EXPECT_EQ(3, msgQReceive(q, buffer, 3, HOST_NO_WAIT));
  EXPECT_EQ(0, std::memcmp(buffer, "123", 3));
  EXPECT_EQ(0, buffer[3]) << "nothing beyond the buffer's size is written";
  // The rest of the long message went with it.
  EXPECT_EQ(2, msgQReceive(q, buffer, sizeof buffer, HOST_NO_WAIT));
  EXPECT_EQ(0, std::memcmp(buffer, "ab", 2));
  EXPECT_EQ(0, msgQReceive(q, buffer, sizeof buffer, HOST_NO_WAIT));
  msgQDelete(q);
}

TEST_F(QueueTest, BadHandlesAndArgumentsAreRefusedAsInvalid) {
  EXPECT_EQ(0u, msgQCreate(0, 44, 0));
  EXPECT_EQ(HOST_ERR_INVALID, errnoGet());
  EXPECT_EQ(0u, msgQCreate(10, -1, 0));

  MSG_Q_ID q = msgQCreate(2, 44, 0);
  HOST_MESSAGE m{};
  auto expectInvalid = [](int32_t result) {
    EXPECT_EQ(-1, result);
    EXPECT_EQ(HOST_ERR_INVALID, errnoGet());
  };
  expectInvalid(msgQSend(q + 1000, &m, sizeof m, HOST_NO_WAIT, 0));
  expectInvalid(msgQSend(q, &m, sizeof m, -2, 0));
  expectInvalid(msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 2));
  expectInvalid(msgQSend(q, nullptr, sizeof m, HOST_NO_WAIT, 0));
  expectInvalid(msgQReceive(0, &m, sizeof m, HOST_NO_WAIT));
  expectInvalid(msgQReceive(q, nullptr, sizeof m, HOST_NO_WAIT));
  expectInvalid(msgQNumMsgs(0));
  EXPECT_EQ(0, msgQDelete(q));
  expectInvalid(msgQDelete(q));
  expectInvalid(msgQNumMsgs(q));
}

TEST_F(QueueTest, QueueIdsAreNeverReusedAndOnlyTheOperatorsAreListed) {
  MSG_Q_ID first = msgQCreate(1, 4, 0);
  msgQDelete(first);
  MSG_Q_ID second = msgQCreate(1, 4, 0);
  EXPECT_NE(first, second);
  EXPECT_FALSE(kernel().queueExists(first));
  EXPECT_EQ(-1, msgQNumMsgs(first)) << "a stale id must not reach a newer queue";

  uint32_t own = kernel().createQueue(1, 4);
  ASSERT_NE(0u, own);
  EXPECT_EQ(std::vector<std::string>{"queue " + std::to_string(second)}, host().liveHandles());
  msgQDelete(second);
  EXPECT_TRUE(host().liveHandles().empty());
  // The stand-in host's own use of its queues stays out of the trace.
  EXPECT_EQ(0, kernel().send(own, "x", 1, HOST_NO_WAIT, 0));
  EXPECT_EQ(0, host().calls().count("msgQSend"));
  EXPECT_EQ(0, kernel().deleteQueue(own));
}

TEST_F(QueueTest, DeletingAQueueWakesItsWaitersWithDeleted) {
  MSG_Q_ID empty = msgQCreate(1, 44, 0);
  MSG_Q_ID full = msgQCreate(1, 44, 0);
  post(full, 5, 1);
  std::atomic<int32_t> receiverError{0}, senderError{0};
  spawnClosure("receiver", [&] {
    HOST_MESSAGE m{};
    if (msgQReceive(empty, &m, sizeof m, HOST_WAIT_FOREVER) == -1) receiverError = errnoGet();
  });
  spawnClosure("sender", [&] {
    HOST_MESSAGE m = message(5, 2);
    if (msgQSend(full, &m, sizeof m, HOST_WAIT_FOREVER, 0) == -1) senderError = errnoGet();
  });
  ASSERT_TRUE(sleepersReach(2));
  EXPECT_EQ(0, msgQDelete(empty));
  EXPECT_EQ(0, msgQDelete(full));
  ASSERT_TRUE(eventually([&] { return kernel().runningTasks().empty(); }));
  EXPECT_EQ(HOST_ERR_DELETED, receiverError.load());
  EXPECT_EQ(HOST_ERR_DELETED, senderError.load());
}

TEST_F(QueueTest, AWaitingSenderGetsInWhenRoomIsMade) {
  MSG_Q_ID q = msgQCreate(1, 44, 0);
  post(q, 5, 1);
  std::atomic<int32_t> result{1};
  spawnClosure("sender", [&] {
    HOST_MESSAGE m = message(5, 2);
    result = msgQSend(q, &m, sizeof m, 600, 0);
  });
  ASSERT_TRUE(sleepersReach(1));
  EXPECT_EQ(1, result.load()) << "the sender must wait while the queue is full";
  EXPECT_EQ(1, takeId(q));
  ASSERT_TRUE(eventually([&] { return result != 1; }));
  EXPECT_EQ(0, result.load());
  EXPECT_EQ(2, takeId(q));
  msgQDelete(q);
}

TEST_F(QueueTest, AProducerAndAConsumerPassManyMessagesWithoutLossOrReordering) {
  constexpr int32_t kCount = 20000;
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  std::atomic<int32_t> sendFailures{0};
  spawnClosure("producer", [&] {
    for (int32_t i = 0; i < kCount; ++i) {
      HOST_MESSAGE m = message(5, i);
      if (msgQSend(q, &m, sizeof m, HOST_WAIT_FOREVER, 0) != 0) ++sendFailures;
    }
  });
  int32_t expected = 0;
  bool inOrder = true;
  while (expected < kCount) {
    HOST_MESSAGE m{};
    if (msgQReceive(q, &m, sizeof m, 600) != int32_t(sizeof m)) break;
    inOrder = inOrder && m.id == expected;
    ++expected;
  }
  EXPECT_EQ(kCount, expected);
  EXPECT_TRUE(inOrder);
  EXPECT_EQ(0, sendFailures.load());
  msgQDelete(q);
}

TEST_F(QueueTest, ErrorCodesBelongToTheThreadThatFailed) {
  MSG_Q_ID q = msgQCreate(1, 44, 0);
  HOST_MESSAGE m{};
  EXPECT_EQ(-1, msgQReceive(q, &m, sizeof m, 1));
  std::atomic<int32_t> seenByTask{-1};
  spawnClosure("reader", [&] { seenByTask = errnoGet(); });
  ASSERT_TRUE(eventually([&] { return seenByTask != -1; }));
  EXPECT_EQ(0, seenByTask.load());
  EXPECT_EQ(HOST_ERR_TIMEOUT, errnoGet());
  EXPECT_EQ(0, msgQSend(q, &m, sizeof m, 0, 0));
  EXPECT_EQ(HOST_ERR_TIMEOUT, errnoGet()) << "success leaves the code alone";
  msgQDelete(q);
}

TEST_F(QueueTest, InjectedFailuresReturnTheFailureValueAndNeverAStaleTimeOut) {
  host().calls().failNth("msgQCreate", 1);
  EXPECT_EQ(0u, msgQCreate(10, 44, 0));
  MSG_Q_ID q = msgQCreate(10, 44, 0);
  ASSERT_NE(0u, q);

  HOST_MESSAGE m{};
  EXPECT_EQ(-1, msgQReceive(q, &m, sizeof m, 1));
  ASSERT_EQ(HOST_ERR_TIMEOUT, errnoGet());
  post(q, 5, 7);
  host().calls().failNth("msgQReceive", 1);
  EXPECT_EQ(-1, msgQReceive(q, &m, sizeof m, HOST_NO_WAIT));
  EXPECT_NE(HOST_ERR_TIMEOUT, errnoGet());
  EXPECT_EQ(1, msgQNumMsgs(q)) << "a refused receive takes nothing";

  host().calls().failNth("msgQDelete", 1);
  EXPECT_EQ(-1, msgQDelete(q));
  EXPECT_TRUE(kernel().queueExists(q));
  EXPECT_EQ(0, msgQDelete(q));
  EXPECT_EQ(2, host().calls().count("msgQDelete"));
}

}  // namespace
}  // namespace ostrel3_test
