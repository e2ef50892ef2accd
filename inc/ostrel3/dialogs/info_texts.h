#pragma once
// The texts of the information dialog and of the panel's title line, built
// without the host: numbers, cut counts and the private characters of the
// host font that frame the numbers.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ostrel3/project/cut_list.h"

namespace ostrel3 {

/// The host font's private characters: a thin mark around a number, and a
/// dash that stands for a missing clip.
inline constexpr char16_t kNumberMark = 0xE004;
inline constexpr char16_t kNoClipMark = 0xE05D;

/// Cameras the information dialog lists.
inline constexpr int kInfoCameras = 6;
/// Longest title line and camera line of the dialog, in characters.
inline constexpr size_t kInfoTitleChars = 255;
inline constexpr size_t kInfoCameraLineChars = 39;

/// Decimal text of a number; `width` pads it on the left with blanks.
std::u16string DecimalText(int32_t value, size_t width = 0);

/// Cut-list entries that choose `camera`.
int32_t CutsToCamera(const CutList& cuts, int32_t camera);
/// Cut-list entries that choose a camera other than camera 1.
int32_t CutsAwayFromFirstCamera(const CutList& cuts);

/// "Editor - v1.1": the editor's name and version, cut to kInfoTitleChars.
std::u16string InfoTitleLine(std::u16string_view editorName, std::string_view version);
/// " 1:" and the number mark for project slot 0, then the project's name.
std::u16string InfoProjectText(int32_t slot, std::u16string_view name);
/// The camera's index between two number marks (camera 1 reads " 0:"), then
/// its clip's name or, without a clip, three dashes; cut to kInfoCameraLineChars.
std::u16string InfoCameraLine(int32_t camera, std::optional<std::u16string_view> clipName);

/// The panel's title line: the slot's number between two marks (slot 9, whose
/// "10:" needs the room, without the leading one), then the project's name.
std::u16string ProjectTitleText(int32_t slot, std::u16string_view name);

}  // namespace ostrel3
