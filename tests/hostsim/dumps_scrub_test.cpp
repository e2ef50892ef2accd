// What the scrub engine leaves for a person and for the checks: `dump scrub`
// and scrub.wav, from a host of the test's own (with a clap handed over and
// played) and from the host program's run.
#include <sys/wait.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "hostsim/media/synthetic_sound.h"
#include "hostsim/program/dumps.h"
#include "scrub_fixture.h"

namespace ostrel3_test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file) {
  std::stringstream text;
  text << std::ifstream(file, std::ios::binary).rdbuf();
  return text.str();
}

uint32_t le32(const std::string& b, size_t at) {
  return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
         uint32_t(uint8_t(b[at + 3])) << 24;
}
uint16_t le16(const std::string& b, size_t at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

/// Checks the canonical header of a 48 kHz 16-bit stereo PCM file and
/// returns the loudest sample of its data.
int wavPeak(const std::string& wav, uint32_t pairs) {
  EXPECT_GE(wav.size(), 44u);
  if (wav.size() < 44) return -1;
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(le32(wav, 4), 36 + 4 * pairs);
  EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(le32(wav, 16), 16u);
  EXPECT_EQ(le16(wav, 20), 1) << "PCM";
  EXPECT_EQ(le16(wav, 22), 2) << "channels";
  EXPECT_EQ(le32(wav, 24), 48000u) << "sample rate";
  EXPECT_EQ(le32(wav, 28), 192000u) << "byte rate";
  EXPECT_EQ(le16(wav, 32), 4) << "block align";
  EXPECT_EQ(le16(wav, 34), 16) << "bits";
  EXPECT_EQ(wav.substr(36, 4), "data");
  EXPECT_EQ(le32(wav, 40), 4 * pairs);
  EXPECT_EQ(wav.size(), 44 + 4 * size_t(pairs));
  int peak = 0;
  for (size_t i = 44; i + 1 < wav.size(); i += 2) peak = std::max(peak, std::abs(int(int16_t(le16(wav, i)))));
  return peak;
}

class ScrubDumpTest : public ScrubTest {
 protected:
  static constexpr uint32_t kUid = 901;
  static constexpr int32_t kClap = 5;
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = ScrubTest::makeConfig();
    c.clips = {{kUid, "Stage", 50, kClap}};
    return c;
  }

  /// The sound of frames first..last of the clip, as the operator reads it.
  std::vector<int16_t> frames(int32_t first, int32_t last) {
    const CM_HANDLE sound = cmOpen2(0, 0, 0);
    EXPECT_EQ(cmInitRenderAudio(sound, 5, 1), 0);
    const AV_RECORD clip = mainGetAVRecordFromId(kUid, host().config().projectNumber, 1);
    std::vector<int16_t> out;
    for (int32_t f = first; f <= last; ++f)
      for (int parity = 0; parity < 2; ++parity) {
        OP_AUDIO* block = cmGetFieldAudio(sound, 2 * nslGetAudioFrameOffset(clip, f) + parity);
        if (!block) continue;
        out.insert(out.end(), block->samples, block->samples + 2 * block->pairs);
        opFreeAudio(block);
      }
    cmExitRenderAudio(sound);
    return out;
  }

  fs::path out() const { return home() / "out"; }
};

TEST_F(ScrubDumpTest, TheDumpAndTheWavFileHoldTheClapThatWasPlayed) {
  EXPECT_FALSE(hostsim::program::writeScrubWav(host(), out() / "scrub.wav")) << "nothing played yet";
  EXPECT_FALSE(fs::exists(out() / "scrub.wav"));

  uint32_t word = 0;
  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  const std::vector<int16_t> quiet = frames(0, 1), clap = frames(kClap - 3, kClap + 2);
  const auto pairs = [](const std::vector<int16_t>& s) { return static_cast<int32_t>(s.size() / 2); };
  ASSERT_EQ(pairs(clap), 6 * 1920);
  ASSERT_EQ(cmScrubData(render_, quiet.data(), pairs(quiet), 0, 0), 0);
  advance(ms(1000));
  ASSERT_EQ(cmScrubData(render_, clap.data(), pairs(clap), 24000, 1), 0);
  advance(ms(100));
  ASSERT_EQ(cmScrubData(render_, nullptr, 0, 0, 0), 0);
  const nlohmann::ordered_json running = hostsim::program::scrubState(host());
  EXPECT_TRUE(running["running"]);
  ASSERT_EQ(cmScrubStop(render_, 0), 0);

  ASSERT_TRUE(hostsim::program::dumpScrub(host(), out() / "dumps" / "scrub.json"));
  const auto dump = nlohmann::json::parse(readFile(out() / "dumps" / "scrub.json"));
  EXPECT_EQ(dump["running"], false);
  EXPECT_EQ(dump["starts"], 1);
  EXPECT_EQ(dump["stops"], 1);
  EXPECT_EQ(dump["start_word"], 4800) << "continuous play counts its block from 0";
  EXPECT_EQ(dump["pairs_played"], 3840 + 4800);
  EXPECT_EQ(dump["refused_calls"], 0);
  ASSERT_EQ(dump["blocks"].size(), 3u);
  const char* modes[] = {"grab", "continuous", "silence"};
  const int played[] = {3840, 4800, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(dump["blocks"][i]["order"], i + 1);
    EXPECT_EQ(dump["blocks"][i]["mode"], modes[i]);
    EXPECT_EQ(dump["blocks"][i]["played"], played[i]);
  }
  EXPECT_EQ(dump["blocks"][1]["pairs"], 6 * 1920);
  EXPECT_LE(dump["blocks"][0]["peak"].get<int>(), hostsim::kBackgroundPeak);
  EXPECT_GE(dump["blocks"][1]["peak"].get<int>(), hostsim::kClapPeak / 2) << "the clap was handed over";

  ASSERT_TRUE(hostsim::program::writeScrubWav(host(), out() / "scrub.wav"));
  const std::string wav = readFile(out() / "scrub.wav");
  // The clap starts on the first sample of its frame: the fourth of the block,
  // 5760 pairs in, beyond the 4800 played. What played is quiet, then...
  EXPECT_LE(wavPeak(wav, 3840 + 4800), hostsim::kBackgroundPeak);

  // ... and a block that reaches the clap puts it into the file.
  ASSERT_EQ(cmScrubStart(render_, &word, 0), 0);
  ASSERT_EQ(cmScrubData(render_, clap.data(), pairs(clap), 0, 0), 0);
  advance(ms(1000));
  ASSERT_EQ(cmScrubStop(render_, 0), 0);
  ASSERT_TRUE(hostsim::program::writeScrubWav(host(), out() / "scrub.wav"));
  const std::string withClap = readFile(out() / "scrub.wav");
  EXPECT_EQ(wavPeak(withClap, 3840 + 4800 + 6 * 1920), dump["blocks"][1]["peak"].get<int>());
  // The clap's own samples, in place: the last block fills the end of the file.
  const size_t clapAt = 44 + 4 * size_t(3840 + 4800 + 3 * 1920);
  EXPECT_EQ(std::memcmp(withClap.data() + clapAt, clap.data() + 2 * 3 * 1920, 4 * 1920), 0);
}

TEST(ScrubProgram, DumpScrubAndTheWavFileAfterARun) {
  const fs::path dir = fs::temp_directory_path() / ("ostrel3-scrub-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "session.txt") << "clip 701 \"Stage\" 300 clap 40\n"
                                        "wait 10\n"
                                        "close\n"
                                        "dump scrub dumps/scrub.json\n";
  const std::string command = std::string("'") + OSTREL3_HOST_PROGRAM + "' '" + (dir / "session.txt").string() +
                              "' --out '" + (dir / "out").string() + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const auto dump = nlohmann::json::parse(readFile(dir / "out" / "dumps" / "scrub.json"));
  // Whatever the operator scrubbed, the dump keeps its books straight.
  for (const char* field : {"running", "starts", "stops", "start_word", "pairs_played", "refused_calls", "blocks"})
    EXPECT_TRUE(dump.contains(field)) << field;
  int64_t played = 0;
  for (const auto& b : dump["blocks"]) {
    played += b["played"].get<int64_t>();
    EXPECT_LE(b["played"].get<int64_t>(), b["pairs"].get<int64_t>());
  }
  EXPECT_EQ(dump["pairs_played"].get<int64_t>(), played);
  const fs::path wav = dir / "out" / "scrub.wav";
  EXPECT_EQ(fs::exists(wav), played > 0) << "scrub.wav only when something played";
  if (played > 0) wavPeak(readFile(wav), static_cast<uint32_t>(played));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace ostrel3_test
