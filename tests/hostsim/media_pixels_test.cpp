// A picture turned into 32-bit pixels of another size (what the video output
// monitor shows): every output pixel is its nearest source sample, converted.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "host/op.h"
#include "hostsim/media/pixels.h"

namespace {

using hostsim::ImageView;

// A planar picture whose neighbouring samples differ often, with runs of
// equal ones in between, and padded rows.
struct NoisyPicture {
  NoisyPicture(int w, int h, int type) {
    view.width = w, view.height = h, view.type = type;
    const int planes = type == OP_IMAGE_YUV420 ? 3 : 1;
    for (int p = 0; p < planes; ++p) {
      const int pw = type == OP_IMAGE_ARGB ? 4 * w : p ? (w + 1) / 2 : w;
      const int ph = p ? (h + 1) / 2 : h;
      view.stride[p] = pw + 12;
      bytes[p].resize(size_t(view.stride[p]) * ph);
      for (size_t i = 0; i < bytes[p].size(); ++i) bytes[p][i] = uint8_t((i / 3) * 37 % 251 + p);
      view.plane[p] = bytes[p].data();
    }
  }
  ImageView view;
  std::vector<uint8_t> bytes[3];
};

uint32_t expectedPixel(const ImageView& image, int x, int y, int width, int height) {
  const int sx = int(int64_t(x) * image.width / width), sy = int(int64_t(y) * image.height / height);
  if (image.type == OP_IMAGE_YUV420) return hostsim::toArgb(hostsim::sampleAt(image, sx, sy));
  uint32_t p;
  std::memcpy(&p, image.plane[0] + size_t(sy) * image.stride[0] + size_t(sx) * 4, 4);
  return p;
}

void expectNearestSamples(const ImageView& image, int width, int height) {
  const std::vector<uint32_t> out = hostsim::toArgbScaled(image, width, height);
  ASSERT_EQ(out.size(), size_t(width) * height);
  int wrong = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      wrong += out[size_t(y) * width + x] != expectedPixel(image, x, y, width, height);
  EXPECT_EQ(wrong, 0) << image.width << "x" << image.height << " to " << width << "x" << height;
}

TEST(ScaledPixelsTest, PlanarPicturesShowTheirNearestSampleAtEverySize) {
  const NoisyPicture picture(37, 21, OP_IMAGE_YUV420);
  expectNearestSamples(picture.view, 37, 21);
  expectNearestSamples(picture.view, 80, 50);  // every source line on two or three lines
  expectNearestSamples(picture.view, 13, 7);
  expectNearestSamples(picture.view, 1, 1);
}

TEST(ScaledPixelsTest, ThirtyTwoBitPicturesAreTakenAsTheyAre) {
  const NoisyPicture picture(19, 11, OP_IMAGE_ARGB);
  expectNearestSamples(picture.view, 19, 11);
  expectNearestSamples(picture.view, 40, 33);
  expectNearestSamples(picture.view, 6, 5);
}

TEST(ScaledPixelsTest, EmptySizesGiveNoPixels) {
  const NoisyPicture picture(4, 4, OP_IMAGE_YUV420);
  EXPECT_TRUE(hostsim::toArgbScaled(picture.view, 0, 10).empty());
  ImageView none;
  EXPECT_EQ(hostsim::toArgbScaled(none, 3, 2), std::vector<uint32_t>(6, 0u));
}

}  // namespace
