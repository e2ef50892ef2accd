// The audio scrub while a camera is positioned: six frames of the moved
// camera's sound after every move, five seconds once the user has held
// still for eight slow ticks, short grabs again on the next move, and
// nothing of the scrub player left when positioning ends.
#include "host/op.h"
#include "sync_fixture.h"

namespace {

using namespace ostrel3_test;
using hostsim::ScrubMode;

ostrel3::QueueMessage jogMessage(int32_t step) {
  ostrel3::QueueMessage m;
  m.msgClass = ostrel3::kMsgCommand;
  m.identifier = 0x10010;
  m.subEvent = step;
  return m;
}

TEST_F(SyncDialogTest, GrabsAfterEveryMoveContinuousPlayAfterHoldingStill) {
  params.syncScrub = 1;
  params.trimIn[1] = 90;
  ostrel3::SyncDialog dialog(params);
  ASSERT_TRUE(dialog.open());
  dialog.startPositioning(1);
  ASSERT_EQ(dialog.scrubCamera(), 1);
  ASSERT_TRUE(host().media().scrub().running());
  const int32_t pairsPerFrame = 2 * opGetAudioInfo()->samplesPerField;
  auto lastBlock = [&] { return host().media().scrub().history().blocks.back(); };

  dialog.handle(jogMessage(-4));  // frames 86 .. 91: no clap
  ASSERT_FALSE(host().media().scrub().history().blocks.empty());
  EXPECT_EQ(lastBlock().mode, ScrubMode::Grab);
  EXPECT_EQ(lastBlock().pairs, 6 * pairsPerFrame);
  const int16_t quiet = lastBlock().peak;
  dialog.handle(jogMessage(14));  // frames 100 .. 105: the sync camera's clap
  EXPECT_EQ(params.trimIn[1], kSideClap);
  EXPECT_GT(lastBlock().peak, 4 * quiet) << "the grab is the positioned camera's sound at its frame";

  const size_t blocks = host().media().scrub().history().blocks.size();
  for (int i = 0; i < 7; ++i) dialog.tick(8);
  EXPECT_EQ(host().media().scrub().history().blocks.size(), blocks) << "seven slow ticks feed nothing";
  dialog.tick(8);
  EXPECT_EQ(lastBlock().mode, ScrubMode::Continuous);
  EXPECT_EQ(lastBlock().pairs, 5 * params.rateFps * pairsPerFrame);
  EXPECT_TRUE(dialog.continuousPlay());

  dialog.handle(jogMessage(250));  // held at the clip's last frame; the grab ends there too
  EXPECT_EQ(params.trimIn[1], 299);
  EXPECT_FALSE(dialog.continuousPlay());
  EXPECT_EQ(lastBlock().mode, ScrubMode::Grab);
  EXPECT_EQ(lastBlock().pairs, 1 * pairsPerFrame);

  dialog.endPositioning(false);
  EXPECT_FALSE(host().media().scrub().running());
  EXPECT_EQ(dialog.tickerTask(), -1);
  dialog.tick(8);  // a tick still queued after the end does nothing
  EXPECT_FALSE(host().media().scrub().running());
  dialog.close();
}

TEST_F(SyncDialogTest, WithoutAudioScrubbingPositioningStartsNoTickerAndNoScrubPlayer) {
  params.syncScrub = 0;
  ostrel3::SyncDialog dialog(params);
  ASSERT_TRUE(dialog.open());
  dialog.startPositioning(0);
  dialog.handle(jogMessage(3));
  dialog.tick(8);
  EXPECT_EQ(params.syncIn[1], 3);
  EXPECT_EQ(host().calls().count("taskSpawn"), 0);
  EXPECT_EQ(host().calls().count("cmScrubStart"), 0);
  dialog.endPositioning(true);
  EXPECT_EQ(params.synced[1], 1);
  dialog.close();
}

}  // namespace
