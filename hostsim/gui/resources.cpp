#include "hostsim/gui/resources.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <tuple>

#include "host/vg.h"
#include "hostsim/core/host.h"
#include "hostsim/gui/image_buffer.h"
#include "hostsim/gui/resource_files.h"

namespace hostsim {

namespace {

struct StringSet {
  std::string name;
  std::map<int32_t, std::u16string> texts;
};

struct ImageSet {
  std::string name;
  std::map<int32_t, std::unique_ptr<ImageBuffer>> images;
  /// Scaled copies by (id, width, height).
  std::map<std::tuple<int32_t, int16_t, int16_t>, std::unique_ptr<ImageBuffer>> scaled;
};

const char16_t kEmptyText[] = u"";

std::optional<std::string> readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace

struct Resources::State {
  mutable std::mutex mutex;
  uint32_t nextHandle = 0x100;
  std::map<RES_STRINGS, StringSet> strings;
  std::map<RES_IMAGES, ImageSet> images;
  /// Every image header of an open set, for quick ownership checks.
  std::set<const VG_IMAGE*> owned;
};

Resources::Resources(Host& host) : host_(host), state_(std::make_unique<State>()) {}
Resources::~Resources() = default;

std::filesystem::path Resources::directory() const {
  if (!host_.config().resourceDir.empty()) return host_.config().resourceDir;
#ifdef OSTREL3_RESOURCE_DIR
  return OSTREL3_RESOURCE_DIR;
#else
  return "resources";
#endif
}

RES_STRINGS Resources::loadStrings(std::string_view setName) {
  const auto dir = resourceSetDirectory(directory(), setName);
  const auto content = dir ? readFile(*dir / "strings.txt") : std::nullopt;
  if (!content) {
    host_.log().host(4, "resLoadStrings: no string set \"" + std::string(setName) + "\"");
    return 0;
  }
  StringTable table = parseStringTable(*content);
  for (const auto& problem : table.problems)
    host_.log().host(4, "strings of \"" + std::string(setName) + "\", " + problem);
  std::lock_guard lock(state_->mutex);
  const RES_STRINGS handle = state_->nextHandle++;
  state_->strings.emplace(handle, StringSet{std::string(setName), std::move(table.texts)});
  return handle;
}

bool Resources::freeStrings(RES_STRINGS strings) {
  std::lock_guard lock(state_->mutex);
  return state_->strings.erase(strings) == 1;
}

const char16_t* Resources::string(RES_STRINGS strings, int32_t id) const {
  std::lock_guard lock(state_->mutex);
  const auto set = state_->strings.find(strings);
  if (set == state_->strings.end()) return nullptr;
  const auto text = set->second.texts.find(id);
  return text == set->second.texts.end() ? kEmptyText : text->second.c_str();
}

RES_IMAGES Resources::loadImages(std::string_view setName) {
  const auto dir = resourceSetDirectory(directory(), setName);
  std::error_code ec;
  if (!dir || !std::filesystem::is_directory(*dir / "images", ec)) {
    host_.log().host(4, "resLoadImages: no image set \"" + std::string(setName) + "\"");
    return 0;
  }
  ImageSet set{std::string(setName), {}, {}};
  for (const auto& [id, file] : resourceImageFiles(*dir)) {
    if (auto image = ImageBuffer::readPng(file))
      set.images.emplace(id, std::move(image));
    else
      host_.log().host(4, "images of \"" + set.name + "\": " + file.filename().string() + " is not a readable PNG");
  }
  std::lock_guard lock(state_->mutex);
  for (const auto& [id, image] : set.images) state_->owned.insert(&image->header);
  const RES_IMAGES handle = state_->nextHandle++;
  state_->images.emplace(handle, std::move(set));
  return handle;
}

bool Resources::freeImages(RES_IMAGES images) {
  std::lock_guard lock(state_->mutex);
  const auto set = state_->images.find(images);
  if (set == state_->images.end()) return false;
  for (const auto& [id, image] : set->second.images) state_->owned.erase(&image->header);
  for (const auto& [key, image] : set->second.scaled) state_->owned.erase(&image->header);
  state_->images.erase(set);
  return true;
}

VG_IMAGE* Resources::image(RES_IMAGES images, int32_t id) const {
  std::lock_guard lock(state_->mutex);
  const auto set = state_->images.find(images);
  if (set == state_->images.end()) return nullptr;
  const auto image = set->second.images.find(id);
  return image == set->second.images.end() ? nullptr : &image->second->header;
}

VG_IMAGE* Resources::scaledImage(RES_IMAGES images, int32_t id, int16_t width, int16_t height) {
  if (width < 0 || height < 0) return nullptr;
  std::lock_guard lock(state_->mutex);
  auto set = state_->images.find(images);
  if (set == state_->images.end()) return nullptr;
  const auto found = set->second.images.find(id);
  if (found == set->second.images.end()) return nullptr;
  VG_IMAGE& original = found->second->header;
  if (width == 0 && height == 0) return &original;
  if (width == 0) width = static_cast<int16_t>(std::clamp(original.width * height / original.height, 1, 32767));
  if (height == 0) height = static_cast<int16_t>(std::clamp(original.height * width / original.width, 1, 32767));
  if (width == original.width && height == original.height) return &original;

  auto& slot = set->second.scaled[{id, width, height}];
  if (!slot) {
    slot = ImageBuffer::scaled(original, width, height);
    if (!slot) {
      set->second.scaled.erase({id, width, height});
      return nullptr;
    }
    state_->owned.insert(&slot->header);
  }
  return &slot->header;
}

bool Resources::ownsImage(const VG_IMAGE* image) const {
  std::lock_guard lock(state_->mutex);
  return state_->owned.count(image) == 1;
}

std::vector<std::string> Resources::liveHandles() const {
  std::lock_guard lock(state_->mutex);
  std::vector<std::string> out;
  for (const auto& [handle, set] : state_->strings)
    out.push_back("string set \"" + set.name + "\" " + std::to_string(handle) + " (resLoadStrings)");
  for (const auto& [handle, set] : state_->images)
    out.push_back("image set \"" + set.name + "\" " + std::to_string(handle) + " (resLoadImages)");
  return out;
}

}  // namespace hostsim
