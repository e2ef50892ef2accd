#pragma once
// The storyboard as data: scenes in order, each with the host's own copy of
// its clip, at most one insert, audio clips and a transition to the next
// scene. Only arithmetic on positions, splits and handles lives here, no
// host call; the Storyboard class keeps one scene list and the undo steps
// keep copies of earlier ones.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/nsl_sb.h"

namespace hostsim {

/// A clip as the storyboard keeps it. Every frame number is a frame of the
/// clip's media: `first`..`last` is the material the host copied, `in`..`out`
/// what the scene shows. Pieces of a split scene share their material; each
/// keeps at most `handleLimit` frames of it on either side as handles (the
/// include-trim limit when the clip came into the storyboard).
struct SbClip {
  uint32_t uid = 0;       ///< the id of the host's own copy
  uint32_t mediaUid = 0;  ///< the bin clip whose media it shows
  std::u16string name;
  int32_t first = 0, last = 0;
  int32_t in = 0, out = 0;
  int32_t handleLimit = 0;

  int32_t length() const { return out - in + 1; }
  int32_t headHandle() const;
  int32_t tailHandle() const;
  /// The kept material of this piece: handles and shown frames.
  int32_t keptFirst() const { return in - headHandle(); }
  int32_t keptLast() const { return out + tailHandle(); }
};

/// The host's copy of a clip whose frames run over media frames
/// mediaStart .. mediaStart + total - 1 and which shows its clip frames
/// in .. out: the shown frames and at most `limit` frames on each side.
SbClip keptClip(uint32_t uid, uint32_t mediaUid, std::u16string name, int32_t mediaStart, int32_t total, int32_t in,
                int32_t out, int32_t limit);

/// A clip shown over the scene from `offset` on, instead of the scene's own.
struct SbInsert {
  SbClip clip;
  int32_t offset = 0;
  int32_t end() const { return offset + clip.length(); }
};

struct SbAudio {
  SB_AUDIO handle = 0;
  int32_t track = 0;
  int32_t flags = 0;
  SbClip clip;
  int32_t offset = 0;          ///< where in the scene it starts, unless it follows the insert
  bool followsInsert = false;  ///< starts where the scene's insert starts
  SB_AUDIO_INFO info{};
};

struct SbJingle {
  std::string file;
  std::u16string image;
  int32_t flags = 0;
};

/// A transition from its scene to the next one.
struct SbTransition {
  SB_TRANSITION handle = 0;
  std::string path;  ///< the operator, "transition/..."
  int32_t length = 0;
  int32_t direction = 0;
  std::vector<uint8_t> settings;  ///< as last copied back from its operator
  bool settingsCopied = false;    ///< false: the operator's defaults
  uint32_t uniqueId = 0;
  std::optional<SbJingle> jingle;
  bool audioCalculated = false;
};

/// Scene type of a piece whose clip goes on in the next scene: the part of a
/// scene before the split that its insert made. New material never goes
/// between the two.
constexpr int32_t kSceneContinues = 2;

struct SbScene {
  uint32_t id = 0;
  int32_t type = 0;
  SbClip clip;
  std::optional<SbInsert> insert;
  std::vector<SbAudio> audio;
  std::optional<SbTransition> transition;
  uint32_t continuation = 0;  ///< the scene its insert split off, 0 for none

  int32_t length() const { return clip.length(); }
  /// Where an audio clip starts in the scene.
  int32_t audioOffset(const SbAudio& a) const;
};

using SbScenes = std::vector<SbScene>;

int32_t totalLength(const SbScenes& scenes);
int32_t positionOf(const SbScenes& scenes, size_t index);
std::optional<size_t> indexOf(const SbScenes& scenes, uint32_t id);

/// Frames an insert on scene `index` may cover: the scene and the piece its
/// insert split off, when that piece still follows it.
int32_t roomForInsert(const SbScenes& scenes, size_t index);

/// Moves the insert of scene `index` to `offset`. The scene ends where the
/// insert ends; the frames after it become the next scene (a new one with
/// id `freshId`, or the piece split off before, whose start moves). Returns
/// an empty text, or why the insert cannot go there (nothing changed).
std::string placeInsert(SbScenes& scenes, size_t index, int32_t offset, uint32_t freshId);

/// The longest transition from scene `index` to the next: the handles of
/// the picture leaving (the insert when it ends the scene) and of the one
/// coming (the next scene's insert when it starts it), and no longer than
/// either picture. -1 for the last scene.
int32_t maxTransitionLength(const SbScenes& scenes, size_t index);

/// The audio clip or transition with this handle; null when none.
SbAudio* findAudio(SbScenes& scenes, SB_AUDIO handle);
const SbAudio* findAudio(const SbScenes& scenes, SB_AUDIO handle);
SbTransition* findTransition(SbScenes& scenes, SB_TRANSITION handle, size_t* index = nullptr);
const SbTransition* findTransition(const SbScenes& scenes, SB_TRANSITION handle);

}  // namespace hostsim
