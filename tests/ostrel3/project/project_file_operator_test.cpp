// The main object's project and settings files: what a run loads, what
// leaving stores, and how files that are incomplete or damaged open.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/main.h"
#include "host/nsl.h"
#include "host/vg.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;
using ostrel3::CutList;
using ostrel3::MulticamOperator;

class ProjectFileTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.projectNumber = projectNumber_;
    c.clips = {{701, "Kamera \xC3\xA4ins", 250}, {702, "zwei", 300}, {703, "drei", 400}, {704, "vier", 500}};
    return c;
  }
  fs::path dir() const { return home() / "programs" / "ostrel3"; }
  fs::path slotFile(int slot) const { return dir() / ostrel3::ProjectFileName(projectNumber_, slot); }
  void writeSlot(int slot, const std::string& body) {
    fs::create_directories(dir());
    std::ofstream(slotFile(slot)) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" << body;
  }
  void writeSettings(int project, int slot) {
    fs::create_directories(dir());
    std::ofstream(dir() / ostrel3::SettingsFileName(project)) << "<ostrel3><prj_num>" << slot << "</prj_num></ostrel3>";
  }
  static std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static AV_RECORD bin(uint32_t uid) { return mainGetAVRecordFromId(uid, mainGetActiveProjectNumber(), 1); }
  static uint32_t defaultColour(int camera) { return vgGetGuiColorYUV(ostrel3::defaultColourIndex(camera)); }

  int32_t projectNumber_ = 3;
};

TEST_F(ProjectFileTest, PathsNameTheHostProjectAndTheSlot) {
  MulticamOperator op;
  EXPECT_EQ(fs::path(op.ProjectFilePath(0)), dir() / "project_03_00.info");
  EXPECT_EQ(fs::path(op.ProjectFilePath(7)), dir() / "project_03_07.info");
  EXPECT_EQ(fs::path(op.SettingsFilePath()), dir() / "settings_03.info");
}

TEST_F(ProjectFileTest, AProjectWithClipsSurvivesLeavingAndTheNextStart) {
  {
    MulticamOperator op;
    op.projectSlot = 4;
    op.projectName = u"Konzert \u00fcber \u65e5\u672c \U0001F3B5";
    ostrel3::AssignClip(op.cameras[0], bin(701), 5, -1, -1);
    ostrel3::AssignClip(op.cameras[1], bin(702), -1, 100, 279);
    ostrel3::AssignClip(op.cameras[4], bin(704), 12, 20, 419);
    op.cameras[1].colour = 0xB68080FFu;
    op.cameras[1].useAudio = 1;
    op.cameras[1].syncIn = 33;
    op.cameras[1].synced = 1;
    op.cameras[1].autoSync = 1;
    op.cameras[4].syncIn = -8;
    op.sceneCount = 5;
    op.UpdateTimelineLength();
    op.cutList = CutList{{0, 0}, {40, 1}, {90, 4}};
    op.position = 77;
    op.activeCamera = 4;
    op.zoomIn = 10;
    op.zoomOut = 150;
    op.trimLength = 60;
    op.syncScrub = true;
    op.mainScrub = false;
    op.showOutPreview = 0;
    ASSERT_TRUE(op.SaveProject());
    ASSERT_TRUE(op.SaveSettings());
  }
  EXPECT_TRUE(fs::exists(dir() / "project_03_04.info"));
  MulticamOperator op;
  EXPECT_EQ(op.projectSlot, 4);
  EXPECT_EQ(op.projectName, u"Konzert \u00fcber \u65e5\u672c \U0001F3B5");
  ASSERT_TRUE(op.cameras[0].hasClip() && op.cameras[1].hasClip() && op.cameras[4].hasClip());
  EXPECT_FALSE(op.cameras[2].hasClip() || op.cameras[3].hasClip());
  EXPECT_EQ(op.cameras[0].sourceUid, 701u);
  EXPECT_EQ(op.cameras[0].trimIn, 5);
  EXPECT_EQ(op.cameras[0].colour, defaultColour(0));
  EXPECT_EQ(op.cameras[0].useAudio, 1);
  EXPECT_EQ(op.cameras[1].origIn, 100);
  EXPECT_EQ(op.cameras[1].origOut, 279);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(op.cameras[1].record), 180);
  EXPECT_EQ(op.cameras[1].colour, 0xB68080FFu);
  EXPECT_EQ(op.cameras[1].syncIn, 33);
  EXPECT_EQ(op.cameras[1].synced, 1);
  EXPECT_EQ(op.cameras[1].autoSync, 0);  // a result of the dialog, never restored
  EXPECT_EQ(op.cameras[4].trimIn, 12);
  EXPECT_EQ(op.cameras[4].syncIn, -8);
  EXPECT_EQ(nslGetTrimmedAVRecordLength(op.cameras[4].record), 388);
  EXPECT_EQ(op.sceneCount, 5);
  EXPECT_EQ(op.projectLength, 2 * 180);
  EXPECT_EQ(op.cutList, (CutList{{0, 0}, {40, 1}, {90, 4}}));
  EXPECT_EQ(op.position, 77);
  EXPECT_EQ(op.activeCamera, 4);
  EXPECT_EQ(op.zoomIn, 10);
  EXPECT_EQ(op.zoomOut, 150);
  EXPECT_EQ(op.trimLength, 60);
  EXPECT_TRUE(op.syncScrub);
  EXPECT_FALSE(op.mainScrub);
  EXPECT_EQ(op.showOutPreview, 0);
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ProjectFileTest, FourEmptyCamerasAreNotStoredAndTheSlotReopensEmpty) {
  writeSlot(0, "<ostrel3><name>alt</name><scenes/></ostrel3>");
  {
    MulticamOperator op;
    ASSERT_EQ(op.projectName, u"alt");
    op.projectName = u"Name";
    op.cutList = CutList{{0, 0}, {10, 1}};
    ASSERT_TRUE(op.SaveProject());
  }
  EXPECT_FALSE(fs::exists(slotFile(0)));
  MulticamOperator op;
  EXPECT_EQ(op.projectName, u"P 1");
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
}

TEST_F(ProjectFileTest, ThreeEmptyCamerasAreStored) {
  MulticamOperator op;
  op.sceneCount = 3;
  ASSERT_TRUE(op.SaveProject());
  const std::string text = slurp(slotFile(0));
  EXPECT_NE(text.find("<scenes/>"), std::string::npos);
  EXPECT_NE(text.find("<num_gui_scenes>3</num_gui_scenes>"), std::string::npos);
  EXPECT_NE(text.find("<fps>25</fps>"), std::string::npos);
  EXPECT_NE(text.find("<transitions"), std::string::npos);
}

TEST_F(ProjectFileTest, SavingToAChosenPathWritesThereAndNotToTheSlot) {
  MulticamOperator op;
  op.sceneCount = 2;
  const fs::path chosen = home() / "export.info";
  ASSERT_TRUE(op.SaveProject(nullptr, chosen.c_str()));
  EXPECT_NE(slurp(chosen).find("<num_gui_scenes>2</num_gui_scenes>"), std::string::npos);
  EXPECT_FALSE(fs::exists(slotFile(0)));
}

TEST_F(ProjectFileTest, ReadingDefaultsFillWhatAFileLeavesOut) {
  writeSlot(0,
            "<ostrel3><scenes><scene uid=\"702\" color=\"0\"/><scene uid=\"703\" cam=\"3\" audio=\"3\" "
            "use_dist=\"1\" distance=\"9\"/><scene uid=\"701\"/></scenes><points/>"
            "<zoom in=\"-5\" out=\"100000\"/></ostrel3>");
  MulticamOperator op;
  EXPECT_EQ(op.projectName, u"P 1");
  EXPECT_EQ(op.cameras[0].sourceUid, 702u);
  EXPECT_EQ(op.cameras[0].colour, defaultColour(0));
  EXPECT_EQ(op.cameras[0].origIn, 0);
  EXPECT_EQ(op.cameras[0].origOut, 299);
  EXPECT_EQ(op.cameras[3].useAudio, 1);
  EXPECT_EQ(op.cameras[3].useDistance, 0);
  EXPECT_EQ(op.cameras[3].distance, 0);
  EXPECT_EQ(op.cameras[4].sourceUid, 701u);  // no cam: the one after camera 3
  EXPECT_EQ(op.sceneCount, 4);
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
  EXPECT_EQ(op.projectLength, 2 * 300);
  EXPECT_EQ(op.zoomIn, 0);
  EXPECT_EQ(op.zoomOut, 299);
  EXPECT_EQ(op.trimLength, 125);
  EXPECT_EQ(op.position, 0);
  EXPECT_EQ(logCount(4), 2u);  // two scenes without cam
}

TEST_F(ProjectFileTest, CountsPositionAndWindowFromAFileAreKeptUsable) {
  writeSlot(0,
            "<ostrel3><scenes><scene uid=\"701\" cam=\"0\"/></scenes><num_gui_scenes>12</num_gui_scenes>"
            "<act_cam>9</act_cam><act_tc>5000</act_tc><zoom in=\"400\" out=\"20\"/></ostrel3>");
  MulticamOperator op;
  EXPECT_EQ(op.sceneCount, 8);
  EXPECT_EQ(op.activeCamera, 7);
  EXPECT_EQ(op.position, 249);
  EXPECT_EQ(op.zoomIn, 0);  // a window starting beyond the end starts at 0 instead
  EXPECT_EQ(op.zoomOut, 20);

  writeSlot(1, "<ostrel3><num_gui_scenes>0</num_gui_scenes><act_cam>-3</act_cam><act_tc>-9</act_tc></ostrel3>");
  op.projectSlot = 1;
  EXPECT_TRUE(op.LoadProjectSlot());
  EXPECT_EQ(op.sceneCount, 1);
  EXPECT_EQ(op.activeCamera, 0);
  EXPECT_EQ(op.position, 0);

  writeSlot(2, "<ostrel3><scenes><scene uid=\"701\" cam=\"0\"/></scenes><zoom in=\"100\" out=\"20\"/></ostrel3>");
  op.projectSlot = 2;
  EXPECT_TRUE(op.LoadProjectSlot());
  EXPECT_EQ(op.zoomIn, 100);
  EXPECT_EQ(op.zoomOut, 249);  // a reversed window runs to the end
}

TEST_F(ProjectFileTest, CameraOneSoundIsOnAfterTheStartWhateverTheFileSays) {
  writeSlot(0, "<ostrel3><scenes><scene uid=\"701\" cam=\"0\" audio=\"0\"/></scenes></ostrel3>");
  MulticamOperator op;
  EXPECT_EQ(op.cameras[0].useAudio, 1);
  EXPECT_TRUE(op.LoadProjectSlot());
  EXPECT_EQ(op.cameras[0].useAudio, 0);  // only the start forces it
}

TEST_F(ProjectFileTest, AClipTheHostNoLongerKnowsLeavesItsCameraEmpty) {
  writeSlot(0, "<ostrel3><scenes><scene uid=\"999\" cam=\"1\" in=\"4\" color=\"77\"/></scenes></ostrel3>");
  MulticamOperator op;
  EXPECT_FALSE(op.cameras[1].hasClip());
  EXPECT_EQ(op.cameras[1].sourceUid, 0u);
  EXPECT_EQ(op.projectLength, 0);
}

TEST_F(ProjectFileTest, AFileWithAnotherRootOpensEmptyAndReportsFalse) {
  MulticamOperator op;
  writeSlot(2, "<project><name>fremd</name></project>");
  op.projectSlot = 2;
  op.projectName = u"vorher";
  EXPECT_FALSE(op.LoadProjectSlot());
  EXPECT_EQ(op.projectName, u"P 3");
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
  EXPECT_EQ(logCount(4), 1u);
}

TEST_F(ProjectFileTest, AnUnreadableProjectOpensEmptyAndIsKeptAsideAtTheFirstSave) {
  writeSlot(0, "<ostrel3><name>kaputt</name><scenes>");
  const std::string damaged = slurp(slotFile(0));
  MulticamOperator op;
  EXPECT_EQ(op.projectName, u"P 1");
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_EQ(slurp(slotFile(0)), damaged) << "loading never touches the file";
  op.sceneCount = 2;
  ASSERT_TRUE(op.SaveProject());
  EXPECT_EQ(slurp(slotFile(0).string() + ".unreadable"), damaged);
  EXPECT_NE(slurp(slotFile(0)).find("<num_gui_scenes>2</num_gui_scenes>"), std::string::npos);
  EXPECT_EQ(logCount(6), 1u);
}

TEST_F(ProjectFileTest, WithoutAHomeNothingIsReadOrWrittenAndTheFailureIsLogged) {
  ::unsetenv("VTHOME");
  MulticamOperator op;
  EXPECT_EQ(op.projectName, u"P 1");
  op.sceneCount = 3;
  EXPECT_FALSE(op.SaveProject());
  EXPECT_FALSE(op.SaveSettings());
  EXPECT_EQ(op.ProjectFilePath(0), nullptr);
  std::string text;
  EXPECT_TRUE(op.SaveProject(&text)) << "a text needs no path";
  EXPECT_GE(logCount(4), 4u);
}

TEST_F(ProjectFileTest, ASummaryTellsTheChooserWhatASlotHolds) {
  writeSlot(5, "<ostrel3><name>Caf\xC3\xA9</name><scenes/></ostrel3>");
  MulticamOperator op;
  const auto filled = op.ReadProjectSummary(5);
  EXPECT_EQ(filled.name, "Caf\xC3\xA9");
  EXPECT_FALSE(filled.empty);
  EXPECT_TRUE(op.ReadProjectSummary(6).empty);
}

TEST_F(ProjectFileTest, LeavingStoresTheSlotForTheNextStartInTheSameHostProject) {
  {
    MulticamOperator op;
    EXPECT_EQ(op.projectSlot, 0);
    op.projectSlot = 5;
    op.SaveProject();
    op.SaveSettings();
  }
  EXPECT_NE(slurp(dir() / "settings_03.info").find("<prj_num>5</prj_num>"), std::string::npos);
  MulticamOperator op;
  EXPECT_EQ(op.projectSlot, 5);
  EXPECT_EQ(op.projectName, u"P 6");
}

class OtherHostProjectTest : public ProjectFileTest {
 protected:
  void SetUp() override {
    projectNumber_ = 4;
    ProjectFileTest::SetUp();
  }
};

TEST_F(OtherHostProjectTest, AnotherHostProjectKeepsItsOwnSlot) {
  writeSettings(3, 5);
  {
    MulticamOperator op;
    EXPECT_EQ(op.projectSlot, 0);
  }
  writeSettings(4, 2);
  MulticamOperator op;
  EXPECT_EQ(op.projectSlot, 2);
}

}  // namespace
