// The storyboard through the host calls: scenes in order with their
// positions, inserts that split the scene carrying them, the sound of an
// insert, scene buffers that keep naming their scene, and refused misuse.
#include "storyboard_fixture.h"

namespace ostrel3_test {
namespace {

// Positions and lengths as a caller walks them.
std::vector<std::pair<int32_t, int32_t>> walk() {
  std::vector<std::pair<int32_t, int32_t>> out;
  SceneHolder s;
  for (int32_t r = nslSBGetFirstScene(s); r == 0; r = nslSBGetNextScene(s, s))
    out.emplace_back(nslSBSceneGetAbsolutePos(s), nslSBGetSceneLength(s));
  return out;
}

TEST_F(StoryboardTest, ScenesGoWhereTheyAreAddedAndTheirPositionsFollow) {
  struct Step {
    uint32_t uid;
    int32_t in, out;
    int after;  ///< scene number to add after, 0: at the start
    std::vector<std::pair<int32_t, int32_t>> expected;
  };
  const Step steps[] = {
      {kCam1, 0, 99, 0, {{0, 100}}},
      {kCam2, 0, 199, 1, {{0, 100}, {100, 200}}},
      {kCam3, 0, 49, 0, {{0, 50}, {50, 100}, {150, 200}}},
      {kCam3, 10, 19, 2, {{0, 50}, {50, 100}, {150, 10}, {160, 200}}},
  };
  for (const Step& step : steps) {
    AV_RECORD clip = copyOf(step.uid, step.in, step.out);
    SceneHolder position, made;
    if (step.after > 0) {
      ASSERT_EQ(nslSBGetFirstScene(position), 0);
      for (int i = 1; i < step.after; ++i) ASSERT_EQ(nslSBGetNextScene(position, position), 0);
    }
    ASSERT_EQ(nslSBAddScene(step.after > 0 ? SB_SCENE(position) : 0, clip, made), 0);
    EXPECT_EQ(nslSBGetSceneLength(made), step.out - step.in + 1) << "out names the new scene";
    ASSERT_EQ(nslDeleteAVRecord(clip), 0) << "the storyboard keeps its own copy";
    EXPECT_EQ(walk(), step.expected) << "after adding " << step.uid << " after scene " << step.after;
  }
  EXPECT_EQ(nslSBGetLength(), 360);
}

TEST_F(StoryboardTest, AnOutputSplitsItsBaseSceneAtEveryInsert) {
  writeOutput({{0, 99, 1}, {100, 199, 2}, {200, 299, 3}, {300, 349, 1}, {350, 449, 2}, {450, 499, 1}});
  const auto v = view();
  ASSERT_EQ(v.scenes.size(), 4u);
  EXPECT_EQ(walk(), (std::vector<std::pair<int32_t, int32_t>>{{0, 200}, {200, 100}, {300, 150}, {450, 50}}));
  struct Expected {
    int32_t type, offset, insertLength;
    std::u16string insert;
  };
  const Expected expected[] = {{2, 100, 100, u"Camera 2 OS"}, {2, 0, 100, u"Camera 3 OS"},
                               {2, 50, 100, u"Camera 2 OS 2"}, {0, -1, 0, u""}};
  for (size_t i = 0; i < 4; ++i) {
    const auto& s = v.scenes[i];
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(s.clip.name, u"Camera 1");
    EXPECT_EQ(s.type, expected[i].type);
    ASSERT_EQ(s.insert.has_value(), expected[i].offset >= 0);
    if (!s.insert) continue;
    EXPECT_EQ(s.insert->offset, expected[i].offset);
    EXPECT_EQ(s.insert->clip.length(), expected[i].insertLength);
    EXPECT_EQ(s.insert->clip.name, expected[i].insert) << "a second insert of a camera gets a name of its own";
    // The insert shows the timeline frames of its segment.
    EXPECT_EQ(positionOf(v.scenes, i) + s.insert->offset, s.insert->clip.in);
  }
  // The base scene shows camera 1's clip without a gap or an overlap.
  for (size_t i = 1; i < 4; ++i) EXPECT_EQ(v.scenes[i].clip.in, v.scenes[i - 1].clip.out + 1);
}

TEST_F(StoryboardTest, AnAudioTrimIsTakenBackOnlyForItsClipAndWithinTheFramesKept) {
  appendScene(kCam1);
  SceneHolder scene;
  ASSERT_EQ(nslSBGetFirstScene(scene), 0);
  SB_AUDIO_SCENE audioScene = nslSBAllocAudioScene();
  ASSERT_EQ(nslConvertSBSceneToSBAudioScene(scene, audioScene), 0);
  AV_RECORD clip = copyOf(kCam2, 100, 199);
  const SB_AUDIO audio = nslSBAddAudio(audioScene, 0, 0, clip), other = nslSBAddAudio(audioScene, 1, 0, clip);
  ASSERT_TRUE(audio && other);
  nslSBFreeAudioScene(audioScene);
  ASSERT_EQ(nslDeleteAVRecord(clip), 0);
  SB_AUDIO_TRIM given{};
  ASSERT_EQ(nslSBAudioBeginTrim(audio, &given, 0), 0);
  EXPECT_EQ(given.in, 50) << "counted from the first of the 50 frames kept before it";
  EXPECT_EQ(given.out, 149);
  EXPECT_EQ(given.more[0], 200);
  SB_AUDIO_TRIM foreign{};
  ASSERT_EQ(nslSBAudioBeginTrim(other, &foreign, 0), 0);

  struct Case {
    const char* what;
    int32_t in, out;
    bool foreignRecord, taken;
  };
  const Case cases[] = {
      {"another clip's record", 0, 199, true, false}, {"in after out", 120, 110, false, false},
      {"before the frames kept", -1, 100, false, false}, {"after the frames kept", 10, 200, false, false},
      {"all the frames kept", 0, 199, false, true},
  };
  for (const Case& c : cases) {
    SB_AUDIO_TRIM t = c.foreignRecord ? foreign : given;
    t.in = c.in;
    t.out = c.out;
    EXPECT_EQ(nslSBAudioEndTrim(audio, &t) == 0, c.taken) << c.what;
  }
  const auto v = view();
  const hostsim::SbAudio& a = v.scenes[0].audio[0];
  EXPECT_EQ(a.clip.length(), 200);
  EXPECT_EQ(a.clip.headHandle(), 0);
}

TEST_F(StoryboardTest, ABufferGoesOnNamingTheFirstPartOfASceneThatAnInsertSplits) {
  appendScene(kCam1);
  SceneHolder base, copy, tail;
  ASSERT_EQ(nslSBGetFirstScene(base), 0);
  ASSERT_EQ(nslSBSceneCopy(base, copy), 0);
  AV_RECORD insert = copyOf(kCam2, 0, 99);
  ASSERT_EQ(nslSBAddInsertWithTrim(base, insert, base), 0);
  ASSERT_EQ(nslDeleteAVRecord(insert), 0);
  ASSERT_EQ(nslSBGetLastScene(tail), 0);
  EXPECT_EQ(nslSBSceneCmp(base, tail), 0);
  EXPECT_NE(nslSBSceneCmp(base, copy), 0) << "the copy names the same scene";
  EXPECT_EQ(nslSBGetSceneLength(copy), 100) << "the first part: up to the insert's end";
  EXPECT_EQ(nslSBSceneHasInsert(copy), 1);
  EXPECT_EQ(nslSBGetSceneLength(tail), 400);
  EXPECT_EQ(nslSBSceneHasInsert(tail), 0);

  SB_INSERT_TRIM trim{};
  ASSERT_EQ(nslSBInsertBeginTrim(copy, &trim, 0), 0);
  trim.startOffset = 250;
  ASSERT_EQ(nslSBInsertEndTrim(copy, &trim), 0);
  EXPECT_EQ(nslSBGetSceneLength(base), 350);
  EXPECT_EQ(nslSBGetSceneLength(tail), 150) << "the piece after the insert is the same scene, shorter";
  EXPECT_EQ(nslSBSceneGetAbsolutePos(tail), 350);

  trim.startOffset = 400;  // the insert now ends the clip: the piece after it goes
  ASSERT_EQ(nslSBInsertEndTrim(copy, &trim), 0);
  EXPECT_EQ(nslSBGetSceneLength(base), 500);
  const size_t before = hostLines();
  EXPECT_EQ(nslSBGetSceneLength(tail), -1) << "a buffer of a scene that is gone names nothing";
  EXPECT_EQ(hostLines(), before + 1);
  EXPECT_EQ(nslSBSceneCmp(tail, tail), 0) << "nothing is not the same scene as anything";
}

TEST_F(StoryboardTest, SceneComparisonIsNonZeroOnlyForTheSameScene) {
  appendScene(kCam1);
  appendScene(kCam2);
  SceneHolder first, again, second, empty;
  ASSERT_EQ(nslSBGetFirstScene(first), 0);
  ASSERT_EQ(nslSBGetFirstScene(again), 0);
  ASSERT_EQ(nslSBGetLastScene(second), 0);
  struct Case {
    const char* what;
    SB_SCENE a, b;
    int32_t expected;
  };
  const Case cases[] = {
      {"the same buffer", first, first, 1},    {"two buffers of one scene", first, again, 1},
      {"two scenes", first, second, 0},        {"a buffer naming nothing", first, empty, 0},
      {"two buffers naming nothing", empty, empty, 0}, {"no buffer at all", first, 0x7777, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(nslSBSceneCmp(c.a, c.b) != 0, c.expected != 0) << c.what;
  host().calls().failNth("nslSBSceneCmp", 1);
  EXPECT_EQ(nslSBSceneCmp(first, again), 0) << "a refused comparison never reads as the same scene";
}

TEST_F(StoryboardTest, MisuseIsRefusedWithALogLineAndChangesNothing) {
  appendScene(kCam1);
  SceneHolder scene, other, third, empty;
  ASSERT_EQ(nslSBGetFirstScene(scene), 0);
  AV_RECORD longClip = copyOf(kCam2, 0, 499), shortClip = copyOf(kCam2, 0, 99);
  AV_RECORD huge = nslCopyAVRecord(bin(kCam3), 0);
  ASSERT_EQ(nslSBAddInsertWithTrim(scene, shortClip, scene), 0);
  ASSERT_EQ(nslSBGetLastScene(other), 0);
  SB_INSERT_TRIM trim{}, foreign{};
  ASSERT_EQ(nslSBInsertBeginTrim(scene, &trim, 0), 0);
  ASSERT_EQ(nslSBAddInsertWithTrim(other, shortClip, other), 0);
  ASSERT_EQ(nslSBInsertBeginTrim(other, &foreign, 0), 0);
  ASSERT_EQ(nslSBGetLastScene(third), 0);
  const auto lengths = sceneLengths();
  const size_t steps = host().media().project().undoSteps().size();

  struct Case {
    const char* what;
    std::function<int32_t()> call;
  };
  const Case cases[] = {
      {"a position that is no buffer", [&] { return nslSBAddScene(0x7777, longClip, 0); }},
      {"a position naming nothing", [&] { return nslSBAddScene(empty, longClip, 0); }},
      {"no clip", [&] { return nslSBAddScene(0, 0x7777, 0); }},
      {"a second insert on a scene", [&] { return nslSBAddInsertWithTrim(scene, shortClip, 0); }},
      {"an insert longer than its scene", [&] { return nslSBAddInsertWithTrim(third, huge, 0); }},
      {"a trim record of another scene", [&] { return nslSBInsertEndTrim(scene, &foreign); }},
      {"an insert whose length changes", [&] { SB_INSERT_TRIM t = trim; t.length = 50; t.startOffset = 10;
                                               return nslSBInsertEndTrim(scene, &t); }},
      {"an insert past its room", [&] { SB_INSERT_TRIM t = trim; t.startOffset = 450;
                                        return nslSBInsertEndTrim(scene, &t); }},
      {"a scene to make active that is none", [&] { return mainSetActiveStoryboardScene(empty); }},
      {"no record for the scene's info", [&] { return nslSBGetSceneInfo(scene, nullptr); }},
  };
  for (const Case& c : cases) {
    const size_t before = hostLines();
    EXPECT_EQ(c.call(), -1) << c.what;
    EXPECT_EQ(hostLines(), before + 1) << c.what;
    EXPECT_EQ(sceneLengths(), lengths) << c.what;
  }
  EXPECT_EQ(host().media().project().undoSteps().size(), steps) << "refusals are no changes";
  for (AV_RECORD r : {longClip, shortClip, huge}) nslDeleteAVRecord(r);
}

TEST_F(StoryboardTest, ClearingTakesEverySceneAndTheActiveOne) {
  appendScene(kCam1);
  appendScene(kCam2);
  SceneHolder last, active;
  ASSERT_EQ(nslSBGetLastScene(last), 0);
  ASSERT_EQ(mainSetActiveStoryboardScene(last), 0);
  ASSERT_EQ(mainGetActiveStoryboardScene(active), 0);
  EXPECT_NE(nslSBSceneCmp(active, last), 0);

  ASSERT_EQ(mainClearStoryboard(0), 0);
  EXPECT_EQ(nslSBGetSceneLength(last), -1);
  const size_t before = hostLines();
  EXPECT_EQ(nslSBGetLength(), 0);
  EXPECT_EQ(nslSBGetFirstScene(active), -1);
  EXPECT_EQ(mainGetActiveStoryboardScene(active), -1);
  EXPECT_EQ(mainClearStoryboard(0), 0);
  EXPECT_EQ(hostLines(), before) << "an empty storyboard is no misuse";
}

}  // namespace
}  // namespace ostrel3_test
