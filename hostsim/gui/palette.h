#pragma once
// The stand-in GUI's colours: a dark editing-suite look. Tables hold RGB
// (0xRRGGBB); the host hands them out as YUV (see yuvToArgb in screen.h).
//
// Classic table (vgGetGuiColorYUV): saturated hues for camera colours and
// markers; indices 15, 14, 12, 13, 7, 6, 5, 9 are eight clearly different
// camera colours (red, orange, yellow, green, cyan, blue, violet, magenta).
// Current table (vgGetNewGuiColorYUV): the surfaces and texts of the GUI,
// plus the text colours 1000..1003.
// Background table (vgFillBackground, vgDrawBoxNew fills): 1 screen,
// 2 panel, 3 gadget face, 4 sunken field, 5 box face, 6 selection.
#include <cstdint>
#include <optional>

namespace hostsim::palette {

inline constexpr int32_t kTableSize = 32;

/// Classic GUI colour; an index outside the table gives neutral grey.
uint32_t classicRgb(int32_t index);
/// Current GUI colour; an index outside the table gives neutral grey.
uint32_t currentRgb(int32_t index);
/// Background colour by index; nullopt for an index the GUI does not have.
std::optional<uint32_t> backgroundRgb(int32_t index);

/// Colours the display itself paints with.
inline constexpr int32_t kScreenBackground = 1;
inline constexpr int32_t kPanelBackground = 2;
inline constexpr uint32_t kTextRgb = 0xE6E8EC;
inline constexpr uint32_t kFrameLightRgb = 0x6A707C;
inline constexpr uint32_t kFrameDarkRgb = 0x111316;
inline constexpr uint32_t kFrameFlatRgb = 0x4A4F58;
inline constexpr uint32_t kNeutralRgb = 0x808080;

}  // namespace hostsim::palette
