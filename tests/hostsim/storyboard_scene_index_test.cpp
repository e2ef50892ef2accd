// The scene index against a plain walk of the scenes, through a long run of
// scenes added, split, resized and removed anywhere in the storyboard.
#include <gtest/gtest.h>

#include <random>

#include "hostsim/media/scene_index.h"

namespace {

using hostsim::SbScene;
using hostsim::SbScenes;

SbScene indexedScene(uint32_t id, int32_t length) {
  SbScene s;
  s.id = id;
  s.clip.out = length - 1;
  return s;
}

TEST(SceneIndexTest, AgreesWithAWalkOfTheScenesWhateverChanges) {
  std::mt19937 random(7);
  SbScenes scenes;
  hostsim::SceneIndex index;
  uint32_t nextId = 1;
  for (int step = 0; step < 4000; ++step) {
    size_t at = scenes.empty() ? 0 : random() % (scenes.size() + 1);
    switch (random() % 4) {
      case 0:  // added anywhere, most often at the end as an output does
      case 1:
        at = random() % 3 ? scenes.size() : at;
        scenes.insert(scenes.begin() + at, indexedScene(nextId++, 1 + random() % 100));
        index.changedAt(at);
        break;
      case 2:  // resized
        if (at < scenes.size()) {
          scenes[at].clip.out = static_cast<int32_t>(random() % 100);
          index.changedAt(at);
        }
        break;
      case 3:  // removed
        if (at < scenes.size()) {
          scenes.erase(scenes.begin() + at);
          index.changedAt(at);
        }
        break;
    }
    const uint32_t asked = 1 + random() % nextId;  // sometimes gone, sometimes never made
    ASSERT_EQ(index.find(scenes, asked), hostsim::indexOf(scenes, asked)) << "step " << step;
    const size_t where = scenes.empty() ? 0 : random() % (scenes.size() + 1);
    ASSERT_EQ(index.position(scenes, where), hostsim::positionOf(scenes, where)) << "step " << step;
  }
  scenes.clear();
  index.reset();
  EXPECT_EQ(index.find(scenes, 1), std::nullopt);
  EXPECT_EQ(index.position(scenes, 0), 0);
}

}  // namespace
