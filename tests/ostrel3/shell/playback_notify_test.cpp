// Playback notifications reach the event queue as messages; stale positions go.
#include "host/msgq.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/shell/playback_notify.h"
#include "ostrel3/shell/queue_message.h"
#include "support/host_fixture.h"

namespace {

using ostrel3::QueueMessage;

class PlaybackNotifyTest : public ostrel3_test::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    op = std::make_unique<ostrel3::MulticamOperator>();
    ostrel3::currentOperator.store(op.get());
  }
  void TearDown() override {
    ostrel3::currentOperator.store(nullptr);
    op.reset();
    HostTest::TearDown();
  }

  void postElement(int32_t element) {
    QueueMessage m;
    m.msgClass = ostrel3::kMsgElement;
    m.identifier = element;
    ASSERT_EQ(msgQSend(op->eventQueue.get(), &m, 44, 0, 0), 0);
  }

  std::vector<QueueMessage> drain() {
    std::vector<QueueMessage> out;
    QueueMessage m;
    while (msgQReceive(op->eventQueue.get(), &m, 44, 0) == 44) out.push_back(m);
    return out;
  }

  std::unique_ptr<ostrel3::MulticamOperator> op;
};

TEST_F(PlaybackNotifyTest, OnlyTheNewestPositionWaitsAndOtherMessagesKeepTheirOrder) {
  postElement(11);
  ostrel3::PlayPositionCallback(1);
  postElement(12);
  ostrel3::PlayPositionCallback(2);
  ostrel3::PlayEventCallback(8, 0x20);
  ostrel3::PlayPositionCallback(3);
  auto got = drain();
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].identifier, 11);
  EXPECT_EQ(got[1].identifier, 12);
  EXPECT_EQ(got[2].msgClass, ostrel3::kMsgPlayStatus);
  EXPECT_EQ(got[3].msgClass, ostrel3::kMsgPlayPosition);
  EXPECT_EQ(got[3].position, 6);
}

TEST_F(PlaybackNotifyTest, EventsAreTranslatedByKind) {
  for (int kind = 1; kind <= 6; ++kind) ostrel3::PlayEventCallback(kind, 0);
  ostrel3::PlayEventCallback(7, static_cast<int32_t>((2u << 30) | 1234u));
  ostrel3::PlayEventCallback(8, 0x35);
  ostrel3::PlayEventCallback(9, 1);
  ostrel3::PlayEventCallback(0, 1);
  auto got = drain();
  ASSERT_EQ(got.size(), 8u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i].msgClass, ostrel3::kMsgPlayStopped);
  EXPECT_EQ(got[6].msgClass, ostrel3::kMsgPlayCamera);
  EXPECT_EQ(got[6].identifier, 2);
  EXPECT_EQ(got[6].value, 1234);
  EXPECT_EQ(got[7].msgClass, ostrel3::kMsgPlayStatus);
  EXPECT_EQ(got[7].identifier, 8);
  EXPECT_EQ(got[7].value, 0x35);
}

TEST_F(PlaybackNotifyTest, CallbacksWithoutALiveOperatorPostNothing) {
  ostrel3::currentOperator.store(nullptr);
  host().calls().clearTrace();
  ostrel3::PlayPositionCallback(5);
  ostrel3::PlayEventCallback(1, 0);
  ostrel3::PlayEventCallback(7, 5);
  EXPECT_TRUE(host().calls().traceOf({"msgQSend", "taskLock"}).empty());
  ostrel3::currentOperator.store(op.get());
  EXPECT_TRUE(drain().empty());
}

TEST_F(PlaybackNotifyTest, APurgeThatCannotLockLeavesTheQueueAsItWas) {
  ostrel3::PlayPositionCallback(1);
  host().calls().failNth("taskLock", 1);
  ostrel3::PurgeQueue(op->eventQueue.get());
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_EQ(drain().size(), 1u);
}

TEST_F(PlaybackNotifyTest, ALostNotificationIsLogged) {
  host().calls().failNth("msgQSend", 1);
  ostrel3::PlayEventCallback(1, 0);
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_TRUE(drain().empty());
}

}  // namespace
