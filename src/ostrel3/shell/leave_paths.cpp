// The ways out of the event loop: save and leave, rebuild, leave.
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::saveAndLeave() {
  PlayStop(false);
  if (!SaveProject()) OS3_LOG(kLogFailed);
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
