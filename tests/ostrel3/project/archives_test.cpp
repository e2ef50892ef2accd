// The archives and removable-media commands: where files land, what the
// user's choices do, and that a chosen path never leaves the offered folder.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "hostsim/core/user.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;
using hostsim::AnswerKind;
using ostrel3::MulticamOperator;

class ArchivesTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.clips = {{801, "Stage", 1500}};
    c.media = {{"USB", false, false, false}, {"Card", true, false, false}, {"Old", true, true, false},
               {"Broken", false, false, true}};
    return c;
  }
  fs::path archives() const { return home() / "programs/ostrel3/archives"; }
  fs::path medium(const char* name) const { return home() / "media" / name; }
  void answer(AnswerKind kind, int64_t number, const std::string& text = {}) {
    host().user().addAnswer({kind, number, text});
  }
  static std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void put(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
  }
};

TEST_F(ArchivesTest, SavingToTheArchivesWritesEvenAnEmptyProject) {
  MulticamOperator op;
  op.projectName = u"Concert";
  answer(AnswerKind::Archives, 5);
  answer(AnswerKind::File, 0, "concert.info");
  EXPECT_FALSE(op.ArchivesCommand());
  const std::string text = slurp(archives() / "concert.info");
  EXPECT_NE(text.find("<name>Concert</name>"), std::string::npos) << "four empty cameras are still the user's file";
  EXPECT_EQ(std::string(op.archiveName.data()), "concert.info") << "offered again next time";

  // Saved over, the file is replaced whole and nothing is left beside it.
  op.projectName = u"Encore";
  answer(AnswerKind::Archives, 5);
  answer(AnswerKind::File, 0, "concert.info");
  op.ArchivesCommand();
  EXPECT_NE(slurp(archives() / "concert.info").find("<name>Encore</name>"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(archives()), fs::directory_iterator()), 1);
  EXPECT_EQ(logCount(3) + logCount(4), 0u);
}

TEST_F(ArchivesTest, LoadingFromTheArchivesImportsAndDeletingRemovesTheFile) {
  put(archives() / "show.info",
      "<ostrel3><scenes><scene name=\"Stage\" in=\"12\"/></scenes><points><point tc=\"3\"/></points></ostrel3>");
  MulticamOperator op;
  answer(AnswerKind::Archives, 4);
  answer(AnswerKind::File, 0, "show.info");
  answer(AnswerKind::Text, 1);  // use the clip found by name
  EXPECT_TRUE(op.ArchivesCommand());
  ASSERT_TRUE(op.cameras[0].hasClip());
  EXPECT_EQ(op.cameras[0].trimIn, 12);

  answer(AnswerKind::Archives, 6);
  answer(AnswerKind::File, 0, "show.info");
  EXPECT_FALSE(op.ArchivesCommand());
  EXPECT_FALSE(fs::exists(archives() / "show.info"));
}

TEST_F(ArchivesTest, AChosenPathNeverLeavesTheArchives) {
  const fs::path outside = home() / "programs/ostrel3/project_01_00.info";
  put(outside, "<ostrel3/>");
  fs::create_directories(archives() / "folder");
  fs::create_symlink(outside, archives() / "link.info");
  struct Case {
    int action;
    std::string name;
  } cases[] = {
      {6, "../project_01_00.info"}, {5, "../project_01_00.info"}, {6, outside.string()},
      {5, outside.string()},        {5, "link.info"},             {6, "link.info"},
      {6, "folder"},
  };
  MulticamOperator op;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host().log().clear();
    answer(AnswerKind::Archives, c.action);
    answer(AnswerKind::File, 0, c.name);
    EXPECT_FALSE(op.ArchivesCommand());
    EXPECT_TRUE(host().user().empty());
    EXPECT_EQ(logCount(3) + logCount(4), 1u);
    EXPECT_EQ(slurp(outside), "<ostrel3/>");
    EXPECT_TRUE(fs::is_directory(archives() / "folder"));
  }
}

TEST_F(ArchivesTest, OtherActionsAndCancelledRequestsDoNothing) {
  MulticamOperator op;
  answer(AnswerKind::Archives, 7);
  EXPECT_FALSE(op.ArchivesCommand());
  answer(AnswerKind::Archives, 5);
  answer(AnswerKind::File, 0, "");
  EXPECT_FALSE(op.ArchivesCommand());
  host().calls().failNth("vreqArchivesRequest", 1);
  EXPECT_FALSE(op.ArchivesCommand());
  EXPECT_EQ(host().calls().count("vreqFileRequest"), 1);
  EXPECT_TRUE(fs::is_empty(archives()));
  EXPECT_EQ(logCount(4), 1u) << "the failed archives request";
}

TEST_F(ArchivesTest, ExportAndImportGoThroughTheMediumsFolder) {
  MulticamOperator op;
  op.sceneCount = 3;
  answer(AnswerKind::Media, 0, "Card");
  answer(AnswerKind::File, 0, "edit.info");
  op.ExportProjectToMedium();
  ASSERT_TRUE(fs::exists(medium("Card") / "edit.info"));
  EXPECT_NE(host().calls().count("mainSelectMediaUmount"), 0) << "a mounted medium is unmounted again";

  op.sceneCount = 5;
  answer(AnswerKind::Media, 0, "USB");
  answer(AnswerKind::File, 0, "../Card/edit.info");
  EXPECT_FALSE(op.ImportProjectFromMedium()) << "another medium's folder is outside";
  EXPECT_EQ(op.sceneCount, 5);
  answer(AnswerKind::Media, 0, "Card");
  answer(AnswerKind::File, 0, "edit.info");
  EXPECT_TRUE(op.ImportProjectFromMedium()) << "the file's cut point was read";
  EXPECT_EQ(op.sceneCount, 3);
  EXPECT_EQ(logCount(3), 1u);
}

TEST_F(ArchivesTest, AMediumThatCannotBeUsedEndsTheCommandQuietly) {
  const char* answers[] = {"", "Old", "Broken", nullptr};
  for (const char* medium : answers) {
    SCOPED_TRACE(medium ? medium : "(no answer)");
    MulticamOperator op;
    if (medium) answer(AnswerKind::Media, 0, medium);
    op.ExportProjectToMedium();
    EXPECT_FALSE(op.ImportProjectFromMedium());
    EXPECT_EQ(logCount(3) + logCount(4), 0u);
    EXPECT_EQ(host().calls().count("vreqFileRequest"), 0);
    EXPECT_EQ(host().calls().count("mainSelectMediaInit"), host().calls().count("mainSelectMediaExit"));
  }
  EXPECT_EQ(host().calls().count("mainSelectMediaMount"), host().calls().count("mainSelectMediaUmount"));
}

}  // namespace
