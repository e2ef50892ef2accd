#pragma once
// The arithmetic of the synchronisation dialog that needs no host: where
// the dialog sits, how the picture size shrinks until the columns fit, the
// frames a preview plays, a jog step inside the slider's range, and how far
// the scrub player has played.
#include <cstdint>

#include "host/host_types.h"

namespace ostrel3 {

/// The dialog's rectangle inside the visible area (x0, y0, x1, y1 inclusive)
/// of a screen of screenWidth x screenHeight: an area as wide (high) as the
/// screen loses 2 x marginX (2 x marginY); centred, left and top even.
VG_RECT SyncDialogRect(int16_t x0, int16_t y0, int16_t x1, int16_t y1, int16_t screenWidth, int16_t screenHeight,
                       int16_t marginX, int16_t marginY);

/// A picture size, and the next smaller one to try keeping the video's shape.
struct PictureSize {
  int16_t width = 0;
  int16_t height = 0;
};
/// Smallest picture width the dialog shows.
inline constexpr int16_t kMinPictureWidth = 64;
/// The next candidate after `size` for a video of videoWidth x videoHeight:
/// 4 pixels narrower, even, the height following the video's shape.
PictureSize NextSmallerPicture(PictureSize size, int16_t videoWidth, int16_t videoHeight);

/// Frames first..last of a clip a preview plays.
struct PlayRange {
  int32_t first = 0;
  int32_t last = 0;
};
/// Around `frame` (3 seconds each side) or, with toEnds, from there on to
/// the clip's last frame; always inside 0 .. length - 1.
PlayRange PreviewRange(int32_t frame, int32_t length, int32_t framesPerSecond, bool toEnds);

/// A frame moved by `step`, held within minimum .. maximum.
int32_t JoggedFrame(int32_t frame, int32_t step, int32_t minimum, int32_t maximum);

/// Frames the scrub player has played from `samplesPlayed` (sample pairs):
/// two fields a frame; 0 when the project's sound format is unknown (0
/// samples per field); at most lastOffset.
int32_t FramesPlayed(uint32_t samplesPlayed, uint16_t samplesPerField, int32_t lastOffset);

/// The multi-camera flags of a preview: 1 with a reference clip, 2 with a
/// sync clip, and the picture mode of the default monitor.
uint32_t PreviewCameraFlags(bool referenceClip, bool syncClip, int32_t defaultMonitor);

}  // namespace ostrel3
