#include "hostsim/user/script_storyboard.h"

#include "hostsim/media/storyboard_setup.h"

namespace hostsim::script {

namespace {

constexpr int64_t kFrameMax = 10'000'000;  // the longest clip a script may have
constexpr int64_t kTypeMax = 255;

// "in A", "out B" and, for scenes, "type T", in any order from word i.
void trimOptions(const Line& l, size_t i, StoryboardSetup& s, bool typed) {
  for (; i < l.size(); i += 2) {
    if (l.is(i, "in")) s.in = int32_t(l.number(i + 1, "a trim-in frame", 0, kFrameMax));
    else if (l.is(i, "out")) s.out = int32_t(l.number(i + 1, "a trim-out frame", 0, kFrameMax));
    else if (typed && l.is(i, "type")) s.type = int32_t(l.number(i + 1, "a scene type", 0, kTypeMax));
    else l.fail(std::string("expected in, out") + (typed ? " or type" : "") + ", found \"" + l.word(i) + "\"");
  }
}

}  // namespace

void parseStoryboard(const Line& l, HostConfig& c) {
  StoryboardSetup s;
  s.line = l.number();
  if (l.is(1, "scene")) {
    s.kind = StoryboardSetup::Scene;
    s.uid = uint32_t(l.number(2, "a clip uid", 1, kWordMax));
    trimOptions(l, 3, s, true);
  } else if (l.is(1, "insert")) {
    s.kind = StoryboardSetup::Insert;
    s.uid = uint32_t(l.number(2, "a clip uid", 1, kWordMax));
    if (!l.is(3, "at")) l.fail("expected at and the insert's offset in the last scene");
    s.at = int32_t(l.number(4, "an offset in frames", 0, kFrameMax));
    trimOptions(l, 5, s, false);
  } else if (l.is(1, "active")) {
    s.kind = StoryboardSetup::Active;
    s.number = int32_t(l.number(2, "a scene number (1 is the first)", 1, kFrameMax));
    l.end(3);
  } else {
    l.fail("expected storyboard scene, storyboard insert or storyboard active");
  }
  c.storyboard.push_back(s);
}

void checkStoryboard(const HostConfig& c) {
  const int32_t limit = c.includeTrimFrames >= 0 ? c.includeTrimFrames : 2 * framesPerSecond(c.format);
  try {
    buildSetupStoryboard(c.storyboard, c.clips, limit, [] { return 1u; });
  } catch (const StoryboardSetupError& e) {
    throw ScriptError(e.line(), e.what());
  }
}

}  // namespace hostsim::script
