#pragma once
// Conversions between the host's 16-bit texts and UTF-8.
#include <optional>
#include <string>

namespace hostsim {

/// A copy of a host text; null gives an empty text.
inline std::u16string copyText(const char16_t* text) { return text ? std::u16string(text) : std::u16string(); }

/// UTF-8 of a 16-bit text (surrogate pairs joined; a lone surrogate becomes U+FFFD).
std::string toUtf8(const char16_t* text);
std::string toUtf8(const std::u16string& text);
/// 16-bit text of UTF-8; nullopt for malformed input.
std::optional<std::u16string> fromUtf8(const std::string& utf8);
/// 16-bit text of UTF-8, malformed sequences replaced by U+FFFD.
std::u16string fromUtf8Lossy(const std::string& utf8);

}  // namespace hostsim
