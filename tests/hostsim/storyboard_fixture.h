#pragma once
// A stand-in host with three camera clips and two transition operators, and
// the storyboard calls an output makes, as plain helpers.
#include <string>
#include <vector>

#include "host/host.h"
#include "hostsim/media/media.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

constexpr uint32_t kCam1 = 701, kCam2 = 702, kCam3 = 703;
constexpr int32_t kClipFrames = 500;
constexpr int32_t kPrefsSize = 8;

/// A scene buffer for the length of a test step.
class SceneHolder {
 public:
  SceneHolder() : handle_(nslSBAllocScene()) {}
  ~SceneHolder() { nslSBFreeScene(handle_); }
  SceneHolder(const SceneHolder&) = delete;
  SceneHolder& operator=(const SceneHolder&) = delete;
  operator SB_SCENE() const { return handle_; }

 private:
  SB_SCENE handle_;
};

/// A stretch of the timeline shown from one camera (1 to 3).
struct Segment {
  int32_t start, end, camera;
};

class StoryboardTest : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.clips = {{kCam1, "Camera 1", kClipFrames}, {kCam2, "Camera 2", kClipFrames}, {kCam3, "Camera 3", kClipFrames}};
    c.operators = {{"transition/wipe", "Wipe", 0x4, kPrefsSize, {}, {}}, {"transition/fade", "Fade", 0, 0, {}, {}}};
    c.includeTrimFrames = 50;
    return c;
  }

  AV_RECORD bin(uint32_t uid) { return mainGetAVRecordFromId(uid, host().config().projectNumber, 1); }
  hostsim::StoryboardView view() { return host().media().storyboard().view(); }
  std::vector<std::u16string> sceneNames() {
    std::vector<std::u16string> names;
    for (const auto& s : view().scenes) names.push_back(s.clip.name);
    return names;
  }
  std::vector<int32_t> sceneLengths() {
    std::vector<int32_t> lengths;
    for (const auto& s : view().scenes) lengths.push_back(s.length());
    return lengths;
  }
  size_t hostLines() const { return const_cast<StoryboardTest*>(this)->host().log().size(); }

  /// A caller's copy of a bin clip showing clip frames in..out, named `name`.
  AV_RECORD copyOf(uint32_t uid, int32_t in, int32_t out, const std::u16string& name = {}) {
    AV_RECORD copy = nslCopyAVRecord(bin(uid), 0);
    EXPECT_EQ(nslEndAVRecordTrim(copy, in, out), 0);
    if (!name.empty()) {
      EXPECT_EQ(nslSetAVRecordName(copy, name.c_str()), 0);
    }
    return copy;
  }

  /// Appends a scene of a bin clip after the storyboard's last scene.
  void appendScene(uint32_t uid) {
    SceneHolder last, made;
    const SB_SCENE position = nslSBGetLastScene(last) == 0 ? SB_SCENE(last) : 0;
    ASSERT_EQ(nslSBAddScene(position, bin(uid), made), 0);
  }

  /// The storyboard calls of one output, as the operator makes them: camera
  /// 1's clip as the base scene after the last scene, then an insert with
  /// its sound for every segment of another camera, each insert placed in
  /// the scene the previous one left, inside one undo step. Insert copies
  /// are named "Camera N OS", made unique by the host.
  void writeOutput(const std::vector<Segment>& segments, const char16_t* step = u"Multicam output") {
    ASSERT_EQ(nslProjectUndoExtSeqStart(step), 0);
    SceneHolder current, last, position;
    const SB_SCENE after = nslSBGetLastScene(position) == 0 ? SB_SCENE(position) : 0;
    ASSERT_EQ(nslSBAddScene(after, bin(kCam1), current), 0);
    int32_t gapStart = 0;
    for (const Segment& s : segments) {
      if (s.camera == 1) continue;
      const uint32_t uid = s.camera == 2 ? kCam2 : kCam3;
      XCHAR name[32];
      const std::u16string wanted = u"Camera " + std::u16string(1, char16_t(u'0' + s.camera)) + u" OS";
      ASSERT_EQ(mainMakeUniqueName(1, name, wanted.c_str(), 31), 0);
      AV_RECORD copy = copyOf(uid, s.start, s.end, name);
      ASSERT_EQ(nslSBAddInsertWithTrim(current, copy, current), 0);
      SB_INSERT_TRIM trim{};
      ASSERT_EQ(nslSBInsertBeginTrim(current, &trim, 0), 0);
      trim.startOffset += s.start - gapStart;
      ASSERT_EQ(nslSBInsertEndTrim(current, &trim), 0);
      gapStart = s.end + 1;
      addInsertAudio(current, copy);
      ASSERT_EQ(nslDeleteAVRecord(copy), 0);
      ASSERT_EQ(nslSBGetLastScene(last), 0);
      if (nslSBSceneCmp(current, last) == 0) {
        ASSERT_EQ(nslSBGetNextScene(current, current), 0);
      }
    }
    ASSERT_EQ(nslProjectUndoExtSeqEnd(), 0);
  }

  /// The sound of an insert clip added to the scene that carries it.
  void addInsertAudio(SB_SCENE scene, AV_RECORD clip) {
    SB_AUDIO_SCENE audioScene = nslSBAllocAudioScene();
    ASSERT_EQ(nslConvertSBSceneToSBAudioScene(scene, audioScene), 0);
    int32_t in = 0, out = 0;
    ASSERT_EQ(nslBeginAVRecordTrim(clip, &in, &out), 0);
    ASSERT_EQ(nslEndAVRecordTrim(clip, 0, nslGetTotalAVRecordLength(clip) - 1), 0);
    SB_AUDIO audio = nslSBAddAudio(audioScene, 0, 1, clip);
    ASSERT_NE(audio, 0u);
    SB_AUDIO_TRIM trim{};
    ASSERT_EQ(nslSBAudioBeginTrim(audio, &trim, 0), 0);
    trim.in = in;
    trim.out = out;
    ASSERT_EQ(nslSBAudioEndTrim(audio, &trim), 0);
    SB_AUDIO_INFO info{};
    ASSERT_EQ(nslSBGetAudioInfo(audio, &info), 0);
    info.fadeIn = info.fadeOut = 6;
    info.level = -31;
    info.mode = 7;
    ASSERT_EQ(nslSBSetAudioInfo(audio, &info), 0);
    nslSBFreeAudioScene(audioScene);
  }
};

}  // namespace ostrel3_test
