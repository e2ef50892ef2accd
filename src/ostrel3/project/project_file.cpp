// The project of a slot on disk: paths, saving (to a file or to a text),
// loading a slot and reading a slot's summary.
#include <tinyxml2.h>

#include "host/main.h"
#include "host/nsl.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

// The host project whose files are meant; a failure yields no path at all
// rather than a file name with a bogus number.
std::optional<int32_t> hostProjectNumber() {
  const int32_t number = mainGetActiveProjectNumber();
  if (number < 0) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  return number;
}

SceneRecord sceneOf(int slot, const CameraSlot& c) {
  SceneRecord s;
  s.cam = slot;
  s.uid = c.sourceUid;
  s.trimIn = c.trimIn;
  s.colour = c.colour;
  s.useAudio = c.useAudio;
  s.useDistance = c.useDistance;
  s.distance = c.distance;
  s.autoSync = c.autoSync;
  s.syncIn = c.syncIn;
  s.synced = c.synced;
  s.origIn = c.origIn;
  s.origOut = c.origOut;
  if (const XCHAR* name = nslGetAVRecordName(c.record)) s.clipName = name;
  return s;
}

bool hasCameraInFirstFour(const CameraSlot* cameras) {
  for (int i = 0; i < 4; ++i)
    if (cameras[i].hasClip()) return true;
  return false;
}

}  // namespace

const char* MulticamOperator::ProjectFilePath(int32_t slot) {
  const auto number = hostProjectNumber();
  return number ? BuildOperatorPath(pathBuffer, ProjectFileName(*number, slot)) : nullptr;
}

const char* MulticamOperator::SettingsFilePath() {
  const auto number = hostProjectNumber();
  return number ? BuildOperatorPath(pathBuffer, SettingsFileName(*number)) : nullptr;
}

ProjectDocument MulticamOperator::CaptureProject() const {
  ProjectDocument p;
  p.name = projectName;
  for (int i = 0; i < kCameraSlots; ++i)
    if (cameras[i].hasClip()) p.scenes.push_back(sceneOf(i, cameras[i]));
  p.points = cutList;
  p.sceneCount = sceneCount;
  p.position = position;
  p.activeCamera = activeCamera;
  p.zoom = ZoomWindow{zoomIn, zoomOut};
  p.trimLength = trimLength;
  p.syncScrub = syncScrub ? 1 : 0;
  p.mainScrub = mainScrub ? 1 : 0;
  p.fps = framesPerSecond;
  p.showOutPreview = showOutPreview;
  return p;
}

bool MulticamOperator::SaveProject(std::string* text, const char* path) {
  lastSaveFailure = {};
  try {
    std::string target;
    if (!text) {
      if (!path) path = ProjectFilePath(projectSlot);
      if (!path) return false;
      target = path;
    }
    const bool saved = text ? printProject(*text) : saveProjectTo(target);
    if (!saved) lastSaveFailure.path = target;
    return saved;
  } catch (...) {
    OS3_LOG(kLogFailed);
    return false;
  }
}

bool MulticamOperator::printProject(std::string& text) {
  std::string printed = ProjectText(CaptureProject(), *transitionsHook);
  if (printed.empty()) return false;
  text = std::move(printed);
  return true;
}

bool MulticamOperator::saveProjectTo(const std::string& target) {
  // Four empty cameras are the state of a new project: no file is kept.
  if (sceneCount == 4 && !hasCameraInFirstFour(cameras)) return RemoveProjectFile(target, &lastSaveFailure.error);
  std::string printed;
  return printProject(printed) && WriteProjectFile(target, printed, &lastSaveFailure.error);
}

bool MulticamOperator::LoadProjectSlot() {
  const char* built = ProjectFilePath(projectSlot);
  const std::string path = built ? built : "";
  ResetProject();
  if (path.empty()) return true;
  try {
    tinyxml2::XMLDocument document;
    // No file or an unreadable one: a new, empty project (an unreadable file
    // is kept aside before the first save replaces it).
    if (LoadXmlFile(path.c_str(), document) != FileLoad::kParsed) return true;
    return LoadProjectDocument(document);
  } catch (...) {
    OS3_LOG(kLogFailed);
    return true;
  }
}

ProjectSummary MulticamOperator::ReadProjectSummary(int32_t slot) {
  try {
    const char* path = ProjectFilePath(slot);
    return path ? ReadProjectSummaryFile(path) : ProjectSummary{};
  } catch (...) {
    OS3_LOG(kLogFailed);
    return {};
  }
}

}  // namespace ostrel3
