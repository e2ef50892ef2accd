// The live preview's output lists: built from the cut list into the list
// the render library does not read, then made current.
#include "ostrel3/display/output_list.h"

#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

AV_RECORD clipOf(const CameraClips& clips, int32_t camera) {
  return camera >= 0 && camera < kCameraSlots ? clips[camera] : 0;
}

}  // namespace

void BuildOutputPairs(const CutList& cuts, int32_t start, const CameraClips& clips, std::vector<CM_OUTPUT_PAIR>& out) {
  out.clear();
  out.reserve(cuts.size() + 2);
  auto it = cuts.lower_bound(start);
  // The cut in force just before `start`; with none after it, the last cut.
  if (it != cuts.begin()) --it;
  if (it != cuts.end()) {
    if (const AV_RECORD clip = clipOf(clips, it->second)) out.push_back({start, clip});
    for (++it; it != cuts.end(); ++it)
      if (const AV_RECORD clip = clipOf(clips, it->second)) out.push_back({it->first, clip});
  }
  out.push_back({0, 0});
}

CameraClips MulticamOperator::cameraClips() const {
  CameraClips clips{};
  for (int i = 0; i < kCameraSlots; ++i) clips[i] = cameras[i].record;
  return clips;
}

void MulticamOperator::BuildOutputList(int32_t start) {
  // The render library may be reading the list it was given last: the new
  // list goes into the other one, and only then becomes current.
  currentOutputList = outputListInPlayer >= 0 ? 1 - outputListInPlayer : 1 - currentOutputList;
  BuildOutputPairs(cutList, start, cameraClips(), outputLists[currentOutputList]);
}

}  // namespace ostrel3
