#include "hostsim/media/frame_painter.h"

#include <algorithm>

#include "host/op.h"
#include "hostsim/gui/screen.h"
#include "hostsim/media/clips.h"
#include "hostsim/media/render.h"
#include "hostsim/media/video_format.h"

namespace hostsim {

namespace {
constexpr uint32_t kBlack = 0xFF000000u;
}  // namespace

std::vector<uint32_t> videoPicture(RenderLibrary& render, VideoFormat format, int32_t field, int width, int height) {
  if (width < 1 || height < 1) return {};
  const int fieldW = frameWidth(format), fieldH = fieldHeight(format);
  ImageView v;
  v.width = std::clamp(width & ~1, 2, fieldW);
  v.height = std::max(2, (v.width * fieldH / fieldW) & ~1);
  v.type = OP_IMAGE_YUV420;
  const int cw = (v.width + 1) / 2, ch = (v.height + 1) / 2;
  std::vector<uint8_t> planes(size_t(v.width) * v.height + 2 * size_t(cw) * ch);
  v.plane[0] = planes.data();
  v.plane[1] = v.plane[0] + size_t(v.width) * v.height;
  v.plane[2] = v.plane[1] + size_t(cw) * ch;
  v.stride[0] = v.width;
  v.stride[1] = v.stride[2] = cw;
  if (!render.paintField(field, v)) return std::vector<uint32_t>(size_t(width) * height, kBlack);
  return toArgbScaled(v, width, height);
}

FramePainter::FramePainter(const ClipStore& clips, RenderLibrary& render, Screen& screen, VideoFormat format)
    : clips_(clips), render_(render), screen_(screen), format_(format) {}

void FramePainter::paint(const std::vector<PictureJob>& jobs) {
  std::vector<std::vector<uint32_t>> pixels;
  pixels.reserve(jobs.size());
  std::vector<VideoPicture> pictures;
  for (const PictureJob& job : jobs) {
    pixels.push_back(picture(job));
    pictures.push_back(VideoPicture{job.monitor, job.box.x, job.box.y, job.box.width, job.box.height, job.bounds,
                                    pixels.back().data()});
  }
  screen_.drawVideo(pictures);
}

std::vector<uint32_t> FramePainter::picture(const PictureJob& job) {
  const int w = job.box.width, h = job.box.height;
  if (w < 1 || h < 1) return {};
  const int32_t offset = job.clip && job.frame ? clips_.frameOffset(job.clip, *job.frame) : -1;
  if (offset < 0) return std::vector<uint32_t>(static_cast<size_t>(w) * h, kBlack);
  return videoPicture(render_, format_, 2 * offset, w, h);
}

}  // namespace hostsim
