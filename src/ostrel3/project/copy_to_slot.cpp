// Copying the project to another slot: the user picks a slot other than the
// current one, confirms replacing a project stored there, and the project is
// saved into that slot's file exactly as a save of that slot would write it.
// The editor stays on the current slot.
#include <optional>
#include <utility>

#include "host/res.h"
#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "requester/project_chooser.h"

namespace ostrel3 {

namespace {

enum CopyString : int32_t {
  kCopyTitle = 353,
  kCopyReplaceQuestion = 372,
  kCopyCopied = 374,
  kCopyNotCopied = 376,
  kCopySuffix = 378,
};
// The host's yes/no request and its answers.
constexpr uint32_t kYesNo = 0x43;
constexpr uint32_t kOkAlone = 2;
enum Answer : int32_t { kYes = 1, kNo = 2 };

const XCHAR* text(RES_STRINGS strings, int32_t id) {
  const XCHAR* t = resGetString(strings, id);
  return t ? t : u"";
}

// The answer of a message request, or nullopt when it could not be shown.
std::optional<int32_t> ask(RES_STRINGS strings, int32_t id, uint32_t flags) {
  VREQ_TEXT request{};
  request.title = text(strings, kCopyTitle);
  request.text = text(strings, id);
  request.flags = flags;
  if (vreqTextRequest(&request) != 0) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  return request.answer;
}

}  // namespace

void MulticamOperator::CopyProjectToSlot() {
  const auto readSummary = [this](int32_t slot) { return ReadProjectSummary(slot); };
  int32_t target = -1;
  for (;;) {
    target = ChooseProjectSlot(strings.get(), projectSlot, projectName, true, readSummary);
    if (target < 0) return;
    if (ReadProjectSummary(target).empty) break;
    const std::optional<int32_t> answer = ask(strings.get(), kCopyReplaceQuestion, kYesNo);
    if (!answer) return;
    if (*answer == kYes) break;
    // "No" lets the user pick another slot; closing the question ends the command.
    if (*answer != kNo) return;
  }
  const int32_t ownSlot = std::exchange(projectSlot, target);
  const std::u16string ownName = projectName;
  projectName += text(strings.get(), kCopySuffix);
  const bool saved = SaveProject();
  projectSlot = ownSlot;
  projectName = ownName;
  if (!saved) OS3_LOG(kLogFailed);
  ask(strings.get(), saved ? kCopyCopied : kCopyNotCopied, kOkAlone);
}

}  // namespace ostrel3
