// The live preview's output lists: built from the cut list into the list
// the render library does not read, then made current.
#include "ostrel3/display/output_list.h"

#include "ostrel3/display/live_cut.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void BuildOutputPairs(const CutList& cuts, int32_t start, const CameraClips& clips, std::vector<CM_OUTPUT_PAIR>& out) {
  out.clear();
  out.reserve(cuts.size() + 2);
  auto it = cuts.lower_bound(start);
  // The cut in force just before `start`; with none after it, the last cut.
  if (it != cuts.begin()) --it;
  if (it != cuts.end()) {
    if (const AV_RECORD clip = OutputClipOf(clips, it->second)) out.push_back({start, clip});
    for (++it; it != cuts.end(); ++it)
      if (const AV_RECORD clip = OutputClipOf(clips, it->second)) out.push_back({it->first, clip});
  }
  out.push_back({0, 0});
}

CameraClips MulticamOperator::cameraClips() const {
  CameraClips clips{};
  for (int i = 0; i < kCameraSlots; ++i) clips[i] = cameras[i].record;
  return clips;
}

// The render library may be reading the list it was given last: a new list
// goes into the other one, and only then becomes current.
int32_t MulticamOperator::nextOutputList() const {
  return outputListInPlayer >= 0 ? 1 - outputListInPlayer : 1 - currentOutputList;
}

void MulticamOperator::BuildOutputList(int32_t start) {
  currentOutputList = nextOutputList();
  BuildOutputPairs(cutList, start, cameraClips(), outputLists[currentOutputList]);
}

void MulticamOperator::updateOutputList(int32_t frame) {
  const int32_t from = currentOutputList, to = nextOutputList();
  // After a refused handover the list to fill is the current one itself.
  if (!outputListFollowsCuts || to == from) return BuildOutputList(outputListStart);
  currentOutputList = to;
  UpdateOutputPairs(outputLists[from], cutList, outputListStart, frame, cameraClips(), outputLists[to]);
}

void MulticamOperator::playerGone() {
  outputListInPlayer = -1;
  outputListFollowsCuts = false;
}

}  // namespace ostrel3
