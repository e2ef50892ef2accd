#pragma once
// The media behind the scene bin: every configured clip has its own media
// (picture and sound), laid out in one global frame space in which every
// media has its own range with gaps between them. Frame offsets of clips
// (nslGetVideoFrameOffset) address this space, and the render library finds
// the media and its frame from an offset. Immutable after construction.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/core/config.h"

namespace hostsim {

class UniqueIds;

/// One media: what a bin clip was configured with, and where it lies.
struct MediaSource {
  int index = 0;           ///< position in the bin, from 0
  uint32_t uid = 0;        ///< the bin clip's unique id
  std::u16string name;     ///< the bin clip's first name
  int32_t length = 0;      ///< frames
  int32_t clapFrame = -1;  ///< frame of the clap, -1 for none
  int64_t recordedAt = 0;  ///< recording start, seconds since the epoch
  int64_t recordedUntil = 0;  ///< recording end as configured, seconds since the epoch (0: none given)
  int32_t base = 0;        ///< first frame of the media in the global frame space
  ClipSound sound{};       ///< how its microphone hears the scene
};

/// A frame of a media.
struct MediaFrame {
  const MediaSource* source = nullptr;
  int32_t frame = 0;  ///< 0 .. length - 1
};

class SourceCatalogue {
 public:
  /// Global frames before the first media and between two media.
  static constexpr int32_t kGap = 1000;

  /// Lays out the configured clips. Throws std::invalid_argument for a clip
  /// without frames, a uid given twice, a recording that ends before it
  /// starts, sound settings out of their bounds, or more media than the
  /// frame space holds.
  SourceCatalogue(const std::vector<ClipConfig>& clips, UniqueIds& ids);

  const std::vector<MediaSource>& all() const { return sources_; }
  /// The media frame at a global frame, nullopt in a gap or outside.
  std::optional<MediaFrame> locate(int32_t globalFrame) const;
  /// The media frame of a field number (two fields a frame).
  std::optional<MediaFrame> locateField(int32_t field) const;

 private:
  std::vector<MediaSource> sources_;
};

/// When a media was recorded: start and end, each in seconds since the epoch
/// and a frame within that second.
struct RecordingTimes {
  int64_t startSeconds = 0;
  int32_t startFrame = 0;
  int64_t endSeconds = 0;
  int32_t endFrame = 0;
};

/// The recording times of a media: the configured end, or else the start
/// plus the media's length at the format's frame rate.
RecordingTimes recordingTimes(const MediaSource& source, int32_t framesPerSecond);

/// Recording start used when a clip was configured without one: a fixed
/// date moved on by the uid, so that clips differ and runs repeat.
int64_t derivedRecordingStart(uint32_t uid);

}  // namespace hostsim
