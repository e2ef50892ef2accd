// The search by sound on takes of one scene: offsets found without recording
// times, drift measured, repeated music matched on its one distinctive event,
// "not sure" when nothing matches, and recording times used only when the
// sound cannot tell.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>

#include "support/scene_sound.h"
#include "sync_requester/auto_sync.h"

namespace {

using namespace ostrel3;
using ostrel3_test::Scene;
using ostrel3_test::SceneKind;
using ostrel3_test::Take;
using ostrel3_test::VectorSound;

constexpr int64_t kEpoch = 1700000000;  // recording times near today

// Where the other take is at the moment the reference shows frame f, less f.
double TrueLag(const Take& ref, const Take& other, int32_t f) {
  const double fps = ref.framesPerSecond;
  const double scene = ref.startSeconds * 48000.0 + std::floor(f * 48000.0 / fps) / (1.0 + ref.driftPpm * 1e-6);
  const double pair = (scene - other.startSeconds * 48000.0) * (1.0 + other.driftPpm * 1e-6);
  return pair * fps / 48000.0 - f;
}

struct Case {
  const char* name;
  Take ref, other;
  int64_t refTimeShift, otherTimeShift;  // seconds from the true start; 0: times unknown
  bool timesKnown;
  SyncBasis basis;
};

Take MakeTake(Scene scene, double start, double seconds, double gain = 1.0, uint64_t hissSeed = 3) {
  Take t;
  t.scene = scene;
  t.startSeconds = start;
  t.seconds = seconds;
  t.gain = gain;
  t.hissSeed = hissSeed;
  return t;
}

std::vector<Case> Cases() {
  const Scene crowd{SceneKind::Crowd, 11, 2.0, -1.0};
  const Scene other{SceneKind::Crowd, 12, 2.0, -1.0};
  const Scene bars{SceneKind::Bars, 13, 2.0, -1.0};
  const Scene barsAndClap{SceneKind::Bars, 13, 2.0, 101.37};  // a clap between beats
  std::vector<Case> cases;
  cases.push_back({"seven seconds earlier", MakeTake(crowd, 30.0, 180), MakeTake(crowd, 22.808, 180, 0.3, 4), 0, 0,
                   false, SyncBasis::Sound});
  cases.push_back({"short clips half overlapping", MakeTake(crowd, 500.0, 20), MakeTake(crowd, 490.52, 20, 1.5, 4), 0,
                   0, false, SyncBasis::Sound});
  Take gaps = MakeTake(crowd, 61.2, 180, 0.8, 10);
  gaps.silences = {{20.0, 50.0}, {100.0, 131.0}};
  cases.push_back({"silent stretches", MakeTake(crowd, 50.0, 180), gaps, 0, 0, false, SyncBasis::Sound});
  cases.push_back({"ten minutes later", MakeTake(crowd, 0.0, 720), MakeTake(crowd, 600.0083, 300, 2.0, 5), 0, 0,
                   false, SyncBasis::Sound});
  Take ntsc = MakeTake(crowd, 250.0, 240, 0.5, 6);
  Take ntscRef = MakeTake(crowd, 50.0, 400);
  ntsc.framesPerSecond = ntscRef.framesPerSecond = 30000.0 / 1001.0;
  cases.push_back({"long offset at 29.97", ntscRef, ntsc, 0, 0, false, SyncBasis::Sound});
  Take drifting = MakeTake(crowd, 1.0, 600, 0.7, 7);
  drifting.driftPpm = 150.0;
  cases.push_back({"drifting 150 ppm", MakeTake(crowd, 0.0, 600), drifting, 0, 0, false, SyncBasis::Sound});
  // A looped bar under the room's hiss: only the clap tells one bar from the next.
  Take loopRef = MakeTake(barsAndClap, 40.0, 150), loopOther = MakeTake(barsAndClap, 52.31, 150, 0.6, 8);
  loopRef.hiss = loopOther.hiss = 0.03;
  cases.push_back({"repeated bars and a clap", loopRef, loopOther, 0, 0, false, SyncBasis::Sound});
  loopRef.scene = loopOther.scene = bars;
  cases.push_back({"repeated bars alone", loopRef, loopOther, 0, 0, false, SyncBasis::None});
  cases.push_back({"no common sound", MakeTake(crowd, 0.0, 180), MakeTake(other, 0.0, 180), 0, 0, false,
                   SyncBasis::None});
  cases.push_back({"no common sound whatever the times say", MakeTake(crowd, 0.0, 180), MakeTake(other, 0.0, 180), 0,
                   -40, true, SyncBasis::None});
  cases.push_back({"right recording times", MakeTake(crowd, 100.0, 200), MakeTake(crowd, 130.0, 200, 1, 9), 0, 0,
                   true, SyncBasis::Sound});
  cases.push_back({"recording times 20 s wrong", MakeTake(crowd, 100.0, 200), MakeTake(crowd, 130.0, 200, 1, 9), 0,
                   20, true, SyncBasis::Sound});
  Take quietRef = MakeTake(crowd, 100.0, 120), quietOther = MakeTake(crowd, 110.0, 120, 1, 9);
  quietRef.silences = quietOther.silences = {{0.0, 120.0}};
  quietRef.hiss = quietOther.hiss = 0.0;
  cases.push_back({"silence with recording times", quietRef, quietOther, 0, 0, true, SyncBasis::RecordingTimes});
  Take loud = quietOther;
  loud.silences.clear();
  loud.hiss = 0.01;
  cases.push_back({"one camera silent", quietRef, loud, 0, 0, true, SyncBasis::RecordingTimes});
  return cases;
}

class AutoSyncScenes : public ::testing::TestWithParam<Case> {};

TEST_P(AutoSyncScenes, FindTheTakeAsTheSceneDemands) {
  const Case& c = GetParam();
  VectorSound ref(c.ref), other(c.other);
  AutoSyncInput in;
  in.reference = &ref;
  in.other = &other;
  in.framesPerSecond = c.ref.framesPerSecond;
  if (c.timesKnown) {
    in.referenceStart = kEpoch + std::llround(c.ref.startSeconds) + c.refTimeShift;
    in.otherStart = kEpoch + std::llround(c.other.startSeconds) + c.otherTimeShift;
  }
  const AutoSyncResult r = AutoSync(in);
  ASSERT_EQ(r.basis, c.basis) << "confidence " << r.confidence;
  if (r.basis == SyncBasis::None) return;
  const double truth = TrueLag(c.ref, c.other, r.referenceFrame);
  if (r.basis == SyncBasis::RecordingTimes) {
    EXPECT_NEAR(r.lagFrames, truth, 0.5);
    return;
  }
  EXPECT_GE(r.confidence, 0.6);
  EXPECT_NEAR(r.lagFrames, truth, 0.25) << "at reference frame " << r.referenceFrame;
  EXPECT_EQ(r.otherFrame - r.referenceFrame, std::lround(r.lagFrames));
  EXPECT_LE(std::abs((r.otherFrame - r.referenceFrame) - truth), 0.75);
  EXPECT_EQ(r.drifting, c.other.driftPpm != 0.0);
  if (r.drifting) {
    EXPECT_NEAR(r.driftPpm, c.other.driftPpm, 15.0);
    EXPECT_NEAR(r.referenceFrame, 0.5 * c.ref.seconds * c.ref.framesPerSecond, 25.0) << "the middle of the overlap";
    EXPECT_GT(r.driftErrorFrames, 0.5);
  }
}

INSTANTIATE_TEST_SUITE_P(Takes, AutoSyncScenes, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p) {
                             if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return name;
                         });

TEST(AutoSync, WorksInBoundedStepsWithRisingProgress) {
  const Scene crowd{SceneKind::Crowd, 21, 2.0, -1.0};
  VectorSound ref(MakeTake(crowd, 0.0, 120)), other(MakeTake(crowd, 5.0, 120, 1, 4));
  AutoSyncInput in;
  in.reference = &ref;
  in.other = &other;
  AutoSyncJob job(in);
  double last = 0.0;
  int steps = 0;
  while (job.step()) {
    EXPECT_GE(job.progress(), last);
    last = job.progress();
    ++steps;
  }
  EXPECT_EQ(job.progress(), 1.0);
  EXPECT_GT(steps, 2 * 120 / 4);  // a few seconds of sound a step
  EXPECT_LE(ref.largestRead, 5 * 25);
  EXPECT_EQ(job.result().basis, SyncBasis::Sound);
}

TEST(AutoSync, UnreadableSoundOrRateFallsBackOnRecordingTimesOrNothing) {
  VectorSound empty(std::vector<int16_t>{}, 25.0), alsoEmpty(std::vector<int16_t>{}, 25.0);
  AutoSyncInput in;
  in.reference = &empty;
  in.other = &alsoEmpty;
  EXPECT_EQ(AutoSync(in).basis, SyncBasis::None);
  in.reference = nullptr;
  EXPECT_EQ(AutoSync(in).basis, SyncBasis::None);
  // Recording times still place a camera whose sound cannot be read, but
  // not clips the times say never overlap, nor frames at no rate.
  VectorSound silentRef(std::vector<int16_t>(2 * 48000 * 60), 25.0);
  in.reference = &silentRef;
  in.referenceStart = kEpoch;
  in.otherStart = kEpoch - 10;
  EXPECT_EQ(AutoSync(in).basis, SyncBasis::None) << "the other clip has no frames";
  VectorSound silentOther(std::vector<int16_t>(2 * 48000 * 60), 25.0);
  in.other = &silentOther;
  const AutoSyncResult r = AutoSync(in);
  EXPECT_EQ(r.basis, SyncBasis::RecordingTimes);
  EXPECT_EQ(r.otherFrame - r.referenceFrame, 250);
  in.otherStart = kEpoch - 100;
  EXPECT_EQ(AutoSync(in).basis, SyncBasis::None) << "the times say the clips never overlap";
  in.otherStart = kEpoch - 10;
  in.framesPerSecond = 0.0;
  EXPECT_EQ(AutoSync(in).basis, SyncBasis::None);
}

TEST(DescribeSync, SaysHowSureAndWhichWay) {
  struct Row {
    SyncBasis basis;
    int32_t referenceFrame, otherFrame;
    double confidence;
    bool drifting;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {SyncBasis::Sound, 100, 104, 0.978, false, {"Matched by sound, 97 % sure, 4 frames earlier than camera 1"}},
      {SyncBasis::Sound, 100, 99, 1.0, false, {"Matched by sound, 99 % sure, 1 frame later than camera 1"}},
      {SyncBasis::Sound, 100, 100, 0.7, false, {"Matched by sound, 70 % sure, in step with camera 1"}},
      {SyncBasis::Sound, 2000, 100, 0.8, false, {"Matched by sound, 80 % sure, 1:16 later than camera 1"}},
      {SyncBasis::Sound, 100, 100 + 25 * 61 + 3, 0.8, false,
       {"Matched by sound, 80 % sure, 1:01 and 3 frames earlier than camera 1"}},
      {SyncBasis::Sound, 0, 25 * 3725, 0.8, false, {"Matched by sound, 80 % sure, 1:02:05 earlier than camera 1"}},
      {SyncBasis::Sound, 100, 104, 0.9, true,
       {"Matched by sound, 90 % sure, 4 frames earlier than camera 1", "drifts 0.4 frames per 10 minutes:",
        "cuts late in the show may be off by up to 2 frames"}},
      {SyncBasis::RecordingTimes, 0, 50, 1.0, false, {"Placed by recording times: no common sound found"}},
      {SyncBasis::None, 0, 0, 0.0, false, {"No common sound found: sync by hand"}},
  };
  for (const Row& row : rows) {
    AutoSyncResult r;
    r.basis = row.basis;
    r.referenceFrame = row.referenceFrame;
    r.otherFrame = row.otherFrame;
    r.confidence = row.confidence;
    r.drifting = row.drifting;
    r.driftPpm = row.drifting ? 26.7 : 0.0;  // 0.4 frames in 10 minutes at 25 frames a second
    r.driftErrorFrames = row.drifting ? 1.3 : 0.0;
    EXPECT_EQ(DescribeSync(r, 25.0), row.lines);
    for (const std::string& line : DescribeSync(r, 25.0)) EXPECT_LE(line.size(), 72u) << line;
  }
}

}  // namespace
