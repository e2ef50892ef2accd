#pragma once
// The host-facing pieces of the storyboard output: where the material goes,
// the trimmed copy behind each insert, its sound, and the scene after which
// new material may be added. GUI thread only.
#include <cstddef>
#include <cstdint>

#include "host/host_types.h"
#include "host/nsl_sb.h"

namespace ostrel3 {

/// Where the output goes; the request's answer.
enum OutputMode : int32_t {
  kOutputCancelled = -1,
  kOutputAppend = 0,          ///< after the storyboard's last scene
  kOutputReplace = 1,         ///< the storyboard is cleared first
  kOutputInsertAtCurrent = 2, ///< after the scene at the host's current position
};

/// Asks the user where the output of `cutCount` cuts goes. The request also
/// reaches the transition picker and its on/off switch. kOutputCancelled
/// when the user cancels or closes it, or when it cannot be shown: nothing
/// may be written (least of all the storyboard cleared) without a choice.
int32_t AskOutputMode(RES_STRINGS strings, size_t cutCount);

/// A copy of `clip` showing timeline frames start..end, with at most
/// `handle` frames kept on either side, named after the clip with " OS"
/// and made unique. The caller owns it (nslDeleteAVRecord); 0 on failure,
/// with nothing left behind.
AV_RECORD CopySegmentClip(AV_RECORD clip, int32_t start, int32_t end, int32_t handle);

/// Adds the sound of an insert's clip to `scene`, the scene carrying the
/// insert, with quarter-second fades. Refusals of the host are logged and
/// passed over; a refused audio scene throws CMC_Error. The clip is opened
/// to its whole length on the way (it is only a copy).
void AddInsertAudio(SB_SCENE scene, AV_RECORD clip, int32_t framesPerSecond);

/// The fields of an insert sound's info record the output sets.
void SetInsertAudioInfo(SB_AUDIO_INFO& info, int32_t framesPerSecond);

/// Moves `active` forward to the first scene, from the one it names on,
/// that new material may follow: the storyboard's last scene, or one that
/// neither goes on in the next scene nor carries an insert. Refusals are
/// logged and leave `active` as it was; never throws.
void FindInsertionScene(SB_SCENE active);

}  // namespace ostrel3
