#include "hostsim/core/text.h"

#include <cstdint>

namespace hostsim {

namespace {
void appendUtf8(std::string& out, uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void appendUtf16(std::u16string& out, uint32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
  } else {
    c -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (c >> 10));
    out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
  }
}

// Decodes one code point at s[i]; returns false for a malformed sequence.
bool decodeUtf8(const std::string& s, size_t& i, uint32_t& c) {
  const auto b = [&](size_t k) { return static_cast<uint8_t>(s[k]); };
  uint8_t lead = b(i);
  int extra = 0;
  uint32_t min = 0;
  if (lead < 0x80) {
    c = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    c = lead & 0x1F, extra = 1, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    c = lead & 0x0F, extra = 2, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    c = lead & 0x07, extra = 3, min = 0x10000;
  } else {
    ++i;
    return false;
  }
  ++i;
  for (int k = 0; k < extra; ++k, ++i) {
    if (i >= s.size() || (b(i) & 0xC0) != 0x80) return false;
    c = (c << 6) | (b(i) & 0x3F);
  }
  return c >= min && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}
}  // namespace

std::string toUtf8(const char16_t* text) {
  std::string out;
  if (!text) return out;
  for (; *text; ++text) {
    uint32_t c = *text;
    if (c >= 0xD800 && c <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[1] - 0xDC00);
      ++text;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    appendUtf8(out, c);
  }
  return out;
}

std::string toUtf8(const std::u16string& text) { return toUtf8(text.c_str()); }

std::optional<std::u16string> fromUtf8(const std::string& utf8) {
  std::u16string out;
  for (size_t i = 0; i < utf8.size();) {
    uint32_t c = 0;
    if (!decodeUtf8(utf8, i, c)) return std::nullopt;
    appendUtf16(out, c);
  }
  return out;
}

std::u16string fromUtf8Lossy(const std::string& utf8) {
  std::u16string out;
  for (size_t i = 0; i < utf8.size();) {
    uint32_t c = 0;
    appendUtf16(out, decodeUtf8(utf8, i, c) ? c : 0xFFFD);
  }
  return out;
}

}  // namespace hostsim
