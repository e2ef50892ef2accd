// Importing a project file made in another host project: its frames are
// converted to the current rate, its clips found again by name, and what
// could not be brought over is reported, with the choice to undo it all.
#include <tinyxml2.h>

#include <algorithm>
#include <array>

#include "host/cm.h"
#include "ostrel3/project/project_import.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "import_report.h"

namespace ostrel3 {

namespace {

// What a camera had from the file before relinking, which clears it.
struct CameraValues {
  int32_t trimIn = 0;
  int32_t syncIn = 0;
  int32_t synced = 0;
  int32_t useAudio = 0;
};

struct FrameRates {
  double current;
  double file;
  std::optional<int32_t> convert(int32_t value) const { return ConvertFrame(value, current, file); }
};

FrameRates frameRates(CM_HANDLE render, const ImportDocument& d) {
  const int32_t current = cmGetFramesPerSecond(render, 0);
  if (current <= 0) {
    // Without the current rate nothing can be converted: the frames stay.
    OS3_LOG(kLogFailed);
    return {1.0, 1.0};
  }
  return {static_cast<double>(current), d.fps.value_or(current)};
}

void takeScene(CameraSlot& camera, const SceneRecord& s, const FrameRates& rates) {
  camera.trimIn = rates.convert(s.trimIn).value_or(0);
  camera.syncIn = rates.convert(s.syncIn).value_or(0);
  camera.synced = s.synced != 0;
  camera.useAudio = s.useAudio & 1;
}

bool relinkKeepingValues(MulticamOperator& op, ImportNames& names) {
  std::array<CameraValues, kCameraSlots> kept;
  for (int i = 0; i < kCameraSlots; ++i)
    kept[i] = {op.cameras[i].trimIn, op.cameras[i].syncIn, op.cameras[i].synced, op.cameras[i].useAudio};
  const bool unmatched = op.RelinkCamerasByName(names);
  // Giving a camera a clip clears these; the file's values stand. The sound
  // choice too: an import must not silence a camera it found again.
  for (int i = 0; i < kCameraSlots; ++i) {
    CameraSlot& c = op.cameras[i];
    c.trimIn = kept[i].trimIn;
    c.syncIn = kept[i].syncIn;
    c.synced = kept[i].synced;
    c.useAudio = kept[i].useAudio;
  }
  // The number of cameras may have changed even when no clip did.
  op.UpdateTimelineLength();
  return unmatched;
}

// The file's cuts at the current rate. Cuts of cameras without a clip are
// left out silently; cuts that land outside the timeline, or whose frame
// cannot be converted, are dropped and make the import report. True when
// some were dropped.
bool takePoints(MulticamOperator& op, const std::vector<ImportPoint>& points, const FrameRates& rates) {
  const int32_t last = op.projectLength / 2;
  bool dropped = false;
  op.cutList.clear();
  for (const ImportPoint& p : points) {
    if (p.cam < 0 || p.cam >= op.sceneCount) {
      OS3_LOG(kLogFailed);
      continue;
    }
    if (!op.cameras[p.cam].hasClip()) continue;
    const std::optional<int32_t> tc = p.tc ? rates.convert(*p.tc) : std::nullopt;
    if (!tc || *tc < 0 || *tc >= last) {
      dropped = true;
      continue;
    }
    op.cutList.insert_or_assign(*tc, p.cam);
  }
  return dropped;
}

}  // namespace

bool MulticamOperator::ImportProjectFile(const char* path) {
  ImportNames names;
  PushUndo();
  bool imported = false;
  bool dropped = false;
  bool unmatched = false;
  try {
    tinyxml2::XMLDocument document;
    if (!path || LoadXmlFile(path, document) != FileLoad::kParsed) return false;
    const std::optional<ImportDocument> file = ReadImportXml(document);
    if (!file) return false;
    const FrameRates rates = frameRates(render.get(), *file);
    const int32_t oldSceneCount = sceneCount;
    if (file->sceneCount) sceneCount = *file->sceneCount;
    ClampCameraCounts(sceneCount, activeCamera);
    for (size_t i = 0; i < file->scenes.size(); ++i) {
      const SceneRecord& s = file->scenes[i];
      takeScene(cameras[i], s, rates);
      names.fileNames[i] = s.clipName;
      names.origIn[i] = s.origIn;
      names.origOut[i] = s.origOut;
    }
    unmatched = relinkKeepingValues(*this, names);
    if (file->points) {
      dropped = takePoints(*this, *file->points, rates);
      imported = true;
    }
    position = std::clamp(position, 0, std::max(LastFrame(), 0));
    if (sceneCount != oldSceneCount) restartRequested = true;
  } catch (...) {
    OS3_LOG(kLogFailed);
  }
  if (cutList.empty()) cutList.emplace(0, 0);
  if (unmatched || dropped) ReportImport(*this, names, unmatched, dropped);
  return imported;
}

}  // namespace ostrel3
