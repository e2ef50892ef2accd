#pragma once
// The operator's own error: a refused host resource at construction. It is
// not derived from std::exception so that the run's handlers can tell it
// apart from everything else.
#include <cstring>

namespace ostrel3 {

class CMC_Error {
 public:
  /// Keeps at most 63 characters of text, always terminated.
  explicit CMC_Error(const char* text) noexcept {
    std::strncpy(message_, text ? text : "", sizeof message_ - 1);
    message_[sizeof message_ - 1] = '\0';
  }
  const char* message() const noexcept { return message_; }

 private:
  char message_[64];
};

}  // namespace ostrel3
