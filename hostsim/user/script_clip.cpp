#include "hostsim/user/script_clip.h"

#include <string>

#include "hostsim/media/sources.h"

namespace hostsim::script {

namespace {

// Seconds since 1970 up to the last second of the year 9999: far enough for
// any recording, and small enough that adding a clip's length never overflows.
constexpr int64_t kLastRecordingSecond = 253'402'300'799;

// One keyword and its values at word i; answers the words it took.
size_t clipKeyword(const Line& l, size_t i, ClipConfig& clip) {
  ClipSound& sound = clip.sound;
  const int64_t last = clip.length - 1;
  if (l.is(i, "clap")) {
    clip.clapFrame = int32_t(l.number(i + 1, "a clap frame", 0, last));
  } else if (l.is(i, "recorded")) {
    clip.recordedAt = l.number(i + 1, "a recording time in seconds", 0, kLastRecordingSecond);
  } else if (l.is(i, "until")) {
    clip.recordedUntil = l.number(i + 1, "a recording end in seconds", 1, kLastRecordingSecond);
  } else if (l.is(i, "starts")) {
    const double max = ClipSound::kMaxStartSeconds;
    sound.startSeconds = l.decimal(i + 1, "a scene time in seconds", -max, max);
  } else if (l.is(i, "gain")) {
    sound.gain = l.decimal(i + 1, "a gain", 0, ClipSound::kMaxGain);
  } else if (l.is(i, "noise")) {
    sound.noise = l.decimal(i + 1, "a noise level", 0, ClipSound::kMaxNoise);
  } else if (l.is(i, "drift")) {
    sound.driftPpm = l.decimal(i + 1, "a clock drift in parts per million", -ClipSound::kMaxDriftPpm, ClipSound::kMaxDriftPpm);
  } else if (l.is(i, "scene")) {
    sound.scene = int32_t(l.number(i + 1, "a scene number", 1, ClipSound::kMaxScene));
  } else if (l.is(i, "silent")) {
    FrameSpan span;
    span.first = int32_t(l.number(i + 1, "the first silent frame", 0, last));
    span.last = int32_t(l.number(i + 2, "the last silent frame", span.first, last));
    sound.silent.push_back(span);
    return 3;
  } else {
    l.fail("expected clap, recorded, until, starts, gain, noise, drift, silent or scene, found \"" + l.word(i) + "\"");
  }
  return 2;
}

}  // namespace

void parseClip(const Line& l, HostConfig& c, std::unordered_set<uint32_t>& uids) {
  ClipConfig clip;
  clip.uid = uint32_t(l.number(1, "a clip uid", 1, kWordMax));
  clip.name = l.quoted(2, "a clip name");
  clip.length = int32_t(l.number(3, "a length in frames", 1, 10'000'000));
  for (size_t i = 4; i < l.size();) i += clipKeyword(l, i, clip);
  // Both place the clip on the scene's timeline; two places would be one too many.
  if (clip.clapFrame >= 0 && clip.sound.startSeconds)
    l.fail("clap and starts both say where the clip lies on its scene: give one of them");
  for (const FrameSpan& s : clip.sound.silent)
    if (clip.clapFrame >= s.first && clip.clapFrame <= s.last)
      l.fail("the clap frame " + std::to_string(clip.clapFrame) + " lies in a silent stretch, where the clap is not heard");
  const int64_t start = clip.recordedAt != 0 ? clip.recordedAt : derivedRecordingStart(clip.uid);
  if (clip.recordedUntil != 0 && clip.recordedUntil < start)
    l.fail("the recording end " + std::to_string(clip.recordedUntil) + " lies before its start " + std::to_string(start));
  if (!uids.insert(clip.uid).second) l.fail("clip uid " + std::to_string(clip.uid) + " is used twice");
  c.clips.push_back(clip);
}

}  // namespace hostsim::script
