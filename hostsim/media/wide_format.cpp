#include "hostsim/media/wide_format.h"

#include <algorithm>

#include "hostsim/core/text.h"
#include "hostsim/media/wide_text.h"

namespace hostsim {

namespace {

struct Conversion {
  bool left = false, zero = false, plus = false, space = false, alternate = false;
  int width = 0;
  int precision = -1;  ///< -1: not given
  int length = 0;      ///< -2 hh, -1 h, 0 none, 1 l, 2 ll
  char16_t conversion = 0;
};

void pad(std::u16string& out, int n, char16_t c) {
  if (n > 0) out.append(static_cast<size_t>(n), c);
}

void appendField(std::u16string& out, const Conversion& s, std::u16string_view body) {
  const int fill = s.width - static_cast<int>(body.size());
  if (!s.left) pad(out, fill, u' ');
  out += body;
  if (s.left) pad(out, fill, u' ');
}

std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::string digits(unsigned long long v, char16_t conversion) {
  const int base = conversion == u'o' ? 8 : (conversion == u'x' || conversion == u'X') ? 16 : 10;
  const char* set = conversion == u'X' ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string d;
  do {
    d.insert(d.begin(), set[v % base]);
    v /= base;
  } while (v);
  return d;
}

void appendInteger(std::u16string& out, const Conversion& s, bool negative, unsigned long long magnitude) {
  std::string body = digits(magnitude, s.conversion);
  if (s.precision == 0 && magnitude == 0) body.clear();
  if (s.precision > static_cast<int>(body.size())) body.insert(0, s.precision - body.size(), '0');
  std::string prefix;
  const bool isSigned = s.conversion == u'd' || s.conversion == u'i';
  if (negative) prefix = "-";
  else if (isSigned && s.plus) prefix = "+";
  else if (isSigned && s.space) prefix = " ";
  if (s.alternate && magnitude != 0 && (s.conversion == u'x' || s.conversion == u'X'))
    prefix += s.conversion == u'x' ? "0x" : "0X";
  // An alternate octal always starts with 0, also when no digit is left.
  if (s.alternate && s.conversion == u'o' && (body.empty() || body.front() != '0')) body = "0" + body;
  // Zeros go between the sign and the digits; a precision or left
  // alignment turns the 0 flag off, as in C.
  if (s.zero && !s.left && s.precision < 0) {
    const int fill = s.width - static_cast<int>(prefix.size() + body.size());
    if (fill > 0) body.insert(0, static_cast<size_t>(fill), '0');
  }
  appendField(out, s, ascii(prefix + body));
}

void appendSigned(std::u16string& out, const Conversion& s, va_list& args) {
  long long v = 0;
  switch (s.length) {
    case -2: v = static_cast<signed char>(va_arg(args, int)); break;
    case -1: v = static_cast<short>(va_arg(args, int)); break;
    case 1: v = va_arg(args, long); break;
    case 2: v = va_arg(args, long long); break;
    default: v = va_arg(args, int); break;
  }
  const unsigned long long magnitude = v < 0 ? 0ull - static_cast<unsigned long long>(v) : v;
  appendInteger(out, s, v < 0, magnitude);
}

void appendUnsigned(std::u16string& out, const Conversion& s, va_list& args) {
  unsigned long long v = 0;
  switch (s.length) {
    case -2: v = static_cast<unsigned char>(va_arg(args, unsigned)); break;
    case -1: v = static_cast<unsigned short>(va_arg(args, unsigned)); break;
    case 1: v = va_arg(args, unsigned long); break;
    case 2: v = va_arg(args, unsigned long long); break;
    default: v = va_arg(args, unsigned); break;
  }
  appendInteger(out, s, false, v);
}

void appendString(std::u16string& out, const Conversion& s, va_list& args) {
  std::u16string text;
  if (s.length < 0) {
    const char* narrow = va_arg(args, const char*);
    text = narrow ? fromUtf8Lossy(narrow) : u"(null)";
  } else {
    const char16_t* wide = va_arg(args, const char16_t*);
    text = wide ? wide : u"(null)";
  }
  std::u16string_view body = text;
  if (s.precision >= 0) body = cutText(body, static_cast<size_t>(s.precision));
  appendField(out, s, body);
}

// Reads flags, width, precision and length after a '%'; p ends on the conversion.
Conversion readConversion(const char16_t*& p, va_list& args) {
  Conversion s;
  for (;; ++p) {
    if (*p == u'-') s.left = true;
    else if (*p == u'0') s.zero = true;
    else if (*p == u'+') s.plus = true;
    else if (*p == u' ') s.space = true;
    else if (*p == u'#') s.alternate = true;
    else break;
  }
  const auto number = [&](int& target) {
    if (*p == u'*') {
      // Bounded so that a wild argument cannot ask for gigabytes of padding.
      target = std::clamp(va_arg(args, int), -(1 << 20), 1 << 20);
      ++p;
      return;
    }
    target = 0;
    for (; *p >= u'0' && *p <= u'9'; ++p) target = std::min(target * 10 + (*p - u'0'), 1 << 20);
  };
  number(s.width);
  if (s.width < 0) s.left = true, s.width = -s.width;
  if (*p == u'.') {
    ++p;
    number(s.precision);
    if (s.precision < 0) s.precision = -1;
  }
  for (; *p == u'h'; ++p) --s.length;
  for (; *p == u'l'; ++p) ++s.length;
  s.length = std::clamp(s.length, -2, 2);
  s.conversion = *p;
  return s;
}

}  // namespace

std::optional<std::u16string> formatWide(const char16_t* format, va_list args) {
  if (!format) return std::nullopt;
  std::u16string out;
  va_list ap;
  va_copy(ap, args);
  const char16_t* p = format;
  bool ok = true;
  for (; ok && *p; ++p) {
    if (*p != u'%') {
      out += *p;
      continue;
    }
    ++p;
    const Conversion s = readConversion(p, ap);
    switch (s.conversion) {
      case u'%': out += u'%'; break;
      case u'd': case u'i': appendSigned(out, s, ap); break;
      case u'u': case u'x': case u'X': case u'o': appendUnsigned(out, s, ap); break;
      case u'c': appendField(out, s, std::u16string(1, static_cast<char16_t>(va_arg(ap, int)))); break;
      case u's': appendString(out, s, ap); break;
      default: ok = false; break;
    }
  }
  va_end(ap);
  if (!ok) return std::nullopt;
  return out;
}

int32_t formatWideInto(char16_t* buffer, size_t count, const char16_t* format, va_list args) {
  if (!buffer || count == 0) return -1;
  std::optional<std::u16string> text = formatWide(format, args);
  if (!text) {
    buffer[0] = 0;
    return -1;
  }
  const std::u16string_view fitted = cutText(*text, count - 1);
  std::copy(fitted.begin(), fitted.end(), buffer);
  buffer[fitted.size()] = 0;
  return fitted.size() == text->size() ? static_cast<int32_t>(fitted.size()) : -1;
}

}  // namespace hostsim
