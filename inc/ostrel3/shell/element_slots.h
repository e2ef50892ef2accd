#pragma once
// Slots of the main panel's elements in MulticamOperator::elementSlots.
// The event loop recognises an element by the slot that holds its handle.
namespace ostrel3 {

enum ElementSlot : int {
  kChooseClipButton = 1,
  kRemoveClipButton = 2,
  kSynchroniseButton = 3,
  kStopButton = 6,
  kPlayButton = 7,
  kPauseButton = 8,
  kFirstCameraButton = 9,    ///< camera c's button: 9 + 2c
  kFirstCameraPicture = 10,  ///< camera c's picture: 10 + 2c
  kPositionSlider = 27,
  kTimelineArea = 28,
  kZoomAllButton = 29,
  kZoomOutButton = 30,
  kZoomInButton = 31,
  kToStartButton = 32,
  kPreviousCutButton = 33,
  kNextCutButton = 34,
  kMoveCutButton = 35,
  kDeleteCutButton = 36,
  kUndoButton = 37,
  kRedoButton = 38,
  kSettingsButton = 39,
  kClipNameField = 40,
  kClipLengthField = 41,
  kCameraColorButton = 42,
  kCameraAudioCheckBox = 43,
  kInfoButton = 44,
  kApplyButton = 45,
  kLeaveButton = 46,
  kPreviewButton = 47,
  kScrubToggle = 48,
};

/// The button slot of camera c (0-based), and of its picture.
constexpr int CameraButtonSlot(int camera) { return kFirstCameraButton + 2 * camera; }
constexpr int CameraPictureSlot(int camera) { return kFirstCameraPicture + 2 * camera; }

}  // namespace ostrel3
