// Filling the model from a parsed project, in the order that keeps it
// consistent: cameras first (they decide the length), then cuts and counts,
// then everything that is clamped to the length.
#include <tinyxml2.h>

#include <algorithm>

#include "host/main.h"
#include "host/vg.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

void loadScene(MulticamOperator& op, const SceneRecord& s) {
  CameraSlot& camera = op.cameras[s.cam];
  const AV_RECORD clip = mainGetAVRecordFromId(s.uid, mainGetActiveProjectNumber(), 1);
  AssignClip(camera, clip, s.trimIn, s.origIn, s.origOut);
  camera.colour = s.colour != 0 ? s.colour : vgGetGuiColorYUV(defaultColourIndex(s.cam));
  camera.useAudio = s.useAudio & 1;
  // Distances and the automatic-sync flag are stored but never restored.
  camera.useDistance = 0;
  camera.distance = 0;
  camera.autoSync = 0;
  camera.syncIn = s.syncIn;
  camera.synced = s.synced != 0;
}

// The visible window stays inside the timeline and never runs backwards.
void loadZoom(MulticamOperator& op, const std::optional<ZoomWindow>& zoom) {
  const int32_t last = op.LastFrame();
  op.zoomIn = zoom ? zoom->in : 0;
  op.zoomOut = zoom ? zoom->out : last;
  op.zoomIn = std::max(op.zoomIn, 0);
  op.zoomOut = std::min(op.zoomOut, last);
  if (last < 0) return;
  if (op.zoomIn > last) op.zoomIn = 0;
  if (op.zoomOut < op.zoomIn) op.zoomOut = last;
}

}  // namespace

bool MulticamOperator::LoadProjectDocument(const tinyxml2::XMLDocument& document) {
  std::optional<ProjectDocument> project = ReadProjectXml(document);
  if (!project) return false;
  ProjectDocument& p = *project;
  if (p.name) projectName = *p.name;
  for (const SceneRecord& s : p.scenes) loadScene(*this, s);
  if (p.points) cutList = std::move(*p.points);
  if (cutList.empty()) cutList.emplace(0, 0);
  if (p.sceneCount) sceneCount = *p.sceneCount;
  if (p.showOutPreview) showOutPreview = *p.showOutPreview;
  position = p.position.value_or(0);
  activeCamera = p.activeCamera.value_or(0);
  ClampCameraCounts(sceneCount, activeCamera);
  clearPlaybackState();
  UpdateTimelineLength();
  // The cursor commands keep the position on the timeline; a file must not
  // put it anywhere else.
  position = std::clamp(position, 0, std::max(LastFrame(), 0));
  loadZoom(*this, p.zoom);
  trimLength = p.trimLength.value_or(5 * framesPerSecond);
  if (p.syncScrub) syncScrub = *p.syncScrub != 0;
  if (p.mainScrub) mainScrub = *p.mainScrub != 0;
  return transitionsHook->load(*FindRoot(document));
}

}  // namespace ostrel3
