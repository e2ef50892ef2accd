// Giving cameras their clips and keeping the camera block in line: not built yet.
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::AssignSceneToActiveCamera() {}
void MulticamOperator::RemoveClipFromActiveCamera() {}
void MulticamOperator::SynchroniseCameras() {}
void MulticamOperator::UpdateCameraLabels() {}
void MulticamOperator::UpdateCameraPanel(int, bool) {}

}  // namespace ostrel3
