#pragma once
// The picture scaler of the camera display: planar YUV 4:2:0 fields to
// 32-bit pixels, toned down unless the host boosts colours itself.
#include <cstdint>

#include "host/op.h"
#include "host/vg.h"

struct SwsContext;

namespace ostrel3 {

/// A scaler from srcWidth x srcHeight YUV 4:2:0 to dstWidth x dstHeight
/// 32-bit pixels, with the display's picture adjustment. Null on failure.
SwsContext* PictureAdjustment(int srcWidth, int srcHeight, int dstWidth, int dstHeight);

/// Writes a 32-bit image to the screen through a borrowed GUI image header,
/// without copying its pixels. Returns false when the host refused.
bool WriteImageToScreen(VG_PANEL panel, const OP_IMAGE& image, int16_t x, int16_t y);

/// A host YUV colour as a 32-bit pixel of a type-1 image (bytes B, G, R, A).
uint32_t PixelOfColour(uint32_t yuv);

}  // namespace ostrel3
