#include "ostrel3/shell/scoped_host.h"

#include "host/main.h"
#include "host/task.h"
#include "host/vg.h"

namespace ostrel3 {

void FlashElement(VG_PANEL panel, VG_ELEMENT element) {
  if (!panel || !element) return;
  vgActivateElement(panel, element);
  taskDelay(5);
  vgInactivateElement(panel, element);
}

ActSceneSampleRestorer::ActSceneSampleRestorer() : sample_(mainGetActSceneSample(1)) {}

ActSceneSampleRestorer::~ActSceneSampleRestorer() {
  if (sample_) mainSetActSceneSample(sample_, which_);
  sample_ = 0;
}

}  // namespace ostrel3
