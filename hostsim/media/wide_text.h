#pragma once
// Helpers for the host's 16-bit texts: cutting without splitting a
// surrogate pair, and the bounded UTF-8 conversions of the mstl functions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace hostsim {

inline bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
inline bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

/// `text` cut to at most `max` characters; a surrogate pair that would be
/// split is left out whole.
std::u16string_view cutText(std::u16string_view text, size_t max);
/// `text` cut to at most `max` bytes at a character boundary.
std::string_view cutUtf8(std::string_view text, size_t max);

/// Compares two texts as unsigned 16-bit values: -1, 0 or 1.
int32_t compareWide(const char16_t* a, const char16_t* b);

/// UTF-8 into at most capacity - 1 characters plus terminator, cut at a
/// whole character. Characters written, -1 for malformed UTF-8 or no room
/// for the terminator.
int32_t utf8ToWide(char16_t* destination, const char* utf8, int32_t capacity);
/// A 16-bit text into at most capacity - 1 bytes plus terminator, cut at a
/// whole character; a lone surrogate becomes U+FFFD. Bytes written, -1 when
/// there is no room for the terminator.
int32_t wideToUtf8(char* destination, const char16_t* text, int32_t capacity);

}  // namespace hostsim
