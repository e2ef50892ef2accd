// Importing a project file made elsewhere: frame-rate conversion, clips
// found again by name, the report and its undo.
#include <filesystem>
#include <fstream>
#include <string>

#include "host/nsl.h"
#include "hostsim/core/user.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;
using hostsim::AnswerKind;
using ostrel3::CutList;
using ostrel3::MulticamOperator;

class ImportTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.clips = {{801, "Stage", 1500}, {802, "Hall", 1500}, {803, "Short", 400}};
    return c;
  }
  // A file as another host project at `fps` frames a second wrote it.
  std::string write(const std::string& body) {
    const fs::path path = home() / "import.info";
    std::ofstream(path) << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>" << body << "</ostrel3>";
    return path.string();
  }
  static std::string twoCameras(const std::string& fps, const std::string& points) {
    return "<scenes><scene uid=\"9\" in=\"300\" in0=\"60\" orig_in=\"0\" orig_out=\"1199\" synced=\"1\" audio=\"1\" "
           "name=\"Stage\"/><scene uid=\"8\" in=\"30\" orig_in=\"30\" orig_out=\"1229\" name=\"Hall\"/></scenes>"
           "<points>" + points + "</points>" + fps;
  }
  static AV_RECORD bin(uint32_t uid) { return mainGetAVRecordFromId(uid, mainGetActiveProjectNumber(), 1); }
  void answerText(int64_t button) { host().user().addAnswer({AnswerKind::Text, button, ""}); }
  int textRequests() { return host().calls().count("vreqTextRequest"); }
};

TEST_F(ImportTest, AFileWrittenAtThirtyIsConvertedToTwentyFive) {
  MulticamOperator op;
  answerText(1);  // use the clips found by name
  const std::string path = write(twoCameras("<fps>30</fps><num_gui_scenes>2</num_gui_scenes>",
                                             "<point tc=\"0\" cam=\"0\"/><point tc=\"600\" cam=\"1\"/>"));
  EXPECT_TRUE(op.ImportProjectFile(path.c_str()));
  ASSERT_TRUE(op.cameras[0].hasClip() && op.cameras[1].hasClip());
  EXPECT_EQ(op.cameras[0].sourceUid, 801u);
  EXPECT_EQ(op.cameras[0].trimIn, 250);
  EXPECT_EQ(op.cameras[0].syncIn, 50);
  EXPECT_EQ(op.cameras[0].synced, 1);
  EXPECT_EQ(op.cameras[0].useAudio, 1) << "relinking must not silence the camera";
  EXPECT_EQ(op.cameras[0].origOut, 1199) << "source frames are not converted";
  EXPECT_EQ(op.cameras[1].origIn, 30);
  EXPECT_EQ(op.cameras[1].trimIn, 25);
  EXPECT_EQ(op.sceneCount, 2);
  EXPECT_EQ(op.cutList, (CutList{{0, 0}, {500, 1}}));
  EXPECT_EQ(textRequests(), 1) << "the question, and no report";
  EXPECT_TRUE(host().user().empty());
  EXPECT_EQ(logCount(3) + logCount(4), 0u);
}

TEST_F(ImportTest, UnusableFrameRatesAreTakenAtTheCurrentRate) {
  const struct {
    const char* fps;
    bool logged;
  } rates[] = {{"", false},          {"<fps>25</fps>", false}, {"<fps>0</fps>", true},   {"<fps>-30</fps>", true},
               {"<fps>abc</fps>", true}, {"<fps>inf</fps>", true},  {"<fps>nan</fps>", true}, {"<fps></fps>", true}};
  for (const auto& r : rates) {
    SCOPED_TRACE(r.fps);
    host().log().clear();
    MulticamOperator op;
    answerText(1);
    const std::string path = write(twoCameras(r.fps, "<point tc=\"600\" cam=\"1\"/>"));
    EXPECT_TRUE(op.ImportProjectFile(path.c_str()));
    EXPECT_EQ(op.cameras[0].trimIn, 300);
    EXPECT_EQ(op.cutList, (CutList{{600, 1}}));
    EXPECT_EQ(logCount(4), r.logged ? 1u : 0u);
  }
}

TEST_F(ImportTest, ClipsThatAllExistUnderTheirNamesNeedNoQuestionAndNoReport) {
  MulticamOperator op;
  ostrel3::AssignClip(op.cameras[0], bin(801), -1, -1, -1);
  ostrel3::AssignClip(op.cameras[1], bin(802), -1, -1, -1);
  const std::string path = write(twoCameras("<fps>25</fps>", "<point tc=\"100\" cam=\"1\"/>"));
  EXPECT_TRUE(op.ImportProjectFile(path.c_str()));
  EXPECT_EQ(textRequests(), 0);
  EXPECT_EQ(op.cameras[0].origIn, 0);
  EXPECT_EQ(op.cameras[0].origOut, 1199);
  EXPECT_EQ(op.cameras[1].origIn, 30);
  EXPECT_EQ(op.cutList, (CutList{{100, 1}}));
}

struct PointCase {
  const char* name;
  const char* fps;
  const char* points;
  CutList cuts;
  bool reported;
  size_t logLines;
};

TEST_F(ImportTest, CutsTheImportCannotKeep) {
  const PointCase cases[] = {
      {"beyond the new end", "<fps>25</fps>", "<point tc=\"5\" cam=\"1\"/><point tc=\"2000\" cam=\"0\"/>",
       CutList{{5, 1}}, true, 0},
      {"before the start", "<fps>25</fps>", "<point tc=\"-4\" cam=\"1\"/>", CutList{{0, 0}}, true, 0},
      {"of a camera that stayed empty", "<fps>25</fps>", "<point tc=\"7\" cam=\"1\"/><point tc=\"9\" cam=\"2\"/>",
       CutList{{7, 1}}, false, 0},
      {"of a camera beyond the ones in use", "<fps>25</fps>", "<point tc=\"7\" cam=\"1\"/><point tc=\"9\" cam=\"5\"/>",
       CutList{{7, 1}}, false, 1},
      {"whose frame does not fit after conversion", "<fps>24</fps>",
       "<point tc=\"0\" cam=\"0\"/><point tc=\"2147483000\" cam=\"1\"/>", CutList{{0, 0}}, true, 0},
      {"whose frame does not fit at all", "<fps>25</fps>", "<point tc=\"99999999999\" cam=\"1\"/>", CutList{{0, 0}},
       true, 0},
  };
  for (const PointCase& c : cases) {
    SCOPED_TRACE(c.name);
    host().log().clear();
    MulticamOperator op;
    answerText(1);  // use the clips found
    answerText(1);  // keep the import despite the report
    ASSERT_TRUE(op.ImportProjectFile(write(twoCameras(c.fps, c.points)).c_str()));
    EXPECT_EQ(op.cutList, c.cuts);
    EXPECT_EQ(host().user().empty(), c.reported);
    host().user().dropNext();
    EXPECT_EQ(logCount(4), c.logLines);
  }
}

TEST_F(ImportTest, ARejectedReportUndoesTheWholeImport) {
  MulticamOperator op;
  ostrel3::AssignClip(op.cameras[0], bin(803), 10, -1, -1);
  op.UpdateTimelineLength();
  op.cutList = CutList{{0, 0}, {40, 0}};
  answerText(1);  // use the clips found
  answerText(2);  // "Undo import"
  const std::string path =
      write(twoCameras("<fps>25</fps><num_gui_scenes>2</num_gui_scenes>",
                       "<point tc=\"5\" cam=\"1\"/><point tc=\"9000\" cam=\"0\"/>"));
  op.ImportProjectFile(path.c_str());
  EXPECT_TRUE(host().user().empty());
  ASSERT_TRUE(op.cameras[0].hasClip());
  EXPECT_EQ(op.cameras[0].sourceUid, 803u);
  EXPECT_EQ(op.cameras[0].trimIn, 10);
  EXPECT_FALSE(op.cameras[1].hasClip());
  EXPECT_EQ(op.sceneCount, 4);
  EXPECT_EQ(op.cutList, (CutList{{0, 0}, {40, 0}}));
}

TEST_F(ImportTest, ClipsNotFoundAreReportedByCamera) {
  MulticamOperator op;
  answerText(1);  // keep
  const std::string path = write(
      "<scenes><scene name=\"Gone\"/><scene name=\"Hall\" orig_out=\"5000\"/></scenes><points><point/></points>");
  EXPECT_TRUE(op.ImportProjectFile(path.c_str()));
  EXPECT_EQ(textRequests(), 1) << "no clip qualifies: no question, only the report";
  EXPECT_FALSE(op.cameras[0].hasClip() || op.cameras[1].hasClip());
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
}

TEST_F(ImportTest, AFileThatCannotBeReadImportsNothing) {
  MulticamOperator op;
  op.projectName = u"Mine";
  EXPECT_FALSE(op.ImportProjectFile((home() / "missing.info").c_str()));
  std::ofstream(home() / "other.info") << "<other/>";
  EXPECT_FALSE(op.ImportProjectFile((home() / "other.info").c_str()));
  EXPECT_EQ(op.projectName, u"Mine");
  EXPECT_EQ(op.cutList, (CutList{{0, 0}}));
}

}  // namespace
