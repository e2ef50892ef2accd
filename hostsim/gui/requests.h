#pragma once
// The rule by which a request's flags choose its window and the host's own
// elements. The operator's requests use 0x1E, 0x10001E, 0x10000E, 0x41E and
// 0x14040; the bits below are what those have in common.
#include <cstdint>

namespace hostsim::request_flags {

/// The host adds its confirm (OK) element.
inline constexpr uint32_t kConfirm = 0x08;
/// The host adds its cancel element.
inline constexpr uint32_t kCancel = 0x10;
/// The request is the whole screen of the default monitor, with no title
/// bar; its frame always carries a confirm and a cancel element.
inline constexpr uint32_t kFullScreen = 0x40;
/// The confirm element starts disabled, so that the request cannot be
/// confirmed before the operator enables it (for a choice that must be made
/// first).
inline constexpr uint32_t kConfirmStartsDisabled = 0x400;

inline bool wantsConfirm(uint32_t flags) { return (flags & (kConfirm | kFullScreen)) != 0; }
inline bool wantsCancel(uint32_t flags) { return (flags & (kCancel | kFullScreen)) != 0; }

}  // namespace hostsim::request_flags

namespace hostsim::window_look {

/// Window frame border, title bar, inner margin and the host's buttons, in pixels.
inline constexpr int16_t kBorder = 2;
inline constexpr int16_t kTitleHeight = 20;
inline constexpr int16_t kPad = 6;
inline constexpr int16_t kButtonHeight = 20;
inline constexpr int16_t kButtonWidth = 72;

}  // namespace hostsim::window_look
