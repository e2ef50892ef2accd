// Sound of the synthetic media: the field blocks, their size, the clap at
// the clap frame and nowhere else, and freeing.
#include <algorithm>
#include <cstdlib>

#include "hostsim/media/synthetic_sound.h"
#include "media_fixture.h"

namespace ostrel3_test {
namespace {

class SoundTest : public MediaTest {
 protected:
  void SetUp() override {
    MediaTest::SetUp();
    sound_ = cmOpen2(0, 0, 0);
    ASSERT_NE(sound_, 0u);
    ASSERT_EQ(cmInitRenderAudio(sound_, 5, 1), 0);
  }
  void TearDown() override {
    cmExitRenderAudio(sound_);
    MediaTest::TearDown();
  }

  /// Loudest sample of both fields of trimmed frame f, -1 when a block is missing.
  int framePeak(AV_RECORD clip, int32_t f) {
    const int32_t o = nslGetAudioFrameOffset(clip, f);
    int peak = -1;
    for (int parity = 0; parity < 2; ++parity) {
      OP_AUDIO* block = cmGetFieldAudio(sound_, 2 * o + parity);
      if (!block) return -1;
      for (int32_t i = 0; i < 2 * block->pairs; ++i) peak = std::max(peak, std::abs(int(block->samples[i])));
      opFreeAudio(block);
    }
    return peak;
  }

  CM_HANDLE sound_ = 0;
};

TEST_F(SoundTest, TheClapIsAtTheClapFrameAndNowhereElse) {
  AV_RECORD a = bin(kUidA);
  for (int32_t f = 0; f < 300; ++f) {
    const int peak = framePeak(a, f);
    if (f == 120) {
      EXPECT_GE(peak, 25000) << "the clap is loud";
    } else {
      EXPECT_LE(peak, hostsim::kBackgroundPeak) << "frame " << f;
      EXPECT_GT(peak, 50) << "frame " << f << " is not silent";
    }
  }
}

TEST_F(SoundTest, TheClapStartsOnTheFirstSampleOfItsFrame) {
  const int32_t o = nslGetAudioFrameOffset(bin(kUidB), 75);
  OP_AUDIO* before = cmGetFieldAudio(sound_, 2 * o - 1);
  OP_AUDIO* clap = cmGetFieldAudio(sound_, 2 * o);
  ASSERT_NE(before, nullptr);
  ASSERT_NE(clap, nullptr);
  EXPECT_GE(clap->samples[0], 29000);
  EXPECT_LE(std::abs(before->samples[2 * before->pairs - 2]), hostsim::kBackgroundPeak);
  opFreeAudio(before);
  opFreeAudio(clap);
}

TEST_F(SoundTest, CopiesAndPiecesCarryTheClapAtTheSameMediaFrame) {
  AV_RECORD copy = nslCopyAVRecord(bin(kUidA), 0);
  AV_RECORD head = nslSplitAVRecord(copy, 99);
  ASSERT_EQ(nslEndAVRecordTrim(copy, 10, 150), 0);
  EXPECT_GE(framePeak(copy, 10), 25000) << "media frame 120 is frame 10 after cutting 100 and trimming 10";
  EXPECT_LE(framePeak(copy, 9), hostsim::kBackgroundPeak);
  nslDeleteAVRecord(head);
  nslDeleteAVRecord(copy);
}

TEST_F(SoundTest, AClipWithoutClapStaysQuiet) {
  AV_RECORD c = bin(kUidC);
  for (int32_t f = 0; f < 1200; f += 7) EXPECT_LE(framePeak(c, f), hostsim::kBackgroundPeak) << f;
}

TEST_F(SoundTest, ClipsSoundDifferentAndAFieldAlwaysSoundsTheSame) {
  const int32_t oa = nslGetAudioFrameOffset(bin(kUidA), 3), ob = nslGetAudioFrameOffset(bin(kUidB), 3);
  OP_AUDIO* a1 = cmGetFieldAudio(sound_, 2 * oa);
  OP_AUDIO* a2 = cmGetFieldAudio(sound_, 2 * oa);
  OP_AUDIO* b = cmGetFieldAudio(sound_, 2 * ob);
  ASSERT_TRUE(a1 && a2 && b);
  EXPECT_TRUE(std::equal(a1->samples, a1->samples + 2 * a1->pairs, a2->samples));
  EXPECT_FALSE(std::equal(a1->samples, a1->samples + 2 * a1->pairs, b->samples));
  bool channelsDiffer = false;
  for (int32_t i = 0; i < a1->pairs; ++i) channelsDiffer |= a1->samples[2 * i] != a1->samples[2 * i + 1];
  EXPECT_TRUE(channelsDiffer) << "both channels alike";
  for (OP_AUDIO* block : {a1, a2, b}) opFreeAudio(block);
}

TEST_F(SoundTest, BlocksHold960PairsAndAreListedUntilFreed) {
  const int32_t o = nslGetAudioFrameOffset(bin(kUidA), 0);
  OP_AUDIO* block = cmGetFieldAudio(sound_, 2 * o + 1);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->pairs, 960);
  ASSERT_EQ(host().liveHandles().size(), 1u);
  opFreeAudio(block);
  EXPECT_TRUE(host().liveHandles().empty());
  const size_t before = host().log().size();
  opFreeAudio(block);
  EXPECT_EQ(host().log().size(), before + 1) << "a second free is reported";
  opFreeAudio(nullptr);

  const OP_AUDIO_INFO* format = opGetAudioInfo();
  ASSERT_NE(format, nullptr);
  EXPECT_EQ(format->sampleRate, 48000);
  EXPECT_EQ(format->channels, 2);
  EXPECT_EQ(format->bits, 16);
}

TEST_F(SoundTest, NoBlockOutsideTheMediaOrWithoutStartedSound) {
  const int32_t afterA = nslGetAudioFrameOffset(bin(kUidA), 299) + 1;
  EXPECT_EQ(cmGetFieldAudio(sound_, 2 * afterA), nullptr);
  EXPECT_EQ(cmGetFieldAudio(sound_, -1), nullptr);
  EXPECT_EQ(cmGetFieldAudio(0x7777, 2 * nslGetAudioFrameOffset(bin(kUidA), 0)), nullptr);

  CM_HANDLE fresh = cmOpen2(0, 0, 0);
  EXPECT_EQ(cmGetFieldAudio(fresh, 2 * nslGetAudioFrameOffset(bin(kUidA), 0)), nullptr);
  EXPECT_EQ(cmExitRenderAudio(fresh), -1) << "exit without init";
  ASSERT_EQ(cmInitRenderAudio(fresh, 5, 1), 0);
  ASSERT_EQ(cmExitRenderAudio(fresh), 0);
  EXPECT_EQ(cmGetFieldAudio(fresh, 2 * nslGetAudioFrameOffset(bin(kUidA), 0)), nullptr) << "sound ended";
}

class NtscSoundTest : public SoundTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = SoundTest::makeConfig();
    c.format = hostsim::VideoFormat::Ntsc2997;
    return c;
  }
};

TEST_F(NtscSoundTest, BlocksHold800PairsAndTheClapKeepsItsFrame) {
  const int32_t o = nslGetAudioFrameOffset(bin(kUidB), 0);
  OP_AUDIO* block = cmGetFieldAudio(sound_, 2 * o);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->pairs, 800);
  opFreeAudio(block);
  for (int32_t f : {73, 74, 76, 77}) EXPECT_LE(framePeak(bin(kUidB), f), hostsim::kBackgroundPeak) << f;
  EXPECT_GE(framePeak(bin(kUidB), 75), 25000);

  const MAIN_INFO* info = mainGetInfo();
  EXPECT_EQ(info->fieldHeight, 240);
  EXPECT_EQ(cmGetFramesPerSecond(sound_, 0), 30);
  OP_IMAGE* field = opAllocImage(-1, -1, OP_IMAGE_YUV420, nullptr);
  EXPECT_EQ(field->height, 240);
  opFreeImage(field);
}

}  // namespace
}  // namespace ostrel3_test
