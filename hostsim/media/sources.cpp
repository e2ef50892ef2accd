#include "hostsim/media/sources.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "hostsim/core/text.h"
#include "hostsim/media/unique_ids.h"

namespace hostsim {

namespace {
// Fields are 2 x frame in a signed 32-bit value.
constexpr int64_t kLastGlobalFrame = (int64_t{1} << 30) - 1;

int64_t roundUp(int64_t v, int64_t step) { return (v + step - 1) / step * step; }

bool within(double v, double min, double max) { return v >= min && v <= max; }  // false for NaN

// The sound is generated from these on every read: a value outside its
// bounds (or not a number) would make no sense of the scene's timeline.
void checkSound(const ClipConfig& c) {
  const ClipSound& s = c.sound;
  const bool ok = s.scene >= 1 && s.scene <= ClipSound::kMaxScene &&
                  (!s.startSeconds || within(*s.startSeconds, -ClipSound::kMaxStartSeconds, ClipSound::kMaxStartSeconds)) &&
                  within(s.gain, 0, ClipSound::kMaxGain) && within(s.noise, 0, ClipSound::kMaxNoise) &&
                  within(s.driftPpm, -ClipSound::kMaxDriftPpm, ClipSound::kMaxDriftPpm) &&
                  std::all_of(s.silent.begin(), s.silent.end(), [](FrameSpan f) { return f.first >= 0 && f.first <= f.last; });
  if (!ok) throw std::invalid_argument("clip \"" + c.name + "\" has sound settings out of their bounds");
}
}  // namespace

int64_t derivedRecordingStart(uint32_t uid) {
  constexpr int64_t kFirstJanuary2020 = 1577836800;
  return kFirstJanuary2020 + int64_t(uid % 100000) * 600;
}

RecordingTimes recordingTimes(const MediaSource& source, int32_t framesPerSecond) {
  RecordingTimes t;
  t.startSeconds = source.recordedAt;
  if (source.recordedUntil != 0) {
    t.endSeconds = source.recordedUntil;
  } else {
    const int32_t fps = framesPerSecond > 0 ? framesPerSecond : 25;
    t.endSeconds = source.recordedAt + source.length / fps;
    t.endFrame = source.length % fps;
  }
  return t;
}

SourceCatalogue::SourceCatalogue(const std::vector<ClipConfig>& clips, UniqueIds& ids) {
  std::set<uint32_t> seen;
  int64_t base = kGap;
  for (const ClipConfig& c : clips) {
    if (c.length <= 0) throw std::invalid_argument("clip \"" + c.name + "\" has no frames");
    MediaSource s;
    s.index = static_cast<int>(sources_.size());
    s.uid = c.uid != 0 ? c.uid : ids.next();
    if (!seen.insert(s.uid).second) throw std::invalid_argument("clip uid " + std::to_string(s.uid) + " given twice");
    s.name = fromUtf8Lossy(c.name);
    s.length = c.length;
    s.clapFrame = c.clapFrame;
    checkSound(c);
    s.sound = c.sound;
    s.recordedAt = c.recordedAt != 0 ? c.recordedAt : derivedRecordingStart(s.uid);
    s.recordedUntil = c.recordedUntil;
    if (s.recordedUntil != 0 && s.recordedUntil < s.recordedAt)
      throw std::invalid_argument("clip \"" + c.name + "\" ends its recording before it starts");
    if (base + c.length - 1 > kLastGlobalFrame) throw std::invalid_argument("the clips are too long for the frame space");
    s.base = static_cast<int32_t>(base);
    base = roundUp(base + c.length, kGap) + kGap;
    sources_.push_back(std::move(s));
  }
}

std::optional<MediaFrame> SourceCatalogue::locate(int32_t globalFrame) const {
  // Sources are sorted by base: find the last one starting at or before the frame.
  auto it = std::upper_bound(sources_.begin(), sources_.end(), globalFrame,
                             [](int32_t f, const MediaSource& s) { return f < s.base; });
  if (it == sources_.begin()) return std::nullopt;
  const MediaSource& s = *std::prev(it);
  const int32_t frame = globalFrame - s.base;
  if (frame >= s.length) return std::nullopt;
  return MediaFrame{&s, frame};
}

std::optional<MediaFrame> SourceCatalogue::locateField(int32_t field) const {
  if (field < 0) return std::nullopt;
  return locate(field / 2);
}

}  // namespace hostsim
