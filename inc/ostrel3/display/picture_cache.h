#pragma once
// The images and picture scaler the camera display keeps between calls.
// They are made at first use with the sizes then in force and dropped
// whenever those sizes may change.
#include "host/op.h"

struct SwsContext;

namespace ostrel3 {

struct PictureCache {
  OP_IMAGE* fieldImage = nullptr;    ///< one field of a camera's frame
  OP_IMAGE* visibleImage = nullptr;  ///< size of the visible area of a field
  OP_IMAGE* boxImage = nullptr;      ///< the scaled picture of a camera box
  SwsContext* boxScaler = nullptr;

  /// Frees the scaler and the three images, each only if present.
  void release();
  /// Frees the three images and keeps the scaler (a project reset).
  void releaseImages();
};

}  // namespace ostrel3
