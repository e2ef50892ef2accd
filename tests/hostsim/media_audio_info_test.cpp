// The sound format record as the operator reads it: the samples per field
// as the 16-bit word at byte 2, agreeing with the sound blocks of the clips.
#include <cstring>

#include "host/host.h"
#include "support/host_fixture.h"

namespace ostrel3_test {
namespace {

struct FormatCase {
  const char* name;
  hostsim::VideoFormat format;
  uint16_t samplesPerField;
};

class AudioInfoTest : public HostTest, public ::testing::WithParamInterface<FormatCase> {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.format = GetParam().format;
    c.clips = {{801, "Stage", 20}};
    return c;
  }
};

TEST_P(AudioInfoTest, ByteTwoHoldsThePairsOfOneFieldAsTheClipsDeliverThem) {
  const OP_AUDIO_INFO* info = opGetAudioInfo();
  ASSERT_NE(info, nullptr);
  // Read as the operator does: raw bytes, not the member.
  uint16_t atByteTwo = 0;
  std::memcpy(&atByteTwo, reinterpret_cast<const uint8_t*>(info) + 2, sizeof atByteTwo);
  EXPECT_EQ(atByteTwo, GetParam().samplesPerField);
  EXPECT_EQ(info->sampleRate, 48000);
  EXPECT_EQ(info->channels, 2);
  EXPECT_EQ(info->bits, 16);

  const CM_HANDLE sound = cmOpen2(0, 0, 0);
  ASSERT_EQ(cmInitRenderAudio(sound, 5, 1), 0);
  const AV_RECORD clip = mainGetAVRecordFromId(801, host().config().projectNumber, 1);
  ASSERT_NE(clip, 0u);
  OP_AUDIO* block = cmGetFieldAudio(sound, 2 * nslGetAudioFrameOffset(clip, 3) + 1);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->pairs, atByteTwo);
  opFreeAudio(block);
  EXPECT_EQ(cmExitRenderAudio(sound), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, AudioInfoTest,
                         ::testing::Values(FormatCase{"Pal", hostsim::VideoFormat::Pal25, 960},
                                           FormatCase{"Ntsc", hostsim::VideoFormat::Ntsc2997, 800},
                                           FormatCase{"Hd", hostsim::VideoFormat::Hd1080i25, 960}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrel3_test
