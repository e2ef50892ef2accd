// The tasks dump: a worker of the operator seen while it runs, after it was
// deleted and after its entry returned, with what its spawn asked for.
#include <gtest/gtest.h>

#include <atomic>

#include "host/msgq.h"
#include "host/task.h"
#include "hostsim/core/host.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/program/dumps.h"
#include "support/host_fixture.h"

namespace ostrel3_test {
namespace {

using TasksDumpTest = HostTest;

// Waits on its queue until a message (any) comes or its wait fails.
int32_t waitOnQueue(TASK_ARG queue, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG, TASK_ARG,
                    TASK_ARG) {
  char message[44];
  msgQReceive(static_cast<MSG_Q_ID>(queue), message, sizeof message, -1);
  return 0;
}

nlohmann::ordered_json taskNamed(const nlohmann::ordered_json& dump, const std::string& name) {
  for (const auto& t : dump["tasks"])
    if (t["name"] == name) return t;
  return nullptr;
}

TEST_F(TasksDumpTest, AWorkerComesAndGoesWithItsSettingsAndState) {
  const MSG_Q_ID deletedQueue = msgQCreate(4, 44, 0), endingQueue = msgQCreate(4, 44, 0);
  EXPECT_TRUE(hostsim::program::tasksState(host())["tasks"].empty());
  const int32_t ticker = taskSpawn("BrainSmasher", 201, 8, 0x20000, &waitOnQueue, deletedQueue, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  const int32_t other = taskSpawn("other", 100, 0, 0x4000, &waitOnQueue, endingQueue, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  ASSERT_GT(ticker, 0);
  ASSERT_GT(other, 0);

  auto dump = hostsim::program::tasksState(host());
  EXPECT_EQ(dump["running"], nlohmann::ordered_json({"BrainSmasher", "other"}));
  auto t = taskNamed(dump, "BrainSmasher");
  EXPECT_EQ(t["priority"], 201);
  EXPECT_EQ(t["options"], 8);
  EXPECT_EQ(t["stack_size"], 0x20000);
  EXPECT_EQ(t["state"], "running");
  EXPECT_LT(t["order"].get<int>(), taskNamed(dump, "other")["order"].get<int>()) << "start order";
  EXPECT_TRUE(t["end_tick"].is_null());

  ASSERT_EQ(taskDelete(ticker), 0);
  char stop[44] = {};
  ASSERT_EQ(msgQSend(endingQueue, stop, sizeof stop, 0, 0), 0);
  ASSERT_EQ(host().kernel().joinTask(other), 0);

  dump = hostsim::program::tasksState(host());
  EXPECT_TRUE(dump["running"].empty());
  EXPECT_EQ(taskNamed(dump, "BrainSmasher")["state"], "deleted");
  EXPECT_TRUE(taskNamed(dump, "BrainSmasher")["deleted"].get<bool>());
  EXPECT_EQ(taskNamed(dump, "other")["state"], "ended");
  EXPECT_FALSE(taskNamed(dump, "other")["deleted"].get<bool>());
  EXPECT_FALSE(taskNamed(dump, "other")["end_tick"].is_null());
  EXPECT_EQ(dump["tasks"].size(), 2u) << "ended tasks stay listed";

  // A second positioning starts a second worker of the same name: both show.
  const int32_t again = taskSpawn("BrainSmasher", 201, 8, 0x20000, &waitOnQueue, deletedQueue, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  ASSERT_GT(again, 0);
  dump = hostsim::program::tasksState(host());
  EXPECT_EQ(dump["running"], nlohmann::ordered_json({"BrainSmasher"}));
  EXPECT_EQ(dump["tasks"].size(), 3u);
  ASSERT_EQ(msgQSend(deletedQueue, stop, sizeof stop, 0, 0), 0);
  ASSERT_EQ(host().kernel().joinTask(again), 0);
  EXPECT_EQ(msgQDelete(deletedQueue), 0);
  EXPECT_EQ(msgQDelete(endingQueue), 0);
}

}  // namespace
}  // namespace ostrel3_test
