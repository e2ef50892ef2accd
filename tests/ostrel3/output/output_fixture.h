#pragma once
// An operator over a stand-in host whose cameras hold 500-frame clips, and
// a user who answers the output-mode request.
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "hostsim/core/calls.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/media/media.h"
#include "hostsim/media/project_state.h"
#include "hostsim/media/storyboard.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

enum : uint32_t {
  kCamera1 = 701, kCamera2 = 702, kCamera3 = 703, kIntro = 711, kOutro = 712, kName29 = 721, kName31 = 722
};
inline const std::string kLongName29 = "Stage left seen from the roof";             // 29 characters
inline const std::string kLongName31 = "Stage right seen from the floor";           // 31 characters
constexpr int32_t kFrames = 500;

/// What the user does at the output-mode request.
enum class Answer { Nothing, Append, Replace, InsertHere, Cancel, Close, OkWithoutChoice };

class OutputTest : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{kCamera1, "Camera 1", kFrames}, {kCamera2, "Camera 2", kFrames}, {kCamera3, "Camera 3", kFrames},
               {kIntro, "Intro", 100}, {kOutro, "Outro", 100},
               {kName29, kLongName29, kFrames}, {kName31, kLongName31, kFrames}};
    c.includeTrimFrames = 125;
    c.storyboard = storyboard_;
    return c;
  }
  void SetUp() override {
    HostTest::SetUp();
    makeOperator();
  }
  void TearDown() override {
    op.reset();
    HostTest::TearDown();
  }
  /// A fresh host and operator (for tests that run the build many times).
  void restart() {
    TearDown();
    SetUp();
  }
  void makeOperator() {
    op = std::make_unique<ostrel3::MulticamOperator>();
    op->sceneCount = 3;
    op->trimLength = 20;
    op->cameras[0].useAudio = 0;
    give(0, kCamera1);
    give(1, kCamera2);
    give(2, kCamera3);
  }

  AV_RECORD bin(uint32_t uid) { return mainGetAVRecordFromId(uid, host().config().projectNumber, 1); }
  /// Gives a camera a copy of a bin clip, in point `in` (-1: the clip's own).
  void give(int camera, uint32_t uid, int32_t in = -1) {
    ostrel3::AssignClip(op->cameras[camera], bin(uid), in, -1, -1);
  }

  // ---- the user at the output-mode request ----------------------------------
  void click(const std::string& caption) {
    host().user().addAction("click " + caption,
                            [=](hostsim::Host& h) { return h.panels().input().clickCaption(caption); });
  }
  /// Chooses where the output goes and confirms.
  void choose(const std::string& mode) {
    click(mode);
    click("OK");
  }
  void answer(Answer a) {
    switch (a) {
      case Answer::Nothing: return;
      case Answer::Append: return choose("Append to the storyboard");
      case Answer::Replace: return choose("Replace the storyboard");
      case Answer::InsertHere: return choose("Insert at the current position");
      case Answer::Cancel: return click("Cancel");
      case Answer::OkWithoutChoice: return click("OK");
      case Answer::Close:
        return host().user().addAction("close", [](hostsim::Host& h) { return h.panels().input().closeScreen(); });
    }
  }

  /// Builds from these cuts, the user answering the request so.
  bool build(const ostrel3::CutList& cuts, Answer a = Answer::Append) {
    op->cutList = cuts;
    answer(a);
    return op->BuildStoryboard();
  }

  // ---- what the host holds ----------------------------------------------------
  hostsim::StoryboardView view() { return host().media().storyboard().view(); }
  const std::vector<hostsim::SbScene> scenes() { return view().scenes; }
  std::vector<hostsim::UndoStep> undoSteps() { return host().media().project().undoSteps(); }
  /// Per scene: its media clip, offset and media clip of its insert ("-" for none).
  std::vector<std::string> layout() {
    std::vector<std::string> out;
    for (const auto& s : scenes()) {
      std::string text = std::to_string(s.clip.mediaUid) + ":" + std::to_string(s.length());
      if (s.insert) text += "+" + std::to_string(s.insert->clip.mediaUid) + "@" + std::to_string(s.insert->offset);
      out.push_back(text);
    }
    return out;
  }
  int callsOf(const std::string& name) { return host().calls().count(name); }

  std::vector<hostsim::StoryboardSetup> storyboard_;
  std::unique_ptr<ostrel3::MulticamOperator> op;
};

/// A storyboard line of the setup.
inline hostsim::StoryboardSetup SceneLine(uint32_t uid, int32_t type = 0, int32_t in = -1, int32_t out = -1) {
  hostsim::StoryboardSetup s;
  s.kind = hostsim::StoryboardSetup::Scene;
  s.uid = uid;
  s.type = type;
  s.in = in;
  s.out = out;
  return s;
}
inline hostsim::StoryboardSetup InsertLine(uint32_t uid, int32_t at, int32_t in, int32_t out) {
  hostsim::StoryboardSetup s;
  s.kind = hostsim::StoryboardSetup::Insert;
  s.uid = uid;
  s.at = at;
  s.in = in;
  s.out = out;
  return s;
}
inline hostsim::StoryboardSetup ActiveLine(int32_t number) {
  hostsim::StoryboardSetup s;
  s.kind = hostsim::StoryboardSetup::Active;
  s.number = number;
  return s;
}

}  // namespace ostrel3_test
