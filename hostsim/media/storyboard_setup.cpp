#include "hostsim/media/storyboard_setup.h"

#include "hostsim/core/text.h"

namespace hostsim {

namespace {

const ClipConfig& binClip(const StoryboardSetup& l, const std::vector<ClipConfig>& clips) {
  for (const ClipConfig& c : clips)
    if (c.uid == l.uid) return c;
  throw StoryboardSetupError(l.line, "no clip with uid " + std::to_string(l.uid) + " in the scene bin");
}

SbClip setupClip(const StoryboardSetup& l, const std::vector<ClipConfig>& clips, int32_t limit,
                 const std::function<uint32_t()>& freshUid) {
  const ClipConfig& c = binClip(l, clips);
  const int32_t in = l.in >= 0 ? l.in : 0;
  const int32_t out = l.out >= 0 ? l.out : c.length - 1;
  if (in > out || out >= c.length)
    throw StoryboardSetupError(l.line, "the trims " + std::to_string(in) + ".." + std::to_string(out) +
                                           " do not lie within the " + std::to_string(c.length) + " frames of clip " +
                                           std::to_string(c.uid));
  return keptClip(freshUid(), c.uid, fromUtf8Lossy(c.name), 0, c.length, in, out, limit);
}

void addInsert(SetupStoryboard& s, const StoryboardSetup& l, SbClip clip) {
  if (s.scenes.empty()) throw StoryboardSetupError(l.line, "an insert needs a scene before it");
  const size_t last = s.scenes.size() - 1;
  if (s.scenes[last].insert) throw StoryboardSetupError(l.line, "the last scene already carries an insert");
  s.scenes[last].insert = SbInsert{std::move(clip), 0};
  const std::string refused = placeInsert(s.scenes, last, l.at, s.nextSceneId);
  if (!refused.empty()) throw StoryboardSetupError(l.line, refused);
  if (s.scenes.size() > last + 1) ++s.nextSceneId;
}

}  // namespace

SetupStoryboard buildSetupStoryboard(const std::vector<StoryboardSetup>& lines, const std::vector<ClipConfig>& clips,
                                     int32_t limit, const std::function<uint32_t()>& freshUid) {
  SetupStoryboard s;
  for (const StoryboardSetup& l : lines) {
    switch (l.kind) {
      case StoryboardSetup::Scene: {
        SbScene scene;
        scene.id = s.nextSceneId++;
        scene.type = l.type;
        scene.clip = setupClip(l, clips, limit, freshUid);
        s.scenes.push_back(std::move(scene));
        break;
      }
      case StoryboardSetup::Insert:
        addInsert(s, l, setupClip(l, clips, limit, freshUid));
        break;
      case StoryboardSetup::Active:
        if (l.number < 1 || static_cast<size_t>(l.number) > s.scenes.size())
          throw StoryboardSetupError(l.line, "there is no scene " + std::to_string(l.number) + " (the storyboard has " +
                                                 std::to_string(s.scenes.size()) + " so far)");
        s.active = static_cast<size_t>(l.number - 1);
        break;
    }
  }
  return s;
}

}  // namespace hostsim
