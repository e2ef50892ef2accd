// The user's turn inside vgMsgQReceive2: steps, unasked answers, waits and
// closing the screen when nothing is left.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

class TurnsTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    req_ = openRequest(0x10000E, 300, 200, u"Info");
  }
  void TearDown() override {
    vreqDeleteRequest(&req_);
    GuiTest::TearDown();
  }
  HOST_MESSAGE receive(int32_t timeout = -1) {
    HOST_MESSAGE m{};
    last_ = vgMsgQReceive2(&m, timeout, req_.queue);
    return m;
  }
  VREQ_REQUEST req_{};
  int32_t last_ = 0;
};

TEST_F(TurnsTest, WaitingMessagesComeBeforeTheUsersTurn) {
  HOST_MESSAGE posted{};
  posted.msgClass = 5;
  posted.id = 2069;
  ASSERT_EQ(host().kernel().send(req_.queue, &posted, sizeof posted, 0, 0), 0);
  host().user().addAction("click OK", [](hostsim::Host& h) { return h.panels().input().clickCaption("OK"); });
  EXPECT_EQ(receive().msgClass, 5);
  EXPECT_EQ(host().user().pending(), 1u);
}

TEST_F(TurnsTest, UsersTurnPerformsTheNextActionAndLogsIt) {
  host().user().addAction("line 3: click \"OK\"", [](hostsim::Host& h) { return h.panels().input().clickCaption("OK"); });
  const HOST_MESSAGE m = receive();
  EXPECT_EQ(last_, 44);
  EXPECT_EQ(m.msgClass, HOST_MSG_ELEMENT);
  EXPECT_EQ(static_cast<VG_ELEMENT>(m.id), req_.okElement);
  EXPECT_TRUE(hostLogged(6, "line 3: click \"OK\""));
}

TEST_F(TurnsTest, AnActionThatCannotBeDoneIsLoggedAndTheNextStepFollows) {
  host().user().addAction("click \"Nope\"", [](hostsim::Host& h) { return h.panels().input().clickCaption("Nope"); });
  host().user().addAction("key a", [](hostsim::Host& h) { return h.panels().input().key('a'); });
  const HOST_MESSAGE m = receive();
  EXPECT_EQ(m.msgClass, HOST_MSG_KEY);
  EXPECT_TRUE(hostLogged(4, "could not do click \"Nope\""));
}

TEST_F(TurnsTest, AnAnswerNoRequestAskedForIsDropped) {
  host().user().addAnswer({hostsim::AnswerKind::Palette, 0x808080FF, ""}, "line 7: palette");
  host().user().addAction("key b", [](hostsim::Host& h) { return h.panels().input().key('b'); });
  EXPECT_EQ(receive().msgClass, HOST_MSG_KEY);
  EXPECT_TRUE(hostLogged(4, "line 7: palette"));
  EXPECT_TRUE(host().user().empty());
}

TEST_F(TurnsTest, WithNoStepLeftTheUserClosesTheScreen) {
  EXPECT_EQ(receive().msgClass, HOST_MSG_CLOSE);
  EXPECT_EQ(last_, 44);
}

TEST_F(TurnsTest, AnOperatorThatIgnoresClosingIsCancelledThenGivenUpOn) {
  VREQ_REQUEST withCancel = openRequest(0x41E, 300, 100, u"Output");
  HOST_MESSAGE m{};
  EXPECT_EQ(vgMsgQReceive2(&m, -1, withCancel.queue), 44);
  EXPECT_EQ(m.msgClass, HOST_MSG_CLOSE);
  EXPECT_EQ(vgMsgQReceive2(&m, -1, withCancel.queue), 44);
  EXPECT_EQ(m.msgClass, HOST_MSG_ELEMENT);
  EXPECT_EQ(static_cast<VG_ELEMENT>(m.id), withCancel.cancelElement);
  int answered = 0;
  while (vgMsgQReceive2(&m, -1, withCancel.queue) == 44 && answered < 20) ++answered;
  EXPECT_EQ(answered, hostsim::UserInput::kMaxCloses - 2);
  EXPECT_TRUE(user().gaveUp());
  EXPECT_EQ(vgMsgQReceive2(&m, -1, withCancel.queue), -1) << "and stays given up";
  vreqDeleteRequest(&withCancel);
}

TEST_F(TurnsTest, NewStepsAfterGivingUpAreTakenAgain) {
  HOST_MESSAGE m{};
  while (vgMsgQReceive2(&m, -1, req_.queue) == 44) {
  }
  ASSERT_TRUE(user().gaveUp());
  host().user().addAction("key c", [](hostsim::Host& h) { return h.panels().input().key('c'); });
  EXPECT_EQ(receive().msgClass, HOST_MSG_KEY);
  EXPECT_FALSE(user().gaveUp());
}

TEST_F(TurnsTest, WithATimeLimitAndNothingToDoTheReceiveFails) {
  receive(0);
  EXPECT_EQ(last_, -1);
  receive(2);
  EXPECT_EQ(last_, -1);
  EXPECT_EQ(host().kernel().numMsgs(req_.queue), 0) << "no close is posted on a limited wait";
}

TEST_F(TurnsTest, ReceiveOnAQueueThatDoesNotExistFails) {
  HOST_MESSAGE m{};
  EXPECT_EQ(vgMsgQReceive2(&m, -1, 0x4242), -1);
  EXPECT_EQ(vgMsgQReceive2(nullptr, -1, req_.queue), -1);
}

TEST_F(TurnsTest, DuringAWaitMessagesOfOtherThreadsAreDelivered) {
  host().user().addWait("wait 30 ticks", 30);
  const MSG_Q_ID queue = req_.queue;
  hostsim::Kernel& kernel = host().kernel();
  std::thread ticker([&kernel, queue] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    HOST_MESSAGE tick{};
    tick.msgClass = 5;
    tick.id = 2069;
    kernel.send(queue, &tick, sizeof tick, 0, 0);
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(receive().msgClass, 5);
  ticker.join();
  // The rest of the wait passes before the user, with nothing left, closes.
  EXPECT_EQ(receive().msgClass, HOST_MSG_CLOSE);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
  EXPECT_TRUE(hostLogged(6, "wait 30 ticks"));
}

}  // namespace
}  // namespace ostrel3_test
