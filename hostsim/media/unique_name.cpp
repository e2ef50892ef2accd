#include "hostsim/media/unique_name.h"

#include "hostsim/core/text.h"
#include "hostsim/media/wide_text.h"

namespace hostsim {

std::optional<std::u16string> uniqueName(std::u16string_view name, int32_t maxChars,
                                         const std::set<std::u16string, std::less<>>& taken) {
  if (maxChars < 1) return std::nullopt;
  const std::u16string_view base = cutText(name, static_cast<size_t>(maxChars));
  if (!taken.count(base)) return std::u16string(base);
  // Every taken name blocks at most one number, so one of the first
  // taken.size() + 1 numbers is free.
  for (size_t k = 2; k <= taken.size() + 2; ++k) {
    const std::u16string suffix = u" " + fromUtf8Lossy(std::to_string(k));
    if (suffix.size() >= static_cast<size_t>(maxChars)) break;
    std::u16string candidate(cutText(name, maxChars - suffix.size()));
    // A cut that ends in spaces would put a double space before the number.
    while (!candidate.empty() && candidate.back() == u' ') candidate.pop_back();
    candidate += suffix;
    if (!taken.count(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace hostsim
