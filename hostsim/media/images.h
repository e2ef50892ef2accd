#pragma once
// Images of the operator support library (opAllocImage / opFreeImage). The
// store keeps each image's true geometry apart from the record it hands
// out, so a caller that writes into the record cannot make the host draw
// outside the pixels.
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "host/op.h"
#include "hostsim/core/config.h"
#include "hostsim/media/pixels.h"

namespace hostsim {

class ImageStore {
 public:
  /// Largest width or height of an image.
  static constexpr int kMaxSide = 8192;

  explicit ImageStore(VideoFormat format);
  ~ImageStore();

  /// A zero-filled image; width and height -1 (both) mean the video format's
  /// full width and one field's height. Null for another size, a side above
  /// kMaxSide or a type other than OP_IMAGE_ARGB and OP_IMAGE_YUV420.
  OP_IMAGE* allocate(int32_t width, int32_t height, int32_t type);
  /// False for an image this store did not hand out (or already freed).
  bool release(OP_IMAGE* image);
  /// Where the image's pixels lie; nullopt for an unknown image.
  std::optional<ImageView> view(const OP_IMAGE* image) const;

  std::vector<std::string> liveHandles() const;

 private:
  struct Block;
  VideoFormat format_;
  mutable std::mutex mutex_;
  std::map<const OP_IMAGE*, std::unique_ptr<Block>> images_;
};

}  // namespace hostsim
