// What the dialog shows of each camera: the picture of its frame (through
// the camera display's scaler), its time and its sound strip. An empty
// camera, or a frame outside the clip, shows the empty-camera colour and a
// silent strip; the host never sees a null clip.
extern "C" {
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <exception>

#include "envelope/peaks.h"
#include "host/cm.h"
#include "host/nsl.h"
#include "host/op.h"
#include "host/vg.h"
#include "ostrel3/display/picture_scaling.h"
#include "ostrel3/shell/log.h"
#include "sync_requester/sync_dialog.h"

namespace ostrel3 {

namespace {
constexpr int32_t kEmptyCameraColour = 19;
constexpr int32_t kStripEmpty = 4, kStripBar = 7;
constexpr int32_t kStripEmptyPositioning = 5, kStripBarPositioning = 8;
constexpr int32_t kStripSeconds = 5;
}  // namespace

void SyncDialog::freeImages() {
  for (OP_IMAGE** image : {&fieldImage_, &visibleImage_, &viewImage_}) {
    if (*image) opFreeImage(*image);
    *image = nullptr;
  }
}

void SyncDialog::refreshReference() {
  const int32_t frame = params_.syncIn[params_.syncCamera];
  showFrame(params_.record[0], frame, refPanel_, refPicture_);
  showTime(kSyncRefTime, refPanel_, frame, -1);
  drawStrip(refEnvelope_.get(), refStrip_, params_.syncCamera, true);
}

void SyncDialog::refreshSync() {
  const int k = params_.syncCamera;
  showFrame(params_.record[k], params_.trimIn[k], syncPanel_, syncPicture_);
  showTime(kSyncTime, syncPanel_, params_.trimIn[k], length(k));
  drawStrip(syncEnvelope_.get(), syncStrip_, k, false);
}

void SyncDialog::showTime(int slot, VG_PANEL panel, int32_t frame, int32_t frames) {
  const VG_ELEMENT gadget = elements_[slot];
  if (!gadget) return;
  const int64_t fields = int64_t(frame) * 2;
  // Camera 1's time is always shown; the sync camera's only inside its clip.
  if (frames >= 0 && (fields < 0 || fields > 2 * int64_t(frames) - 1)) {
    if (vgInactivateElement(panel, gadget) == -1) OS3_LOG(kLogFailed);
    return;
  }
  if (frames >= 0 && vgActivateElement(panel, gadget) == -1) OS3_LOG(kLogFailed);
  if (vgChangeElement(panel, gadget, VG_TAG_TIME, static_cast<intptr_t>(fields), 1) == -1) OS3_LOG(kLogFailed);
}

void SyncDialog::showFrame(AV_RECORD record, int32_t frame, VG_PANEL panel, const VG_RECT& rect) {
  if (!panel || rect.width <= 0 || rect.height <= 0) return;
  const int32_t frames = record ? nslGetTrimmedAVRecordLength(record) : 0;
  if (record && frame >= 0 && frame <= frames - 1) {
    showPicture(record, frame, panel, rect);
    return;
  }
  vgSetColorYUV(vgGetNewGuiColorYUV(kEmptyCameraColour));
  if (vgRectFill(panel, rect.x, rect.y, rect.x + rect.width - 1, rect.y + rect.height - 1) == -1) OS3_LOG(kLogFailed);
}

bool SyncDialog::prepareScaling(const VG_RECT& rect) {
  int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (cmGetVisibleArea(render_.get(), &x0, &y0, &x1, &y1, 0) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (!visibleImage_) visibleImage_ = opAllocImage(x1 - x0 + 1, (y1 - y0 + 1) / 2, OP_IMAGE_ARGB, nullptr);
  if (!viewImage_) viewImage_ = opAllocImage(rect.width, rect.height, OP_IMAGE_ARGB, nullptr);
  if (!visibleImage_ || !viewImage_) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (!scaler_) scaler_ = PictureAdjustment(visibleImage_->width, visibleImage_->height, rect.width, rect.height);
  if (!scaler_) OS3_LOG(kLogFailed);
  return scaler_ != nullptr;
}

bool SyncDialog::showPicture(AV_RECORD record, int32_t frame, VG_PANEL panel, const VG_RECT& rect) {
  const int32_t offset = nslGetVideoFrameOffset(record, frame);
  if (offset == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (!fieldImage_) fieldImage_ = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  if (!fieldImage_ || cmGetField(render_.get(), fieldImage_, 0, 2 * offset) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (threeMonitors_ && cmDisplayImage(render_.get(), fieldImage_, 0) == -1) OS3_LOG(kLogFailed);
  if (!prepareScaling(rect)) return false;
  const OP_IMAGE& field = *fieldImage_;
  const OP_IMAGE& visible = *visibleImage_;
  // The visible area lies in the centre of the field.
  const int row = std::max((field.height - visible.height) / 2, 0);
  const int column = std::max((field.width - visible.width) / 2, 0);
  const uint8_t* planes[3] = {field.plane0 + row * field.stride[0] + column,
                              field.plane1 + (row / 2) * field.stride[1] + column / 2,
                              field.plane2 + (row / 2) * field.stride[2] + column / 2};
  sws_scale(scaler_, planes, field.stride, 0, visible.height, &viewImage_->plane0, viewImage_->stride);
  return WriteImageToScreen(panel, *viewImage_, rect.x, rect.y);
}

void SyncDialog::drawStrip(AudioEnvelope* envelope, const VG_RECT& rect, int camera, bool isReference) {
  if (!stripPanel_ || rect.width <= 0 || rect.height <= 0 || camera < 0 || camera >= kSyncCameras) return;
  const int32_t p = isReference ? params_.syncIn[camera] : params_.trimIn[camera];
  const int32_t reach = kStripSeconds * std::max(params_.rateFps, 1);
  try {
    stripPeaks_.clear();
    if (envelope) {
      if (!envelope->appendFrames(p - reach, p + reach - 1, stripPeaks_, true)) return;
    } else {
      // No clip: the strip is as silent as the frames outside a clip.
      stripPeaks_.assign(size_t(2 * reach) * kEnvelopeValues, 0);
    }
    const std::vector<int16_t> columns = columnsFromPeaks(stripPeaks_, rect.width);
    const bool positioning = scrubCamera_ >= 0;
    const uint32_t empty = vgGetNewGuiColorYUV(positioning ? kStripEmptyPositioning : kStripEmpty);
    const uint32_t bar = vgGetNewGuiColorYUV(positioning ? kStripBarPositioning : kStripBar);
    strip_.draw(columns, rect.x, static_cast<int16_t>(rect.x + rect.width - 1), rect.y, rect.height, empty, bar,
                stripPanel_);
  } catch (const std::exception&) {
    OS3_LOG(kLogFailed);
  }
}

}  // namespace ostrel3
