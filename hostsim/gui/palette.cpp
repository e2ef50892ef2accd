#include "hostsim/gui/palette.h"

#include <array>

namespace hostsim::palette {

namespace {

// Hues stay apart in both brightness and hue so that camera colours can be
// told apart in a narrow timeline strip.
constexpr std::array<uint32_t, kTableSize> kClassic = {
    0x000000,  // 0 black
    0xFFFFFF,  // 1 white
    0x404040,  // 2 dark grey
    0x808080,  // 3 grey
    0xC0C0C0,  // 4 light grey
    0x9B6BEA,  // 5 violet
    0x4A7BF0,  // 6 blue
    0x2EC4D6,  // 7 cyan
    0x8B5A2B,  // 8 brown
    0xE05AB8,  // 9 magenta
    0x8B1E22,  // 10 dark red
    0x1E7F74,  // 11 teal
    0xF2E85A,  // 12 yellow
    0x46C36F,  // 13 green
    0xF59B1E,  // 14 orange
    0xE03C3C,  // 15 red
    0x1F3A7A,  // 16 navy
    0x7A7A1F,  // 17 olive
    0xF4A6C0,  // 18 pink
    0x8CC8F0,  // 19 sky
    0xA6E05A,  // 20 lime
    0xC9A227,  // 21 gold
    0x5A1A2E,  // 22 wine
    0x3D2A6B,  // 23 deep purple
    0x1A1A1A,  // 24..31 grey ramp
    0x2E2E2E, 0x4D4D4D, 0x666666, 0x999999, 0xB3B3B3, 0xD9D9D9, 0xF0F0F0,
};

// Surfaces get darker towards the screen's edge; bars and borders are the
// light values so that they read on every surface.
constexpr std::array<uint32_t, kTableSize> kCurrent = {
    0x000000,  // 0 black
    0xFFFFFF,  // 1 white
    0x25282D,  // 2 ruler and strip background
    0x2B2E34,  // 3 panel
    0x1C1E22,  // 4 empty part of a sound strip
    0x30343B,  // 5 ruler background of the dark look, strip while positioning
    0x3A3E46,  // 6 gadget face
    0x5A6478,  // 7 timeline segment, sound bar
    0xC8CDD6,  // 8 segment border, highlighted range, bar while positioning
    0xE6E8EC,  // 9 text
    0x9AA0AA,  // 10 dimmed text
    0x4C8DFF,  // 11 accent
    0x2F5FA8,  // 12 selection
    0xF0A030,  // 13 warning
    0xE04848,  // 14 error
    0x4CC864,  // 15 confirmation
    0x6A707C,  // 16 frame light
    0x111316,  // 17 frame dark
    0x7FB2FF,  // 18 focus
    0x101114,  // 19 a picture that has no picture
    0x202226,  // 20 sunken field
    0x33363D,  // 21 box face
    0x484D57,  // 22 pressed gadget
    0x8A93A3,  // 23 disabled gadget text
    0x1A1C20,  // 24 screen
    0x3C5A80,  // 25 hover
    0x2A3A2E,  // 26 positive tint
    0x3A2A2A,  // 27 negative tint
    0x50565F,  // 28 separator
    0xB0B6C0,  // 29 secondary text
    0x6D5A2E,  // 30 marker shadow
    0xF2F4F7,  // 31 bright text
};

constexpr uint32_t kTextColours[] = {
    0xE6E8EC,  // 1000 text
    0x8A93A3,  // 1001 disabled text
    0xF2F4F7,  // 1002 text on coloured surfaces (clip names)
    0xFFFFFF,  // 1003 selected text
};

constexpr uint32_t kBackgrounds[] = {
    0x1A1C20,  // 1 screen
    0x25282D,  // 2 panel: the colour panels are painted with
    0x3A3E46,  // 3 gadget face
    0x202226,  // 4 sunken field
    0x33363D,  // 5 box face
    0x3C5A80,  // 6 selection
};

}  // namespace

uint32_t classicRgb(int32_t index) {
  if (index < 0 || index >= kTableSize) return kNeutralRgb;
  return kClassic[static_cast<size_t>(index)];
}

uint32_t currentRgb(int32_t index) {
  if (index >= 0 && index < kTableSize) return kCurrent[static_cast<size_t>(index)];
  if (index >= 1000 && index < 1000 + static_cast<int32_t>(std::size(kTextColours)))
    return kTextColours[index - 1000];
  return kNeutralRgb;
}

std::optional<uint32_t> backgroundRgb(int32_t index) {
  if (index < 1 || index > static_cast<int32_t>(std::size(kBackgrounds))) return std::nullopt;
  return kBackgrounds[index - 1];
}

}  // namespace hostsim::palette
