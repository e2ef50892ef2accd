// Transitions put at the cuts of an output written to the stand-in host's
// storyboard: which scenes get one, which transition of the list, how long,
// with what settings, and that scenes outside the output keep what they have.
#include <set>

#include "hostsim/storyboard_fixture.h"
#include "ostrel3/shell/cmc_error.h"
#include "picker_fixture.h"
#include "transition_picker/transition_picker.h"

namespace {

using ostrel3_test::kCam1;
using ostrel3_test::kCam2;
using ostrel3_test::kCam3;
using ostrel3_test::Segment;

constexpr int32_t kFps = 25;

// `cuts` inserts of 30 frames, each followed by camera 1 again: cuts + 1 scenes.
std::vector<Segment> alternating(int cuts) {
  std::vector<Segment> s;
  for (int i = 0; i < cuts; ++i) {
    s.push_back({60 * i, 60 * i + 29, 1});
    s.push_back({60 * i + 30, 60 * i + 59, 2 + i % 2});
  }
  s.push_back({60 * cuts, ostrel3_test::kClipFrames - 1, 1});
  return s;
}

class CutTransitionsTest : public ostrel3_test::StoryboardTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = StoryboardTest::makeConfig();
    c.operators.push_back({"transition/push", "Push", 0, 4, {}, {}});
    c.includeTrimFrames = limit_;
    return c;
  }
  void SetUp() override {
    StoryboardTest::SetUp();
    ostrel3::PrepareTransitionPicker();
  }
  void TearDown() override {
    ostrel3::ReleaseTransitionPicker();
    StoryboardTest::TearDown();
  }

  /// Transitions on, with these entries and choices.
  static void use(const std::vector<std::string>& names, int32_t time = 0, int32_t change = 0, int32_t order = 0) {
    ostrel3::ClearTransitions();
    for (const std::string& n : names) picker_test::AddEntry(n);
    auto& s = ostrel3::transitionPicker();
    s.transitionsEnabled = 1;
    s.transitionTime = time;
    s.transitionChange = change;
    s.transitionOrder = order;
  }
  /// Per scene: its transition's operator name, or "-".
  std::vector<std::string> transitions() {
    std::vector<std::string> out;
    for (const auto& scene : view().scenes)
      out.push_back(scene.transition ? scene.transition->path.substr(std::string("transition/").size()) : "-");
    return out;
  }
  /// Frames of the output written last: from the end of what was there before.
  std::pair<int32_t, int32_t> writeOutputAtEnd(const std::vector<Segment>& segments) {
    const int32_t start = nslSBGetLength();
    writeOutput(segments);
    return {start, nslSBGetLength() - 1};
  }

  int32_t limit_ = 50;
};

TEST_F(CutTransitionsTest, ThreeTransitionsTwoCutsEachInListOrder) {
  use({"wipe", "fade", "push"}, 0, 1);
  const auto [first, last] = writeOutputAtEnd(alternating(7));
  ostrel3::AddCutTransitions(first, last, kFps);
  EXPECT_EQ(transitions(), (std::vector<std::string>{"wipe", "wipe", "fade", "fade", "push", "push", "wipe", "-"}));
}

TEST_F(CutTransitionsTest, AShuffledListUsesEveryTransitionInTurn) {
  use({"wipe", "fade", "push"}, 0, 0, 1);
  const auto [first, last] = writeOutputAtEnd(alternating(6));
  ostrel3::AddCutTransitions(first, last, kFps);
  const std::vector<std::string> t = transitions();
  ASSERT_EQ(t.size(), 7u);
  EXPECT_EQ(t[6], "-");
  for (int i = 0; i < 3; ++i) EXPECT_EQ(t[i], t[i + 3]) << "the shuffled order repeats";
  EXPECT_EQ(std::set<std::string>(t.begin(), t.begin() + 3), (std::set<std::string>{"wipe", "fade", "push"}));
}

TEST_F(CutTransitionsTest, OnlyTheOutputsOwnCutsGetTransitions) {
  use({"fade"});
  appendScene(kCam3);  // the user's own scenes before and after the output
  const auto [first, last] = writeOutputAtEnd(alternating(2));
  appendScene(kCam2);
  ostrel3::AddCutTransitions(first, last, kFps);
  EXPECT_EQ(transitions(), (std::vector<std::string>{"-", "fade", "fade", "-", "-"}));
}

// An output of one scene has no cut: a transition there would run into the
// user's scene after it, and the walk past the end into the user's scenes.
TEST_F(CutTransitionsTest, AnOutputOfOneSceneGetsNoTransition) {
  use({"fade"});
  ostrel3::transitionPicker().jingleFile = "gong.wav";
  ostrel3::transitionPicker().jingleImage = u"Gong";
  appendScene(kCam3);
  const auto [first, last] = writeOutputAtEnd({{0, 499, 1}});
  appendScene(kCam2);
  appendScene(kCam1);
  ostrel3::AddCutTransitions(first, last, kFps);
  EXPECT_EQ(transitions(), (std::vector<std::string>{"-", "-", "-", "-"}));
}

TEST_F(CutTransitionsTest, TheLengthIsTheChoiceCutToWhatTheSceneAllows) {
  struct Case {
    int32_t limit, time, change, length;
  };
  const Case cases[] = {
      {100, 3, 0, 50},  // two seconds at 25 frames: 50, the scene allows 100
      {40, 3, 0, 20},   // the scene allows 40, every cut changes: half of it
      {40, 3, 1, 40},   // the same transition for two cuts: all 40
      {100, 8, 2, 100}, // ten seconds wanted, 100 allowed
      {100, 0, 0, 5},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(mainClearStoryboard(0), 0);
    ASSERT_EQ(nslSetMaxIncludeTrimFrames(c.limit), 0);
    use({"fade"}, c.time, c.change);
    const auto [first, last] = writeOutputAtEnd({{0, 99, 1}, {100, 199, 2}, {200, 499, 1}});
    ostrel3::AddCutTransitions(first, last, kFps);
    const auto v = view();
    ASSERT_TRUE(v.scenes[0].transition.has_value());
    EXPECT_EQ(v.scenes[0].transition->length, c.length) << "limit " << c.limit << " time " << c.time;
  }
}

TEST_F(CutTransitionsTest, EachTransitionTakesItsEntrysSettingsDirectionAndAnIdOfItsOwn) {
  const std::vector<uint8_t> settings{9, 8, 7, 6, 5, 4, 3, 2};
  use({"wipe", "fade"});
  ostrel3::SetEntryPrefs(*ostrel3::EntryAt(1), settings.data(), 8);
  const auto [first, last] = writeOutputAtEnd(alternating(3));
  ostrel3::AddCutTransitions(first, last, kFps);
  const auto v = view();
  std::set<uint32_t> ids;
  ASSERT_EQ(v.scenes.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(v.scenes[static_cast<size_t>(i)].transition.has_value()) << i;
    const auto& t = *v.scenes[static_cast<size_t>(i)].transition;
    const bool wipe = i != 1;
    EXPECT_EQ(t.settings, wipe ? settings : std::vector<uint8_t>{}) << i;
    EXPECT_EQ(t.direction, wipe ? 1 : 0) << "the wipe's flag 4 reverses it";
    EXPECT_TRUE(t.audioCalculated);
    EXPECT_FALSE(t.jingle.has_value());
    ids.insert(t.uniqueId);
  }
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_EQ(ids.count(0), 0u);
}

TEST_F(CutTransitionsTest, TheJingleGoesOnEveryTransitionAdded) {
  use({"push"});
  auto& s = ostrel3::transitionPicker();
  s.jingleFile = "jingles/gong.wav";
  s.jingleImage = u"Gong";
  appendScene(kCam3);
  const auto [first, last] = writeOutputAtEnd(alternating(2));
  appendScene(kCam2);
  ostrel3::AddCutTransitions(first, last, kFps);
  const auto v = view();
  ASSERT_EQ(v.scenes.size(), 5u);
  for (size_t i = 0; i < v.scenes.size(); ++i) {
    const bool added = i == 1 || i == 2;
    ASSERT_EQ(v.scenes[i].transition.has_value(), added) << i;
    if (added) {
      ASSERT_TRUE(v.scenes[i].transition->jingle.has_value()) << i;
      EXPECT_EQ(v.scenes[i].transition->jingle->file, "jingles/gong.wav");
      EXPECT_EQ(v.scenes[i].transition->jingle->image, u"Gong");
    }
  }
}

TEST_F(CutTransitionsTest, AnOperatorTheHostLacksIsKeptButLeftOut) {
  use({"wipe", "not_installed", "fade"});
  const auto [first, last] = writeOutputAtEnd(alternating(3));
  ostrel3::AddCutTransitions(first, last, kFps);
  EXPECT_EQ(transitions(), (std::vector<std::string>{"wipe", "fade", "wipe", "-"}));
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_EQ(ostrel3::EntryCount(), 3);
}

TEST_F(CutTransitionsTest, NothingIsAddedWhileTransitionsAreOffOrTheListIsEmpty) {
  const auto [first, last] = writeOutputAtEnd(alternating(2));
  for (bool withEntries : {false, true}) {
    use(withEntries ? std::vector<std::string>{"fade"} : std::vector<std::string>{});
    ostrel3::transitionPicker().transitionsEnabled = withEntries ? 0 : 1;
    const int calls = host().calls().count("nslSBAllocScene");
    ostrel3::AddCutTransitions(first, last, kFps);
    EXPECT_EQ(host().calls().count("nslSBAllocScene"), calls);
  }
  EXPECT_EQ(transitions(), (std::vector<std::string>{"-", "-", "-"}));
}

// A refused scene copy throws; the scene buffers and the order go with the
// stack (the fixture finds no scene buffer left).
TEST_F(CutTransitionsTest, ARefusedSceneCopyThrowsAndLeavesNoSceneBufferBehind) {
  use({"fade"});
  ostrel3::transitionPicker().jingleFile = "gong.wav";
  ostrel3::transitionPicker().jingleImage = u"Gong";
  const auto [first, last] = writeOutputAtEnd(alternating(2));
  for (int n = 1; n <= 5; ++n) {
    host().calls().failNth("nslSBSceneCopy", n);
    EXPECT_THROW(ostrel3::AddCutTransitions(first, last, kFps), ostrel3::CMC_Error) << "copy " << n;
    host().calls().clearAllFailures();
  }
}

}  // namespace
