// Leaving when the project cannot be saved: the user once lost the session
// without a word. Now the user is told which file failed and why, and
// either stays (the work kept on screen) or leaves with the old file as it was.
#include <filesystem>
#include <fstream>
#include <string>

#include "hostsim/gui/user_input.h"
#include "ostrel3/editing/assignment_fixture.h"
#include "ostrel3/shell/entry.h"

namespace {

namespace fs = std::filesystem;
using namespace ostrel3_test;
using hostsim::AnswerKind;

std::string slurp(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), {});
}

struct LeaveCase {
  const char* name;
  int answer;  // 1 stay, 2 leave anyway, 0 the question closed
  bool stays;
};

class LeaveUnsavedTest : public AssignmentTest, public ::testing::WithParamInterface<LeaveCase> {
 protected:
  void SetUp() override {
    AssignmentTest::SetUp();
    op.reset();  // the run makes its own operator
    fs::create_directories(slotFile().parent_path());
    std::ofstream(slotFile()) << "<?xml version=\"1.0\"?>\n<ostrel3><name>Matinee</name><scenes><scene uid=\""
                              << kLeft << "\" cam=\"0\"/></scenes></ostrel3>\n";
  }
  fs::path slotFile() const { return home() / "programs" / "ostrel3" / "project_01_00.info"; }
  fs::path kept() const { return slotFile().string() + ".kept"; }
  // A folder where the file should be: no save can replace it.
  void blockSlotFile() {
    fs::rename(slotFile(), kept());
    fs::create_directory(slotFile());
    std::ofstream(slotFile() / "inside") << "old";
  }
  void unblockSlotFile() {
    fs::remove_all(slotFile());
    fs::rename(kept(), slotFile());
  }
  void act(std::function<bool(hostsim::UserInput&)> action) {
    host().user().addAction("test step", [action](hostsim::Host& h) { return action(h.panels().input()); });
  }
  static ostrel3::MulticamOperator& current() { return *ostrel3::currentOperator.load(); }
  int32_t runOperator() {
    OperatorMsg message{};
    message.code = OP_MSG_RUN;
    message.fieldRate = 50;
    return ostrel3::OperatorMessage(&message);
  }
  std::string requestLine() {
    for (const hostsim::LogLine& l : host().log().lines())
      if (l.text.rfind("text request \"Leave\"", 0) == 0) return l.text;
    return {};
  }
};

TEST_P(LeaveUnsavedTest, AFailedSaveAsksAndTheUserStaysOrLeavesWithTheOldFileKept) {
  const LeaveCase& c = GetParam();
  act([this](hostsim::UserInput& in) {
    current().projectName = u"Evening show";
    blockSlotFile();
    return in.clickCaption("Leave");
  });
  host().user().addAnswer({AnswerKind::Text, c.answer, {}});
  bool stayed = false;
  if (c.stays) {
    act([&](hostsim::UserInput& in) {
      stayed = current().keepRunning && current().panelRequest.panel != 0;
      unblockSlotFile();
      return in.clickCaption("Leave");  // this save succeeds
    });
  }
  EXPECT_EQ(runOperator(), 0);
  EXPECT_EQ(requestLine(), "text request \"Leave\": The project could not be saved: " + slotFile().string() +
                               ": Is a directory");
  EXPECT_EQ(host().calls().count("vreqTextRequest"), 1);
  if (c.stays) {
    EXPECT_TRUE(stayed) << "the editor stays open";
    EXPECT_NE(slurp(slotFile()).find("<name>Evening show</name>"), std::string::npos) << "the work kept reaches its file";
  } else {
    ASSERT_TRUE(fs::is_directory(slotFile()));
    EXPECT_EQ(slurp(slotFile() / "inside"), "old");
    EXPECT_NE(slurp(kept()).find("<name>Matinee</name>"), std::string::npos);
  }
  // No half-written file stays beside the slot file.
  for (const auto& entry : fs::directory_iterator(slotFile().parent_path())) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name.rfind("project_01_00.info.", 0) != 0 || entry.path() == kept()) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, LeaveUnsavedTest,
                         ::testing::Values(LeaveCase{"Stay", 1, true}, LeaveCase{"LeaveAnyway", 2, false},
                                           LeaveCase{"QuestionClosed", 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
