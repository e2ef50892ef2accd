#include "hostsim/media/undo_history.h"

#include "hostsim/core/log.h"
#include "hostsim/core/text.h"

namespace hostsim {

namespace {
std::string quotedName(const std::u16string& name) { return "\"" + toUtf8(name) + "\""; }
}  // namespace

int32_t UndoHistory::begin(const char16_t* name) {
  std::lock_guard lock(mutex_);
  if (open()) {
    log_.host(3, "nslProjectUndoExtSeqStart: refused: the undo step " + quotedName(steps_.back().name) +
                     " is still open; the changes that follow go into it");
    return -1;
  }
  UndoStep step;
  step.name = name ? name : u"";
  steps_.push_back(std::move(step));
  return 0;
}

int32_t UndoHistory::end() {
  std::lock_guard lock(mutex_);
  if (!open()) {
    log_.host(3, "nslProjectUndoExtSeqEnd: refused: no undo step is open");
    return -1;
  }
  steps_.back().closed = true;
  return 0;
}

bool UndoHistory::wantsSnapshot() const {
  std::lock_guard lock(mutex_);
  return !open() || !steps_.back().before;
}

void UndoHistory::record(const std::string& change, std::shared_ptr<const SbScenes> before) {
  std::lock_guard lock(mutex_);
  if (!open()) {
    UndoStep step;
    step.name = fromUtf8Lossy(change);
    step.closed = true;
    step.implicit = true;
    steps_.push_back(std::move(step));
  }
  UndoStep& step = steps_.back();
  step.changes.push_back(change);
  if (!step.before) step.before = std::move(before);
}

std::optional<UndoStep> UndoHistory::takeLast() {
  std::lock_guard lock(mutex_);
  for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
    if (it->changes.empty()) continue;
    UndoStep step = std::move(*it);
    steps_.erase(std::next(it).base());
    if (!step.closed) log_.host(3, "host undo: the undo step " + quotedName(step.name) + " was still open; undone as it stood");
    return step;
  }
  return std::nullopt;
}

std::vector<UndoStep> UndoHistory::steps() const {
  std::lock_guard lock(mutex_);
  return steps_;
}

}  // namespace hostsim
