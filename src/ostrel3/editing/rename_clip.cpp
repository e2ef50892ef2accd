// Renaming the active camera's clip with the host's text entry: the
// camera's own copy first, then the source clip in the host project, so
// that the bin and the editor show one name.
#include <algorithm>
#include <array>
#include <string_view>

#include "host/main.h"
#include "host/nsl.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

constexpr int32_t kNameChars = 31;
using NameBuffer = std::array<XCHAR, kNameChars + 1>;

// Only blanks is no name: a clip would be left that no one can find.
bool blank(std::u16string_view name) {
  return std::all_of(name.begin(), name.end(), [](char16_t c) { return c == u' ' || c == u'\t'; });
}

void renameSource(uint32_t sourceUid, const XCHAR* name) {
  const AV_RECORD source = mainGetAVRecordFromId(sourceUid, mainGetActiveProjectNumber(1), 1);
  if (!source) {
    // The host project no longer has it: the copy keeps its new name alone.
    OS3_LOG(kLogFailed);
    return;
  }
  if (nslSetAVRecordName(source, name) != 0) OS3_LOG(kLogFailed);
}

}  // namespace

void MulticamOperator::RenameCameraClip() {
  const CameraSlot& camera = cameras[activeCamera];
  if (!camera.hasClip()) {
    vgPointerBeep();
    OS3_LOG(kLogRefused);
    return;
  }
  const XCHAR* current = nslGetAVRecordName(camera.record);
  if (!current) {
    OS3_LOG(kLogFailed);
    return;
  }
  NameBuffer buffer{};
  const std::u16string_view currentName(current);
  // A longer name is offered cut to what the buffer holds.
  const std::u16string_view offered = currentName.substr(0, kNameChars);
  std::copy(offered.begin(), offered.end(), buffer.begin());

  VREQ_KEY request{};
  request.buffer = buffer.data();
  request.size = kNameChars;
  if (vreqKeyRequest(&request) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  if (request.answer != 1) return;
  buffer.back() = 0;
  const std::u16string_view typed(buffer.data());
  // What was offered, confirmed as it was, keeps the whole name (a long one
  // is not cut); a blank name is refused.
  if (typed == offered) return;
  if (blank(typed)) {
    vgPointerBeep();
    OS3_LOG(kLogRefused);
    return;
  }
  if (nslSetAVRecordName(camera.record, buffer.data()) != 0) {
    OS3_LOG(kLogFailed);
    return;
  }
  if (const VG_ELEMENT field = elementSlots[kClipNameField];
      field && vgChangeElement(panelRequest.panel, field, VG_TAG_TEXT, reinterpret_cast<intptr_t>(buffer.data()), 1) == -1)
    OS3_LOG(kLogFailed);
  UpdateCameraLabels();
  RedrawTimeline(true);
  renameSource(camera.sourceUid, buffer.data());
}

}  // namespace ostrel3
