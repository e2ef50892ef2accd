#include "hostsim/media/render.h"

#include "hostsim/core/host.h"
#include "hostsim/gui/display.h"
#include "hostsim/media/images.h"
#include "hostsim/media/sources.h"
#include "hostsim/media/synthetic_sound.h"
#include "hostsim/media/video_format.h"

namespace hostsim {

RenderLibrary::RenderLibrary(Host& host, const SourceCatalogue& sources, ImageStore& images)
    : host_(host), sources_(sources), images_(images) {}

CM_HANDLE RenderLibrary::open() {
  std::lock_guard lock(mutex_);
  const CM_HANDLE h = nextHandle_++;
  handles_[h] = HandleState{};
  return h;
}

bool RenderLibrary::valid(CM_HANDLE render) const {
  std::lock_guard lock(mutex_);
  return handles_.count(render) == 1;
}

int32_t RenderLibrary::framesPerSecond(CM_HANDLE render) const {
  return valid(render) ? hostsim::framesPerSecond(host_.config().format) : -1;
}

int32_t RenderLibrary::initRender(CM_HANDLE render) {
  std::lock_guard lock(mutex_);
  auto it = handles_.find(render);
  if (it == handles_.end()) return -1;
  it->second.rendering = true;
  return 0;
}

int32_t RenderLibrary::exitRender(CM_HANDLE render) {
  std::lock_guard lock(mutex_);
  auto it = handles_.find(render);
  if (it == handles_.end() || !it->second.rendering) return -1;
  it->second.rendering = false;
  return 0;
}

bool RenderLibrary::rendering(CM_HANDLE render) const {
  std::lock_guard lock(mutex_);
  auto it = handles_.find(render);
  return it != handles_.end() && it->second.rendering;
}

int32_t RenderLibrary::initSound(CM_HANDLE render) {
  std::lock_guard lock(mutex_);
  auto it = handles_.find(render);
  if (it == handles_.end()) return -1;
  it->second.soundStarted = true;
  return 0;
}

int32_t RenderLibrary::exitSound(CM_HANDLE render) {
  std::lock_guard lock(mutex_);
  auto it = handles_.find(render);
  if (it == handles_.end() || !it->second.soundStarted) return -1;
  it->second.soundStarted = false;
  return 0;
}

int32_t RenderLibrary::getField(CM_HANDLE render, const OP_IMAGE* image, int32_t field) {
  if (!valid(render)) return -1;
  const std::optional<ImageView> view = images_.view(image);
  if (!view || view->type != OP_IMAGE_YUV420) return -1;
  const std::optional<MediaFrame> at = sources_.locateField(field);
  if (!at) return -1;
  const FieldKey key{at->source->index, at->frame, field & 1, view->width, view->height};
  if (fieldCache_.fetch(key, *view)) return 0;
  pictures_.paint(*at->source, at->frame, field & 1, *view);
  fieldCache_.keep(key, *view);
  return 0;
}

bool RenderLibrary::paintField(int32_t field, const ImageView& target) {
  if (target.type != OP_IMAGE_YUV420 || target.width < 1 || target.height < 1) return false;
  const std::optional<MediaFrame> at = sources_.locateField(field);
  if (!at) return false;
  pictures_.paint(*at->source, at->frame, field & 1, target);
  return true;
}

int32_t RenderLibrary::visibleArea(CM_HANDLE render, int16_t& x0, int16_t& y0, int16_t& x1, int16_t& y1) const {
  if (!valid(render)) return -1;
  const VideoFormat format = host_.config().format;
  x0 = hiddenColumns(format);
  x1 = static_cast<int16_t>(frameWidth(format) - hiddenColumns(format) - 1);
  y0 = 0;
  y1 = static_cast<int16_t>(2 * fieldHeight(format) - 1);
  return 0;
}

int32_t RenderLibrary::display(CM_HANDLE render, const OP_IMAGE* image) {
  const auto& monitors = host_.config().monitors;
  if (!valid(render) || monitors.size() < size_t(kOutputMonitor)) return -1;
  const std::optional<ImageView> view = images_.view(image);
  if (!view) return -1;
  const MonitorConfig& m = monitors[kOutputMonitor - 1];
  std::vector<uint32_t> pixels = toArgbScaled(*view, m.width, m.height);
  host_.display().screen().drawPixels(kOutputMonitor, reinterpret_cast<const uint8_t*>(pixels.data()), m.width,
                                      m.height, 4 * m.width, 0, 0);
  std::lock_guard lock(mutex_);
  output_.width = m.width;
  output_.height = m.height;
  output_.pixels = std::move(pixels);
  ++output_.shown;
  return 0;
}

OP_AUDIO* RenderLibrary::fieldSound(CM_HANDLE render, int32_t field) {
  {
    std::lock_guard lock(mutex_);
    auto it = handles_.find(render);
    if (it == handles_.end() || !it->second.soundStarted) return nullptr;
  }
  const std::optional<MediaFrame> at = sources_.locateField(field);
  if (!at) return nullptr;
  return sound_.add(hostsim::fieldSound(*at->source, at->frame, field & 1, host_.config().format));
}

bool RenderLibrary::releaseSound(OP_AUDIO* block) { return sound_.release(block); }

int32_t RenderLibrary::recordingTimes(CM_HANDLE render, int32_t field, CM_RECTIME& end, CM_RECTIME& start) const {
  if (!valid(render)) return -1;
  const std::optional<MediaFrame> at = sources_.locateField(field);
  if (!at) return -1;
  const RecordingTimes t = hostsim::recordingTimes(*at->source, hostsim::framesPerSecond(host_.config().format));
  start = CM_RECTIME{t.startSeconds, t.startFrame, 0};
  end = CM_RECTIME{t.endSeconds, t.endFrame, 0};
  return 0;
}

OutputPicture RenderLibrary::output() const {
  std::lock_guard lock(mutex_);
  return output_;
}

}  // namespace hostsim
