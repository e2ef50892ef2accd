// GUI images: headers with pixels of the host's own (vgAllocImage), the host
// GUI's pictures, and the list of what is still allocated.
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/display_state.h"
#include "hostsim/gui/gui_icons.h"
#include "hostsim/gui/resources.h"

namespace hostsim {

VG_IMAGE* Display::allocImage(uint32_t flags, int16_t width, int16_t height) {
  if (width < 1 || height < 1) return nullptr;
  auto image = ImageBuffer::make(width, height, flags);
  VG_IMAGE* header = &image->header;
  std::lock_guard lock(state_->mutex);
  state_->allocated.emplace(header, AllocatedImage{std::move(image), width, height});
  return header;
}

bool Display::freeImage(VG_IMAGE* image) {
  AllocatedImage owned;
  {
    std::lock_guard lock(state_->mutex);
    auto it = state_->allocated.find(image);
    if (it == state_->allocated.end()) return false;
    owned = std::move(it->second);
    state_->allocated.erase(it);
  }
  // Callers lend their own pixels to a header for a write. Whatever the
  // header points at now, only the pixels the host made are released.
  if (image->pixels != owned.image->pixels.data() || image->width != owned.width || image->height != owned.height)
    host_.log().host(4, "vgFreeImage: the image still shows borrowed pixels; the host's own are freed");
  return true;
}

VG_IMAGE* Display::guiImage(int32_t id) {
  std::lock_guard lock(state_->mutex);
  auto it = state_->guiImages.find(id);
  if (it != state_->guiImages.end()) return &it->second->header;
  auto image = drawGuiIcon(id);
  if (!image) return nullptr;
  VG_IMAGE* header = &image->header;
  state_->guiImages.emplace(id, std::move(image));
  return header;
}

bool Display::knownImage(const VG_IMAGE* image) const {
  if (!image) return false;
  {
    std::lock_guard lock(state_->mutex);
    if (state_->allocated.count(image)) return true;
    for (const auto& [id, owned] : state_->guiImages)
      if (&owned->header == image) return true;
  }
  return host_.resources().ownsImage(image);
}

std::vector<std::string> Display::liveHandles() const {
  std::vector<std::string> out;
  std::lock_guard lock(state_->mutex);
  for (const auto& [header, owned] : state_->allocated) {
    char text[96];
    std::snprintf(text, sizeof text, "GUI image %dx%d flags 0x%X (vgAllocImage)", owned.width, owned.height,
                  owned.image->header.flags);
    out.emplace_back(text);
  }
  return out;
}

}  // namespace hostsim
