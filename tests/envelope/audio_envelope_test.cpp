// Reading a clip's sound through the stand-in render library: ranges at
// the clip's ends, the frame cache, the gain and the host's refusals.
#include <gtest/gtest.h>

#include "envelope/audio_envelope.h"
#include "host/main.h"
#include "host/nsl.h"
#include "hostsim/media/synthetic_sound.h"
#include "support/host_fixture.h"

namespace {

using namespace ostrel3;

constexpr uint32_t kQuiet = 701;    // hum only, 40 frames
constexpr uint32_t kClapped = 702;  // a clap at frame 12
constexpr size_t kFrameValues = 2 * 1920;  // PAL: 1920 pairs a frame

class AudioEnvelopeTest : public ostrel3_test::HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    auto c = HostTest::makeConfig();
    c.clips = {{kQuiet, "Quiet", 40, -1, 0}, {kClapped, "Clapped", 40, 12, 0}};
    return c;
  }
  void TearDown() override {
    for (AV_RECORD r : records_) nslDeleteAVRecord(r);
    HostTest::TearDown();
  }
  AV_RECORD clip(uint32_t uid) {
    AV_RECORD r = mainGetAVRecordFromId(uid, 1, 1);
    EXPECT_NE(r, 0u);
    records_.push_back(r);
    return r;
  }
  std::vector<int16_t> raw(AudioEnvelope& e, int32_t frame) {
    std::vector<int16_t> out;
    EXPECT_TRUE(e.appendFrames(frame, frame, out, false));
    return out;
  }
  int fieldReads() { return host().calls().count("cmGetFieldAudio"); }

 private:
  std::vector<AV_RECORD> records_;
};

TEST_F(AudioEnvelopeTest, FramesOutsideTheClipAreSilentEnvelopesButFailRawReads) {
  AudioEnvelope e(clip(kClapped));
  struct Case {
    int32_t first, last;
    bool envelope;
    bool ok;
    size_t values;         // appended
    std::vector<int> loud; // frames (from first) whose envelope is not silent
  } cases[] = {
      {-2, 1, true, true, 4 * 64, {2, 3}},
      {38, 42, true, true, 5 * 64, {0, 1}},
      {-1, -1, true, true, 64, {}},
      {3, 2, true, true, 0, {}},
      {-1, 0, false, false, 0, {}},
      {39, 40, false, false, kFrameValues, {}},  // frame 39 stays appended
      {0, 1, false, true, 2 * kFrameValues, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.first << ".." << c.last << (c.envelope ? " envelope" : " raw"));
    const size_t failuresBefore = logCount(4);
    std::vector<int16_t> out{1, 2};
    EXPECT_EQ(e.appendFrames(c.first, c.last, out, c.envelope), c.ok);
    ASSERT_EQ(out.size(), 2 + c.values);
    EXPECT_EQ(logCount(4) - failuresBefore, c.ok ? 0u : 1u);
    if (!c.envelope) continue;
    for (size_t f = 0; f < c.values / 64; ++f) {
      const auto begin = out.begin() + 2 + 64 * f;
      const bool loud = std::any_of(begin, begin + 64, [](int16_t v) { return v != 0; });
      EXPECT_EQ(loud, std::count(c.loud.begin(), c.loud.end(), int(f)) == 1) << "frame " << c.first + int(f);
    }
  }
}

TEST_F(AudioEnvelopeTest, EnvelopesUseTheClipsGainFromTheFirstReadOnAndComeFromTheCache) {
  AudioEnvelope e(clip(kQuiet));
  std::vector<int16_t> peaks;
  ASSERT_TRUE(e.appendFrames(5, 6, peaks, true));  // no gain asked for before
  const int32_t gain = e.gain();
  EXPECT_GE(gain, 65536 / (2 * hostsim::kBackgroundPeak + 1));  // the music never reaches full scale
  std::vector<int16_t> expected = framePeaks(raw(e, 5), gain);
  const std::vector<int16_t> six = framePeaks(raw(e, 6), gain);
  expected.insert(expected.end(), six.begin(), six.end());
  EXPECT_EQ(peaks, expected);
  EXPECT_EQ(e.cachedFrames(), 2u);

  const int readsBefore = fieldReads();
  std::vector<int16_t> again;
  ASSERT_TRUE(e.appendFrames(5, 6, again, true));
  EXPECT_EQ(again, expected);
  EXPECT_EQ(fieldReads(), readsBefore);
}

TEST_F(AudioEnvelopeTest, TheGainFollowsTheLoudestSoundAndAClipWithoutFramesGetsOne) {
  struct Case {
    uint32_t uid;
    int32_t minGain, maxGain;
  } cases[] = {{kClapped, 1, 1}, {kQuiet, 65536 / (2 * hostsim::kBackgroundPeak + 1), 65536 / hostsim::kBackgroundPeak}};
  for (const Case& c : cases) {
    AudioEnvelope e(clip(c.uid));
    const int32_t g = e.gain();
    EXPECT_GE(g, c.minGain) << c.uid;
    EXPECT_LE(g, c.maxGain) << c.uid;
    EXPECT_EQ(e.gain(), g) << "computed once";
  }
  EXPECT_EQ(logCount(4), 0u);

  // A clip whose length reads as nothing: no frame to measure, gain 1.
  AudioEnvelope e(clip(kQuiet));
  host().calls().failAlways("nslGetTrimmedAVRecordLength");
  EXPECT_EQ(e.gain(), 1);
  EXPECT_EQ(host().calls().count("cmGetFieldAudio"), 2 * 40 + 2 * 40) << "no frame read for it";
  host().calls().clearAllFailures();
}

TEST_F(AudioEnvelopeTest, RefusalsOfTheRenderLibraryFailEveryReadAndLeaveNothingBehind) {
  struct Case {
    const char* call;
    int nth;
    bool constructed;  // the envelope could read at all
    int32_t level;
  } cases[] = {
      {"cmOpen2", 1, false, 3},
      {"cmInitRenderAudio", 1, false, 4},
      {"nslGetAudioFrameOffset", 1, true, 4},
      {"cmGetFieldAudio", 2, true, 4},  // the frame's second field
  };
  const AV_RECORD record = clip(kClapped);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    host().calls().clearAllFailures();
    host().calls().failNth(c.call, c.nth);
    const int exitsBefore = host().calls().count("cmExitRenderAudio");
    const size_t logsBefore = logCount(c.level);
    {
      AudioEnvelope e(record);
      EXPECT_EQ(e.frameCount() > 0, c.constructed);
      std::vector<int16_t> out;
      EXPECT_FALSE(e.appendFrames(0, 0, out, false));
      EXPECT_EQ(e.gain(), 1);
      out.clear();
      EXPECT_EQ(e.appendFrames(0, 0, out, true), c.constructed);
    }
    EXPECT_EQ(host().calls().count("cmExitRenderAudio") - exitsBefore, c.constructed ? 1 : 0);
    EXPECT_GE(logCount(c.level), logsBefore + 1);
  }
}

}  // namespace
