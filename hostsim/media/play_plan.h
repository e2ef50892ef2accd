#pragma once
// What a playback plays, worked out without the host: the cameras' ranges
// and how much material each clip has, the frames' times at the format's
// field rate, the output list that says which clip the edit shows at a
// frame, and the checks of a multi-camera layout.
//
// Frames are those of the clips, trimmed, as the caller numbers them: a
// camera plays frames first .. last of its clip. All cameras start
// together; the playback's position is the frame the first camera with a
// clip shows. Step k of the playback shows frame first + k of every camera.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/cm.h"
#include "host/host_types.h"
#include "hostsim/core/config.h"
#include "hostsim/kernel/clock.h"

namespace hostsim {

/// What a start call hands over for one camera.
struct PlayRange {
  AV_RECORD clip = 0;  ///< 0: the camera plays nothing
  int32_t first = 0;
  int32_t last = 0;    ///< -1: to the end of the clip's material
};

/// A camera as it plays.
struct CameraPlay {
  AV_RECORD clip = 0;
  int32_t first = 0, last = 0;  ///< last resolved: never -1
  int32_t material = 0;         ///< frames of the clip (trimmed length)
};

class PlayPlan {
 public:
  static constexpr int kCameras = 6;
  /// Camera events carry the camera in two bits: cameras 5 and 6 cannot
  /// report that their material ran out.
  static constexpr int kCamerasWithEvents = 4;

  /// Works out a playback. `material[i]` is camera i's trimmed length (or
  /// -1 for a clip that does not exist). Nullopt and `problem` set when the
  /// ranges cannot be played: no camera has a clip, a clip is unknown, a
  /// first frame is negative, a last frame below -1 or before the first.
  static std::optional<PlayPlan> make(const std::array<PlayRange, kCameras>& ranges,
                                      const std::array<int32_t, kCameras>& material, std::string& problem);

  const std::array<CameraPlay, kCameras>& cameras() const { return cameras_; }
  /// Steps the playback has: until the last camera's range ends.
  int32_t steps() const { return steps_; }
  /// The position reported at step k.
  int32_t positionAt(int32_t step) const { return cameras_[reference_].first + step; }
  /// The frame camera i shows at step k; nullopt when it shows nothing (no
  /// clip, its range is over, or its material ran out).
  std::optional<int32_t> frameOf(int camera, int32_t step) const;
  /// The step at which camera i's material runs out before its range ends
  /// (the first step with nothing to show); nullopt when it never does.
  std::optional<int32_t> runsOutAt(int camera) const;

 private:
  std::array<CameraPlay, kCameras> cameras_{};
  int reference_ = 0;
  int32_t steps_ = 0;
};

/// The value word of a camera event: the camera (0 for camera 1) in the top
/// two bits, the field at which it happened in the low 30 bits.
int32_t cameraEventValue(int camera, int32_t field);

/// When the frames of a playback are due: one every two fields at the
/// format's field rate (50 a second, or 60000 / 1001 for NTSC).
class FrameTimes {
 public:
  explicit FrameTimes(VideoFormat format);
  /// The time of step k counted from the start of the playback.
  Nanos at(int64_t step) const;
  /// The first step due after `elapsed` (for a player that fell behind).
  int64_t firstAfter(Nanos elapsed) const;

 private:
  int64_t numerator_, denominator_;  ///< nanoseconds a frame, as a fraction
};

/// The clip the edit shows at `frame`: that of the last pair starting at or
/// before it (of pairs with the same start the later one counts); 0 before
/// the first pair or for an empty list.
AV_RECORD outputClipAt(const CM_OUTPUT_PAIR* first, int32_t frame, size_t limit);

/// Where a layout puts the live picture of the edit.
enum class PreviewPlace { None, Panel, OutputMonitor };
PreviewPlace previewPlace(uint32_t flags);
/// Whether camera i (0 .. 5) is shown, by its bit of the layout's flags.
bool cameraShown(uint32_t flags, int camera);
/// The layout's origin of camera i.
std::pair<int16_t, int16_t> cameraOrigin(const CM_MULTICAM& layout, int camera);
/// What is wrong with a layout for a screen of the given size; empty when
/// nothing is.
std::string layoutProblem(const CM_MULTICAM& layout, int screenWidth, int screenHeight);

}  // namespace hostsim
