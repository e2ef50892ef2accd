// Loading and saving the project of a slot. Until the project files exist
// every slot opens as a new, empty project.
#include "ostrel3/operator.h"

namespace ostrel3 {

bool MulticamOperator::LoadProjectSlot() {
  ResetProject();
  return true;
}

}  // namespace ostrel3
