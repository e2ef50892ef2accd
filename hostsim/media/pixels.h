#pragma once
// Pixel arithmetic of the render library: studio-range YUV (ITU-R BT.601)
// against 8-bit RGB, filling boxes of planar 4:2:0 pictures, and turning a
// host image into 32-bit pixels of another size.
#include <cstdint>
#include <vector>

namespace hostsim {

struct Yuv {
  uint8_t y = 16, u = 128, v = 128;
};

/// 8-bit RGB (0..255) to studio-range YUV and back (back: ARGB32 0xFFRRGGBB).
Yuv rgbToYuv(double r, double g, double b);
uint32_t toArgb(Yuv c);
/// RGB of a hue (degrees), saturation and value (0..1), each 0..255.
void hsvToRgb(double hue, double saturation, double value, double& r, double& g, double& b);

/// Where a picture's pixels lie. Planar 4:2:0 uses all three planes (U and V
/// at half width and height, rounded up); 32-bit pictures only plane 0.
struct ImageView {
  int width = 0;
  int height = 0;
  int type = 0;  ///< OP_IMAGE_ARGB or OP_IMAGE_YUV420
  uint8_t* plane[3] = {nullptr, nullptr, nullptr};
  int stride[3] = {0, 0, 0};
};

/// A box in picture pixels.
struct Box {
  int x = 0, y = 0, width = 0, height = 0;
};

/// Fills a box of a planar picture (clipped to it). Chroma samples that the
/// box touches take the colour.
void fillBox(const ImageView& image, Box box, Yuv colour);
/// The Y, U, V samples of a planar picture at a pixel.
Yuv sampleAt(const ImageView& image, int x, int y);

/// The picture as ARGB32 pixels (0xAARRGGBB) of width x height, scaled with
/// nearest-neighbour sampling. 32-bit pictures are taken as ARGB32 already.
/// Empty for a width or height below 1.
std::vector<uint32_t> toArgbScaled(const ImageView& image, int width, int height);

}  // namespace hostsim
