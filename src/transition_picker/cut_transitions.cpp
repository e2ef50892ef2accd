// Transitions at the cuts of a freshly written output: every scene from the
// first one at or after `first` up to the one before the scene that reaches
// `last` gets one, taken from the list cut by cut. The walk never leaves that
// range, so scenes of the storyboard that the output did not write keep
// theirs untouched.
#include <random>
#include <vector>

#include "host/main.h"
#include "host/nsl_sb.h"
#include "host/op.h"
#include "host/xc.h"
#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/log.h"
#include "transition_picker/picker_state.h"
#include "transition_picker/transition_order.h"
#include "transition_picker/transition_picker.h"
#include "transition_picker/transition_tables.h"

namespace ostrel3 {

namespace {

constexpr uint32_t kReverseDirectionFlag = 0x4;

void copyScene(const StoryboardScene& from, const StoryboardScene& to) {
  if (nslSBSceneCopy(from.get(), to.get()) == -1) throw CMC_Error("nslsbscenecopy() failed?");
}

bool sameScene(const StoryboardScene& a, const StoryboardScene& b) { return nslSBSceneCmp(a.get(), b.get()) != 0; }

// The list positions in the order they are used, without the entries whose
// operator the host does not have (they stay in the list: it may be
// installed later).
std::vector<int32_t> usableOrder(const TransitionPickerState& s) {
  std::vector<int32_t> usable;
  for (int32_t position : TransitionOrder(EntryCount(), s.transitionOrder == 1, std::random_device{}())) {
    const TransitionEntry* entry = EntryAt(position);
    if (!entry) continue;
    if (!mainGetOperatorName(entry->path, 0)) {
      OS3_LOG(kLogFailed);
      continue;
    }
    usable.push_back(position);
  }
  return usable;
}

// The scenes of the range: cursor and start at the first scene at or after
// `first`, end at the first one that reaches `last`. False (logged) when the
// storyboard has no such scenes.
bool findRange(int32_t first, int32_t last, const StoryboardScene& cursor, const StoryboardScene& start,
               const StoryboardScene& end) {
  if (nslSBGetFirstScene(cursor.get()) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  while (nslSBSceneGetAbsolutePos(cursor.get()) < first) {
    if (nslSBGetNextScene(cursor.get(), cursor.get()) == -1) {
      OS3_LOG(kLogFailed);
      return false;
    }
  }
  copyScene(cursor, start);
  copyScene(cursor, end);
  while (nslSBSceneGetAbsolutePos(end.get()) + nslSBGetSceneLength(end.get()) - 1 < last) {
    if (nslSBGetNextScene(end.get(), end.get()) == -1) {
      OS3_LOG(kLogFailed);
      return false;
    }
  }
  return true;
}

// A transition of the storyboard, loaded for as long as the holder lives.
class LoadedTransition {
 public:
  explicit LoadedTransition(SB_TRANSITION t) : transition_(nslSBTransitionLoad(t) == -1 ? 0 : t) {
    if (!transition_) OS3_LOG(kLogFailed);
  }
  ~LoadedTransition() {
    if (transition_ && nslSBTransitionUnload(transition_) == -1) OS3_LOG(kLogFailed);
  }
  LoadedTransition(const LoadedTransition&) = delete;
  LoadedTransition& operator=(const LoadedTransition&) = delete;
  SB_TRANSITION get() const { return transition_; }

 private:
  SB_TRANSITION transition_;
};

// Gives the scene's new transition the entry's settings and an id of its own.
void configureTransition(SB_TRANSITION transition, const TransitionEntry& entry) {
  const LoadedTransition loaded(transition);
  if (!loaded.get()) return;
  const OP_HANDLE op = nslSBTransitionGetOperator(loaded.get());
  if (!op) {
    OS3_LOG(kLogFailed);
    return;
  }
  if (entry.prefsSize > 0 && entry.prefs && opSetPrefs(op, entry.prefs, static_cast<uint32_t>(entry.prefsSize)) != 0)
    OS3_LOG(kLogFailed);
  if (opSetUniqueID(op, mstlGetUniqueID()) == -1) OS3_LOG(kLogFailed);
  if (nslSBTransitionUpdatePrefs(loaded.get()) == -1) OS3_LOG(kLogFailed);
  if (nslSBCalcTransitionAudio(loaded.get()) == -1) OS3_LOG(kLogFailed);
}

void addTransition(const StoryboardScene& scene, const TransitionEntry& entry, int32_t wantedFrames,
                   int32_t cutsPerTransition) {
  const int32_t direction = (mainGetOperatorFlags(entry.path, 0) & kReverseDirectionFlag) ? 1 : 0;
  const int32_t maximum = nslSBSceneGetMaxTransitionLength(scene.get());
  if (maximum < 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  const int32_t length = CutTransitionLength(wantedFrames, maximum, cutsPerTransition);
  if (length < 1) return;  // the scene leaves no room for a transition
  SB_TRANSITION added = 0;
  if (nslSBAddTransition22(scene.get(), entry.path, length, direction, &added) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  SB_SCENE_INFO info{};
  if (nslSBGetSceneInfo(scene.get(), &info) == 0 && info.transition) configureTransition(info.transition, entry);
}

void addJingles(const StoryboardScene& cursor, const StoryboardScene& end, const TransitionPickerState& s) {
  while (!sameScene(cursor, end)) {
    SB_SCENE_INFO info{};
    if (nslSBGetSceneInfo(cursor.get(), &info) == 0 && info.transition &&
        nslSBTransitionAddJingle(info.transition, s.jingleFile.c_str(), s.jingleImage.c_str(), 0) == -1)
      OS3_LOG(kLogFailed);
    if (nslSBGetNextScene(cursor.get(), cursor.get()) == -1) return;
  }
}

}  // namespace

void AddCutTransitions(int32_t first, int32_t last, int32_t framesPerSecond) {
  const TransitionPickerState& s = transitionPicker();
  if (s.transitionsEnabled != 1 || EntryCount() == 0) return;
  std::vector<int32_t> order = usableOrder(s);
  if (order.empty()) return;
  const int32_t cutsPerTransition = CutsPerTransition(s.transitionChange);
  const int32_t wantedFrames = TransitionLengthFrames(s.transitionTime, framesPerSecond);
  TransitionCycle cycle(std::move(order), cutsPerTransition);
  const StoryboardScene cursor, next, start, end;
  if (!findRange(first, last, cursor, start, end)) return;
  // The scene that reaches `last` ends the range: it and everything after it
  // keep what they have. A range of one scene has no cut.
  while (!sameScene(cursor, end) && nslSBGetNextScene(cursor.get(), next.get()) != -1) {
    if (const TransitionEntry* entry = EntryAt(cycle.current()))
      addTransition(cursor, *entry, wantedFrames, cutsPerTransition);
    cycle.advance();
    copyScene(next, cursor);
  }
  if (!HasJingle(s)) return;
  copyScene(start, cursor);
  addJingles(cursor, end, s);
}

}  // namespace ostrel3
