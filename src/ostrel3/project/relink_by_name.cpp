// Finding the clips of an imported project again. Its unique ids mean
// nothing in this host project, but clips keep their names: a camera whose
// clip is not the one the file names is offered the bin's clip of that name.
#include <cstdint>
#include <vector>

#include "host/nsl.h"
#include "host/vreq.h"
#include "host/xc.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "user_files.h"

namespace ostrel3 {

namespace {

constexpr int32_t kUseFoundClipsText = 678;
constexpr uint32_t kYesNo = 0x43;

struct Candidate {
  int camera;
  AV_RECORD clip;
};

std::u16string clipName(AV_RECORD clip) {
  const XCHAR* name = nslGetAVRecordName(clip);
  return name ? std::u16string(name) : std::u16string();
}

// The first bin clip of that name, when it holds the source range the file
// asks for; the search ends at the first clip of the name either way.
AV_RECORD findInBin(const std::u16string& name, int32_t origOut) {
  for (AV_RECORD clip = nslGetFirstScene(); clip; clip = nslGetNextScene(clip)) {
    const XCHAR* candidate = nslGetAVRecordName(clip);
    if (!candidate || xcscmp(candidate, name.c_str()) != 0) continue;
    return nslGetTotalAVRecordLength(clip) > origOut ? clip : 0;
  }
  return 0;
}

bool userAccepts(const MulticamOperator& op) {
  const std::u16string text = OperatorText(op, kUseFoundClipsText);
  VREQ_TEXT request{};
  request.text = text.c_str();
  request.flags = kYesNo;
  if (vreqTextRequest(&request) != 0) {
    OS3_LOG(kLogFailed);
    return false;
  }
  return request.answer == 1;
}

}  // namespace

bool MulticamOperator::RelinkCamerasByName(ImportNames& names) {
  bool differs = false;
  for (int i = 0; i < kCameraSlots; ++i) {
    CameraSlot& camera = cameras[i];
    const std::u16string& wanted = names.fileNames[i];
    names.currentNames[i] = camera.hasClip() ? clipName(camera.record) : std::u16string();
    if (wanted.empty()) continue;  // the file says nothing about this camera
    if (camera.hasClip() && names.currentNames[i] == wanted) {
      // The same clip: it keeps the source range the file stored.
      if (names.origOut[i] < nslGetTotalAVRecordLength(camera.record)) {
        camera.origIn = names.origIn[i];
        camera.origOut = names.origOut[i];
      }
    } else {
      differs = true;
    }
  }
  if (!differs) return false;

  std::vector<Candidate> candidates;
  for (int i = 0; i < kCameraSlots; ++i) {
    const std::u16string& wanted = names.fileNames[i];
    if (wanted.empty() || wanted == names.currentNames[i]) continue;
    if (const AV_RECORD clip = findInBin(wanted, names.origOut[i])) candidates.push_back({i, clip});
  }
  if (!candidates.empty() && userAccepts(*this)) {
    for (const Candidate& c : candidates) {
      CameraSlot& camera = cameras[c.camera];
      AssignClip(camera, c.clip, camera.trimIn, names.origIn[c.camera], names.origOut[c.camera]);
      names.currentNames[c.camera] = camera.hasClip() ? clipName(camera.record) : std::u16string();
    }
    UpdateTimelineLength();
  }
  for (int i = 0; i < kCameraSlots; ++i)
    if (!names.fileNames[i].empty() && names.fileNames[i] != names.currentNames[i]) return true;
  return false;
}

}  // namespace ostrel3
