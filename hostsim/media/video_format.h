#pragma once
// The project's video and sound format as the stand-in host plays it: the
// picture size of a field, the visible area, pixel aspects and the number
// of sound sample pairs in a field.
#include <cstdint>

#include "host/host_types.h"
#include "hostsim/core/config.h"

namespace hostsim {

/// Video aspect codes of MAIN_INFO::aspectCode and opGetPixelAspect.
enum VideoAspectCode : int32_t {
  kAspectSquare = 0,  ///< square pixels
  kAspect4x3 = 1,
  kAspect16x9 = 2,    ///< the stand-in host's projects are 16:9
};

/// Pixels of a line: 720 in PAL and NTSC, 1920 in high definition.
int16_t frameWidth(VideoFormat format);
/// Columns cut off on each side of a line: 8 in PAL and NTSC (704 of the 720
/// columns are visible), none in high definition, whose lines carry picture
/// from edge to edge.
int16_t hiddenColumns(VideoFormat format);
/// Sound of the project: 48 kHz stereo, 16-bit.
constexpr int32_t kSampleRate = 48000;
constexpr int32_t kChannels = 2;
constexpr int32_t kSampleBits = 16;

/// Lines of one field: 288 for PAL, 240 for NTSC, 540 for high definition.
int16_t fieldHeight(VideoFormat format);
/// Sample pairs of one field. 29.97 material is played at the rounded
/// integer rate of 30 frames per second: 800 pairs a field, the 0.1 % by
/// which real 29.97 sound runs longer is not modelled.
int32_t pairsPerField(VideoFormat format);
inline int32_t pairsPerFrame(VideoFormat format) { return 2 * pairsPerField(format); }

/// Pixel aspect of a video aspect code in the given format; {0, 0} for an
/// unknown code.
PIXEL_ASPECT pixelAspect(VideoFormat format, int32_t aspectCode);

/// Fits a width x height picture with pixel aspect `video` into maxWidth x
/// maxHeight of a screen with pixel aspect `screen`, keeping its shape.
/// With `fit` the picture is scaled (up or down) to the largest size that
/// fits; without, it keeps its natural size on that screen and is only
/// reduced when it does not fit. False for unusable input.
bool calcDims(int16_t& width, int16_t& height, PIXEL_ASPECT video, int16_t maxWidth, int16_t maxHeight,
              PIXEL_ASPECT screen, bool fit);

}  // namespace hostsim
