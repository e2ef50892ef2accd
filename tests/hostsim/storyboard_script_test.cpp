// The storyboard as a script sets it up and as the dump shows it.
#include "hostsim/program/dumps.h"
#include "hostsim/user/script.h"
#include "storyboard_fixture.h"

namespace ostrel3_test {
namespace {

using json = nlohmann::ordered_json;

const std::string kClips = "clip 701 \"Camera 1\" 500\nclip 702 \"Camera 2\" 500\n";

TEST(StoryboardScript, StoryboardLinesDescribeTheStoryboardBeforeTheStart) {
  const hostsim::Script s = hostsim::parseScript(
      "storyboard scene 701 in 10 out 409 type 2\n"
      "storyboard insert 702 at 100 in 5 out 54\n"
      "storyboard active 2\n"
      "host include-trim 125\n"
      "host undo\n"
      "screenshot storyboard edit\n"
      "screenshot storyboard\n" +
      kClips);  // clips may come after the lines that use them
  ASSERT_EQ(s.config.storyboard.size(), 3u);
  const hostsim::StoryboardSetup& scene = s.config.storyboard[0];
  EXPECT_EQ(scene.kind, hostsim::StoryboardSetup::Scene);
  EXPECT_EQ(scene.uid, 701u);
  EXPECT_EQ(scene.in, 10);
  EXPECT_EQ(scene.out, 409);
  EXPECT_EQ(scene.type, 2);
  EXPECT_EQ(s.config.storyboard[1].at, 100);
  EXPECT_EQ(s.config.storyboard[1].out, 54);
  EXPECT_EQ(s.config.storyboard[2].number, 2);
  EXPECT_EQ(s.config.includeTrimFrames, 125);
  ASSERT_EQ(s.commands.size(), 3u);
  EXPECT_EQ(s.commands[0].kind, hostsim::ScriptCommand::HostUndo);
  EXPECT_EQ(s.commands[1].kind, hostsim::ScriptCommand::ScreenshotStoryboard);
  EXPECT_EQ(s.commands[1].text, "edit");
  EXPECT_EQ(s.commands[2].kind, hostsim::ScriptCommand::Screenshot) << "a screenshot named storyboard";
}

TEST(StoryboardScript, StoryboardLinesThatCannotBeAppliedStopTheScriptWithTheirLine) {
  struct Bad {
    std::string text;
    int line;
    std::string message;
  };
  const Bad cases[] = {
      {"storyboard scene 709\n", 1, "no clip with uid 709"},
      {"storyboard scene 701 in 10 out 500\n", 1, "do not lie within the 500 frames"},
      {"storyboard scene 701 in 20 out 10\n", 1, "do not lie within"},
      {"storyboard insert 702 at 0\n", 1, "needs a scene before it"},
      {"storyboard scene 701 out 99\nstoryboard insert 702 at 50 out 59\n", 2, "does not fit"},
      {"storyboard scene 701\nstoryboard insert 702 at 0\nstoryboard insert 702 at 0\n", 3, "already carries"},
      {"storyboard scene 701\nstoryboard active 2\n", 2, "there is no scene 2"},
      {"storyboard scene 701 type 256\n", 1, "must lie between"},
      {"storyboard insert 702 in 3\n", 1, "expected at"},
      {"storyboard insert 702 at 0 type 2\n", 1, "expected in, out, found \"type\""},
      {"storyboard transition 1\n", 1, "expected storyboard scene, storyboard insert or storyboard active"},
      {"host undo now\n", 1, "unexpected \"now\""},
      {"host include-trim -1\n", 1, "must lie between"},
  };
  for (const Bad& bad : cases) {
    try {
      hostsim::parseScript(bad.text + kClips);
      ADD_FAILURE() << bad.text << " was taken";
    } catch (const hostsim::ScriptError& e) {
      EXPECT_EQ(e.line(), bad.line) << bad.text;
      EXPECT_NE(std::string(e.what()).find(bad.message), std::string::npos) << bad.text << ": " << e.what();
    }
  }
}

class SetUpStoryboardTest : public StoryboardTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = StoryboardTest::makeConfig();
    using L = hostsim::StoryboardSetup;
    c.storyboard = {{L::Scene, 1, kCam3, 0, 99, 0},  {L::Scene, 2, kCam1, 100, 399, 0},
                    {L::Insert, 3, kCam2, 0, 49, 0, 100}, {L::Scene, 4, kCam3, 200, 299, 2},
                    {L::Active, 5, 0, -1, -1, 0, 0, 2}};
    return c;
  }
};

TEST_F(SetUpStoryboardTest, TheHostStartsWithTheStoryboardOfTheSetup) {
  EXPECT_EQ(sceneLengths(), (std::vector<int32_t>{100, 150, 150, 100}));
  SceneHolder s;
  ASSERT_EQ(mainGetActiveStoryboardScene(s), 0);
  EXPECT_EQ(nslSBSceneGetAbsolutePos(s), 100);
  // What the search for the insertion scene looks at, walking on from the active scene.
  struct Expected {
    int32_t type, hasInsert;
  };
  const Expected expected[] = {{2, 1}, {0, 0}, {2, 0}};
  for (const Expected& e : expected) {
    EXPECT_EQ(nslSBGetSceneType(s), e.type);
    EXPECT_EQ(nslSBSceneHasInsert(s), e.hasInsert);
    if (nslSBGetNextScene(s, s) != 0) break;
  }
  EXPECT_TRUE(host().media().project().undoSteps().empty()) << "the setup is where the project starts";
  EXPECT_FALSE(host().media().storyboard().undo());
}

TEST_F(SetUpStoryboardTest, TheDumpShowsScenesInsertsAudioTransitionsAndSteps) {
  writeOutput({{0, 99, 1}, {100, 199, 2}, {200, 499, 1}});
  SceneHolder scene;
  ASSERT_EQ(nslSBGetLastScene(scene), 0);
  ASSERT_EQ(mainGetActiveStoryboardScene(scene), 0);  // scene 2, the first piece of the second
  SB_TRANSITION t = 0;
  ASSERT_EQ(nslSBAddTransition22(scene, "transition/wipe", 12, 1, &t), 0);
  ASSERT_EQ(nslSBTransitionLoad(t), 0);
  const std::vector<uint8_t> settings = {0, 1, 0xAB, 0xCD, 0, 0, 0, 9};
  ASSERT_TRUE(host().media().operators().setPrefs(nslSBTransitionGetOperator(t), settings.data(), 8));
  ASSERT_EQ(nslSBTransitionUpdatePrefs(t), 0);
  ASSERT_EQ(nslSBTransitionUnload(t), 0);
  mainSetActSceneSample(77, 1);

  const json d = hostsim::program::storyboardState(host());
  EXPECT_EQ(d["frames_per_second"], 25);
  EXPECT_EQ(d["length"], 1000);
  EXPECT_EQ(d["active_scene"], 2);
  EXPECT_EQ(d["include_trim_limit"], 50);
  EXPECT_EQ(d["act_scene_sample"], 77);
  ASSERT_EQ(d["scenes"].size(), 6u);
  const json& second = d["scenes"][1];
  EXPECT_EQ(second["number"], 2);
  EXPECT_EQ(second["position"], 100);
  EXPECT_EQ(second["length"], 150);
  EXPECT_EQ(second["clip"]["name"], "Camera 1");
  EXPECT_EQ(second["clip"]["media_uid"], kCam1);
  EXPECT_EQ(second["clip"]["media_start"], 50) << "handles of 50 frames before the trim-in of 100";
  EXPECT_EQ(second["clip"]["trim_in"], 50);
  EXPECT_EQ(second["clip"]["trim_out"], 199);
  EXPECT_EQ(second["inserts"][0]["offset"], 100);
  EXPECT_EQ(second["inserts"][0]["clip"]["name"], "Camera 2");
  EXPECT_EQ(second["transition"]["operator"], "transition/wipe");
  EXPECT_EQ(second["transition"]["length"], 12);
  EXPECT_EQ(second["transition"]["settings"], "0001ABCD00000009");
  EXPECT_EQ(second["transition"]["loaded"], false);
  EXPECT_EQ(second["max_transition_length"], 50);

  const json& output = d["scenes"][4];  // the output's first piece, after the set-up scenes
  EXPECT_EQ(output["type"], 2);
  ASSERT_EQ(output["audio"].size(), 1u);
  const json& audio = output["audio"][0];
  EXPECT_EQ(audio["offset"], 100);
  EXPECT_EQ(audio["clip"]["name"], "Camera 2 OS");
  EXPECT_EQ(audio["info"]["level"], -31);
  EXPECT_EQ(audio["info"]["words"][9], 7) << "the mode word at byte 36";
  EXPECT_EQ(d["scenes"][5]["max_transition_length"], -1);

  ASSERT_EQ(d["undo_steps"].size(), 3u);
  EXPECT_EQ(d["undo_steps"][0]["name"], "Multicam output");
  EXPECT_EQ(d["undo_steps"][0]["by_host"], false);
  EXPECT_EQ(d["undo_steps"][1]["by_host"], true) << "the transition was added outside a step";
}

}  // namespace
}  // namespace ostrel3_test
