// Bringing the scrub task up and down: the stop handshake, a task that
// never answers, a stop that cannot even ask, and scrubbing switched off.
#include "host/task.h"
#include "scrub_fixture.h"

namespace {

using namespace ostrel3_test;

TEST_F(ScrubTest, AStoppedTaskAnswersAndEndsWithoutBeingDeleted) {
  openWithTwoCameras(0);
  const int32_t task = adoptTask(ostrel3::ScrubTaskMain);
  ASSERT_GT(task, 0);
  const uint32_t before = tickGet();
  op->ScrubStop();
  EXPECT_LT(tickGet() - before, 60u);
  EXPECT_EQ(op->scrubTask.scrubTaskId, -1);
  EXPECT_EQ(traced("taskDelete"), 0);
  EXPECT_FALSE(taskRuns(task));
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ScrubTest, ATaskThatNeverAnswersIsDeletedAndItsStopDoesNotDelayTheNextOne) {
  openWithTwoCameras(0);
  const int32_t deaf = adoptTask(DeafTask);
  uint32_t before = tickGet();
  op->ScrubStop();
  EXPECT_GE(tickGet() - before, 60u);
  EXPECT_EQ(host().calls().traceOf({"taskDelete"}), std::vector<std::string>{"taskDelete(" + std::to_string(deaf) + ")"});
  EXPECT_EQ(op->scrubTask.scrubTaskId, -1);
  EXPECT_FALSE(taskRuns(deaf));
  EXPECT_GE(logCount(4), 1u);
  EXPECT_EQ(msgQNumMsgs(op->scrubCommandQueue.get()), 0) << "the unanswered stop was left for the next task";

  const int32_t next = adoptTask(ostrel3::ScrubTaskMain);
  before = tickGet();
  op->ScrubStop();
  EXPECT_LT(tickGet() - before, 60u);
  EXPECT_FALSE(taskRuns(next));
  EXPECT_EQ(traced("taskDelete"), 1);
}

TEST_F(ScrubTest, AStopThatCannotMakeItsReplyQueueDeletesTheTaskAndThrowsNothing) {
  openWithTwoCameras(0);
  const int32_t task = adoptTask(ostrel3::ScrubTaskMain);
  host().calls().failNth("msgQCreate", 1);
  EXPECT_NO_THROW(op->ScrubStop());
  EXPECT_EQ(traced("taskDelete"), 1);
  EXPECT_EQ(op->scrubTask.scrubTaskId, -1);
  EXPECT_FALSE(taskRuns(task));
  EXPECT_GE(logCount(4), 1u);
  EXPECT_EQ(msgQNumMsgs(op->scrubCommandQueue.get()), 0);
}

TEST_F(ScrubTest, StartingWhileTheEngineOrTheTaskRunsStartsNothingMore) {
  openWithTwoCameras(0);
  const int32_t task = adoptTask(ostrel3::ScrubTaskMain);
  op->ScrubStart();
  EXPECT_EQ(traced("taskSpawn"), 1) << "only the test's own";
  EXPECT_EQ(traced("cmScrubStart"), 0);
  EXPECT_EQ(op->scrubTask.scrubTaskId, task);
  op->ScrubStop();
  EXPECT_FALSE(taskRuns(task));
}

TEST_F(ScrubTest, WithScrubbingSwitchedOffNothingStartsNothingIsReadAndNothingIsDrawn) {
  give(0, kClapped);
  openPanel();
  op->mainScrub = false;
  host().calls().clearTrace();
  EXPECT_TRUE(op->ScrubStart());
  op->position = kClapFrame;
  op->ScrubUpdate(false);
  op->ScrubStop();
  for (const char* call : {"cmScrubStart", "taskSpawn", "cmGetFieldAudio", "vgWriteRectRaw", "cmScrubData"})
    EXPECT_EQ(traced(call), 0) << call;
  EXPECT_EQ(op->scrubTask.scrubTaskId, -1);
}

TEST_F(ScrubTest, AStartedEngineIsSilencedAndStoppedOnceAndAStopWithNothingRunningCallsNothing) {
  openWithTwoCameras(0);
  ASSERT_TRUE(op->ScrubStart());
  for (int i = 0; i < 2; ++i) {
    host().calls().clearTrace();
    op->ScrubStop();
    const std::vector<std::string> calls =
        host().calls().traceOf({"cmScrubData", "cmScrubStop", "msgQSend", "taskDelete"});
    const std::string render = std::to_string(op->render.get());
    const std::vector<std::string> expected =
        i == 0 ? std::vector<std::string>{"cmScrubData(" + render + ", null, 0, 0, 0)", "msgQSend", "msgQSend",
                                          "cmScrubStop(" + render + ", 0)"}  // the stop and the task's answer
               : std::vector<std::string>{};
    ASSERT_EQ(calls.size(), expected.size()) << "stop " << i + 1 << ": " << testing::PrintToString(calls);
    for (size_t k = 0; k < calls.size(); ++k) EXPECT_EQ(calls[k].rfind(expected[k], 0), 0u) << calls[k];
    EXPECT_EQ(op->scrubTask.scrubWindow, 6);
    EXPECT_EQ(op->scrubTask.scrubTaskId, -1);
  }
  EXPECT_EQ(logCount(4), 0u);
}

}  // namespace
