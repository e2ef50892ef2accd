// The end of the operator's main road: the edit written into the host's
// storyboard as one undo step.
#include "host/main.h"
#include "host/res.h"
#include "host/vg.h"
#include "ostrel3/output/storyboard_output.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "output_guards.h"
#include "storyboard_writer.h"

namespace ostrel3 {

namespace {

constexpr int32_t kUndoStepName = 200;

bool KnownMode(int32_t mode) { return mode >= kOutputAppend && mode <= kOutputInsertAtCurrent; }

}  // namespace

bool MulticamOperator::BuildStoryboard() {
  ActSceneSampleGuard sample;
  UndoStep undo;
  try {
    const bool hasCuts = cutList.size() > 1;
    int32_t mode = kOutputAppend;
    if (hasCuts) {
      // Without camera 1 there is no base scene to build on: refused before
      // the user is asked, so that a replace never clears the storyboard for
      // an output that cannot be written.
      if (!cameras[0].record) {
        vgPointerBeep();
        OS3_LOG(kLogRefused);
        return false;
      }
      mode = AskOutputMode(strings.get(), cutList.size());
      if (!KnownMode(mode)) return false;
      if (mode == kOutputReplace && mainClearStoryboard(0) == -1) {
        // Written after the old material, the output would not be what was asked for.
        OS3_LOG(kLogFailed);
        return false;
      }
      ScrubStop();
    }
    const XCHAR* stepName = resGetString(strings.get(), kUndoStepName);
    undo.open(stepName ? stepName : u"");
    if (!hasCuts) return false;
    return StoryboardWriter(*this, mode).write();
  } catch (...) {
    // Only a refused host resource ends up here; what was written so far
    // stays inside the undo step.
    OS3_LOG(kLogFailed);
    return false;
  }
}

}  // namespace ostrel3
