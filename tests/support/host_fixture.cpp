#include "support/host_fixture.h"

#include <cstdlib>
#include <random>
#include <string>

namespace ostrel3_test {

std::filesystem::path resourceDir() {
  const char* dir = std::getenv("OSTREL3_RESOURCE_DIR");
  return dir ? dir : "";
}

void HostTest::SetUp() {
  std::random_device rd;
  home_ = std::filesystem::temp_directory_path() / ("ostrel3-test-" + std::to_string(rd()) + std::to_string(rd()));
  std::filesystem::create_directories(home_);
  ::setenv("VTHOME", home_.c_str(), 1);
  host_ = std::make_unique<hostsim::Host>(makeConfig());
}

void HostTest::TearDown() {
  if (host_ && checkHandles_) {
    auto live = host_->liveHandles();
    EXPECT_TRUE(live.empty()) << "still alive: " << ::testing::PrintToString(live);
  }
  host_.reset();
  std::error_code ec;
  std::filesystem::remove_all(home_, ec);
}

hostsim::HostConfig HostTest::makeConfig() {
  hostsim::HostConfig c;
  c.home = home_;
  c.resourceDir = resourceDir();
  return c;
}

size_t HostTest::logCount(int32_t level) const { return host_->log().callerLines(level).size(); }

void HostTest::resetHost() { host_.reset(); }

}  // namespace ostrel3_test
