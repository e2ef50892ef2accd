#pragma once
/// Host render library: frame rate, field access, multi-camera rendering,
/// audio scrubbing. Calling thread only, except where said.
#include "host/host_types.h"

struct OP_IMAGE;
struct OP_AUDIO;

/// A recording time: seconds since the epoch and a frame within the second.
struct CM_RECTIME {
  int64_t seconds;
  int32_t frame;
  int32_t reserved;
};

/// One pair of an output list: from `start` on the output shows `clip`.
/// A list ends with (0, 0).
struct CM_OUTPUT_PAIR {
  int32_t start;
  AV_RECORD clip;
};
static_assert(sizeof(CM_OUTPUT_PAIR) == 8);

/// The multi-camera playback layout (cmSetMultiCam). The list address is
/// pointer-sized here.
struct CM_MULTICAM {
  uint32_t flags;                 ///< byte 0
  int16_t pictureWidth;           ///< byte 4
  int16_t pictureHeight;
  int16_t origin[4][2];           ///< bytes 8..23: cameras 1..4 left, top
  uint32_t reserved;              ///< byte 24
  int16_t origin56[2][2];         ///< bytes 28..35: cameras 5, 6
  int16_t previewLeft, previewTop;      ///< byte 36
  int16_t previewWidth, previewHeight;  ///< byte 40
  const CM_OUTPUT_PAIR* outputList;     ///< byte 48 (pointer-sized, aligned)
};
static_assert(offsetof(CM_MULTICAM, pictureWidth) == 4);
static_assert(offsetof(CM_MULTICAM, origin) == 8);
static_assert(offsetof(CM_MULTICAM, reserved) == 24);
static_assert(offsetof(CM_MULTICAM, origin56) == 28);
static_assert(offsetof(CM_MULTICAM, previewLeft) == 36);
static_assert(offsetof(CM_MULTICAM, previewWidth) == 40);
static_assert(offsetof(CM_MULTICAM, outputList) == 48);
static_assert(sizeof(CM_MULTICAM) == 56, "the host's 48-byte record with a pointer-sized, aligned list address");

extern "C" {

/// Opens a render handle, 0 on failure. The library has no close call.
CM_HANDLE cmOpen(int32_t a, int32_t b);
/// Opens a render handle for sound, 0 on failure.
CM_HANDLE cmOpen2(int32_t a, int32_t b, int32_t c);
/// Integer frame rate of the project (25, 30 ...).
int32_t cmGetFramesPerSecond(CM_HANDLE render, int32_t flags);
/// Version numbers: which 0 major, 1 minor.
int32_t cmVersion(int32_t which);
/// Multi-camera rendering. 0 or -1.
int32_t cmInitRender(CM_HANDLE render, int32_t mode, int32_t flags);
int32_t cmExitRender(CM_HANDLE render, int32_t flags);
/// Sound rendering. 0 on success, anything else on failure.
int32_t cmInitRenderAudio(CM_HANDLE render, int32_t mode, int32_t flags);
int32_t cmExitRenderAudio(CM_HANDLE render);
/// Delivers field number `field` (2 x frame offset + 0 or 1) into a
/// OP_IMAGE_YUV420 image. 0 on success.
int32_t cmGetField(CM_HANDLE render, OP_IMAGE* image, int32_t flags, int32_t field);
/// Visible area of the video format within a field, inclusive corners in
/// frame lines. 0 on success.
int32_t cmGetVisibleArea(CM_HANDLE render, int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1, int32_t flags);
/// Shows an image on the video output monitor. 0 or -1.
int32_t cmDisplayImage(CM_HANDLE render, OP_IMAGE* image, int32_t flags);
/// The sound of one field; freed with opFreeAudio. Null on failure.
OP_AUDIO* cmGetFieldAudio(CM_HANDLE render, int32_t field);
/// Recording start and end of the media at a field. 0 on success.
int32_t cmGetRecInfo(CM_HANDLE render, int32_t field, CM_RECTIME* end, CM_RECTIME* start, int32_t mode);
/// Audio scrubbing: start (0 on success; *state counts the pairs played),
/// hand over sample pairs (null, 0: silence), stop. 0 or -1.
int32_t cmScrubStart(CM_HANDLE render, uint32_t* state, int32_t flags);
int32_t cmScrubData(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t a, int32_t b);
int32_t cmScrubStop(CM_HANDLE render, int32_t flags);
/// Multi-camera playback layout for the next playback. 0 on success.
int32_t cmSetMultiCam(CM_HANDLE render, const CM_MULTICAM* layout);
/// Replaces the output list while playback runs. 0 or -1.
int32_t cmUpdateFinalList(CM_HANDLE render, const CM_OUTPUT_PAIR* first, int32_t flags);

}
