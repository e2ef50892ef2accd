#include "hostsim/media/operators.h"

#include <algorithm>
#include <cstdio>

#include "hostsim/core/text.h"

namespace hostsim {

namespace {

std::vector<std::u16string> displayNames(const std::vector<OperatorConfig>& known) {
  std::vector<std::u16string> names;
  for (const OperatorConfig& o : known) names.push_back(fromUtf8Lossy(o.name));
  return names;
}

// A configured default block of the wrong size would hand the operator
// settings of another shape: it loads with zeros instead.
std::vector<uint8_t> initialPrefs(const OperatorConfig& o) {
  const size_t size = size_t(std::max(0, o.prefsSize));
  if (o.defaults.size() == size) return o.defaults;
  return std::vector<uint8_t>(size, 0);
}

}  // namespace

OperatorDirectory::OperatorDirectory(std::vector<OperatorConfig> known)
    : known_(std::move(known)), names_(displayNames(known_)) {}

const XCHAR* OperatorDirectory::displayName(std::string_view path) const {
  for (size_t i = 0; i < known_.size(); ++i)
    if (known_[i].path == path) return names_[i].c_str();
  return nullptr;
}

const OperatorConfig* OperatorDirectory::find(std::string_view path) const {
  for (const OperatorConfig& o : known_)
    if (o.path == path) return &o;
  return nullptr;
}

OP_HANDLE OperatorDirectory::load(std::string_view path) {
  const OperatorConfig* known = find(path);
  if (!known) return 0;
  std::lock_guard lock(mutex_);
  const OP_HANDLE handle = nextHandle_++;
  loaded_[handle] = Loaded{known->path, initialPrefs(*known), 0};
  return handle;
}

bool OperatorDirectory::unload(OP_HANDLE op) {
  std::lock_guard lock(mutex_);
  return loaded_.erase(op) == 1;
}

bool OperatorDirectory::loaded(OP_HANDLE op) const {
  std::lock_guard lock(mutex_);
  return loaded_.count(op) == 1;
}

std::string OperatorDirectory::pathOf(OP_HANDLE op) const {
  std::lock_guard lock(mutex_);
  auto it = loaded_.find(op);
  return it == loaded_.end() ? std::string() : it->second.path;
}

std::vector<uint8_t> OperatorDirectory::prefs(OP_HANDLE op) const {
  std::lock_guard lock(mutex_);
  auto it = loaded_.find(op);
  return it == loaded_.end() ? std::vector<uint8_t>() : it->second.prefs;
}

bool OperatorDirectory::setPrefs(OP_HANDLE op, const uint8_t* bytes, size_t size) {
  std::lock_guard lock(mutex_);
  auto it = loaded_.find(op);
  if (it == loaded_.end() || size != it->second.prefs.size() || (size > 0 && !bytes)) return false;
  it->second.prefs.assign(bytes, bytes + size);
  return true;
}

uint32_t OperatorDirectory::uniqueId(OP_HANDLE op) const {
  std::lock_guard lock(mutex_);
  auto it = loaded_.find(op);
  return it == loaded_.end() ? 0 : it->second.uniqueId;
}

bool OperatorDirectory::setUniqueId(OP_HANDLE op, uint32_t id) {
  std::lock_guard lock(mutex_);
  auto it = loaded_.find(op);
  if (it == loaded_.end()) return false;
  it->second.uniqueId = id;
  return true;
}

std::vector<std::string> OperatorDirectory::liveHandles() const {
  std::lock_guard lock(mutex_);
  std::vector<std::string> out;
  for (const auto& [handle, op] : loaded_) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%08X", handle);
    out.push_back(std::string("operator ") + text + " " + op.path);
  }
  return out;
}

std::vector<OperatorDirectory::LoadedView> OperatorDirectory::loadedViews() const {
  std::lock_guard lock(mutex_);
  std::vector<LoadedView> out;
  for (const auto& [handle, op] : loaded_) out.push_back({handle, op.path, op.prefs, op.uniqueId});
  return out;
}

}  // namespace hostsim
