// The live cut's local updates give what the whole-list walks give: the cut
// list normalised, and the output list made from scratch.
#include <gtest/gtest.h>

#include <random>

#include "ostrel3/display/live_cut.h"
#include "ostrel3/project/project_model.h"

namespace {

using namespace ostrel3;

// Camera 3 has no clip; camera 9 does not exist.
const CameraClips kClips{0x11, 0x12, 0, 0x14};

CutList randomCuts(std::mt19937& random, bool normalised) {
  CutList cuts;
  const int count = std::uniform_int_distribution<int>(0, 12)(random);
  std::uniform_int_distribution<int> camera(0, 3);
  for (int i = 0, frame = 0; i < count; ++i, frame += std::uniform_int_distribution<int>(1, 6)(random))
    cuts.insert_or_assign(frame, i == count - 1 && random() % 9 == 0 ? 9 : camera(random));
  if (normalised) NormaliseCutList(cuts);
  return cuts;
}

TEST(LiveCutUpdateTest, AgreesWithTheWholeListWalksOnEveryKindOfCut) {
  std::mt19937 random(20240611);
  for (int trial = 0; trial < 20000; ++trial) {
    const bool normalised = trial % 4 != 0;
    const CutList before = randomCuts(random, normalised);
    const int32_t start = std::uniform_int_distribution<int32_t>(0, 40)(random);
    const int32_t frame = std::uniform_int_distribution<int32_t>(0, 80)(random);
    const int32_t camera = std::uniform_int_distribution<int32_t>(0, 3)(random);
    std::vector<CM_OUTPUT_PAIR> oldList;
    BuildOutputPairs(before, start, kClips, oldList);

    CutList local = before, whole = before;
    local.insert_or_assign(frame, camera);
    whole.insert_or_assign(frame, camera);
    NormaliseAfterCut(local, frame);
    NormaliseCutList(whole);
    if (normalised) {
      ASSERT_EQ(local, whole) << "trial " << trial;
    } else {
      // A list with repeats keeps those away from the cut: what is shown stays.
      NormaliseCutList(local);
      ASSERT_EQ(local, whole) << "trial " << trial;
      local = before;
      local.insert_or_assign(frame, camera);
      NormaliseAfterCut(local, frame);
    }
    std::vector<CM_OUTPUT_PAIR> updated, built;
    UpdateOutputPairs(oldList, local, start, frame, kClips, updated);
    BuildOutputPairs(local, start, kClips, built);
    ASSERT_EQ(updated.size(), built.size()) << "trial " << trial;
    for (size_t i = 0; i < built.size(); ++i) {
      ASSERT_EQ(updated[i].start, built[i].start) << "trial " << trial << ", pair " << i;
      ASSERT_EQ(updated[i].clip, built[i].clip) << "trial " << trial << ", pair " << i;
    }
  }
}

}  // namespace
