#pragma once
// A synchronisation dialog over three clips of the stand-in host: camera 1
// with a clap at frame 40, camera 2 with its clap at frame 100, camera 4 a
// short clip; cameras 3 and 5..8 empty.
#include <functional>
#include <string>

#include "host/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/media.h"
#include "hostsim/media/player.h"
#include "hostsim/media/scrub_engine.h"
#include "support/host_fixture.h"
#include "sync_requester/sync_dialog.h"

namespace ostrel3_test {

enum : uint32_t { kFront = 901, kSide = 902, kShortClip = 903 };
inline constexpr int32_t kFrontClap = 40;
inline constexpr int32_t kSideClap = 100;

class SyncDialogTest : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{kFront, "Front", 300, kFrontClap}, {kSide, "Side", 300, kSideClap}, {kShortClip, "Short", 120, -1}};
    return c;
  }
  void SetUp() override {
    HostTest::SetUp();
    resetParams();
  }
  /// Cameras 1, 2 and 4 with their clips, nothing synchronised yet.
  void resetParams() {
    params = ostrel3::SyncParams{};
    static const char16_t* const names[] = {u"Front", u"Side", u"Camera 3", u"Short",
                                            u"Camera 5", u"Camera 6", u"Camera 7", u"Camera 8"};
    for (int i = 0; i < ostrel3::kSyncCameras; ++i) params.name[i] = names[i];
    params.record[0] = mainGetAVRecordFromId(kFront, 1, 1);
    params.record[1] = mainGetAVRecordFromId(kSide, 1, 1);
    params.record[3] = mainGetAVRecordFromId(kShortClip, 1, 1);
    params.rateFps = 25;
    params.syncCamera = 1;
  }
  /// Runs the dialog; `script` adds the user's steps once it is open.
  bool runDialog(const std::function<void(ostrel3::SyncDialog&)>& script) {
    ostrel3::SyncDialog dialog(params);
    if (!dialog.open()) return false;
    script(dialog);
    dialog.run();
    dialog.close();
    return true;
  }
  void act(const std::string& what, std::function<bool(hostsim::Host&)> action) {
    host().user().addAction(what, std::move(action));
  }
  void clickSlot(ostrel3::SyncDialog& d, int slot, hostsim::ClickOptions options = {}) {
    act("slot " + std::to_string(slot), [&d, slot, options](hostsim::Host& h) {
      return h.panels().input().clickElement(d.element(slot), options);
    });
  }
  void jogStep(int32_t step) {
    act("jog", [step](hostsim::Host& h) { return h.panels().input().command(0x10010, step); });
  }
  void jogCommand(int32_t id) {
    act("jog command", [id](hostsim::Host& h) { return h.panels().input().command(id, 0); });
  }
  void closeByKey() {
    act("close key", [](hostsim::Host& h) { return h.panels().input().key(0xE004); });
  }
  /// The dialog left no ticker, scrub player, player or request behind.
  void expectNothingLeft() {
    for (const std::string& task : host().kernel().runningTasks()) EXPECT_NE(task, "BrainSmasher");
    EXPECT_FALSE(host().media().scrub().running());
    EXPECT_FALSE(host().media().player().history().initialised);
    EXPECT_FALSE(host().media().player().running());
    EXPECT_TRUE(host().panels().openRequests().empty());
  }

  ostrel3::SyncParams params{};
};

}  // namespace ostrel3_test
