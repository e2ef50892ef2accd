#pragma once
// Standard Base64 (the RFC 4648 alphabet with "=" padding, no line breaks):
// how an operator's settings bytes are stored in a project file.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel3 {

/// The bytes as Base64 text, padded to whole groups of four characters.
std::string EncodeBase64(std::span<const uint8_t> bytes);

/// The bytes a Base64 text stands for; nullopt when the text is not
/// Base64 (a foreign character, a length that is not a multiple of four,
/// or padding anywhere but at the end). The bits a padded group leaves
/// unused are ignored, as other writers may not have cleared them.
std::optional<std::vector<uint8_t>> DecodeBase64(std::string_view text);

}  // namespace ostrel3
