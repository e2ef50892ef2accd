// The pattern of the operator's ticker tasks: wait on a command queue a few
// ticks at a time, post ticks to the event queue, answer a stop message on
// the reply queue it names and end; or be deleted when it does not answer.
#include <atomic>

#include "kernel_test_support.h"

namespace ostrel3_test {
namespace {

using HandshakeTest = KernelTest;

constexpr int32_t kTickId = 2069;
constexpr int32_t kStopId = 2070;

std::atomic<int32_t> tickerLeft{0};

int32_t tickerMain(TASK_ARG commandQueue, TASK_ARG eventQueue, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                   TASK_ARG, TASK_ARG, TASK_ARG) {
  const auto commands = static_cast<MSG_Q_ID>(commandQueue);
  const auto events = static_cast<MSG_Q_ID>(eventQueue);
  for (;;) {
    HOST_MESSAGE m{};
    const int32_t got = msgQReceive(commands, &m, sizeof m, 8);
    if (got == int32_t(sizeof m)) {
      if (m.msgClass == 5 && m.id == kStopId) {
        if (m.value != 0) msgQSend(static_cast<MSG_Q_ID>(m.value), &m, sizeof m, HOST_NO_WAIT, 0);
        break;
      }
      continue;
    }
    if (errnoGet() != HOST_ERR_TIMEOUT) break;
    if (msgQNumMsgs(events) < 10) {
      HOST_MESSAGE tick = message(5, kTickId, 8);
      if (msgQSend(events, &tick, sizeof tick, HOST_NO_WAIT, 0) == -1) break;
    }
  }
  ++tickerLeft;
  return 0;
}

int32_t deafMain(TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG) {
  while (taskDelay(30) == 0) {
  }
  ++tickerLeft;
  return 0;
}

/// Sends a stop message naming a fresh reply queue and waits up to 60 ticks
/// for the answer; returns the bytes received (or -1).
int32_t stopAndWait(MSG_Q_ID commands, HOST_MESSAGE& answer) {
  MSG_Q_ID reply = msgQCreate(100, 44, 0);
  HOST_MESSAGE stop = message(5, kStopId, static_cast<int32_t>(reply));
  msgQSend(commands, &stop, sizeof stop, HOST_NO_WAIT, 0);
  const int32_t got = msgQReceive(reply, &answer, sizeof answer, 60);
  msgQDelete(reply);
  return got;
}

TEST_F(HandshakeTest, ATickerPostsTicksAndEndsWhenItsStopIsAnswered) {
  tickerLeft = 0;
  MSG_Q_ID commands = msgQCreate(100, 44, 0);
  MSG_Q_ID events = msgQCreate(100, 44, 0);
  const uint32_t before = tickGet();
  const int32_t id = taskSpawn("os3ScrubTask", 201, 8, 0x20000, &tickerMain, commands, events, 0, 0, 0, 0, 0, 0, 0, 0);
  ASSERT_GT(id, 0);
  EXPECT_EQ(std::vector<std::string>{"os3ScrubTask"}, kernel().runningTasks());

  HOST_MESSAGE tick{};
  ASSERT_EQ(44, msgQReceive(events, &tick, sizeof tick, 600));
  EXPECT_GE(tickGet() - before, 8u) << "a tick comes only after an 8-tick wait";
  EXPECT_EQ(5, tick.msgClass);
  EXPECT_EQ(kTickId, tick.id);
  EXPECT_EQ(8, tick.value);

  HOST_MESSAGE answer{};
  ASSERT_EQ(44, stopAndWait(commands, answer));
  EXPECT_EQ(kStopId, answer.id);
  ASSERT_TRUE(eventually([&] { return tickerLeft == 1; }));
  EXPECT_TRUE(eventually([&] { return kernel().runningTasks().empty(); }));
  EXPECT_EQ(-1, taskDelete(id)) << "the task ended by itself";
  msgQDelete(commands);
  msgQDelete(events);
}

TEST_F(HandshakeTest, ATaskThatDoesNotAnswerWithinSixtyTicksIsDeleted) {
  tickerLeft = 0;
  MSG_Q_ID commands = msgQCreate(100, 44, 0);
  const int32_t id = taskSpawn("os3ScrubTask", 201, 8, 0x20000, &deafMain, commands, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  HOST_MESSAGE answer{};
  const uint32_t before = tickGet();
  EXPECT_EQ(-1, stopAndWait(commands, answer));
  EXPECT_EQ(HOST_ERR_TIMEOUT, errnoGet());
  EXPECT_GE(tickGet() - before, 60u);
  EXPECT_EQ(0, taskDelete(id));
  EXPECT_TRUE(kernel().runningTasks().empty());
  EXPECT_TRUE(eventually([&] { return tickerLeft == 1; }));
  msgQDelete(commands);
}

}  // namespace
}  // namespace ostrel3_test
