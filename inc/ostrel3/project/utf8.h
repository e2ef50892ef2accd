#pragma once
// Conversion between the operator's 16-bit texts and the UTF-8 of its files.
// Needs no host.
#include <string>
#include <string_view>

namespace ostrel3 {

/// UTF-8 form of a 16-bit text; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);

/// 16-bit form of a UTF-8 text; every malformed sequence becomes U+FFFD.
std::u16string FromUtf8(std::string_view utf8);

}  // namespace ostrel3
