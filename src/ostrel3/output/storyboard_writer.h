#pragma once
// Writes one output into the storyboard, inside the undo step the caller
// opened: camera 1's clip as the base scene, an insert (with its sound when
// asked for) for every segment of another camera, then the transitions.
#include <cstdint>

#include "ostrel3/output/output_segments.h"
#include "ostrel3/shell/holders.h"
#include "output_guards.h"

namespace ostrel3 {

class MulticamOperator;

class StoryboardWriter {
 public:
  StoryboardWriter(MulticamOperator& op, int32_t mode);
  /// A write that did not succeed, however it ended, deletes its pending
  /// copy and makes the scene active at the start active again.
  ~StoryboardWriter();
  StoryboardWriter(const StoryboardWriter&) = delete;
  StoryboardWriter& operator=(const StoryboardWriter&) = delete;

  /// True when the base scene, every insert and the transitions went in.
  bool write();

 private:
  SB_SCENE current() const;
  SB_SCENE lastScene() const;
  /// The scene to add the base scene after; 0 for the start.
  SB_SCENE findPosition();
  bool addBaseScene();
  bool addInsert(const OutputSegment& segment);
  bool placeInsert(const OutputSegment& segment);
  bool moveToSceneAfterInsert();
  int32_t currentSceneEnd() const;
  void finish(int32_t firstFrame, int32_t lastFrame);
  void restoreActiveScene();

  MulticamOperator& op_;
  int32_t mode_;
  StoryboardScene spare_;
  StoryboardScene activeAtStart_;
  bool hadActiveScene_ = false;
  bool succeeded_ = false;
  int32_t gapStart_ = 0;
  PendingCopy copy_;
};

}  // namespace ostrel3
