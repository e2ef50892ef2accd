#pragma once
// 16-bit pixel arithmetic of the toolkit. Sums are formed in 32 bits and
// held at the 16-bit limits when stored, so a huge tree saturates instead of
// wrapping round to a negative size.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace guilayout {

inline int16_t to16(int32_t value) {
  return static_cast<int16_t>(std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(),
                                                  std::numeric_limits<int16_t>::max()));
}

/// Rounded down to an even number (towards minus infinity).
inline int16_t evenDown(int32_t value) { return to16(value & ~int32_t{1}); }

/// Raised to low, then lowered to high (high wins when they cross).
inline int16_t raiseThenLower(int32_t value, int32_t low, int32_t high) {
  return to16(std::min(std::max(value, low), high));
}

}  // namespace guilayout
