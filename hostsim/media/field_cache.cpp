#include "hostsim/media/field_cache.h"

#include <algorithm>
#include <cstring>

namespace hostsim {

namespace {

struct PlaneSize {
  int width = 0, height = 0;
};

PlaneSize planeSize(int plane, int width, int height) {
  return plane == 0 ? PlaneSize{width, height} : PlaneSize{(width + 1) / 2, (height + 1) / 2};
}

// Rows of a plane between a padded picture and the packed copy; one copy
// for the whole plane when the picture has no padding.
void copyPlane(uint8_t* to, int toStride, const uint8_t* from, int fromStride, PlaneSize size) {
  if (toStride == size.width && fromStride == size.width) {
    std::memcpy(to, from, size_t(size.width) * size.height);
    return;
  }
  for (int y = 0; y < size.height; ++y)
    std::memcpy(to + size_t(y) * toStride, from + size_t(y) * fromStride, size_t(size.width));
}

bool fitsKey(const FieldKey& key, const ImageView& view) {
  return view.width == key.width && view.height == key.height && view.plane[0] && view.plane[1] && view.plane[2];
}

}  // namespace

size_t planarBytes(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  const PlaneSize chroma = planeSize(1, width, height);
  return size_t(width) * height + 2 * size_t(chroma.width) * chroma.height;
}

FieldCache::FieldCache(size_t fieldsPerMedia, size_t maxBytes) : fieldsPerMedia_(fieldsPerMedia), maxBytes_(maxBytes) {}

bool FieldCache::fetch(const FieldKey& key, const ImageView& target) {
  if (!fitsKey(key, target)) return false;
  std::lock_guard lock(mutex_);
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
  if (it == entries_.end()) return false;
  entries_.splice(entries_.begin(), entries_, it);
  const uint8_t* from = it->planes.data();
  for (int p = 0; p < 3; ++p) {
    const PlaneSize size = planeSize(p, key.width, key.height);
    copyPlane(target.plane[p], target.stride[p], from, size.width, size);
    from += size_t(size.width) * size.height;
  }
  ++hits_;
  return true;
}

void FieldCache::keep(const FieldKey& key, const ImageView& painted) {
  if (!fitsKey(key, painted) || fieldsPerMedia_ == 0) return;
  const size_t size = planarBytes(key.width, key.height);
  if (size > maxBytes_) return;
  // The copy is made before the lock: only the list is shared.
  Entry entry{key, std::vector<uint8_t>(size)};
  uint8_t* to = entry.planes.data();
  for (int p = 0; p < 3; ++p) {
    const PlaneSize plane = planeSize(p, key.width, key.height);
    copyPlane(to, plane.width, painted.plane[p], painted.stride[p], plane);
    to += size_t(plane.width) * plane.height;
  }

  std::lock_guard lock(mutex_);
  auto same = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
  if (same != entries_.end()) {
    bytes_ -= same->planes.size();
    entries_.erase(same);
  }
  entries_.push_front(std::move(entry));
  bytes_ += size;
  dropOldestOf(key.media);
  dropOldestWhileOverBudget();
}

void FieldCache::dropOldestOf(int media) {
  const auto ofMedia = [media](const Entry& e) { return e.key.media == media; };
  if (size_t(std::count_if(entries_.begin(), entries_.end(), ofMedia)) <= fieldsPerMedia_) return;
  auto oldest = std::find_if(entries_.rbegin(), entries_.rend(), ofMedia);
  bytes_ -= oldest->planes.size();
  entries_.erase(std::next(oldest).base());
}

void FieldCache::dropOldestWhileOverBudget() {
  while (bytes_ > maxBytes_ && !entries_.empty()) {
    bytes_ -= entries_.back().planes.size();
    entries_.pop_back();
  }
}

size_t FieldCache::fields() const {
  std::lock_guard lock(mutex_);
  return entries_.size();
}

size_t FieldCache::bytes() const {
  std::lock_guard lock(mutex_);
  return bytes_;
}

size_t FieldCache::hits() const {
  std::lock_guard lock(mutex_);
  return hits_;
}

size_t FieldCache::fieldsOf(int media) const {
  std::lock_guard lock(mutex_);
  return size_t(std::count_if(entries_.begin(), entries_.end(), [media](const Entry& e) { return e.key.media == media; }));
}

}  // namespace hostsim
