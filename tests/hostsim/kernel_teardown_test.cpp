// The host's end while threads that are no host tasks are inside it, and
// urgent put-backs on a full queue.
#include <atomic>
#include <thread>

#include "kernel_test_support.h"

namespace ostrel3_test {
namespace {

TEST_F(KernelTest, EndingTheHostWakesAPlainThreadWaitingInAReceive) {
  MSG_Q_ID q = msgQCreate(1, 44, 0);
  std::atomic<int32_t> result{1}, error{0};
  std::thread waiter([&] {
    HOST_MESSAGE m{};
    result = msgQReceive(q, &m, sizeof m, HOST_WAIT_FOREVER);
    error = hostsim::Kernel::error();  // errnoGet has no host to ask any more
  });
  ASSERT_TRUE(sleepersReach(1));
  endHost();  // the kernel's state goes: the waiter must be out of it first
  waiter.join();
  EXPECT_EQ(result.load(), -1);
  EXPECT_EQ(error.load(), HOST_ERR_DELETED);
}

TEST_F(KernelTest, HostCallsDuringTheEndAreRefusedNotServedHalfDestroyed) {
  MSG_Q_ID q = msgQCreate(4, 44, 0);
  std::atomic<bool> started{false}, stop{false};
  std::atomic<int> refused{0};
  std::thread caller([&] {
    HOST_MESSAGE m = message(5);
    while (!stop) {
      started = true;
      if (msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0) == -1 && msgQNumMsgs(q) == -1) ++refused;
      msgQReceive(q, &m, sizeof m, HOST_NO_WAIT);
    }
  });
  ASSERT_TRUE(eventually([&] { return started.load(); }));
  endHost();
  const int before = refused.load();
  ASSERT_TRUE(eventually([&] { return refused > before; })) << "calls after the end fail";
  stop = true;
  caller.join();
}

TEST_F(KernelTest, AnUrgentPutBackIsNotLostWhenAnotherThreadRefilledTheQueue) {
  MSG_Q_ID q = msgQCreate(2, 44, 0);
  post(q, 5, 1);
  post(q, 5, 2);
  HOST_MESSAGE taken{};
  ASSERT_EQ(msgQReceive(q, &taken, sizeof taken, HOST_NO_WAIT), 44);
  // Another thread fills the place at once.
  int32_t refill = 1;
  std::thread([&] {
    HOST_MESSAGE m = message(5, 3);
    refill = msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0);
  }).join();
  ASSERT_EQ(refill, 0);
  EXPECT_EQ(msgQSend(q, &taken, sizeof taken, HOST_NO_WAIT, HOST_MSG_PRI_URGENT), 0) << "room is made for it";
  EXPECT_EQ(msgQNumMsgs(q), 3);
  HOST_MESSAGE m = message(5, 4);
  EXPECT_EQ(msgQSend(q, &m, sizeof m, HOST_NO_WAIT, 0), -1) << "a normal message still finds the queue full";
  EXPECT_EQ(errnoGet(), HOST_ERR_UNAVAILABLE);
  for (int32_t id : {1, 2, 3}) EXPECT_EQ(takeId(q), id);
  msgQDelete(q);
}

TEST_F(KernelTest, UrgentMessagesFillAtMostTwiceTheCapacity) {
  MSG_Q_ID q = msgQCreate(2, 44, 0);
  for (int32_t i = 1; i <= 4; ++i) post(q, 5, i, HOST_MSG_PRI_URGENT);
  HOST_MESSAGE m = message(5, 5);
  EXPECT_EQ(msgQSend(q, &m, sizeof m, HOST_NO_WAIT, HOST_MSG_PRI_URGENT), -1);
  EXPECT_EQ(errnoGet(), HOST_ERR_UNAVAILABLE);
  for (int32_t id : {4, 3, 2, 1}) EXPECT_EQ(takeId(q), id);
  msgQDelete(q);
}

}  // namespace
}  // namespace ostrel3_test
