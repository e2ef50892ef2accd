// The archives: project files kept under names the user chooses in one
// folder of the operator, to be loaded into any host project later, saved
// over, or deleted.
#include <cstdlib>
#include <string>

#include "host/vreq.h"
#include "ostrel3/project/confined_path.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "user_files.h"

namespace ostrel3 {

namespace {

// The folder as the file requester sees it: relative to the host's home.
constexpr const char* kArchivesRequestDirectory = "/programs/ostrel3/archives/";
constexpr int32_t kArchivesTitle = 524;

enum ArchiveAction : int32_t { kLoad = 4, kSave = 5, kDelete = 6 };

struct ActionRequest {
  int32_t title;  ///< resource string
  uint32_t mode;
};

std::optional<ActionRequest> requestFor(int32_t action) {
  switch (action) {
    case kLoad: return ActionRequest{344, kFileLoad};
    case kSave: return ActionRequest{346, kFileSave};
    case kDelete: return ActionRequest{348, kFileDelete};
    default: return std::nullopt;
  }
}

// VTHOME + "/programs/ostrel3/archives", made when missing; empty (logged)
// without a home.
std::string archivesDirectory() {
  const char* home = std::getenv("VTHOME");
  if (!home || !*home) {
    OS3_LOG(kLogFailed);
    return {};
  }
  std::string folder = std::string(home) + "/programs/ostrel3/archives";
  if (!MakeDirectories(folder.c_str())) OS3_LOG(kLogFailed);
  return folder;
}

}  // namespace

bool MulticamOperator::ArchivesCommand() {
  const std::string folder = archivesDirectory();
  const std::u16string title = OperatorText(*this, kArchivesTitle);
  int32_t action = vreqArchivesRequest(title.c_str());
  if (action == -1) {
    OS3_LOG(kLogFailed);
    action = 2;  // none of the three: the command ends
  }
  const std::optional<ActionRequest> request = requestFor(action);
  if (!request || folder.empty()) return false;
  const std::u16string fileTitle = OperatorText(*this, request->title);
  const FileChoice choice = AskForFile(fileTitle.c_str(), kArchivesRequestDirectory, request->mode, archiveName);
  if (choice.answer == FileAnswer::kFailed) OS3_LOG(kLogRefused);
  if (choice.answer != FileAnswer::kChosen) return false;
  const std::optional<std::string> path = ConfinedPath(folder, choice.path.c_str());
  if (!path) {
    OS3_LOG(kLogRefused);
    return false;
  }
  if (action == kLoad) return ImportProjectFile(path->c_str());
  if (action == kSave && !SaveProjectCopy(*this, *path)) OS3_LOG(kLogFailed);
  if (action == kDelete && !RemoveFileOnly(*path)) OS3_LOG(kLogFailed);
  return false;
}

}  // namespace ostrel3
