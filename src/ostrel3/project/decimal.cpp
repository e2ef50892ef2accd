// Hand-written instead of sscanf and atoi: those leave a value that does
// not fit undefined, and the files come from anywhere.
#include "ostrel3/project/decimal.h"

#include <limits>

namespace ostrel3 {

namespace {

// Plain character tests: the files are always read the same way, whatever
// the process's locale, and without a library call per character.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct Scanned {
  DecimalStatus status = DecimalStatus::kNoNumber;
  bool negative = false;
  uint64_t magnitude = 0;
};

// Reads white space, an optional sign and digits. The magnitude saturates
// just above the 32-bit range so that long digit runs cannot overflow.
Scanned scan(const char* text) {
  Scanned s;
  if (!text) return s;
  const char* p = text;
  while (isSpace(*p)) ++p;
  if (*p == '+' || *p == '-') s.negative = (*p++ == '-');
  if (!isDigit(*p)) return s;
  constexpr uint64_t kCeiling = uint64_t{1} << 33;
  for (; isDigit(*p); ++p) {
    s.magnitude = s.magnitude * 10 + static_cast<uint64_t>(*p - '0');
    if (s.magnitude > kCeiling) s.magnitude = kCeiling;
  }
  s.status = DecimalStatus::kNumber;
  return s;
}

Decimal<int32_t> toInt(const Scanned& s) {
  Decimal<int32_t> d;
  d.status = s.status;
  if (s.status != DecimalStatus::kNumber) return d;
  const int64_t limit = s.negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                   : int64_t{std::numeric_limits<int32_t>::max()};
  if (static_cast<int64_t>(s.magnitude) > limit) {
    d.status = DecimalStatus::kOutOfRange;
    return d;
  }
  const int64_t v = s.negative ? -static_cast<int64_t>(s.magnitude) : static_cast<int64_t>(s.magnitude);
  d.value = static_cast<int32_t>(v);
  return d;
}

}  // namespace

Decimal<int32_t> ScanInt(const char* text) { return toInt(scan(text)); }

Decimal<uint32_t> ScanUint(const char* text) {
  const Scanned s = scan(text);
  Decimal<uint32_t> d;
  d.status = s.status;
  if (s.status != DecimalStatus::kNumber) return d;
  if ((s.negative && s.magnitude != 0) || s.magnitude > std::numeric_limits<uint32_t>::max()) {
    d.status = DecimalStatus::kOutOfRange;
    return d;
  }
  d.value = static_cast<uint32_t>(s.magnitude);
  return d;
}

Decimal<int32_t> DecimalText(const char* text) {
  if (!text) return {};
  const char* p = text;
  while (isSpace(*p)) ++p;
  if (*p == '\0') return {};  // white space only: as good as no text
  Scanned s = scan(text);
  if (s.status == DecimalStatus::kNoNumber) s = Scanned{DecimalStatus::kNumber, false, 0};
  return toInt(s);
}

}  // namespace ostrel3
