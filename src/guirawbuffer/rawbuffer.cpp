#include "guirawbuffer.h"

#include <new>

#include "ostrel3/shell/log.h"

bool RawBuffer::resize(int16_t width, int16_t height) {
  if (pixels_ && width == width_ && height == height_) return true;
  pixels_.reset();
  width_ = height_ = 0;
  if (width < 0 || height < 0) {
    OS3_LOG(ostrel3::kLogFailed);
    return false;
  }
  if (width == 0 || height == 0) return true;  // nothing to compose: stays empty
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  pixels_.reset(new (std::nothrow) uint16_t[count]());
  if (!pixels_) {
    OS3_LOG(ostrel3::kLogFailed);
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}
