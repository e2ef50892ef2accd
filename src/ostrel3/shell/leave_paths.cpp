// The ways out of the event loop: save and leave, rebuild, leave.
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::saveAndLeave(bool mayStay) {
  PlayStop(false);
  if (!SaveProject()) {
    OS3_LOG(kLogFailed);
    // The work exists nowhere else: the user decides whether it is given up.
    if (mayStay && !leaveUnsaved()) return;
  }
  SaveSettings();
  settingsChanged = false;
  keepRunning = false;
}

void MulticamOperator::rebuild() {
  if (!SaveProject()) OS3_LOG(kLogFailed);
  SaveSettings();
  settingsChanged = false;
  keepRunning = false;
  DrawProjectTitle();
}

void MulticamOperator::leave() {
  ScrubStop();
  if (settingsChanged) SaveSettings();
  PlayStop(false);
}

}  // namespace ostrel3
