#include "storyboard_writer.h"

#include "host/cm.h"
#include "host/main.h"
#include "host/nsl.h"
#include "host/nsl_sb.h"
#include "ostrel3/output/storyboard_output.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"
#include "transition_picker/transition_picker.h"

namespace ostrel3 {

namespace {

constexpr int32_t kRenderExitFlags = 65;

}  // namespace

StoryboardWriter::StoryboardWriter(MulticamOperator& op, int32_t mode) : op_(op), mode_(mode) {}

StoryboardWriter::~StoryboardWriter() {
  if (succeeded_) return;
  copy_.discard();
  restoreActiveScene();
}

SB_SCENE StoryboardWriter::current() const { return op_.sbScenes[0].get(); }
SB_SCENE StoryboardWriter::lastScene() const { return op_.sbScenes[2].get(); }

bool StoryboardWriter::write() {
  if (!addBaseScene()) return false;
  const int32_t firstFrame = nslSBSceneGetAbsolutePos(current());
  int32_t lastFrame = -1;
  for (const OutputSegment& segment : SegmentsOf(op_.cutList, op_.TimelineLastFrame())) {
    if (segment.camera != 0 && !addInsert(segment)) return false;
    lastFrame = currentSceneEnd();
  }
  finish(firstFrame, lastFrame);
  return true;
}

// The holder the user's position is kept in moves on to where new material
// may go; the scene active at the start is kept apart, to be made active
// again if the output fails.
SB_SCENE StoryboardWriter::findPosition() {
  SB_SCENE position = 0;
  const SB_SCENE active = op_.sbScenes[1].get();
  if (mainGetActiveStoryboardScene(active) == 0) {
    hadActiveScene_ = nslSBSceneCopy(active, activeAtStart_.get()) == 0;
    if (!hadActiveScene_) OS3_LOG(kLogFailed);
    FindInsertionScene(active);
    position = active;
  }
  if (mode_ == kOutputAppend) {
    if (nslSBGetLastScene(spare_.get()) == 0) position = spare_.get();
    if (nslSBGetLength() == 0) position = 0;
  }
  return position;
}

bool StoryboardWriter::addBaseScene() {
  const SB_SCENE position = findPosition();
  if (nslSBAddScene(position, op_.cameras[0].record, current()) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  return true;
}

bool StoryboardWriter::addInsert(const OutputSegment& segment) {
  const bool knownCamera = segment.camera > 0 && segment.camera < kCameraSlots;
  const CameraSlot* camera = knownCamera ? &op_.cameras[segment.camera] : nullptr;
  if (!camera || !camera->record) {
    OS3_LOG(kLogRefused);
    return false;
  }
  copy_.take(CopySegmentClip(camera->record, segment.start, segment.end, op_.trimLength));
  if (!copy_) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (!placeInsert(segment)) return false;
  if (camera->useAudio) AddInsertAudio(current(), copy_.get(), op_.framesPerSecond);
  // The storyboard keeps its own copy of the clip.
  if (!copy_.discard()) return false;
  return moveToSceneAfterInsert();
}

// The insert comes in at the start of the scene the previous one left;
// its offset is counted from the frame after that insert's segment.
bool StoryboardWriter::placeInsert(const OutputSegment& segment) {
  if (nslSBAddInsertWithTrim(current(), copy_.get(), current()) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  SB_INSERT_TRIM trim{};
  if (nslSBInsertBeginTrim(current(), &trim, 0) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  trim.startOffset += segment.start - gapStart_;
  if (nslSBInsertEndTrim(current(), &trim) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  gapStart_ = segment.end + 1;
  return true;
}

// An insert splits its scene: the next insert goes on the piece after it,
// unless the insert ran to the end of the storyboard.
bool StoryboardWriter::moveToSceneAfterInsert() {
  if (nslSBGetLastScene(lastScene()) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  if (nslSBSceneCmp(current(), lastScene()) == 0 && nslSBGetNextScene(current(), current()) == -1) {
    OS3_LOG(kLogFailed);
    return false;
  }
  return true;
}

int32_t StoryboardWriter::currentSceneEnd() const {
  return nslSBSceneGetAbsolutePos(current()) + nslSBGetSceneLength(current()) - 1;
}

void StoryboardWriter::finish(int32_t firstFrame, int32_t lastFrame) {
  // The transitions need the render engine the live preview held.
  if (op_.renderReady) {
    if (cmExitRender(op_.render.get(), kRenderExitFlags) == -1) OS3_LOG(kLogFailed);
    op_.renderReady = false;
  }
  AddCutTransitions(firstFrame, lastFrame, op_.framesPerSecond);
  succeeded_ = true;
  if (mainSetActiveStoryboardScene(current()) == -1) OS3_LOG(kLogFailed);
}

void StoryboardWriter::restoreActiveScene() {
  if (hadActiveScene_ && mainSetActiveStoryboardScene(activeAtStart_.get()) == -1) OS3_LOG(kLogFailed);
}

}  // namespace ostrel3
