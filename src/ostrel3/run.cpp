// The run step: build the main object, open, run and close the panel as
// often as a rebuild is asked for, then tear everything down.
#include "ostrel3/entry.h"
#include "ostrel3/log.h"

namespace ostrel3 {

int32_t RunOperator(OperatorMsg* /*message*/) {
  OS3_LOG(kLogFailed);
  return -1;
}

}  // namespace ostrel3
