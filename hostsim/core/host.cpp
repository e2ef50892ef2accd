#include "hostsim/core/host.h"

#include <stdexcept>

#include "hostsim/core/shim.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/resources.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/media.h"

namespace hostsim {

std::atomic<Host*> Host::current_{nullptr};
std::atomic<int> Host::activeCalls_{0};
std::atomic<bool> Host::draining_{false};

Host::Host(HostConfig config)
    : config_(std::move(config)),
      calls_(config_.trace),
      user_(std::make_unique<User>()),
      kernel_(std::make_unique<Kernel>(*this)),
      resources_(std::make_unique<Resources>(*this)),
      display_(std::make_unique<Display>(*this)),
      panels_(std::make_unique<Panels>(*this)),
      media_(std::make_unique<Media>(*this)) {
  for (const CallFailure& f : config_.failures) {
    if (f.nth > 0) calls_.failNth(f.name, f.nth);
    else calls_.failAlways(f.name);
  }
  Host* expected = nullptr;
  if (!current_.compare_exchange_strong(expected, this))
    throw std::logic_error("a stand-in host is already installed");
}

Host::~Host() { quiesce(); }

void Host::quiesce() {
  // New calls are refused from here on (enterCall counts a call before it
  // looks for the host, so a call that found it is counted).
  current_.store(nullptr, std::memory_order_seq_cst);
  // The player calls into the operator, the scrub engine writes into its
  // memory and tasks may be inside host calls: stop them while everything
  // they reach exists.
  media_->player().shutdown();
  media_->scrub().shutdown();
  kernel_->shutdown();
  draining_.store(true, std::memory_order_seq_cst);
  for (int inside = activeCalls_.load(); inside != 0; inside = activeCalls_.load()) activeCalls_.wait(inside);
  draining_.store(false, std::memory_order_seq_cst);
}

Host* Host::enterCall() {
  activeCalls_.fetch_add(1, std::memory_order_seq_cst);
  Host* host = current_.load(std::memory_order_seq_cst);
  if (!host) leaveCall();
  return host;
}

void Host::leaveCall() {
  if (activeCalls_.fetch_sub(1, std::memory_order_seq_cst) == 1 && draining_.load(std::memory_order_seq_cst))
    activeCalls_.notify_all();
}

std::vector<std::string> Host::liveHandles() const {
  std::vector<std::string> out;
  for (auto&& part : {kernel_->liveHandles(), resources_->liveHandles(), display_->liveHandles(), panels_->liveHandles(), media_->liveHandles()})
    out.insert(out.end(), part.begin(), part.end());
  return out;
}

void reportShimException(Host& host, const char* name, const char* what) {
  host.log().host(4, std::string(name) + ": internal error: " + what);
}

}  // namespace hostsim
