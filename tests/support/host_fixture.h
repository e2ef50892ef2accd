#pragma once
// A fresh stand-in host for every test, with its own home directory. At the
// end of each test no host handle the code under test acquired may be alive.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "hostsim/core/host.h"

namespace ostrel3_test {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  /// The setup of the host; tests override it to change monitors, clips ...
  virtual hostsim::HostConfig makeConfig();

  hostsim::Host& host() { return *host_; }
  const std::filesystem::path& home() const { return home_; }
  /// Log lines the code under test wrote with a level.
  size_t logCount(int32_t level) const;
  /// Destroys the host early (for tests of what happens at its end).
  void resetHost();

  /// When false, TearDown does not insist that every handle was released.
  bool checkHandles_ = true;

 private:
  std::filesystem::path home_;
  std::unique_ptr<hostsim::Host> host_;
};

/// The source tree's resources folder.
std::filesystem::path resourceDir();

}  // namespace ostrel3_test
