#pragma once
// An operator on a stand-in host with a scene bin of five clips.
#include <memory>
#include <optional>

#include "host/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/media/media.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

enum : uint32_t { kLeft = 801, kRight = 802, kShort = 803, kLong = 804, kMedium = 805 };

class AssignmentTest : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.format = format;
    c.clips = {{kLeft, "Stage left", 300, -1, 1700000000}, {kRight, "Stage right", 300, -1, 0},
               {kShort, "Short", 120, -1, 0}, {kLong, "Long", 400, -1, 0}, {kMedium, "Medium", 250, -1, 0}};
    return c;
  }
  void SetUp() override {
    HostTest::SetUp();
    op = std::make_unique<ostrel3::MulticamOperator>();
  }
  void TearDown() override {
    if (op && op->panelRequest.panel) op->ClosePanel();
    op.reset();
    HostTest::TearDown();
  }
  void openPanel() {
    run.code = OP_MSG_RUN;
    run.fieldRate = 50;
    ASSERT_TRUE(op->OpenPanel(&run));
  }
  /// Gives a camera a copy of a bin clip without the chooser.
  void give(int camera, uint32_t uid) {
    ostrel3::AssignClip(op->cameras[camera], mainGetAVRecordFromId(uid, 1, 1), -1, -1, -1);
    op->UpdateTimelineLength();
  }
  /// The user picks `uid` (0: cancels) in the chooser of the active camera.
  void choose(uint32_t uid) {
    if (uid) host().user().addAnswer({hostsim::AnswerKind::Scene, uid, {}});
    op->AssignSceneToActiveCamera();
  }
  int32_t inPoint(int camera) {
    int32_t in = -1, out = -1;
    nslBeginAVRecordTrim(op->cameras[camera].record, &in, &out);
    return in;
  }
  std::optional<hostsim::ElementView> element(int slot) { return host().panels().findElement(op->elementSlots[slot]); }
  int beeps() { return host().display().beeps(); }

  hostsim::VideoFormat format = hostsim::VideoFormat::Pal25;
  OperatorMsg run{};
  std::unique_ptr<ostrel3::MulticamOperator> op;
};

}  // namespace ostrel3_test
