// The user's turns while the player plays: a step comes only when no frame
// is due, a wait lets the frames come one after another, a jog burst waits
// in the queue all at once, and the receive keeps the caller's error code.
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "player_fixture.h"

namespace ostrel3_test {
namespace {

constexpr uint16_t kPositionClass = 0x5443;

std::atomic<MSG_Q_ID> operatorQueue{0};

void postPosition(int32_t frame) {
  HOST_MESSAGE m{};
  m.msgClass = kPositionClass;
  m.value = frame;
  msgQSend(operatorQueue, &m, sizeof m, 0, 0);
}

class PlayerTurnsTest : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    request_.width = 400, request_.height = 300, request_.flags = 0x10000E, request_.title = u"Main";
    request_.queue = host().kernel().createQueue(100, 44);
    operatorQueue = request_.queue;
    ASSERT_EQ(vreqCreateRequest(&request_), 0);
  }
  void TearDown() override {
    if (!hostGone_) {
      vreqDeleteRequest(&request_);
      host().kernel().deleteQueue(request_.queue);
    }
    PlayerTest::TearDown();
  }
  int32_t startPosting() {
    const MAIN_PLAY_CALLBACKS record{20, &postPosition, nullptr, {0, 0}};
    if (mainPlayInit(&record, 0) != 0) return -1;
    return mainPlayStartMultiple2(copyOf(kUidA), 0, 299, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  }
  /// The next message as "key 97" or "position 3".
  std::string next() {
    HOST_MESSAGE m{};
    if (vgMsgQReceive2(&m, -1, request_.queue) != 44) return "none";
    if (m.msgClass == kPositionClass) return "position " + std::to_string(m.value);
    if (m.msgClass == HOST_MSG_KEY) return "key " + std::to_string(m.id);
    return "class " + std::to_string(m.msgClass);
  }
  void userKey(uint16_t key) {
    host().user().addAction("key", [key](hostsim::Host& h) { return h.panels().input().key(key); });
  }
  VREQ_REQUEST request_{};
};

TEST_F(PlayerTurnsTest, TheUserActsBetweenFramesAndAWaitLetsThemCome) {
  userKey('a');
  host().user().addWait("wait 6", 6);  // 100 ms: the frames at 40 and 80 ms
  userKey('b');
  ASSERT_EQ(startPosting(), 0);
  std::vector<std::string> got;
  for (int i = 0; i < 5; ++i) got.push_back(next());
  EXPECT_EQ(got, (std::vector<std::string>{"position 0", "key 97", "position 1", "position 2", "key 98"}));
  EXPECT_EQ(host().kernel().clock().ticks(), 6u);
}

TEST_F(PlayerTurnsTest, AJogBurstWaitsInTheQueueAllAtOnce) {
  host().user().addAction("burst", [](hostsim::Host& h) { return h.panels().input().command(0x10010, 2, 5); });
  HOST_MESSAGE m{};
  ASSERT_EQ(vgMsgQReceive2(&m, -1, request_.queue), 44);
  EXPECT_EQ(m.msgClass, HOST_MSG_COMMAND);
  EXPECT_EQ(m.subCode, 2);
  EXPECT_EQ(host().kernel().numMsgs(request_.queue), 4);
}

TEST_F(PlayerTurnsTest, TheReceiveLeavesTheCallersErrorCode) {
  hostsim::Kernel::setError(0x1234);
  HOST_MESSAGE m{};
  EXPECT_EQ(vgMsgQReceive2(&m, 0, request_.queue), -1);
  EXPECT_EQ(hostsim::Kernel::error(), 0x1234);
  userKey('c');
  EXPECT_EQ(vgMsgQReceive2(&m, -1, request_.queue), 44);
  EXPECT_EQ(hostsim::Kernel::error(), 0x1234);
}

}  // namespace
}  // namespace ostrel3_test
