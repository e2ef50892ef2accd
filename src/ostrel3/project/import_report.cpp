// The import report: what was not found or not kept, camera by camera, and
// the user's choice between keeping the import and undoing it whole.
#include "import_report.h"

#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "user_files.h"

namespace ostrel3 {

namespace {

constexpr int32_t kReportTitle = 506;
constexpr int32_t kClipsNotFound = 520;
constexpr int32_t kCutsDropped = 522;
constexpr int32_t kCamerasHeading = 523;
constexpr int32_t kKeepOrUndo = 680;
constexpr uint32_t kOkCancel = 3;

std::u16string reportText(const MulticamOperator& op, const ImportNames& names, bool unmatched, bool dropped) {
  std::u16string text;
  if (unmatched) text += OperatorText(op, kClipsNotFound);
  if (dropped) {
    if (!text.empty()) text += u'\n';
    text += OperatorText(op, kCutsDropped);
  }
  text += OperatorText(op, kCamerasHeading);
  for (int i = 0; i < kCameraSlots; ++i) {
    const std::u16string& wanted = names.fileNames[i];
    if (wanted.empty() || wanted == names.currentNames[i]) continue;
    text += OperatorText(op, defaultNameId(i)) + u": " + wanted + u'\n';
  }
  return text;
}

}  // namespace

void ReportImport(MulticamOperator& op, const ImportNames& names, bool unmatched, bool dropped) {
  const std::u16string title = OperatorText(op, kReportTitle);
  const std::u16string text = reportText(op, names, unmatched, dropped);
  const std::u16string buttons = OperatorText(op, kKeepOrUndo);
  VREQ_TEXT request{};
  request.title = title.c_str();
  request.text = text.c_str();
  request.buttons = buttons.c_str();
  request.flags = kOkCancel;
  if (vreqTextRequest(&request) != 0) {
    // Not shown: the import stays, as the user could not choose otherwise.
    OS3_LOG(kLogFailed);
    return;
  }
  if (request.answer != 1) op.Undo();
}

}  // namespace ostrel3
