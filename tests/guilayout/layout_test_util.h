#pragma once
// Helpers of the layout toolkit's tests: the host calls a create made, and
// hand-built entry lists (the host's list calls are not needed to fill them).
#include <string>
#include <vector>

#include "host/host.h"
#include "guilayout/guilayout.h"
#include "hostsim/core/host.h"
#include "support/host_fixture.h"

namespace layout_test {

/// A fresh host with a plain 800 x 600 root panel to create components on.
class PanelTest : public ostrel3_test::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    root = vgCreatePanel(0, 0, 0, 800, 600, 0, 0, 0);
    ASSERT_NE(root, 0u);
  }
  void TearDown() override {
    if (root) vgRemovePanel(root);
    HostTest::TearDown();
  }
  VG_PANEL root = 0;
  vgsLayoutX row;
  vgsLayoutY column;
};

/// The traced calls of one host function, as "name(args)" texts.
inline std::vector<std::string> calls(hostsim::Host& host, const std::string& name) {
  return host.calls().traceOf({name});
}

/// "name(a, b, ...)" as the trace writes it.
template <typename... Args>
std::string call(const std::string& name, const Args&... args) {
  return name + "(" + hostsim::formatArgs(args...) + ")";
}

/// A list of entries that owns its nodes and texts.
class EntryList {
 public:
  explicit EntryList(std::vector<std::u16string> texts, std::vector<std::u16string> seconds = {})
      : texts_(std::move(texts)), seconds_(std::move(seconds)), entries_(texts_.size()) {
    for (size_t i = 0; i < entries_.size(); ++i) {
      VG_LIST_ENTRY& e = entries_[i];
      e.flags = 0x201;
      e.text = texts_[i].c_str();
      e.text2 = i < seconds_.size() && !seconds_[i].empty() ? seconds_[i].c_str() : nullptr;
      e.value = static_cast<int32_t>(i);
      e.node.prev = i ? &entries_[i - 1].node : nullptr;
      e.node.next = i + 1 < entries_.size() ? &entries_[i + 1].node : nullptr;
    }
    list_.head = entries_.empty() ? nullptr : &entries_.front().node;
    list_.tail = entries_.empty() ? nullptr : &entries_.back().node;
    list_.count = static_cast<int32_t>(entries_.size());
  }
  EntryList(const EntryList&) = delete;
  EntryList& operator=(const EntryList&) = delete;

  HOST_LIST* get() { return &list_; }

 private:
  std::vector<std::u16string> texts_, seconds_;
  std::vector<VG_LIST_ENTRY> entries_;
  HOST_LIST list_{};
};

}  // namespace layout_test
