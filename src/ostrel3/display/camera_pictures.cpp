// The camera pictures while no playback runs: one field of each camera's
// frame at the position, cut to the visible area and scaled into its box.
#include <algorithm>
#include <vector>

extern "C" {
#include <libswscale/swscale.h>
}

#include "host/cm.h"
#include "host/nsl.h"
#include "host/op.h"
#include "host/vg.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/display/picture_scaling.h"

namespace ostrel3 {

namespace {

constexpr int32_t kEmptyCameraColour = 19;

// A temporary image and scaler for the output preview, freed on every way out.
struct PreviewScratch {
  OP_IMAGE* image = nullptr;
  SwsContext* scaler = nullptr;
  ~PreviewScratch() {
    if (scaler) sws_freeContext(scaler);
    if (image) opFreeImage(image);
  }
};

void scaleWholeImage(SwsContext* scaler, const OP_IMAGE& from, OP_IMAGE& to, int rows) {
  const uint8_t* planes[3] = {from.plane0, from.plane1, from.plane2};
  sws_scale(scaler, planes, from.stride, 0, rows, &to.plane0, to.stride);
}

}  // namespace

bool MulticamOperator::fetchField(const CameraSlot& camera) {
  if (!pictures.fieldImage) pictures.fieldImage = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  if (!pictures.fieldImage) {
    OS3_LOG(kLogFailed);
    return false;
  }
  const int32_t offset = nslGetVideoFrameOffset(camera.record, position);
  if (offset == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (cmGetField(render.get(), pictures.fieldImage, 0, 2 * offset) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  return true;
}

void MulticamOperator::showPreview() {
  const OP_IMAGE& field = *pictures.fieldImage;
  PreviewScratch scratch;
  scratch.image = opAllocImage(previewRect.width, previewRect.height, OP_IMAGE_ARGB, nullptr);
  if (!scratch.image) {
    OS3_LOG(kLogFailed);
    return;
  }
  scratch.scaler = PictureAdjustment(field.width, field.height, previewRect.width, previewRect.height);
  if (!scratch.scaler) return;
  scaleWholeImage(scratch.scaler, field, *scratch.image, field.height);
  WriteImageToScreen(previewPanel, *scratch.image, previewRect.x, previewRect.y);
}

bool MulticamOperator::prepareBoxScaling() {
  int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (cmGetVisibleArea(render.get(), &x0, &y0, &x1, &y1, 0) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (!pictures.visibleImage)
    pictures.visibleImage = opAllocImage(x1 - x0 + 1, (y1 - y0 + 1) / 2, OP_IMAGE_ARGB, nullptr);
  if (!pictures.boxImage) pictures.boxImage = opAllocImage(pictureWidth, pictureHeight, OP_IMAGE_ARGB, nullptr);
  if (!pictures.visibleImage || !pictures.boxImage) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (!pictures.boxScaler)
    pictures.boxScaler = PictureAdjustment(pictures.visibleImage->width, pictures.visibleImage->height, pictureWidth,
                                           pictureHeight);
  return pictures.boxScaler != nullptr;
}

void MulticamOperator::scaleFieldIntoBox() {
  const OP_IMAGE& field = *pictures.fieldImage;
  const OP_IMAGE& visible = *pictures.visibleImage;
  // The visible area lies in the centre of the field.
  const int row = (field.height - visible.height) / 2;
  const int column = (field.width - visible.width) / 2;
  const uint8_t* planes[3] = {field.plane0 + row * field.stride[0] + column,
                              field.plane1 + (row / 2) * field.stride[1] + column / 2,
                              field.plane2 + (row / 2) * field.stride[2] + column / 2};
  sws_scale(pictures.boxScaler, planes, field.stride, 0, visible.height, &pictures.boxImage->plane0,
            pictures.boxImage->stride);
}

void MulticamOperator::ShowCameraPicture(int i) {
  if (i < 0 || i >= sceneCount || i >= kCameraSlots) {
    OS3_LOG(kLogFailed);
    return;
  }
  const CameraSlot& camera = cameras[i];
  if (!camera.hasClip()) return ShowEmptyCamera(i);
  if (!fetchField(camera)) return;
  if (i == activeCamera) {
    if (threeMonitors && cmDisplayImage(render.get(), pictures.fieldImage, 0) == -1) OS3_LOG(kLogFailed);
    if (previewPanel) showPreview();
  }
  // A camera the panel has no box for (more cameras than it shows) is not drawn.
  if (!camera.hasPictureBox()) return;
  if (!prepareBoxScaling()) return;
  scaleFieldIntoBox();
  WriteImageToScreen(0, *pictures.boxImage, camera.displayRect[0], camera.displayRect[1]);
}

void MulticamOperator::ShowEmptyCamera(int i) {
  if (i < 0 || i >= sceneCount || i >= kCameraSlots) {
    OS3_LOG(kLogFailed);
    return;
  }
  const CameraSlot& camera = cameras[i];
  const uint32_t colour = vgGetNewGuiColorYUV(kEmptyCameraColour);
  if (camera.hasPictureBox()) {
    vgSetColorYUV(colour);
    vgRectFill(0, camera.displayRect[0], camera.displayRect[1], camera.displayRect[2], camera.displayRect[3]);
  }
  if (i != activeCamera) return;
  if (threeMonitors && render) {
    if (OP_IMAGE* full = opAllocImage(-1, -1, OP_IMAGE_ARGB, nullptr)) {
      // The output shows the same colour: the image holds pixels, not YUV values.
      const uint32_t pixel = PixelOfColour(colour);
      for (int y = 0; y < full->height; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(full->plane0 + y * full->stride[0]);
        std::fill(line, line + full->width, pixel);
      }
      if (cmDisplayImage(render.get(), full, 0) == -1) OS3_LOG(kLogFailed);
      opFreeImage(full);
    } else {
      OS3_LOG(kLogFailed);
    }
  }
  if (previewPanel) {
    vgSetColorYUV(colour);
    vgRectFill(previewPanel, previewRect.x, previewRect.y, previewRect.x + previewRect.width - 1,
               previewRect.y + previewRect.height - 1);
  }
}

}  // namespace ostrel3
