// The rules of an import that need no host: frame rates, conversion and
// keeping a chosen path inside its folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "ostrel3/project/confined_path.h"
#include "ostrel3/project/project_import.h"

namespace {

namespace fs = std::filesystem;

TEST(ImportRulesTest, FrameRatesThatCanBeUsed) {
  const struct {
    const char* text;
    std::optional<double> rate;
  } cases[] = {{"30", 30.0}, {" 29.97", 29.97}, {"+25", 25.0}, {"50 fps", 50.0}, {"0", {}}, {"-30", {}},
               {"abc", {}},  {"inf", {}},       {"nan", {}},   {"", {}},         {nullptr, {}}, {"1e999", {}}};
  for (const auto& c : cases) EXPECT_EQ(ostrel3::ParseFrameRate(c.text), c.rate) << (c.text ? c.text : "null");
}

TEST(ImportRulesTest, FramesAreConvertedTowardsZeroAndNeverWrapped) {
  const struct {
    int32_t value;
    double current, file;
    std::optional<int32_t> converted;
  } cases[] = {{300, 25, 30, 250},       {600, 25, 30, 500},         {-7, 25, 30, -5},
               {7, 30, 25, 8},           {2147483647, 25, 25, 2147483647}, {2100000000, 25, 24, {}},
               {-2100000000, 25, 24, {}}, {5, 25, 1e-300, {}}};
  for (const auto& c : cases) EXPECT_EQ(ostrel3::ConvertFrame(c.value, c.current, c.file), c.converted) << c.value;
}

TEST(ImportRulesTest, AChosenPathStaysInsideItsFolder) {
  std::random_device rd;
  const fs::path root = fs::temp_directory_path() / ("ostrel3-confined-" + std::to_string(rd()));
  const fs::path folder = root / "archives";
  fs::create_directories(folder / "sub");
  std::ofstream(root / "secret.info") << "x";
  fs::create_symlink(root / "secret.info", folder / "out.info");
  fs::create_symlink(folder / "sub", folder / "in");
  const std::string f = folder.string();
  const struct {
    std::string chosen;
    std::optional<std::string> path;
  } cases[] = {
      {"a.info", f + "/a.info"},
      {f + "/a.info", f + "/a.info"},
      {"sub/b.info", f + "/sub/b.info"},
      {"in/b.info", f + "/sub/b.info"},
      {"../secret.info", {}},
      {"sub/../../secret.info", {}},
      {(root / "secret.info").string(), {}},
      {"out.info", {}},
      {f, {}},
      {"sub/", {}},
      {"", {}},
      {"missing/b.info", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ostrel3::ConfinedPath(f, c.chosen.c_str()), c.path) << c.chosen;
  EXPECT_FALSE(ostrel3::RemoveFileOnly((folder / "sub").string()));
  EXPECT_TRUE(fs::is_directory(folder / "sub"));
  fs::remove_all(root);
}

}  // namespace
