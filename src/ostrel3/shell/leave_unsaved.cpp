// The question when leaving finds the project unsaved: the user learns which
// file could not be written and why, and either stays to keep the work some
// other way (the archives, another slot) or gives it up.
#include <cstring>
#include <string>

#include "host/res.h"
#include "host/vreq.h"
#include "ostrel3/project/utf8.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

enum LeaveString : int32_t { kLeaveTitle = 370, kLeaveNotSaved = 684, kLeaveUnknownCause = 686, kLeaveButtons = 688 };
constexpr uint32_t kLeaveRequestFlags = 3;
enum LeaveAnswer : int32_t { kStay = 1, kLeaveAnyway = 2 };

std::u16string leaveText(RES_STRINGS strings, int32_t id) {
  const XCHAR* t = resGetString(strings, id);
  return t ? std::u16string(t) : std::u16string();
}

// One line: the file, then the cause as the system words it.
std::u16string failureLine(RES_STRINGS strings, const MulticamOperator::SaveFailure& failure) {
  std::u16string line = leaveText(strings, kLeaveNotSaved);
  if (!failure.path.empty()) line += u" " + FromUtf8(failure.path) + u":";
  line += u" ";
  line += failure.error != 0 ? FromUtf8(std::strerror(failure.error)) : leaveText(strings, kLeaveUnknownCause);
  return line;
}

}  // namespace

bool MulticamOperator::leaveUnsaved() {
  const std::u16string title = leaveText(strings.get(), kLeaveTitle);
  const std::u16string message = failureLine(strings.get(), lastSaveFailure);
  const std::u16string buttons = leaveText(strings.get(), kLeaveButtons);
  VREQ_TEXT request{};
  request.title = title.c_str();
  request.text = message.c_str();
  request.buttons = buttons.c_str();
  request.flags = kLeaveRequestFlags;
  if (vreqTextRequest(&request) != 0) {
    // Without the question the user could never leave: the editor ends as
    // it always did, the old file kept as it is.
    OS3_LOG(kLogFailed);
    return true;
  }
  // Closing the question is staying: nothing is given up without a word.
  return request.answer == kLeaveAnyway;
}

}  // namespace ostrel3
