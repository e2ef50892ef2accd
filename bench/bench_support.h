#pragma once
// What every benchmark of the operator needs: a stand-in host of its own in
// a temporary home, and processor-time measurement that two paired
// measurements can share on a busy machine.
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "hostsim/core/config.h"

namespace ostrel3_bench {

/// A fresh home directory (VTHOME points at it) removed when this goes.
class BenchHome {
 public:
  BenchHome() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("ostrel3-bench-" + std::to_string(rd()));
    std::filesystem::create_directories(path_);
    ::setenv("VTHOME", path_.c_str(), 1);
  }
  ~BenchHome() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  BenchHome(const BenchHome&) = delete;
  BenchHome& operator=(const BenchHome&) = delete;

  const std::filesystem::path& path() const { return path_; }

  /// A host in this home with the source tree's resources and no call
  /// trace: the benchmarks measure the operator, not the host's records.
  hostsim::HostConfig hostConfig() const {
    hostsim::HostConfig config;
    config.home = path_;
    config.resourceDir = std::filesystem::path(__FILE__).parent_path().parent_path() / "resources";
    config.trace = false;
    return config;
  }

 private:
  std::filesystem::path path_;
};

/// Processor time of the calling thread, in seconds.
inline double threadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

inline double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
  return v[v.size() / 2];
}

}  // namespace ostrel3_bench
