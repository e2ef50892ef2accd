// A deleted task is on its way out: every host call it makes after the
// deletion is refused as a failed call (only errnoGet still answers), so it
// cannot log or post after the one who deleted it went on; and a task that
// never calls the kernel again does not hang the host's end.
#include <atomic>
#include <chrono>
#include <functional>
#include <set>

#include "host/logger.h"
#include "host/parser.h"
#include "kernel_test_support.h"

namespace ostrel3_test {
namespace {

class DeletedTaskTest : public KernelTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = KernelTest::makeConfig();
    c.testClock = true;
    return c;
  }
};

struct AfterDeletion {
  const char* name;
  std::function<int64_t()> call;
  int64_t refused;  ///< what the call returns once the task is deleted
};

TEST_F(DeletedTaskTest, ATaskDeletedAfterSixtyTicksWithoutAnAnswerCanNoLongerActOrLog) {
  MSG_Q_ID commands = msgQCreate(10, 44, 0);
  MSG_Q_ID events = msgQCreate(10, 44, 0);
  const std::vector<AfterDeletion> table = {
      {"errnoGet tells why", [] { return int64_t(errnoGet()); }, HOST_ERR_DELETED},
      {"msgQSend", [events] { HOST_MESSAGE m = message(5, 2069); return int64_t(msgQSend(events, &m, 44, 0, 0)); }, -1},
      {"msgQNumMsgs", [events] { return int64_t(msgQNumMsgs(events)); }, -1},
      {"parserGetCurrentScreen",
       [] { uint32_t screen = 0, other = 0; return int64_t(parserGetCurrentScreen(&screen, &other)); }, -1},
      {"sysClkRateGet", [] { return int64_t(sysClkRateGet()); }, -1},
      {"tickGet", [] { return int64_t(tickGet()); }, 0},
      {"taskSpawn", [] { return int64_t(taskSpawn("late", 201, 8, 0x20000, nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)); },
       -1},
  };
  std::vector<int64_t> results(table.size(), 12345);
  std::atomic<bool> done{false};
  // Deaf to the stop message: it waits on a queue nobody sends to.
  MSG_Q_ID silent = msgQCreate(1, 44, 0);
  const int32_t id = spawnClosure("os3ScrubTask", [&] {
    HOST_MESSAGE m{};
    msgQReceive(silent, &m, sizeof m, HOST_WAIT_FOREVER);
    for (size_t i = 0; i < table.size(); ++i) results[i] = table[i].call();
    loggerMessage(4, 77, "scrub_task.cpp", 0x520F0000, " ");
    done = true;
  });
  ASSERT_GT(id, 0);

  MSG_Q_ID reply = msgQCreate(1, 44, 0);
  HOST_MESSAGE stop = message(5, 2070, static_cast<int32_t>(reply));
  ASSERT_EQ(msgQSend(commands, &stop, sizeof stop, HOST_NO_WAIT, 0), 0);
  const uint32_t before = tickGet();
  HOST_MESSAGE answer{};
  EXPECT_EQ(msgQReceive(reply, &answer, sizeof answer, 60), -1);
  EXPECT_EQ(errnoGet(), HOST_ERR_TIMEOUT);
  EXPECT_EQ(tickGet() - before, 60u) << "the test clock makes the 60 ticks exact";
  const size_t traced = host().calls().trace().size();
  ASSERT_EQ(taskDelete(id), 0);
  loggerMessage(4, 12, "scrub.cpp", 0x520F0000, " ");  // the deleter's own line
  ASSERT_TRUE(eventually([&] { return done.load(); }));

  for (size_t i = 0; i < table.size(); ++i) EXPECT_EQ(results[i], table[i].refused) << table[i].name;
  const auto lines = host().log().callerLines(4);
  ASSERT_EQ(lines.size(), 1u) << "the deleted task wrote nothing after the deleter's line";
  EXPECT_EQ(lines[0].line, 12);
  EXPECT_EQ(msgQNumMsgs(events), 0);
  // The refused calls are not in the trace: only the deleter's and errnoGet.
  std::multiset<std::string> after;
  const auto trace = host().calls().trace();
  for (size_t i = traced; i < trace.size(); ++i) after.insert(trace[i].name);
  EXPECT_EQ(after, (std::multiset<std::string>{"taskDelete", "loggerMessage", "errnoGet", "msgQNumMsgs"}));
  for (MSG_Q_ID q : {commands, events, silent, reply}) msgQDelete(q);
}

TEST_F(KernelTest, ATaskThatNeverCallsTheKernelAgainDoesNotHangTheHostsEnd) {
  kernel().setEndLimit(std::chrono::milliseconds(100));
  std::atomic<bool> release{false}, done{false};
  spawnClosure("stuck", [&] {
    while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    done = true;
  });
  const auto began = std::chrono::steady_clock::now();
  kernel().shutdown();
  EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5));
  size_t said = 0;
  for (const auto& l : host().log().lines())
    if (l.fromHost && l.text.find("host end: task stuck did not end within 100 ms") != std::string::npos) ++said;
  EXPECT_EQ(said, 1u);
  // Left behind, it ends later without touching the kernel.
  release = true;
  ASSERT_TRUE(eventually([&] { return done.load(); }));
  endHost();
}

}  // namespace
}  // namespace ostrel3_test
