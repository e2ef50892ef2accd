#pragma once
// Reading the decimal numbers of the operator's files. A value that does not
// fit is reported as no number at all, never wrapped or left to undefined
// conversions, so that the reader's defaults apply. Needs no host.
#include <cstdint>
#include <optional>

namespace ostrel3 {

/// Outcome of reading one number.
enum class DecimalStatus { kNumber, kNoNumber, kOutOfRange };

/// A number and how reading it went.
template <typename T>
struct Decimal {
  DecimalStatus status = DecimalStatus::kNoNumber;
  T value = 0;
  bool ok() const { return status == DecimalStatus::kNumber; }
};

/// Attribute rule: optional white space, sign and digits at the start
/// (trailing text is ignored); no digits is no number.
Decimal<int32_t> ScanInt(const char* text);

/// Attribute rule for unsigned values: like ScanInt, a negative value does
/// not fit.
Decimal<uint32_t> ScanUint(const char* text);

/// Element rule: like ScanInt, but text without leading digits counts as 0.
/// A null or blank text is no number (an element without text counts as absent).
Decimal<int32_t> DecimalText(const char* text);

}  // namespace ostrel3
