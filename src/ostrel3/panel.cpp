// The main panel. It does not exist yet: opening finds no panel to open.
#include "ostrel3/operator.h"

namespace ostrel3 {

bool MulticamOperator::OpenPanel(OperatorMsg* message) {
  restartRequested = false;
  if (!gadgetExt.get() || !strings) return false;
  runMessage = message;
  const double rate = VideoFrameRate(message->flags, message->fieldRate);
  for (auto& camera : cameras) camera.recRate = rate;
  return false;
}

void MulticamOperator::ClosePanel() { pictures.release(); }


}  // namespace ostrel3
