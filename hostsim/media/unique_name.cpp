#include "hostsim/media/unique_name.h"

#include "hostsim/core/text.h"
#include "hostsim/media/wide_text.h"

namespace hostsim {

std::optional<std::u16string> uniqueName(std::u16string_view name, int32_t maxChars, const NameTaken& taken,
                                         size_t inUse, size_t firstNumber, size_t* numberUsed) {
  if (numberUsed) *numberUsed = 0;
  if (maxChars < 1) return std::nullopt;
  const std::u16string_view base = cutText(name, static_cast<size_t>(maxChars));
  if (!taken(base)) return std::u16string(base);
  const size_t first = std::max<size_t>(firstNumber, 2);
  for (size_t k = first; k <= first + inUse; ++k) {
    const std::u16string suffix = u" " + fromUtf8Lossy(std::to_string(k));
    if (suffix.size() >= static_cast<size_t>(maxChars)) break;
    std::u16string candidate(cutText(name, maxChars - suffix.size()));
    // A cut that ends in spaces would put a double space before the number.
    while (!candidate.empty() && candidate.back() == u' ') candidate.pop_back();
    candidate += suffix;
    if (!taken(candidate)) {
      if (numberUsed) *numberUsed = k;
      return candidate;
    }
  }
  return std::nullopt;
}

size_t NameNumbers::firstFor(std::u16string_view name, int32_t maxChars) const {
  std::lock_guard lock(mutex_);
  auto it = last_.find({std::u16string(name), maxChars});
  return it == last_.end() ? 2 : it->second;
}

void NameNumbers::gave(std::u16string_view name, int32_t maxChars, size_t number) {
  if (number == 0) return;
  std::lock_guard lock(mutex_);
  last_.insert_or_assign({std::u16string(name), maxChars}, number);
}

}  // namespace hostsim
