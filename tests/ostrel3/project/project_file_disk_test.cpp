// The operator's files on disk: paths, atomic replacement and keeping an
// unreadable project aside. Runs as any user: write failures come from a
// file-size limit, not from permissions.
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ostrel3/project/file_system.h"
#include "ostrel3/project/project_io.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;
using ostrel3::PathBuffer;

std::string slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void spit(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::vector<std::string> filesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Writes beyond `bytes` fail with EFBIG for as long as the object lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  sighandler_t oldHandler_{};
};

const std::string kGoodProject = "<?xml version=\"1.0\"?>\n<ostrel3><scenes/></ostrel3>\n";

class ProjectDiskTest : public ostrel3_test::HostTest {
 protected:
  fs::path dir() const { return home() / "programs" / "ostrel3"; }
  std::string file(const char* name) const { return (dir() / name).string(); }
  void SetUp() override {
    HostTest::SetUp();
    fs::create_directories(dir());
  }
};

TEST(PathBufferTest, PathsThatDoNotFitAreRefusedNeverShortened) {
  PathBuffer buffer{};
  ASSERT_TRUE(ostrel3::FormatOperatorDirectory(buffer, "/home/vt"));
  EXPECT_STREQ(buffer.data(), "/home/vt/programs/ostrel3/");
  ASSERT_TRUE(ostrel3::AppendFileName(buffer, "settings_03.info"));
  EXPECT_STREQ(buffer.data(), "/home/vt/programs/ostrel3/settings_03.info");

  const std::string directory = "/programs/ostrel3/";
  const std::string fits(ostrel3::kPathBufferSize - 1 - directory.size(), 'h');
  EXPECT_TRUE(ostrel3::FormatOperatorDirectory(buffer, fits));
  EXPECT_EQ(std::string(buffer.data()).size(), ostrel3::kPathBufferSize - 1);
  EXPECT_FALSE(ostrel3::AppendFileName(buffer, "x"));
  EXPECT_STREQ(buffer.data(), "");
  EXPECT_FALSE(ostrel3::FormatOperatorDirectory(buffer, fits + "h"));
  EXPECT_STREQ(buffer.data(), "");
  EXPECT_FALSE(ostrel3::FormatOperatorDirectory(buffer, ""));
}

TEST(PathBufferTest, FileNamesCarryTheHostProjectAndTheSlot) {
  EXPECT_EQ(ostrel3::ProjectFileName(3, 0), "project_03_00.info");
  EXPECT_EQ(ostrel3::ProjectFileName(12, 9), "project_12_09.info");
  EXPECT_EQ(ostrel3::ProjectFileName(123, 5), "project_123_05.info");
  EXPECT_EQ(ostrel3::SettingsFileName(3), "settings_03.info");
  EXPECT_EQ(ostrel3::SettingsFileName(0), "settings_00.info");
}

TEST_F(ProjectDiskTest, BuildingAPathCreatesTheDirectory) {
  fs::remove_all(home() / "programs");
  PathBuffer buffer{};
  const char* path = ostrel3::BuildOperatorPath(buffer, "project_01_00.info");
  ASSERT_NE(path, nullptr);
  EXPECT_EQ(fs::path(path), dir() / "project_01_00.info");
  EXPECT_TRUE(fs::is_directory(dir()));
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ProjectDiskTest, AMissingOrOverlongHomeGivesNoPathAndALogLine) {
  PathBuffer buffer{};
  ::unsetenv("VTHOME");
  EXPECT_EQ(ostrel3::BuildOperatorPath(buffer, "settings_01.info"), nullptr);
  ::setenv("VTHOME", "", 1);
  EXPECT_EQ(ostrel3::BuildOperatorPath(buffer, "settings_01.info"), nullptr);
  ::setenv("VTHOME", ("/tmp/" + std::string(600, 'v')).c_str(), 1);
  EXPECT_EQ(ostrel3::BuildOperatorPath(buffer, "settings_01.info"), nullptr);
  // The directory fits (and is made), the file name does not.
  std::string deep = home().string();
  while (deep.size() < 485) deep += "/" + std::string(std::min<size_t>(100, 484 - deep.size()), 'd');
  ::setenv("VTHOME", deep.c_str(), 1);
  EXPECT_EQ(ostrel3::BuildOperatorPath(buffer, "settings_01.info"), nullptr);
  EXPECT_STREQ(buffer.data(), "");
  EXPECT_EQ(logCount(4), 4u);
}

TEST_F(ProjectDiskTest, AnAtomicWriteReplacesTheFileAndLeavesNothingElse) {
  const std::string path = file("project_01_00.info");
  spit(path, "old");
  ASSERT_TRUE(ostrel3::WriteFileAtomically(path, "new contents"));
  EXPECT_EQ(slurp(path), "new contents");
  EXPECT_EQ(filesIn(dir()), std::vector<std::string>{"project_01_00.info"});
  ASSERT_TRUE(ostrel3::WriteFileAtomically(file("fresh.info"), ""));
  EXPECT_EQ(slurp(file("fresh.info")), "");
}

TEST_F(ProjectDiskTest, AFailingWriteLeavesTheOldFileByteForByte) {
  const std::string path = file("project_01_00.info");
  const std::string old = kGoodProject + std::string(100, ' ');
  spit(path, old);
  {
    FileSizeLimit limit(4096);
    EXPECT_FALSE(ostrel3::WriteFileAtomically(path, std::string(10000, 'x')));
    EXPECT_FALSE(ostrel3::WriteProjectFile(path, std::string(10000, 'x')));
  }
  EXPECT_EQ(slurp(path), old);
  EXPECT_EQ(filesIn(dir()), std::vector<std::string>{"project_01_00.info"});
  EXPECT_EQ(logCount(4), 1u);
}

TEST_F(ProjectDiskTest, AFailingRenameLeavesNoTemporaryFile) {
  fs::create_directories(dir() / "taken" / "inside");
  EXPECT_FALSE(ostrel3::WriteFileAtomically(file("taken"), "x"));
  EXPECT_FALSE(ostrel3::WriteFileAtomically((dir() / "missing" / "f.info").string(), "x"));
  EXPECT_EQ(filesIn(dir()), std::vector<std::string>{"taken"});
}

TEST_F(ProjectDiskTest, CopiesKeptAsideNeverReplaceEarlierOnes) {
  const std::string path = file("project_01_00.info");
  spit(path, "first");
  EXPECT_EQ(ostrel3::KeepCopyAside(path), path + ".unreadable");
  spit(path, "second");
  EXPECT_EQ(ostrel3::KeepCopyAside(path), path + ".unreadable.2");
  EXPECT_EQ(slurp(path + ".unreadable"), "first");
  EXPECT_EQ(slurp(path + ".unreadable.2"), "second");
  EXPECT_EQ(slurp(path), "second");
  EXPECT_FALSE(ostrel3::KeepCopyAside(file("nothing.info")).has_value());
}

TEST_F(ProjectDiskTest, AnUnreadableProjectIsKeptAsideBeforeTheFirstSaveOverIt) {
  const std::string path = file("project_01_00.info");
  spit(path, "<ostrel3><scenes>broken");
  ASSERT_TRUE(ostrel3::WriteProjectFile(path, kGoodProject));
  EXPECT_EQ(slurp(path + ".unreadable"), "<ostrel3><scenes>broken");
  EXPECT_EQ(slurp(path), kGoodProject);
  EXPECT_EQ(logCount(6), 1u);
  // Now readable: the next save keeps nothing more.
  ASSERT_TRUE(ostrel3::WriteProjectFile(path, kGoodProject));
  EXPECT_EQ(filesIn(dir()), (std::vector<std::string>{"project_01_00.info", "project_01_00.info.unreadable"}));

  // A file of another kind is kept as well; an empty one holds nothing to keep.
  spit(path, "<?xml version=\"1.0\"?><other/>");
  ASSERT_TRUE(ostrel3::RemoveProjectFile(path));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(slurp(path + ".unreadable.2"), "<?xml version=\"1.0\"?><other/>");
  spit(path, "");
  ASSERT_TRUE(ostrel3::WriteProjectFile(path, kGoodProject));
  EXPECT_FALSE(fs::exists(path + ".unreadable.3"));
  EXPECT_EQ(logCount(6), 2u);
}

TEST_F(ProjectDiskTest, AnUnreadableProjectThatCannotBeKeptIsNotReplaced) {
  const std::string path = file("project_01_00.info");
  spit(path, "garbage");
  fs::create_directories(path + ".unreadable");  // a directory blocks the name...
  {
    FileSizeLimit limit(3);  // ...and the next name cannot be written in full
    EXPECT_FALSE(ostrel3::WriteProjectFile(path, kGoodProject));
    EXPECT_FALSE(ostrel3::RemoveProjectFile(path));
  }
  EXPECT_EQ(slurp(path), "garbage");
  EXPECT_FALSE(fs::exists(path + ".unreadable.2"));
}

TEST_F(ProjectDiskTest, RemovingAProjectThatIsNotThereSucceeds) {
  EXPECT_TRUE(ostrel3::RemoveProjectFile(file("project_01_04.info")));
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(ProjectDiskTest, ASummaryTellsTheNameAndWhetherTheProjectHoldsAnything) {
  const std::string path = file("project_01_02.info");
  auto s = ostrel3::ReadProjectSummaryFile(path.c_str());
  EXPECT_TRUE(s.empty);
  EXPECT_EQ(s.name, "");

  spit(path, "<?xml version=\"1.0\"?><ostrel3><name>Caf\xC3\xA9</name><points/></ostrel3>");
  s = ostrel3::ReadProjectSummaryFile(path.c_str());
  EXPECT_FALSE(s.empty);
  EXPECT_EQ(s.name, "Caf\xC3\xA9");

  spit(path, "<?xml version=\"1.0\"?><ostrel3><name/><act_tc>4</act_tc></ostrel3>");
  s = ostrel3::ReadProjectSummaryFile(path.c_str());
  EXPECT_TRUE(s.empty);
  EXPECT_EQ(logCount(4), 0u);

  spit(path, "<ostrel3><name>x</name>");
  EXPECT_TRUE(ostrel3::ReadProjectSummaryFile(path.c_str()).empty);
  spit(path, "<?xml version=\"1.0\"?><project><scenes/></project>");
  EXPECT_TRUE(ostrel3::ReadProjectSummaryFile(path.c_str()).empty);
  EXPECT_EQ(logCount(4), 2u);
}

}  // namespace
