#pragma once
// The storyboard drawn for a person: scenes and inserts as coloured bars on
// a frame ruler, transitions and audio marked, and a table of every scene
// below, so that the edit that came out can be seen at a glance.
#include <cstdint>
#include <filesystem>

#include "hostsim/media/storyboard.h"

namespace hostsim {

struct StoryboardPictureFacts {
  int32_t framesPerSecond = 25;
  int32_t includeTrimLimit = 0;
  size_t undoSteps = 0;  ///< steps that changed something
};

/// Width of the picture in pixels; its height grows with the scenes.
constexpr int kStoryboardPictureWidth = 1440;

/// A frame-ruler step: the smallest 1, 2 or 5 times a power of ten whose
/// labels stand at least `minPixels` apart at `pixelsPerFrame`.
int32_t rulerStep(double pixelsPerFrame, int minPixels);

/// Writes the picture as a PNG; false when it cannot be written.
bool writeStoryboardPicture(const StoryboardView& view, const StoryboardPictureFacts& facts,
                            const std::filesystem::path& file);

}  // namespace hostsim
