#pragma once
// Names that no clip of the host has yet (mainMakeUniqueName).
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace hostsim {

/// Answers whether a clip already has the name.
using NameTaken = std::function<bool(std::u16string_view)>;

/// `name` cut to maxChars characters, or, when that is taken, with a number
/// appended (" 2", " 3" ..., the name cut to leave room, without blanks
/// before the number), trying numbers from `firstNumber` on. `inUse` bounds
/// the names taken: each blocks at most one number, so one of the next
/// inUse + 1 numbers is free. Nullopt when no free name fits in maxChars.
/// `numberUsed` receives the number appended, 0 when none was.
std::optional<std::u16string> uniqueName(std::u16string_view name, int32_t maxChars, const NameTaken& taken,
                                         size_t inUse, size_t firstNumber = 2, size_t* numberUsed = nullptr);

/// The last number appended to each name (at each length limit), so that the
/// k-th copy named alike starts its search where the one before it ended
/// instead of at " 2". The search starts at that number itself: asked twice
/// without the name being used in between, the host answers alike.
class NameNumbers {
 public:
  /// The number to try first for this name cut to maxChars.
  size_t firstFor(std::u16string_view name, int32_t maxChars) const;
  void gave(std::u16string_view name, int32_t maxChars, size_t number);

 private:
  mutable std::mutex mutex_;
  std::map<std::pair<std::u16string, int32_t>, size_t> last_;
};

}  // namespace hostsim
