#pragma once
// A stand-in host with helpers for the GUI tests: queues that are deleted
// at the end, request windows, and reading what the user's input posted.
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/kernel/kernel.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

class GuiTest : public HostTest {
 protected:
  void TearDown() override {
    for (MSG_Q_ID q : queues_) host().kernel().deleteQueue(q);
    HostTest::TearDown();
  }

  MSG_Q_ID newQueue() {
    const MSG_Q_ID q = host().kernel().createQueue(100, 44);
    queues_.push_back(q);
    return q;
  }

  VREQ_REQUEST openRequest(uint32_t flags, int16_t width = 300, int16_t height = 200, const XCHAR* title = u"Dialog") {
    VREQ_REQUEST r{};
    r.width = width;
    r.height = height;
    r.flags = flags;
    r.queue = newQueue();
    r.title = title;
    EXPECT_EQ(vreqCreateRequest(&r), 0);
    return r;
  }

  std::optional<HOST_MESSAGE> nextMessage(MSG_Q_ID queue) {
    HOST_MESSAGE m{};
    if (host().kernel().receive(queue, &m, sizeof m, 0) != static_cast<int32_t>(sizeof m)) return std::nullopt;
    return m;
  }

  hostsim::UserInput& user() { return host().panels().input(); }
  hostsim::ElementView view(VG_ELEMENT e) { return host().panels().findElement(e).value(); }

  /// Lines the stand-in host wrote about itself with a level and a part of its text.
  bool hostLogged(int32_t level, const std::string& part) const {
    for (const auto& l : const_cast<GuiTest*>(this)->host().log().lines())
      if (l.fromHost && l.level == level && l.text.find(part) != std::string::npos) return true;
    return false;
  }

  std::vector<MSG_Q_ID> queues_;
};

}  // namespace ostrel3_test
