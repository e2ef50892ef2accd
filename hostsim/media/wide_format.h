#pragma once
// printf for the host's 16-bit texts (snxprintf). The format is a 16-bit
// text; conversions: %d %i %u %x %X %o %c %s (16-bit text) %hs (narrow
// UTF-8 text) %%, the length modifiers h, hh, l, ll, the flags - 0 + space
// #, and widths and precisions given as numbers or *.
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace hostsim {

/// The formatted text; nullopt for a conversion it does not know (the
/// arguments cannot be read past it).
std::optional<std::u16string> formatWide(const char16_t* format, va_list args);

/// snxprintf: formats into a buffer of `count` characters, always
/// terminated. Characters written, or -1 when the text was cut (the buffer
/// holds what fitted, never half a surrogate pair) or the format is bad.
int32_t formatWideInto(char16_t* buffer, size_t count, const char16_t* format, va_list args);

}  // namespace hostsim
