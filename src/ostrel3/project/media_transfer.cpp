// Export to and import from a removable medium: the host's medium chooser,
// mounting when the medium asks for it, then the file requester on the
// medium's folder. Cancelling, or a medium that is unusable or cannot be
// mounted, ends the command quietly; the user saw why in the host's chooser.
#include <cstring>
#include <functional>
#include <string>

#include "host/main.h"
#include "ostrel3/project/confined_path.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "user_files.h"

namespace ostrel3 {

namespace {

constexpr uint32_t kMediaCancelled = 0x1;
constexpr uint32_t kMediaMustMount = 0x2;
constexpr uint32_t kMediaUnusable = 0x8;
constexpr uint32_t kMediaModeSelect = 2;

// Titles of the two requests, by resource string.
constexpr int32_t kExportMediumTitle = 508;
constexpr int32_t kExportFileTitle = 512;
constexpr int32_t kImportMediumTitle = 514;
constexpr int32_t kImportFileTitle = 518;

// The host's media record from init to exit, and the medium mounted on it
// unmounted again before the record goes.
class MediumChoice {
 public:
  MediumChoice() : record_(mainSelectMediaInit()) {
    if (!record_) OS3_LOG(kLogFailed);
  }
  ~MediumChoice() {
    if (!record_) return;
    // Also after a failed mount: the host may have half mounted it.
    if (mountTried_) mainSelectMediaUmount(record_);
    mainSelectMediaExit(record_);
  }
  MediumChoice(const MediumChoice&) = delete;
  MediumChoice& operator=(const MediumChoice&) = delete;

  /// Lets the user pick a medium and mounts it when needed; the medium's
  /// folder, with a separator at the end, or empty when the command ends.
  std::string choose(const XCHAR* title) {
    if (!record_) return {};
    record_->mode = kMediaModeSelect;
    record_->title = title;
    const int32_t result = mainSelectMediaRequester(record_);
    if (result == -1) OS3_LOG(kLogFailed);
    if (result != 0 || (record_->state & (kMediaCancelled | kMediaUnusable)) != 0) return {};
    if ((record_->state & kMediaMustMount) != 0) {
      mountTried_ = true;
      if (mainSelectMediaMount(record_) != 0) return {};
    }
    std::string folder(record_->path, strnlen(record_->path, sizeof record_->path));
    if (folder.empty()) {
      OS3_LOG(kLogFailed);
      return {};
    }
    if (folder.back() != '/') folder += '/';
    return folder;
  }

 private:
  MAIN_MEDIA* record_;
  bool mountTried_ = false;
};

// Picks a medium and a file on it, and hands the file to `use` while the
// medium is still mounted.
void withFileOnMedium(MulticamOperator& op, int32_t mediumTitle, int32_t fileTitle, uint32_t mode,
                      const std::function<void(const std::string&)>& use) {
  MediumChoice medium;
  const std::u16string mediumText = OperatorText(op, mediumTitle);
  const std::string folder = medium.choose(mediumText.c_str());
  if (folder.empty()) return;
  const std::u16string fileText = OperatorText(op, fileTitle);
  const FileChoice choice = AskForFile(fileText.c_str(), folder.c_str(), mode, op.archiveName);
  if (choice.answer == FileAnswer::kFailed) OS3_LOG(kLogFailed);
  if (choice.answer != FileAnswer::kChosen) return;
  const std::optional<std::string> path = ConfinedPath(folder, choice.path.c_str());
  if (!path) {
    OS3_LOG(kLogRefused);
    return;
  }
  use(*path);
}

}  // namespace

void MulticamOperator::ExportProjectToMedium() {
  withFileOnMedium(*this, kExportMediumTitle, kExportFileTitle, kFileSaveOnMedium, [this](const std::string& path) {
    if (!SaveProjectCopy(*this, path)) OS3_LOG(kLogFailed);
  });
}

bool MulticamOperator::ImportProjectFromMedium() {
  bool imported = false;
  withFileOnMedium(*this, kImportMediumTitle, kImportFileTitle, kFileChooseOnMedium,
                   [this, &imported](const std::string& path) { imported = ImportProjectFile(path.c_str()); });
  return imported;
}

}  // namespace ostrel3
