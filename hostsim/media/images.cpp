#include "hostsim/media/images.h"

#include "hostsim/media/video_format.h"

namespace hostsim {

struct ImageStore::Block {
  OP_IMAGE record{};
  ImageView view;
  std::vector<uint8_t> pixels;
};

ImageStore::ImageStore(VideoFormat format) : format_(format) {}
ImageStore::~ImageStore() = default;

OP_IMAGE* ImageStore::allocate(int32_t width, int32_t height, int32_t type) {
  if (width == -1 && height == -1) {
    width = frameWidth(format_);
    height = fieldHeight(format_);
  }
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  if (type != OP_IMAGE_ARGB && type != OP_IMAGE_YUV420) return nullptr;

  auto block = std::make_unique<Block>();
  ImageView& v = block->view;
  v.width = width;
  v.height = height;
  v.type = type;
  if (type == OP_IMAGE_ARGB) {
    v.stride[0] = 4 * width;
    block->pixels.assign(size_t(v.stride[0]) * height, 0);
    v.plane[0] = block->pixels.data();
  } else {
    const int chromaW = (width + 1) / 2, chromaH = (height + 1) / 2;
    v.stride[0] = width;
    v.stride[1] = v.stride[2] = chromaW;
    const size_t luma = size_t(width) * height, chroma = size_t(chromaW) * chromaH;
    block->pixels.assign(luma + 2 * chroma, 0);
    v.plane[0] = block->pixels.data();
    v.plane[1] = v.plane[0] + luma;
    v.plane[2] = v.plane[1] + chroma;
  }
  OP_IMAGE& r = block->record;
  r.plane0 = v.plane[0];
  r.plane1 = v.plane[1];
  r.plane2 = v.plane[2];
  r.width = static_cast<uint16_t>(width);
  r.height = static_cast<uint16_t>(height);
  r.type = static_cast<uint32_t>(type);
  for (int i = 0; i < 3; ++i) r.stride[i] = v.stride[i];

  OP_IMAGE* handle = &block->record;
  std::lock_guard lock(mutex_);
  images_.emplace(handle, std::move(block));
  return handle;
}

bool ImageStore::release(OP_IMAGE* image) {
  std::lock_guard lock(mutex_);
  return images_.erase(image) == 1;
}

std::optional<ImageView> ImageStore::view(const OP_IMAGE* image) const {
  std::lock_guard lock(mutex_);
  auto it = images_.find(image);
  if (it == images_.end()) return std::nullopt;
  return it->second->view;
}

std::vector<std::string> ImageStore::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const auto& [record, block] : images_)
    out.push_back("image " + std::to_string(block->view.width) + "x" + std::to_string(block->view.height) + " type " +
                  std::to_string(block->view.type));
  return out;
}

}  // namespace hostsim
