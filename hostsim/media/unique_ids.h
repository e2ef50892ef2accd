#pragma once
// Fresh ids of the host's run: for copies and pieces of clips and for
// mstlGetUniqueID. Never an id a bin clip was configured with. Any thread.
#include <atomic>
#include <cstdint>
#include <set>

namespace hostsim {

class UniqueIds {
 public:
  /// `reserved`: the configured ids, which are never handed out.
  explicit UniqueIds(std::set<uint32_t> reserved) : reserved_(std::move(reserved)) {}

  /// A fresh non-zero id.
  uint32_t next() {
    for (;;) {
      uint32_t id = next_.fetch_add(1, std::memory_order_relaxed);
      if (id != 0 && !reserved_.count(id)) return id;
    }
  }

 private:
  const std::set<uint32_t> reserved_;
  std::atomic<uint32_t> next_{0x00010001u};
};

}  // namespace hostsim
