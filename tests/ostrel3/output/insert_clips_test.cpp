// The clips behind the inserts as the storyboard receives them: the
// handles kept around each segment, their names, and their sound.
#include "ostrel3/project/utf8.h"
#include "output_fixture.h"

namespace {

using ostrel3::CutList;
using ostrel3_test::OutputTest;

/// The scenes that carry an insert.
std::vector<hostsim::SbScene> withInsert(const std::vector<hostsim::SbScene>& scenes) {
  std::vector<hostsim::SbScene> out;
  for (const auto& s : scenes)
    if (s.insert) out.push_back(s);
  return out;
}

using InsertClipsTest = OutputTest;

// The host keeps up to 125 frames of handles here, so what the insert's clip
// keeps is what the operator's copy had.
TEST_F(InsertClipsTest, ExactlyTheHandleIsKeptAroundEachSegment) {
  struct Row {
    const char* what;
    int32_t cameraIn;  // camera 2's in point; -1 its clip's own
    int32_t handle, start, end;
    int32_t head, tail;
  };
  const Row rows[] = {
      {"inside the clip", -1, 20, 100, 199, 20, 20},
      {"starting within the handle", -1, 20, 10, 199, 10, 20},
      {"running to the timeline's end", -1, 20, 100, 499, 20, 0},
      {"no handles at all", -1, 0, 100, 199, 0, 0},
      {"a clip trimmed at its start", 50, 20, 10, 424, 20, 20},
      {"a clip trimmed at its start, segment further in", 50, 20, 200, 299, 20, 20},
  };
  for (const Row& r : rows) {
    restart();
    give(1, ostrel3_test::kCamera2, r.cameraIn);
    op->trimLength = r.handle;
    CutList cuts = {{0, 0}, {r.start, 1}};
    if (r.end < op->TimelineLastFrame()) cuts[r.end + 1] = 0;
    ASSERT_TRUE(build(cuts)) << r.what;
    const auto inserts = withInsert(scenes());
    ASSERT_EQ(inserts.size(), 1u) << r.what;
    const hostsim::SbClip& clip = inserts[0].insert->clip;
    const int32_t cameraIn = r.cameraIn < 0 ? 0 : r.cameraIn;
    EXPECT_EQ(clip.in, cameraIn + r.start) << r.what;
    EXPECT_EQ(clip.out, cameraIn + r.end) << r.what;
    EXPECT_EQ(clip.headHandle(), r.head) << r.what;
    EXPECT_EQ(clip.tailHandle(), r.tail) << r.what;
    EXPECT_EQ(host().media().clips().names().size(), 7u + 3u) << "the bin and the cameras' copies, nothing more";
  }
}

TEST_F(InsertClipsTest, NamesKeepToThirtyOneCharactersAndStayUnique) {
  struct Row {
    const char* what;
    uint32_t uid;
    std::string sourceName;
    std::string expectedStart;
  };
  const Row rows[] = {
      {"a short name", ostrel3_test::kCamera2, "Camera 2", "Camera 2 OS"},
      {"29 characters lose part of the suffix", ostrel3_test::kName29, ostrel3_test::kLongName29,
       ostrel3_test::kLongName29 + " O"},
      {"31 characters lose it all and clash with the source", ostrel3_test::kName31, ostrel3_test::kLongName31,
       ostrel3_test::kLongName31.substr(0, 28)},
  };
  for (const Row& r : rows) {
    restart();
    give(1, r.uid);
    ASSERT_TRUE(build({{0, 0}, {100, 1}, {200, 0}, {300, 1}, {400, 0}})) << r.what;
    const auto inserts = withInsert(scenes());
    ASSERT_EQ(inserts.size(), 2u) << r.what;
    const std::string first = ostrel3::ToUtf8(inserts[0].insert->clip.name);
    const std::string second = ostrel3::ToUtf8(inserts[1].insert->clip.name);
    EXPECT_EQ(first.compare(0, r.expectedStart.size(), r.expectedStart), 0) << r.what << ": " << first;
    EXPECT_LE(inserts[0].insert->clip.name.size(), 31u) << r.what;
    EXPECT_LE(inserts[1].insert->clip.name.size(), 31u) << r.what;
    EXPECT_NE(first, second) << r.what;
    EXPECT_NE(first, r.sourceName) << r.what;
  }
}

TEST_F(InsertClipsTest, OnlyCamerasWithSoundGetAudioWithQuarterSecondFades) {
  for (auto [fps, quarter] : {std::pair{25, 6}, {30, 7}}) {
    restart();
    op->framesPerSecond = fps;
    op->cameras[0].useAudio = 1;  // the base scene keeps its own sound
    op->cameras[2].useAudio = 1;
    ASSERT_TRUE(build({{0, 0}, {100, 1}, {200, 2}, {300, 0}}));
    const auto inserts = withInsert(scenes());
    ASSERT_EQ(inserts.size(), 2u);
    EXPECT_TRUE(inserts[0].audio.empty()) << "camera 2 has no sound in the output";
    ASSERT_EQ(inserts[1].audio.size(), 1u);
    const hostsim::SbAudio& audio = inserts[1].audio[0];
    EXPECT_EQ(audio.clip.mediaUid, ostrel3_test::kCamera3);
    EXPECT_TRUE(audio.followsInsert);
    EXPECT_EQ(audio.track, 0);
    EXPECT_EQ(audio.info.fadeIn, quarter) << fps;
    EXPECT_EQ(audio.info.fadeOut, quarter) << fps;
    EXPECT_EQ(audio.info.level, -31);
    EXPECT_EQ(audio.info.mode, 7);
    // The sound shows the insert's frames.
    EXPECT_EQ(audio.clip.in, 200);
    EXPECT_EQ(audio.clip.out, 299);
  }
}

}  // namespace
