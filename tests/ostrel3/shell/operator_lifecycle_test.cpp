// Building and tearing down the main object against the stand-in host.
#include <algorithm>
#include <set>
#include <string>

#include "ostrel3/shell/cmc_error.h"
#include "ostrel3/shell/entry.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace {

using ostrel3::CMC_Error;
using ostrel3::MulticamOperator;
using Names = std::vector<std::string>;

Names namesOf(const std::vector<hostsim::TraceEntry>& trace) {
  Names out;
  for (const auto& e : trace) out.push_back(e.name);
  return out;
}

using OperatorLifecycleTest = ostrel3_test::HostTest;

TEST_F(OperatorLifecycleTest, ANewOperatorHoldsAnEmptyProjectOfFourCameras) {
  MulticamOperator op;
  EXPECT_EQ(op.sceneCount, 4);
  EXPECT_EQ(op.projectLength, 0);
  EXPECT_EQ(op.cutList, (ostrel3::CutList{{0, 0}}));
  EXPECT_EQ(op.projectName, u"P 1");
  EXPECT_EQ(op.cameras[0].useAudio, 1);
  for (int i = 1; i < 8; ++i) EXPECT_EQ(op.cameras[i].useAudio, 0);
  EXPECT_EQ(op.framesPerSecond, 25);
  EXPECT_EQ(op.trimLength, 125);
  EXPECT_EQ(op.maxLength, 25 * 7200);
  EXPECT_TRUE(op.renderReady);
  EXPECT_EQ(op.timeTextWidth % 2, 0);
  EXPECT_GT(op.timeTextWidth, 0);
  EXPECT_EQ(op.textLineHeight, vgGetAddHeight() + vgGetFontHeight());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(op.cameras[i].colour, vgGetGuiColorYUV(ostrel3::defaultColourIndex(i))) << i;
}

TEST_F(OperatorLifecycleTest, TeardownReleasesInTheReverseOrderOfConstruction) {
  auto op = std::make_unique<MulticamOperator>();
  host().calls().clearTrace();
  op.reset();
  const Names releases{"msgQDelete",    "resFreeImages",  "resFreeStrings", "cmExitRender",
                       "vgColorBarOn",  "msgQDelete",     "nslSBFreeScene", "nslSBFreeScene",
                       "nslSBFreeScene", "msgQDelete",    "vgFreeGadExt",   "resFreeImages",
                       "resFreeStrings"};
  Names seen;
  for (const auto& name : namesOf(host().calls().trace()))
    if (std::find(releases.begin(), releases.end(), name) != releases.end()) seen.push_back(name);
  Names expected = releases;
  expected.erase(expected.begin() + 4);  // one monitor: the colour bar is never touched
  EXPECT_EQ(seen, expected);
}

TEST_F(OperatorLifecycleTest, StoryboardScenesAreFreedLastFirst) {
  auto op = std::make_unique<MulticamOperator>();
  const std::vector<uint32_t> allocated{op->sbScenes[0].get(), op->sbScenes[1].get(), op->sbScenes[2].get()};
  host().calls().clearTrace();
  op.reset();
  EXPECT_EQ(host().calls().traceOf({"nslSBFreeScene"}),
            (Names{"nslSBFreeScene(" + std::to_string(allocated[2]) + ")",
                   "nslSBFreeScene(" + std::to_string(allocated[1]) + ")",
                   "nslSBFreeScene(" + std::to_string(allocated[0]) + ")"}));
}

TEST_F(OperatorLifecycleTest, ARefusedRenderInitialisationLeavesRenderingOff) {
  host().calls().failAlways("cmInitRender");
  {
    MulticamOperator op;
    EXPECT_FALSE(op.renderReady);
    EXPECT_EQ(logCount(4), 1u);
  }
  EXPECT_EQ(host().calls().count("cmExitRender"), 0);
}

// A refused resource at every step of the construction: the right error, and
// everything acquired before it released again.
struct StartRefusal {
  const char* call;
  int nth;
  const char* message;
};

void PrintTo(const StartRefusal& r, std::ostream* os) { *os << r.call << " call " << r.nth; }

class RefusedResourceTest : public ostrel3_test::HostTest, public ::testing::WithParamInterface<StartRefusal> {};

TEST_P(RefusedResourceTest, ConstructionThrowsAndReleasesWhatItBuilt) {
  const StartRefusal& r = GetParam();
  host().calls().failNth(r.call, r.nth);
  std::string message;
  try {
    MulticamOperator op;
  } catch (const CMC_Error& e) {
    message = e.message();
  }
  EXPECT_EQ(message, r.message);
  // After the refusal only releases follow.
  const std::set<std::string> releases{"resFreeStrings", "resFreeImages", "vgFreeGadExt", "msgQDelete",
                                       "nslSBFreeScene"};
  auto trace = namesOf(host().calls().trace());
  int calls = 0;
  auto refused = std::find_if(trace.begin(), trace.end(), [&](const std::string& n) { return n == r.call && ++calls == r.nth; });
  ASSERT_NE(refused, trace.end());
  for (auto it = std::next(refused); it != trace.end(); ++it) EXPECT_TRUE(releases.count(*it)) << *it;
}

TEST_P(RefusedResourceTest, TheRunLogsTheRefusalAndFails) {
  host().calls().failNth(GetParam().call, GetParam().nth);
  OperatorMsg run{};
  run.code = OP_MSG_RUN;
  EXPECT_EQ(ostrel3::OperatorMessage(&run), -1);
  EXPECT_EQ(logCount(4), 1u);
  EXPECT_EQ(ostrel3::currentOperator.load(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, RefusedResourceTest,
                         ::testing::Values(StartRefusal{"resLoadStrings", 1, "resloadstrings() failed?"},
                                           StartRefusal{"resLoadImages", 1, "resloadimages() failed?"},
                                           StartRefusal{"vgAllocGadExt", 1, "vgallocgadext() failed?"},
                                           StartRefusal{"msgQCreate", 1, "msgqcreate() failed?"},
                                           StartRefusal{"cmOpen", 1, "cmopen(0,0) failed?"},
                                           StartRefusal{"nslSBAllocScene", 1, "nslsballocscene() failed?"},
                                           StartRefusal{"nslSBAllocScene", 2, "nslsballocscene() failed?"},
                                           StartRefusal{"nslSBAllocScene", 3, "nslsballocscene() failed?"},
                                           StartRefusal{"msgQCreate", 2, "msgqcreate() failed?"}),
                         [](const auto& info) {
                           return std::string(info.param.call) + "Call" + std::to_string(info.param.nth);
                         });

TEST_F(OperatorLifecycleTest, ARunWhosePanelCannotOpenFailsAndLeavesNoOperator) {
  host().calls().failAlways("vreqCreateRequest");
  OperatorMsg run{};
  run.code = OP_MSG_RUN;
  EXPECT_EQ(ostrel3::OperatorMessage(&run), -1);
  EXPECT_EQ(ostrel3::currentOperator.load(), nullptr);
  EXPECT_GE(logCount(4), 1u);
}

class MonitorCountTest : public ostrel3_test::HostTest, public ::testing::WithParamInterface<int> {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.monitors.assign(GetParam(), hostsim::MonitorConfig{});
    return c;
  }
};

TEST_P(MonitorCountTest, TheColourBarIsSwitchedOffOnlyForThreeMonitors) {
  const int expected = GetParam() == 3 ? 1 : 0;
  {
    MulticamOperator op;
    EXPECT_EQ(op.threeMonitors, GetParam() == 3);
    EXPECT_EQ(host().calls().count("vgColorBarOff"), expected);
    EXPECT_EQ(host().calls().count("vgColorBarOn"), 0);
  }
  EXPECT_EQ(host().calls().count("vgColorBarOn"), expected);
}

INSTANTIATE_TEST_SUITE_P(OneToFour, MonitorCountTest, ::testing::Values(1, 2, 3, 4));

}  // namespace
