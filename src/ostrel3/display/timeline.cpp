// The timeline overview: not built yet.
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::ZoomTimeline(int) {}
void MulticamOperator::RedrawTimeline(bool) {}
void MulticamOperator::UpdateTimeline() { UpdateTimelineLength(); }

}  // namespace ostrel3
