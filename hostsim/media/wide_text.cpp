#include "hostsim/media/wide_text.h"

#include <algorithm>
#include <optional>

#include "hostsim/core/text.h"

namespace hostsim {

std::u16string_view cutText(std::u16string_view text, size_t max) {
  if (text.size() <= max) return text;
  size_t n = max;
  if (n > 0 && isHighSurrogate(text[n - 1]) && isLowSurrogate(text[n])) --n;
  return text.substr(0, n);
}

std::string_view cutUtf8(std::string_view text, size_t max) {
  if (text.size() <= max) return text;
  size_t n = max;
  // Step back over continuation bytes to the start of the cut character.
  while (n > 0 && (static_cast<uint8_t>(text[n]) & 0xC0) == 0x80) --n;
  return text.substr(0, n);
}

int32_t compareWide(const char16_t* a, const char16_t* b) {
  for (;; ++a, ++b) {
    if (*a != *b) return *a < *b ? -1 : 1;
    if (*a == 0) return 0;
  }
}

int32_t utf8ToWide(char16_t* destination, const char* utf8, int32_t capacity) {
  if (!destination || !utf8 || capacity < 1) return -1;
  std::optional<std::u16string> text = fromUtf8(utf8);
  if (!text) return -1;
  const std::u16string_view cut = cutText(*text, static_cast<size_t>(capacity - 1));
  std::copy(cut.begin(), cut.end(), destination);
  destination[cut.size()] = 0;
  return static_cast<int32_t>(cut.size());
}

int32_t wideToUtf8(char* destination, const char16_t* text, int32_t capacity) {
  if (!destination || !text || capacity < 1) return -1;
  const std::string utf8 = toUtf8(text);
  const std::string_view cut = cutUtf8(utf8, static_cast<size_t>(capacity - 1));
  std::copy(cut.begin(), cut.end(), destination);
  destination[cut.size()] = 0;
  return static_cast<int32_t>(cut.size());
}

}  // namespace hostsim
