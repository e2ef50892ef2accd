#include "ostrel3/display/picture_scaling.h"

#include <algorithm>

extern "C" {
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {
// 16.16 fixed point: a little brighter, less contrast, much less colour.
constexpr int kBrightness = 3277;
constexpr int kContrast = 58982;
constexpr int kSaturation = 39322;
constexpr uint32_t kBorrowedImageFlags = 0x4000;
}  // namespace

SwsContext* PictureAdjustment(int srcWidth, int srcHeight, int dstWidth, int dstHeight) {
  // Full chroma interpolation keeps every output row on the same conversion
  // path; without it the last two rows skip the colour adjustment and come
  // out darker than the rest of the picture.
  SwsContext* scaler = sws_getContext(srcWidth, srcHeight, AV_PIX_FMT_YUV420P, dstWidth, dstHeight, AV_PIX_FMT_BGRA,
                                      SWS_BICUBIC | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr);
  if (!scaler || vgGetColorBoostMain() != 0) return scaler;
  int* invTable = nullptr;
  int* table = nullptr;
  int srcRange = 0, dstRange = 0, brightness = 0, contrast = 0, saturation = 0;
  if (sws_getColorspaceDetails(scaler, &invTable, &srcRange, &table, &dstRange, &brightness, &contrast, &saturation) >= 0)
    sws_setColorspaceDetails(scaler, invTable, 1, table, dstRange, kBrightness, kContrast, kSaturation);
  return scaler;
}

bool WriteImageToScreen(VG_PANEL panel, const OP_IMAGE& image, int16_t x, int16_t y) {
  VG_IMAGE* header = vgAllocImage(kBorrowedImageFlags, 1, 1);
  if (!header) {
    OS3_LOG(kLogFailed);
    return false;
  }
  uint8_t* own = header->pixels;
  header->pixels = image.plane0;
  header->width = static_cast<int16_t>(image.width);
  header->height = static_cast<int16_t>(image.height);
  const bool written = vgWriteImage(panel, header, x, y) == 0;
  if (!written) OS3_LOG(kLogFailed);
  header->pixels = own;
  header->width = 1;
  header->height = 1;
  vgFreeImage(header);
  return written;
}

uint32_t PixelOfColour(uint32_t yuv) {
  const double y = (yuv >> 24) & 0xFF, u = ((yuv >> 16) & 0xFF) - 128.0, v = ((yuv >> 8) & 0xFF) - 128.0;
  auto channel = [](double c) { return static_cast<uint32_t>(std::clamp(c + 0.5, 0.0, 255.0)); };
  const uint32_t r = channel(y + 1.402 * v), g = channel(y - 0.344136 * u - 0.714136 * v), b = channel(y + 1.772 * u);
  return (yuv & 0xFFu) << 24 | r << 16 | g << 8 | b;
}

}  // namespace ostrel3
