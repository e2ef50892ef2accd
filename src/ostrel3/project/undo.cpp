// Undo and redo keep whole project texts: a step back is a reset and a load
// of the newest snapshot, so it restores exactly what was saved.
#include <tinyxml2.h>

#include "host/vg.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

void pushSnapshot(MulticamOperator& op, SnapshotHistory& history) {
  try {
    std::string text;
    if (!op.SaveProject(&text) || text.empty()) return;
    history.push_back(UndoSnapshot{op.projectSlot, std::move(text)});
    if (history.size() > static_cast<size_t>(kMaxUndoSnapshots)) history.pop_front();
  } catch (...) {
    OS3_LOG(kLogFailed);
  }
}

// Takes the newest snapshot of `from`, saves the current state onto the other
// history and loads the snapshot. A snapshot that cannot be parsed leaves an
// empty project; the state before is on the other history.
bool restoreSnapshot(MulticamOperator& op, SnapshotHistory& from, void (MulticamOperator::*saveCurrent)()) {
  if (from.empty()) {
    vgPointerBeep();
    return false;
  }
  const UndoSnapshot snapshot = std::move(from.back());
  from.pop_back();
  if (snapshot.text.empty()) return false;
  bool result = false;
  try {
    (op.*saveCurrent)();
    const int32_t oldSceneCount = op.sceneCount;
    // The slot first, so that a project without a name is named after its own slot.
    op.projectSlot = snapshot.slot;
    op.ResetProject();
    tinyxml2::XMLDocument document;
    if (document.Parse(snapshot.text.data(), snapshot.text.size()) != tinyxml2::XML_SUCCESS) {
      OS3_LOG(kLogFailed);
      return false;
    }
    result = op.LoadProjectDocument(document);
    if (result && op.sceneCount != oldSceneCount) op.restartRequested = true;
  } catch (...) {
    OS3_LOG(kLogFailed);
  }
  return result;
}

}  // namespace

void MulticamOperator::PushUndo() { pushSnapshot(*this, undoHistory); }
void MulticamOperator::PushRedo() { pushSnapshot(*this, redoHistory); }
bool MulticamOperator::Undo() { return restoreSnapshot(*this, undoHistory, &MulticamOperator::PushRedo); }
bool MulticamOperator::Redo() { return restoreSnapshot(*this, redoHistory, &MulticamOperator::PushUndo); }

}  // namespace ostrel3
