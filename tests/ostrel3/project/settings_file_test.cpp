// The settings file: the project slot opened last in a host project.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ostrel3/project/project_io.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ostrel3_test::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    path_ = home() / "programs" / "ostrel3" / "settings_03.info";
    fs::create_directories(path_.parent_path());
  }
  void write(const std::string& text) { std::ofstream(path_) << text; }
  std::optional<int32_t> read() { return ostrel3::ReadSettingsFile(path_.c_str()); }
  std::string contents() {
    std::ifstream in(path_);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path path_;  // set once the fixture has its home
};

TEST_F(SettingsFileTest, NoFileNamesNoSlotAndSaysNothing) {
  EXPECT_FALSE(read().has_value());
  EXPECT_EQ(logCount(4), 0u);
}

TEST_F(SettingsFileTest, AWrittenSlotIsReadBack) {
  ASSERT_TRUE(ostrel3::WriteSettingsFile(path_.string(), 5));
  EXPECT_EQ(read(), 5);
  EXPECT_EQ(contents(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ostrel3>\n    <prj_num>5</prj_num>\n</ostrel3>\n");
  ASSERT_TRUE(ostrel3::WriteSettingsFile(path_.string(), 0));
  EXPECT_EQ(read(), 0);
}

TEST_F(SettingsFileTest, AnotherRootOrAParseErrorNamesNoSlotWithOneWarning) {
  write("<?xml version=\"1.0\"?><settings><prj_num>5</prj_num></settings>");
  EXPECT_FALSE(read().has_value());
  EXPECT_EQ(logCount(4), 1u);
  write("<ostrel3><prj_num>5</prj_num>");
  EXPECT_FALSE(read().has_value());
  EXPECT_EQ(logCount(4), 2u);
}

TEST_F(SettingsFileTest, TheSlotIsReadLikeADecimalAndOnlyAnOfferedSlotIsTaken) {
  write("<ostrel3><prj_num> 7 slots</prj_num></ostrel3>");
  EXPECT_EQ(read(), 7);
  write("<ostrel3><prj_num>none</prj_num></ostrel3>");
  EXPECT_EQ(read(), 0);
  write("<ostrel3><other>3</other></ostrel3>");
  EXPECT_FALSE(read().has_value());
  EXPECT_EQ(logCount(4), 0u);
  for (const char* bad : {"10", "-1", "2147483647", "99999999999", ""}) {
    write(std::string("<ostrel3><prj_num>") + bad + "</prj_num></ostrel3>");
    EXPECT_FALSE(read().has_value()) << bad;
  }
  EXPECT_EQ(logCount(4), 5u);
}

TEST_F(SettingsFileTest, AFailedSaveKeepsTheOldFileAndLogs) {
  ASSERT_TRUE(ostrel3::WriteSettingsFile(path_.string(), 4));
  fs::remove_all(path_.parent_path());
  EXPECT_FALSE(ostrel3::WriteSettingsFile(path_.string(), 6));
  EXPECT_EQ(logCount(4), 1u);
}

}  // namespace
