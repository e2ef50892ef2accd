// The synchronise command: not built yet.
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::SynchroniseCameras() {}

}  // namespace ostrel3
