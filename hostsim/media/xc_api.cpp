// The host's 16-bit string functions, UTF-8 conversions and unique ids.
#include <cstdarg>

#include "host/xc.h"
#include "hostsim/core/shim.h"
#include "hostsim/core/text.h"
#include "hostsim/media/media.h"
#include "hostsim/media/wide_format.h"
#include "hostsim/media/wide_text.h"

using hostsim::Host;
using hostsim::hostCall;

extern "C" {

size_t xcslen(const XCHAR* text) {
  return hostCall("xcslen", size_t(0), [&](Host&) { return text ? std::char_traits<char16_t>::length(text) : 0; },
                  text);
}

XCHAR* xcscpy(XCHAR* destination, const XCHAR* source) {
  return hostCall(
      "xcscpy", static_cast<XCHAR*>(nullptr),
      [&](Host&) -> XCHAR* {
        if (!destination || !source) return nullptr;
        XCHAR* d = destination;
        while ((*d++ = *source++) != 0) {}
        return destination;
      },
      hostsim::out(destination), source);
}

XCHAR* xcsncpy(XCHAR* destination, const XCHAR* source, size_t count) {
  return hostCall(
      "xcsncpy", static_cast<XCHAR*>(nullptr),
      [&](Host&) -> XCHAR* {
        if (!destination || !source) return nullptr;
        size_t i = 0;
        for (; i < count && source[i]; ++i) destination[i] = source[i];
        for (; i < count; ++i) destination[i] = 0;
        return destination;
      },
      hostsim::out(destination), source, count);
}

XCHAR* xcscat(XCHAR* destination, const XCHAR* source) {
  return hostCall(
      "xcscat", static_cast<XCHAR*>(nullptr),
      [&](Host&) -> XCHAR* {
        if (!destination || !source) return nullptr;
        XCHAR* d = destination + std::char_traits<char16_t>::length(destination);
        while ((*d++ = *source++) != 0) {}
        return destination;
      },
      destination, source);
}

int32_t xcscmp(const XCHAR* a, const XCHAR* b) {
  return hostCall(
      "xcscmp", int32_t(-1),
      [&](Host&) -> int32_t {
        if (!a || !b) return a == b ? 0 : (a ? 1 : -1);
        return hostsim::compareWide(a, b);
      },
      a, b);
}

int32_t snxprintf(XCHAR* buffer, size_t count, const XCHAR* format, ...) {
  va_list args;
  va_start(args, format);
  const int32_t written = hostCall(
      "snxprintf", int32_t(-1), [&](Host&) { return hostsim::formatWideInto(buffer, count, format, args); }, buffer,
      count, format);
  va_end(args);
  return written;
}

int32_t mstlGetUTF8toXCHARlen(const char* utf8) {
  return hostCall(
      "mstlGetUTF8toXCHARlen", int32_t(-1),
      [&](Host&) -> int32_t {
        if (!utf8) return -1;
        std::optional<std::u16string> text = hostsim::fromUtf8(utf8);
        return text ? static_cast<int32_t>(text->size()) : -1;
      },
      utf8);
}

int32_t mstlUTF8toXCHAR(XCHAR* destination, const char* utf8, int32_t capacity) {
  return hostCall("mstlUTF8toXCHAR", int32_t(-1),
                  [&](Host&) { return hostsim::utf8ToWide(destination, utf8, capacity); }, destination, utf8,
                  capacity);
}

int32_t mstlGetXCHARtoUTF8len(const XCHAR* text) {
  return hostCall(
      "mstlGetXCHARtoUTF8len", int32_t(-1),
      [&](Host&) -> int32_t { return text ? static_cast<int32_t>(hostsim::toUtf8(text).size()) : -1; }, text);
}

int32_t mstlXCHARtoUTF8(char* destination, const XCHAR* text, int32_t capacity) {
  return hostCall("mstlXCHARtoUTF8", int32_t(-1),
                  [&](Host&) { return hostsim::wideToUtf8(destination, text, capacity); }, destination, text,
                  capacity);
}

uint32_t mstlGetUniqueID(void) {
  return hostCall("mstlGetUniqueID", uint32_t(0), [](Host& h) { return h.media().ids().next(); });
}

}
