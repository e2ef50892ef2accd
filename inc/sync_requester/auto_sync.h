#pragma once
// Finds where a camera's clip lies against camera 1's by their sound, or by
// their recording times when the sound cannot tell, and says how sure it is.
// The work runs in bounded steps so that a dialog can show progress between
// them and stop when the user cancels.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ostrel3 {

/// The sound of one clip: 48 kHz interleaved stereo 16-bit pairs, read by frames.
class SoundSource {
 public:
  virtual ~SoundSource() = default;
  /// The clip's length in frames; 0 when it cannot be read.
  virtual int32_t frameCount() const = 0;
  /// Appends every pair of frames first..last (within the clip) to `out`;
  /// false when the read failed (what was read before is kept).
  virtual bool appendFrames(int32_t first, int32_t last, std::vector<int16_t>& out) = 0;
};

struct AutoSyncInput {
  SoundSource* reference = nullptr;  ///< camera 1's clip
  SoundSource* other = nullptr;      ///< the camera being synchronised
  double framesPerSecond = 25.0;     ///< 25, 30000/1001, ...
  /// Recording start and end, seconds since 1970; 0 when unknown.
  int64_t referenceStart = 0, referenceEnd = 0;
  int64_t otherStart = 0, otherEnd = 0;
};

/// What the sync point rests on.
enum class SyncBasis {
  None,            ///< nothing convincing: the user syncs by hand, nothing moves
  Sound,           ///< the sound of both clips
  RecordingTimes,  ///< the recording times alone (no usable common sound)
};

struct AutoSyncResult {
  SyncBasis basis = SyncBasis::None;
  /// The sync point: camera 1's frame and the other clip's frame that show
  /// the same moment (the middle of the overlap when the clocks drift).
  int32_t referenceFrame = 0;
  int32_t otherFrame = 0;
  /// otherFrame - referenceFrame with its fraction of a frame.
  double lagFrames = 0.0;
  /// 0..1: how sure the match is (1 for recording times that agree with nothing else).
  double confidence = 0.0;
  /// How much faster the other clip's clock runs than camera 1's, parts per million.
  double driftPpm = 0.0;
  /// True when the drift moves the lag by more than half a frame across the overlap.
  bool drifting = false;
  /// With drift: the largest error, in frames, at either end of the overlap.
  double driftErrorFrames = 0.0;
};

/// One camera's search, run in bounded steps.
class AutoSyncJob {
 public:
  explicit AutoSyncJob(const AutoSyncInput& input);
  ~AutoSyncJob();
  AutoSyncJob(const AutoSyncJob&) = delete;
  AutoSyncJob& operator=(const AutoSyncJob&) = delete;

  /// Does one bounded piece of the work (a few tens of milliseconds at
  /// most); true while more remains. After it returns false, result() holds
  /// the verdict.
  bool step();
  /// 0..1 of the work done.
  double progress() const;
  const AutoSyncResult& result() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

/// Runs every step of a search at once.
AutoSyncResult AutoSync(const AutoSyncInput& input);

/// The verdict in words for the dialog, e.g. "Matched by sound, 97 % sure,
/// 4 frames earlier than camera 1" or "No common sound found: sync by hand";
/// a second line tells of drift when there is any.
std::vector<std::string> DescribeSync(const AutoSyncResult& result, double framesPerSecond);

}  // namespace ostrel3
