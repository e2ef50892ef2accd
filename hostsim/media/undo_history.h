#pragma once
// The host project's undo steps. A caller brackets changes with
// nslProjectUndoExtSeqStart / End so that one undo takes them all back; a
// change made with no step open is a step of its own. Each step keeps the
// storyboard as it was before its first change. Any thread.
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/media/storyboard_model.h"

namespace hostsim {

class HostLog;

/// One undo step: its name, whether it was closed, the changes made in it
/// (as text, oldest first) and the storyboard before the first of them.
struct UndoStep {
  std::u16string name;
  bool closed = false;
  std::vector<std::string> changes;
  /// A step the host made for a change outside any bracket.
  bool implicit = false;
  std::shared_ptr<const SbScenes> before;
};

class UndoHistory {
 public:
  explicit UndoHistory(HostLog& log) : log_(log) {}

  /// Opens a step. While one is open a further start is refused (-1, with a
  /// log line): the open step goes on collecting the changes, and the next
  /// end closes it.
  int32_t begin(const char16_t* name);
  /// Closes the open step; -1, with a log line, when none is open.
  int32_t end();
  /// Whether the next change needs the storyboard as it is now: no step is
  /// open, or the open one has no change yet.
  bool wantsSnapshot() const;
  /// A change: into the open step, or a closed step of its own. `before` is
  /// the storyboard before it (may be null when wantsSnapshot() was false).
  void record(const std::string& change, std::shared_ptr<const SbScenes> before);
  /// Takes the last step that holds changes off the history, closing it if
  /// it was still open (logged); nullopt when none holds any. Steps without
  /// changes stay listed: undo passes over them.
  std::optional<UndoStep> takeLast();
  std::vector<UndoStep> steps() const;

 private:
  bool open() const { return !steps_.empty() && !steps_.back().closed; }

  HostLog& log_;
  mutable std::mutex mutex_;
  std::vector<UndoStep> steps_;
};

}  // namespace hostsim
