#pragma once
// The stand-in GUI's font and layout metrics. They are fixed numbers so that
// layouts come out the same on every machine: a monospaced font of 8 pixels
// a character and 16 pixels high, one pixel per layout unit.
#include <cstdint>
#include <string>

namespace hostsim::metrics {

inline constexpr int16_t kCharWidth = 8;
inline constexpr int16_t kFontHeight = 16;
inline constexpr int16_t kAddHeight = 4;

inline int16_t convertWidth(int16_t units) { return units; }
inline int16_t convertHeight(int16_t units) { return units; }
/// A gadget of 32 units (one layout cell) is 48 pixels wide.
inline int16_t convertGadgetWidth(int16_t units) { return static_cast<int16_t>(units * 3 / 2); }
/// Width of a text; every 16-bit character counts alike.
int16_t textLength(const char16_t* text);
/// "HH:MM:SS:FF" of a frame number at a frame rate.
std::u16string framesTime(int32_t frames, int32_t framesPerSecond);

}  // namespace hostsim::metrics
