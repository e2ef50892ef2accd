// Removable media and the file requester: the medium the user picks, its
// state bits and folder, mounting, and the path the file requester hands back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

namespace fs = std::filesystem;
using hostsim::AnswerKind;

class RemovableMediaTest : public GuiTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = GuiTest::makeConfig();
    c.media = {{"USB", false, false, false}, {"Card", true, false, false}, {"Old", true, true, false},
               {"Broken", false, false, true}};
    return c;
  }
  std::string mediumFolder(const std::string& name) const { return fs::absolute(home() / "media" / name).string(); }
};

struct MediumCase {
  const char* answer;  ///< null: no answer; "": cancel
  uint32_t state;
  bool folder;         ///< the record names the medium's folder
  int32_t mount;       ///< what mounting answers
};

TEST_F(RemovableMediaTest, TheChosenMediumGivesItsStateAndFolder) {
  const MediumCase cases[] = {
      {"USB", 0x0, true, 0},   {"Card", 0x2, true, 0}, {"Old", 0x2, true, -1},
      {"Broken", 0x8, true, -1}, {"", 0x1, false, -1}, {nullptr, 0x1, false, -1},
      {"Floppy", 0x1, false, -1},  // not connected: the chooser ends as if cancelled
  };
  for (const MediumCase& c : cases) {
    SCOPED_TRACE(c.answer ? c.answer : "(no answer)");
    EXPECT_TRUE(fs::is_directory(mediumFolder("USB")));
    if (c.answer) host().user().addAnswer({AnswerKind::Media, 0, c.answer});
    MAIN_MEDIA* m = mainSelectMediaInit();
    ASSERT_NE(m, nullptr);
    m->mode = 2;
    m->title = u"Choose";
    ASSERT_EQ(mainSelectMediaRequester(m), 0);
    EXPECT_EQ(m->state, c.state);
    EXPECT_EQ(std::string(m->path), c.folder ? mediumFolder(c.answer) : "");
    EXPECT_EQ(mainSelectMediaMount(m), c.mount);
    EXPECT_EQ(mainSelectMediaUmount(m), 0);
    mainSelectMediaExit(m);
    EXPECT_TRUE(host().liveHandles().empty());
  }
}

TEST_F(RemovableMediaTest, ARecordNotGivenBackIsStillAliveAndForeignRecordsAreRefused) {
  host().user().addAnswer({AnswerKind::Media, 0, "Card"});
  MAIN_MEDIA* m = mainSelectMediaInit();
  ASSERT_EQ(mainSelectMediaRequester(m), 0);
  ASSERT_EQ(mainSelectMediaMount(m), 0);
  ASSERT_EQ(host().liveHandles().size(), 1u);
  EXPECT_NE(host().liveHandles()[0].find("still mounted"), std::string::npos);
  MAIN_MEDIA foreign{};
  EXPECT_EQ(mainSelectMediaRequester(&foreign), -1);
  EXPECT_EQ(mainSelectMediaMount(nullptr), -1);
  mainSelectMediaExit(m);
  EXPECT_TRUE(hostLogged(4, "still mounted"));
}

struct FileCase {
  const char* name;
  const char* directory;  ///< null: the medium's folder
  uint32_t mode;
  const char* answer;     ///< null: no answer
  int32_t expected;
  const char* result;     ///< relative to the home; null: an absolute path as it stands
};

TEST_F(RemovableMediaTest, TheFileRequesterJoinsTheAnswerToTheOfferedFolder) {
  fs::create_directories(home() / "programs/ostrel3/archives");
  std::ofstream(home() / "programs/ostrel3/archives/kept.info") << "x";
  const FileCase cases[] = {
      {"save in the archives", "/programs/ostrel3/archives/", 2, "new.info", 1, "programs/ostrel3/archives/new.info"},
      {"load an existing file", "/programs/ostrel3/archives/", 1, "kept.info", 1, "programs/ostrel3/archives/kept.info"},
      {"load a missing file", "/programs/ostrel3/archives/", 1, "gone.info", 0, ""},
      {"delete a missing file", "/programs/ostrel3/archives/", 3, "gone.info", 0, ""},
      {"choose a missing file", nullptr, 0x10001, "gone.info", 0, ""},
      {"save on the medium", nullptr, 0x10002, "show.info", 1, "media/USB/show.info"},
      {"an absolute path stands", "/programs/ostrel3/archives/", 2, "/tmp/elsewhere.info", 1, nullptr},
      {"cancel", "/programs/ostrel3/archives/", 2, "", 0, ""},
      {"no answer", "/programs/ostrel3/archives/", 2, nullptr, 0, ""},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.answer) host().user().addAnswer({AnswerKind::File, 0, c.answer});
    const std::string medium = mediumFolder("USB") + "/";
    char result[512] = "untouched";
    char name[64] = {};
    VREQ_FILE f{};
    f.title = u"File";
    f.directory = c.directory ? c.directory : medium.c_str();
    f.mode = c.mode;
    f.result = result;
    f.resultSize = 511;
    f.defaultName = name;
    f.defaultNameSize = 63;
    ASSERT_EQ(vreqFileRequest(&f), 0);
    EXPECT_EQ(f.answer, c.expected);
    if (c.expected != 1) continue;
    const std::string expected = c.result ? fs::absolute(home()).string() + "/" + c.result : c.answer;
    EXPECT_EQ(std::string(result), expected);
    EXPECT_EQ(std::string(name), fs::path(c.answer).filename().string()) << "offered again next time";
  }
  EXPECT_TRUE(hostLogged(4, "there is no file"));
}

}  // namespace
}  // namespace ostrel3_test
