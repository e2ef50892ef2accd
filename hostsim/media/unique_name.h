#pragma once
// Names that no clip of the host has yet (mainMakeUniqueName).
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace hostsim {

/// `name` cut to maxChars characters, or, when that is taken, with " 2",
/// " 3" ... appended (the name cut to leave room, without blanks before the
/// number). Nullopt when no free name fits in maxChars.
std::optional<std::u16string> uniqueName(std::u16string_view name, int32_t maxChars,
                                         const std::set<std::u16string, std::less<>>& taken);

}  // namespace hostsim
