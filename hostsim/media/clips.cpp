#include "hostsim/media/clips.h"

#include <algorithm>

#include "hostsim/core/log.h"
#include "hostsim/core/text.h"
#include "hostsim/media/sources.h"
#include "hostsim/media/unique_ids.h"
#include "hostsim/media/wide_text.h"

namespace hostsim {

namespace {
ClipInfo infoOf(AV_RECORD handle, const auto& c) {
  return ClipInfo{handle, c.source, c.mediaStart, c.total, c.in, c.out, c.name, c.uid, c.inBin};
}

std::string hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", v);
  return text;
}
}  // namespace

ClipStore::ClipStore(const SourceCatalogue& sources, UniqueIds& ids, HostLog& log) : ids_(ids), log_(log) {
  for (const MediaSource& s : sources.all()) {
    Clip c;
    c.source = &s;
    c.total = s.length;
    c.out = s.length - 1;
    c.name = s.name;
    c.uid = s.uid;
    c.inBin = true;
    bin_.push_back(add(std::move(c)));
  }
}

ClipStore::Clip* ClipStore::find(AV_RECORD clip) {
  auto it = clips_.find(clip);
  return it == clips_.end() ? nullptr : &it->second;
}

const ClipStore::Clip* ClipStore::find(AV_RECORD clip) const {
  auto it = clips_.find(clip);
  return it == clips_.end() ? nullptr : &it->second;
}

AV_RECORD ClipStore::add(Clip clip) {
  const AV_RECORD handle = nextHandle_++;
  countName(clip.name, +1);
  clips_.emplace(handle, std::move(clip));
  return handle;
}

void ClipStore::countName(const std::u16string& name, int delta) {
  auto it = nameCounts_.try_emplace(name, 0).first;
  it->second += delta;
  if (it->second <= 0) nameCounts_.erase(it);
}

AV_RECORD ClipStore::copy(AV_RECORD source) {
  std::lock_guard lock(mutex_);
  const Clip* s = find(source);
  if (!s) return 0;
  Clip c = *s;
  c.uid = ids_.next();
  c.inBin = false;
  return add(std::move(c));
}

int32_t ClipStore::remove(AV_RECORD clip) {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  if (!c) return -1;
  if (c->inBin) {
    // The bin's clips are the project's: a caller deleting one has mistaken
    // it for its own copy, and the project must not lose the clip.
    log_.host(3, "nslDeleteAVRecord: clip " + hex(clip) + " belongs to the scene bin and is not deleted");
    return -1;
  }
  countName(c->name, -1);
  clips_.erase(clip);
  return 0;
}

int32_t ClipStore::trimmedLength(AV_RECORD clip) const {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  return c ? c->out - c->in + 1 : -1;
}

int32_t ClipStore::totalLength(AV_RECORD clip) const {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  return c ? c->total : -1;
}

bool ClipStore::trimPoints(AV_RECORD clip, int32_t& in, int32_t& out) const {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  if (!c) return false;
  in = c->in;
  out = c->out;
  return true;
}

int32_t ClipStore::setTrim(AV_RECORD clip, int32_t in, int32_t out) {
  std::lock_guard lock(mutex_);
  Clip* c = find(clip);
  if (!c || in < 0 || in > out || out >= c->total) return -1;
  c->in = in;
  c->out = out;
  return 0;
}

AV_RECORD ClipStore::split(AV_RECORD clip, int32_t n) {
  std::lock_guard lock(mutex_);
  Clip* c = find(clip);
  if (!c || n < 0 || n >= c->total - 1) return 0;
  if (c->inBin) {
    // The head would be the caller's and the bin clip would lose its frames:
    // the project's clip must stay whole.
    log_.host(3, "nslSplitAVRecord: clip " + hex(clip) + " belongs to the scene bin and is not split");
    return 0;
  }
  Clip head = *c;
  head.total = n + 1;
  head.in = std::clamp(c->in, 0, n);
  head.out = std::clamp(c->out, 0, n);
  head.uid = ids_.next();
  head.inBin = false;

  const int32_t cut = n + 1;
  c->mediaStart += cut;
  c->total -= cut;
  c->in = std::clamp(c->in - cut, 0, c->total - 1);
  c->out = std::clamp(c->out - cut, 0, c->total - 1);
  return add(std::move(head));
}

uint32_t ClipStore::uniqueId(AV_RECORD clip) const {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  return c ? c->uid : 0;
}

const char16_t* ClipStore::name(AV_RECORD clip) const {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  return c ? c->name.c_str() : nullptr;
}

int32_t ClipStore::rename(AV_RECORD clip, const char16_t* name) {
  if (!name) return -1;
  std::u16string_view text(name);
  if (text.size() > kMaxNameLength) return -1;
  std::lock_guard lock(mutex_);
  Clip* c = find(clip);
  if (!c) return -1;
  countName(c->name, -1);
  c->name.assign(text);
  countName(c->name, +1);
  return 0;
}

int32_t ClipStore::frameOffset(AV_RECORD clip, int32_t frame) const {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  if (!c || frame < 0 || frame > c->out - c->in) return -1;
  return c->source->base + c->mediaStart + c->in + frame;
}

AV_RECORD ClipStore::first() const {
  std::lock_guard lock(mutex_);
  return bin_.empty() ? 0 : bin_.front();
}

AV_RECORD ClipStore::next(AV_RECORD clip) const {
  std::lock_guard lock(mutex_);
  auto it = std::find(bin_.begin(), bin_.end(), clip);
  if (it == bin_.end() || std::next(it) == bin_.end()) return 0;
  return *std::next(it);
}

AV_RECORD ClipStore::findInBin(uint32_t uid) const {
  std::lock_guard lock(mutex_);
  for (AV_RECORD r : bin_)
    if (find(r)->uid == uid) return r;
  return 0;
}

AV_RECORD ClipStore::findInBinByName(std::u16string_view name) const {
  std::lock_guard lock(mutex_);
  for (AV_RECORD r : bin_)
    if (find(r)->name == name) return r;
  return 0;
}

std::vector<std::u16string> ClipStore::names() const {
  std::lock_guard lock(mutex_);
  std::vector<std::u16string> out;
  out.reserve(clips_.size());
  for (const auto& [handle, c] : clips_) out.push_back(c.name);
  return out;
}

bool ClipStore::hasName(std::u16string_view name) const {
  std::lock_guard lock(mutex_);
  return nameCounts_.find(name) != nameCounts_.end();
}

size_t ClipStore::count() const {
  std::lock_guard lock(mutex_);
  return clips_.size();
}

std::optional<ClipInfo> ClipStore::info(AV_RECORD clip) const {
  std::lock_guard lock(mutex_);
  const Clip* c = find(clip);
  if (!c) return std::nullopt;
  return infoOf(clip, *c);
}

std::vector<ClipInfo> ClipStore::all() const {
  std::lock_guard lock(mutex_);
  std::vector<ClipInfo> out;
  for (AV_RECORD handle : bin_)
    if (const Clip* c = find(handle)) out.push_back(infoOf(handle, *c));
  // Handles grow with every clip made, so the map's order is the order of making.
  for (const auto& [handle, c] : clips_)
    if (!c.inBin) out.push_back(infoOf(handle, c));
  return out;
}

std::vector<std::string> ClipStore::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const auto& [handle, c] : clips_)
    if (!c.inBin) out.push_back("clip " + hex(handle) + " \"" + toUtf8(c.name) + "\"");
  return out;
}

}  // namespace hostsim
