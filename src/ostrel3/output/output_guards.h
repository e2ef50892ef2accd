#pragma once
// Scoped host state of one storyboard output: whatever way the output
// ends, the act-scene sample is restored, an opened undo step is closed and
// a pending insert copy is deleted.
#include <cstdint>

#include "host/host_types.h"

namespace ostrel3 {

/// Saves the host's act-scene sample; restores it when it was not 0.
class ActSceneSampleGuard {
 public:
  ActSceneSampleGuard();
  ~ActSceneSampleGuard();
  ActSceneSampleGuard(const ActSceneSampleGuard&) = delete;
  ActSceneSampleGuard& operator=(const ActSceneSampleGuard&) = delete;

 private:
  uint32_t saved_;
};

/// One host undo step around every change of the output.
class UndoStep {
 public:
  UndoStep() = default;
  ~UndoStep() { close(); }
  UndoStep(const UndoStep&) = delete;
  UndoStep& operator=(const UndoStep&) = delete;
  /// Opens the step; a refusal is logged and the output goes on without it.
  void open(const XCHAR* name);
  /// Closes the step if open() was called.
  void close();

 private:
  bool opened_ = false;
};

/// An insert copy the output made and has not deleted yet.
class PendingCopy {
 public:
  PendingCopy() = default;
  ~PendingCopy() { discard(); }
  PendingCopy(const PendingCopy&) = delete;
  PendingCopy& operator=(const PendingCopy&) = delete;
  AV_RECORD get() const { return record_; }
  explicit operator bool() const { return record_ != 0; }
  /// Takes a new copy (the one before must be gone).
  void take(AV_RECORD record) { record_ = record; }
  /// Deletes the copy; false (logged, still pending) when the host refuses.
  bool discard();

 private:
  AV_RECORD record_ = 0;
};

}  // namespace ostrel3
