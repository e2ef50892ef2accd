// The playback dump read back as a check would read it: the ranges, the
// layout, every output list with the frame it took effect at, the positions
// and the events of each playback.
#include "hostsim/program/dumps.h"
#include "player_fixture.h"

namespace ostrel3_test {
namespace {

using json = nlohmann::ordered_json;

TEST_F(PlayerTest, ThePlaybackDumpHoldsWhatThePlayerWasGivenAndSent) {
  const AV_RECORD a = copyOf(kUidA), b = copyOf(kUidB);
  const CM_OUTPUT_PAIR first[] = {{10, a}, {0, 0}};
  ASSERT_EQ(play(a, b, 10, 109, 0x1 | 0x2 | 0x20 | 0x200, first), 0);
  ASSERT_TRUE(player().step(2));
  const CM_OUTPUT_PAIR second[] = {{10, a}, {12, b}, {0, 0}};
  ASSERT_EQ(cmUpdateFinalList(render_, second, 0), 0);
  ASSERT_TRUE(player().step(1));
  ASSERT_TRUE(player().sendCameraEvent(1, 300));
  ASSERT_EQ(mainPlayPause(0), 13);

  json dump = hostsim::program::playbackState(host());
  EXPECT_EQ(dump["state"], "paused");
  EXPECT_EQ(dump["initialised"], true);
  EXPECT_EQ(dump["gui_rect"]["width"], 1920);
  EXPECT_EQ(dump["layout"]["has_output_list"], false) << "the list went with the playback it started";
  ASSERT_EQ(dump["playbacks"].size(), 1u);
  const json& p = dump["playbacks"][0];
  EXPECT_EQ(p["call"], "mainPlayStartMultiple2");
  ASSERT_EQ(p["ranges"].size(), 6u);
  EXPECT_EQ(p["ranges"][0]["clip"], a);
  EXPECT_EQ(p["ranges"][0]["clip_name"], "Stage");
  EXPECT_EQ(p["ranges"][0]["first"], 10);
  EXPECT_EQ(p["ranges"][0]["last"], 109);
  EXPECT_EQ(p["ranges"][2]["clip"], 0);
  EXPECT_EQ(p["layout"]["flags"], 0x223);
  EXPECT_EQ(p["layout"]["cameras"][1]["left"], 340);
  EXPECT_EQ(p["layout"]["cameras"][1]["shown"], true);
  EXPECT_EQ(p["layout"]["preview"]["place"], "panel");
  EXPECT_EQ(p["layout"]["preview"]["width"], 400);
  ASSERT_EQ(p["output_lists"].size(), 2u);
  EXPECT_EQ(p["output_lists"][0]["from_frame"], 10);
  EXPECT_EQ(p["output_lists"][1]["from_frame"], 13) << "handed over while 12 was shown";
  EXPECT_EQ(p["output_lists"][1]["pairs"][1], (json{{"start", 12}, {"clip", b}, {"camera", 2}}));
  EXPECT_EQ(p["positions"], (json{10, 11, 12, 13}));
  ASSERT_EQ(p["events"].size(), 1u);
  EXPECT_EQ(p["events"][0],
            (json{{"kind", 7},
                  {"value", (1 << 30) | 300},
                  {"camera", 2},
                  {"field", 300},
                  {"at_position", 13},
                  {"from", "script"}}));
  EXPECT_EQ(p["paused_at"], 13);
  EXPECT_EQ(p["stopped"], false);

  ASSERT_EQ(mainPlayStop(0), 0);
  dump = hostsim::program::playbackState(host());
  EXPECT_EQ(dump["state"], "idle");
  EXPECT_EQ(dump["playbacks"][0]["stopped"], true);
}

}  // namespace
}  // namespace ostrel3_test
