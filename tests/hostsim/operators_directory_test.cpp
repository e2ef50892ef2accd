// The operator directory through the host calls: names and flags, loading,
// settings blocks and unique ids, and what each refuses.
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "operators_fixture.h"

namespace ostrel3_test {
namespace {

using Directory = OperatorsTest;

TEST_F(Directory, NamesAndFlagsComeFromTheSetupAndUnknownPathsGetNothing) {
  ASSERT_NE(mainGetOperatorName("transition/wipe", 0), nullptr);
  EXPECT_EQ(std::u16string(mainGetOperatorName("transition/wipe", 0)), u"Wipe");
  EXPECT_EQ(mainGetOperatorName("transition/wipe", 0), mainGetOperatorName("transition/wipe", 0))
      << "the host keeps the name, callers keep the pointer";
  EXPECT_EQ(mainGetOperatorFlags("transition/wipe", 0), 0x4u);
  for (const char* path : {"wipe", "transition/wip", "transition/wipe/", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(mainGetOperatorName(path, 0), nullptr) << (path ? path : "null");
    EXPECT_EQ(mainGetOperatorFlags(path, 0), 0u);
    EXPECT_EQ(mainLoadOperator(path, 0), 0u);
  }
  EXPECT_TRUE(hostLogged(4, "mainLoadOperator: no operator \"wipe\" in the directory"));
}

TEST_F(Directory, ALoadedOperatorStartsWithItsDefaultsAndKeepsWhatIsSet) {
  const OP_HANDLE wipe = mainLoadOperator("transition/wipe", 0);
  const OP_HANDLE dissolve = mainLoadOperator("transition/dissolve", 0);
  ASSERT_NE(wipe, 0u);
  ASSERT_NE(dissolve, wipe);
  ASSERT_EQ(opGetPrefsSize(wipe), 4u);
  std::array<uint8_t, 4> block{};
  ASSERT_EQ(opGetPrefs(wipe, block.data(), 4), 0);
  EXPECT_EQ(block, (std::array<uint8_t, 4>{0x20, 0x04, 0x00, 0xFF}));
  std::array<uint8_t, 2> zeros{9, 9};
  ASSERT_EQ(opGetPrefs(dissolve, zeros.data(), 2), 0);
  EXPECT_EQ(zeros, (std::array<uint8_t, 2>{0, 0})) << "no defaults: zero bytes";

  const std::array<uint8_t, 4> mine{1, 2, 3, 4};
  ASSERT_EQ(opSetPrefs(wipe, mine.data(), 4), 0);
  ASSERT_EQ(opSetUniqueID(wipe, 0xABCD), 0);
  ASSERT_EQ(opGetPrefs(wipe, block.data(), 4), 0);
  EXPECT_EQ(block, mine);
  EXPECT_EQ(directory().uniqueId(wipe), 0xABCDu);

  const OP_HANDLE again = mainLoadOperator("transition/wipe", 0);
  ASSERT_EQ(opGetPrefs(again, block.data(), 4), 0);
  EXPECT_EQ(block[0], 0x20) << "each load is an operator of its own";

  const OP_HANDLE iris = mainLoadOperator("transition/iris", 0);
  EXPECT_EQ(opGetPrefsSize(iris), 0u);
  EXPECT_EQ(opGetPrefs(iris, nullptr, 0), 0) << "an operator without settings hands over an empty block";
  for (OP_HANDLE op : {wipe, dissolve, again, iris}) mainUnloadOperator(op);
}

// Each refusal leaves the operator as it was and says why in the host log.
TEST_F(Directory, RefusedCallsChangeNothingAndSayWhy) {
  const OP_HANDLE wipe = mainLoadOperator("transition/wipe", 0);
  const OP_HANDLE gone = mainLoadOperator("transition/dissolve", 0);
  mainUnloadOperator(gone);
  std::array<uint8_t, 8> block{7, 7, 7, 7, 7, 7, 7, 7};
  struct Case {
    const char* what;
    std::function<int64_t()> call;
    int64_t refused;
    const char* logged;
  };
  const Case cases[] = {
      {"get into a smaller block", [&] { return opGetPrefs(wipe, block.data(), 3); }, -1, "keeps 4 bytes of settings, not 3"},
      {"get into a larger block", [&] { return opGetPrefs(wipe, block.data(), 8); }, -1, "not 8"},
      {"get without a block", [&] { return opGetPrefs(wipe, nullptr, 4); }, -1, "(no block)"},
      {"set a smaller block", [&] { return opSetPrefs(wipe, block.data(), 2); }, -1, "opSetPrefs: operator"},
      {"set a larger block", [&] { return opSetPrefs(wipe, block.data(), 5); }, -1, "not 5"},
      {"size of an unloaded one", [&] { return int64_t(opGetPrefsSize(gone)); }, 0, "opGetPrefsSize: operator"},
      {"get from an unloaded one", [&] { return opGetPrefs(gone, block.data(), 2); }, -1, "opGetPrefs: operator"},
      {"set on an unloaded one", [&] { return opSetPrefs(gone, block.data(), 2); }, -1, "is not loaded"},
      {"id of an unloaded one", [&] { return opSetUniqueID(gone, 5); }, -1, "opSetUniqueID: operator"},
      {"id of a handle never made", [&] { return opSetUniqueID(0x1234, 5); }, -1, "opSetUniqueID: operator 0x00001234"},
      {"unload twice", [&] { return (mainUnloadOperator(gone), int64_t(-1)); }, -1, "mainUnloadOperator: operator"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.call(), c.refused) << c.what;
    EXPECT_TRUE(hostLogged(4, c.logged)) << c.what;
  }
  EXPECT_EQ(block, (std::array<uint8_t, 8>{7, 7, 7, 7, 7, 7, 7, 7})) << "no refused get wrote into the block";
  EXPECT_EQ(directory().prefs(wipe), (std::vector<uint8_t>{0x20, 0x04, 0x00, 0xFF}));
  EXPECT_EQ(directory().uniqueId(wipe), 0u);
  mainUnloadOperator(wipe);
}

}  // namespace
}  // namespace ostrel3_test
