#include "hostsim/media/operators.h"

#include <cstdio>

namespace hostsim {

OperatorDirectory::OperatorDirectory(std::vector<OperatorConfig> known) : known_(std::move(known)) {}

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
  loaded_[handle] = Loaded{known->path, std::vector<uint8_t>(size_t(std::max(0, known->prefsSize)), 0), 0};
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

}  // namespace hostsim
