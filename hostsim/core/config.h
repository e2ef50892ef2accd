#pragma once
// Setup of a stand-in host: what a session script's host lines or a test's
// fixture choose before the operator runs.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace hostsim {

/// PAL (720 x 576, 25 fps), NTSC (720 x 480, 29.97 fps) and high definition
/// (1920 x 1080 interlaced, 25 fps).
enum class VideoFormat { Pal25, Ntsc2997, Hd1080i25 };

struct MonitorConfig {
  int16_t width = 1920;
  int16_t height = 1080;
  /// Visible area, inclusive corners; a negative x1 means the whole screen.
  int16_t visibleX0 = 0, visibleY0 = 0, visibleX1 = -1, visibleY1 = -1;
  /// Pixel aspect as the GUI reports it: 16:9 for the usual HD screens, so
  /// that a picture's height is its width x aspectY / aspectX.
  int16_t aspectX = 16, aspectY = 9;
};

/// Frames of a clip, first and last included.
struct FrameSpan {
  int32_t first = 0, last = 0;
};

/// How a clip's microphone hears the scene it records (see
/// hostsim/media/scene_sound.h): which scene, where on it, and how well.
struct ClipSound {
  static constexpr int32_t kMaxScene = 99;
  static constexpr double kMaxStartSeconds = 100'000;  ///< either side of the clap
  static constexpr double kMaxGain = 8;
  static constexpr double kMaxNoise = 4;
  static constexpr double kMaxDriftPpm = 1000;

  int32_t scene = 1;  ///< clips of different scenes share no sound
  /// Scene time in seconds at the clip's frame 0; none: from the clap
  /// frame, or else just after the scene's clap.
  std::optional<double> startSeconds{};
  double gain = 1.0;        ///< of the scene's sound
  double noise = 0.02;      ///< the microphone's own noise, in parts of the background's peak
  double driftPpm = 0.0;    ///< parts per million more of the scene in each of its seconds: its clock runs that much slow
  std::vector<FrameSpan> silent{};  ///< frames that hear only the microphone's noise
};

struct ClipConfig {
  uint32_t uid = 0;
  std::string name;
  int32_t length = 250;     ///< frames
  int32_t clapFrame = -1;   ///< frame of the clap in the sound, -1 for none
  int64_t recordedAt = 0;   ///< recording start, seconds since the epoch (0: derived from the uid)
  int64_t recordedUntil = 0;  ///< recording end, seconds since the epoch (0: the start plus the length)
  ClipSound sound{};
};

/// An add-on operator of the host's operator directory (for example the
/// transitions under "transition/").
struct OperatorConfig {
  std::string path;        ///< "transition/wipe"
  std::string name;        ///< what mainGetOperatorName answers
  uint32_t flags = 0;      ///< what mainGetOperatorFlags answers
  int32_t prefsSize = 0;   ///< size of its settings block (0: none)
  /// Captions of the settings window's controls, one a settings byte from
  /// the first; bytes without one are captioned "Setting N".
  std::vector<std::string> settingNames;
  /// The settings a freshly loaded operator has (prefsSize bytes); empty:
  /// all zero.
  std::vector<uint8_t> defaults;
};

/// A removable medium the host's medium chooser offers (the script's
/// `host medium` lines). Its folder is media/NAME under the home directory.
struct MediumConfig {
  std::string name;
  bool needsMount = false;  ///< state bit 0x2: the caller must mount it
  bool mountFails = false;  ///< mainSelectMediaMount refuses it
  bool unusable = false;    ///< state bit 0x8: it cannot be used at all
};

/// A host function made to fail (the script's `host fail` lines).
struct CallFailure {
  std::string name;  ///< the function, e.g. "vreqFileRequest"
  int nth = 0;       ///< its n-th call fails (1 the first); 0: every call
};

/// A line of the storyboard the host project already holds when the
/// operator starts (the script's `storyboard` lines), applied in order.
struct StoryboardSetup {
  enum Kind {
    Scene,   ///< a scene of bin clip `uid` after the last one, trims `in`..`out` (-1: the clip's own)
    Insert,  ///< an insert of bin clip `uid` on the last scene at offset `at`, trims `in`..`out`
    Active,  ///< scene number `number` (1 the first) becomes the active scene
  };
  Kind kind = Scene;
  int line = 0;  ///< the script line, for messages
  uint32_t uid = 0;
  int32_t in = -1, out = -1;
  int32_t type = 0;
  int32_t at = 0;
  int32_t number = 0;
};

struct HostConfig {
  int32_t version = 1000;
  int32_t projectNumber = 1;
  VideoFormat format = VideoFormat::Pal25;
  std::vector<MonitorConfig> monitors{MonitorConfig{}};
  int32_t defaultMonitor = 1;
  std::vector<ClipConfig> clips;
  /// The operator directory.
  std::vector<OperatorConfig> operators;
  /// The host's home directory (VTHOME); empty: a fresh temporary one is not made.
  std::filesystem::path home;
  /// Where the resource sets live (resources/ of the source tree by default).
  std::filesystem::path resourceDir;
  /// Record every host call in the trace (tests); benchmarks switch it off.
  bool trace = true;
  /// Keep every output list handed to the player, for `dump playback` and
  /// tests; benchmarks switch it off (the lists are then recorded empty).
  bool recordPlayback = true;
  /// Render library version (major, minor).
  int32_t renderMajor = 43, renderMinor = 1;
  /// The GUI's look as vgGetGuiLook reports it (1 classic, 2 the newer look).
  int32_t guiLook = 1;
  /// The main monitor's colour boost as vgGetColorBoostMain reports it.
  bool colourBoost = false;
  /// Tests own the time: it stands still until a test, a wait of the
  /// scripted user or a timed wait of the calling thread moves it, so the
  /// player plays its frames at the same moments on every run (see
  /// hostsim/kernel/kernel.h). Off: the machine's clock, as the host program runs.
  bool testClock = false;
  /// The include-trim limit of the project (nslGetMaxIncludeTrimFrames);
  /// negative: two seconds of the format.
  int32_t includeTrimFrames = -1;
  /// The storyboard the project holds at the start.
  std::vector<StoryboardSetup> storyboard;
  /// The removable media, in the order the chooser lists them.
  std::vector<MediumConfig> media;
  /// Host functions that fail from the start, as a failure value.
  std::vector<CallFailure> failures;
};

/// Frames per second of a format, as the render library reports it.
inline int32_t framesPerSecond(VideoFormat f) { return f == VideoFormat::Ntsc2997 ? 30 : 25; }

}  // namespace hostsim
