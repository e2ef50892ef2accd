// The settings file of the host project. Until it exists the operator
// starts with project slot 0.
#include "ostrel3/operator.h"

namespace ostrel3 {

void MulticamOperator::LoadSettings() {}

}  // namespace ostrel3
