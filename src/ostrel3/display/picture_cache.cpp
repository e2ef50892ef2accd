#include "ostrel3/display/picture_cache.h"

extern "C" {
#include <libswscale/swscale.h>
}

namespace ostrel3 {

namespace {
void freeImage(OP_IMAGE*& image) {
  if (image) opFreeImage(image);
  image = nullptr;
}
}  // namespace

void PictureCache::release() {
  if (boxScaler) sws_freeContext(boxScaler);
  boxScaler = nullptr;
  releaseImages();
}

void PictureCache::releaseImages() {
  freeImage(fieldImage);
  freeImage(visibleImage);
  freeImage(boxImage);
}

}  // namespace ostrel3
