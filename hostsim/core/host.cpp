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

Host::Host(HostConfig config)
    : config_(std::move(config)),
      calls_(config_.trace),
      user_(std::make_unique<User>()),
      kernel_(std::make_unique<Kernel>(*this)),
      resources_(std::make_unique<Resources>(*this)),
      display_(std::make_unique<Display>(*this)),
      panels_(std::make_unique<Panels>(*this)),
      media_(std::make_unique<Media>(*this)) {
  Host* expected = nullptr;
  if (!current_.compare_exchange_strong(expected, this))
    throw std::logic_error("a stand-in host is already installed");
}

Host::~Host() {
  // Tasks may still call in: stop them while everything they reach exists.
  kernel_->shutdown();
  current_.store(nullptr, std::memory_order_release);
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
