#pragma once
// The rules of multi-camera playback that need no host: which frames the
// cameras play, the layout record the render library gets (flags, picture
// places, the output preview), which panel elements refuse their action
// while playback runs, and how a reported position becomes a frame.
#include <array>
#include <cstdint>
#include <vector>

#include "host/cm.h"
#include "host/host_types.h"

namespace ostrel3 {

/// Cameras the host's player can play side by side (cameras 7 and 8 never play).
inline constexpr int kPlayedCameras = 6;

/// Frames every camera plays, both inclusive.
struct PlaybackSpan {
  int32_t first = 0;
  int32_t last = 0;
  bool operator==(const PlaybackSpan&) const = default;
};

/// The first frame played and the first frame of the output list: `first`
/// when it is a frame (0 included), otherwise `resumePos`. The two must
/// agree, or the edit's picture misses the frames before the list's start.
int32_t PlaybackStartOf(int32_t resumePos, int32_t first);

/// What the cameras play: from PlaybackStartOf on to the timeline's last
/// frame, or to `last` when it is not -1 and comes earlier.
PlaybackSpan PlaybackSpanOf(int32_t resumePos, int32_t first, int32_t last, int32_t timelineLast);

/// The smallest (length - 1) of the given trimmed lengths; the largest
/// frame when there is none. Negative lengths (unknown) are left out.
int32_t SmallestLastFrame(const std::vector<int32_t>& trimmedLengths);

/// The frame a position message reports (in fields, two a frame), kept
/// within 0 .. lastFrame: a position at the very end of the project must
/// not put the cursor past its last frame.
int32_t FrameOfPlayedFields(int64_t fields, int32_t lastFrame);

/// Where the render library shows the edit's picture while playback runs.
enum class OutputPreview { None, InPanel, OnOutputMonitor };

/// Bit i set: camera i has a clip.
using CameraClipMask = uint32_t;

/// The layout's flag word: the cameras that play (a camera counts only
/// among the first `sceneCount`, camera 1 always), the default-monitor bit,
/// the bit that is always set, and the preview's place.
uint32_t MultiCamFlags(CameraClipMask withClip, int32_t sceneCount, bool defaultMonitorIsFirst, OutputPreview preview);

/// What the layout record is made of.
struct MultiCamPlaces {
  uint32_t flags = 0;
  int16_t pictureWidth = 0, pictureHeight = 0;
  /// Left and top of cameras 1 to 6 on the screen.
  std::array<std::array<int16_t, 2>, kPlayedCameras> origins{};
  VG_RECT preview{};  ///< on its screen; only with a preview
  const CM_OUTPUT_PAIR* outputList = nullptr;
};

/// The record handed to cmSetMultiCam; every byte not named is 0.
CM_MULTICAM MakeMultiCamLayout(const MultiCamPlaces& places);

/// Element slots of the main panel that refuse their action (beep) while a
/// playback runs: the buttons of cameras in use without a clip, then the
/// fixed list of editing, navigation and leaving elements.
std::vector<int> PlaybackMarkedSlots(CameraClipMask withClip, int32_t sceneCount);

}  // namespace ostrel3
