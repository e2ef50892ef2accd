#pragma once
// The data the operator edits and stores: cameras with their own clip
// copies, the cut list and the undo snapshots. Everything here works
// without a running host.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "host/host_types.h"
#include "ostrel3/project/cut_list.h"

namespace ostrel3 {

inline constexpr int kCameraSlots = 8;
inline constexpr int kMaxUndoSnapshots = 32;

/// A recording time: seconds and a frame within the second.
struct RecordingTime {
  int64_t seconds = 0;
  int32_t frame = 0;
};

/// One camera: where it is shown, and its own copy of a clip of the host.
struct CameraSlot {
  int16_t displayRect[4] = {};  ///< left, top, right, bottom on the screen
  int32_t origIn = 0;           ///< first frame of the source the copy keeps (-1: unrestricted)
  int32_t trimIn = 0;           ///< in-point applied to the copy
  AV_RECORD record = 0;         ///< the camera's own copy; 0 = empty
  RecordingTime recStart;       ///< recording start of the clip (0 = not known)
  RecordingTime recEnd;
  double recRate = 0;           ///< frame rate of the host's video format
  uint32_t sourceUid = 0;       ///< unique id of the source clip in the host project
  uint32_t colour = 0;          ///< YUV colour of the camera
  VG_RECT swatchRect{};         ///< colour field beside the camera button (display only)
  VG_PANEL boxPanel = 0;        ///< panel of the picture box (display only)
  VG_RECT boxRect{};            ///< picture box on boxPanel (display only)
  int32_t useAudio = 0;         ///< the camera's sound goes into the output
  int32_t useDistance = 0;      ///< stored, always ends as 0
  int32_t distance = 0;         ///< stored, always ends as 0
  int32_t autoSync = 0;         ///< result flag of the synchronisation dialog
  int32_t syncIn = 0;           ///< in-point at which this camera is in step with the others
  int32_t synced = 0;           ///< the camera has been synchronised
  int32_t origOut = 0;          ///< last frame of the source the copy keeps (-1: unrestricted)

  bool hasClip() const { return record != 0; }
  /// The main panel shows this camera in a picture box (cameras beyond the
  /// ones the panel has room for get an empty rectangle).
  bool hasPictureBox() const { return displayRect[2] > displayRect[0] && displayRect[3] > displayRect[1]; }
};


/// One undo or redo entry: the project slot and the whole project as text.
struct UndoSnapshot {
  int32_t slot = 0;
  std::string text;
};
using SnapshotHistory = std::deque<UndoSnapshot>;

/// GUI colour index of a camera's default colour (camera index 0..7).
int32_t defaultColourIndex(int camera);
/// Resource string id of a camera's default name (camera index 0..7).
int32_t defaultNameId(int camera);

/// Removes every entry that names the same camera as the entry before it,
/// so that no two neighbouring cuts choose the same camera. One pass.
void NormaliseCutList(CutList& cuts);

/// Camera of the last cut at or before `position`; nullopt before the first cut.
std::optional<int32_t> CameraAt(const CutList& cuts, int32_t position);

/// Keeps stored counts usable: 1..8 cameras, an active camera among them.
void ClampCameraCounts(int32_t& sceneCount, int32_t& activeCamera);

/// Frame rate of the host's video format from the run message's flags and
/// field rate (a non-zero field rate wins).
double VideoFrameRate(uint32_t flags, uint16_t fieldRate);

}  // namespace ostrel3
