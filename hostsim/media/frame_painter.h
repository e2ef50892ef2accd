#pragma once
// Paints the pictures of one frame of a playback: each a clip's frame
// scaled into a box of a monitor's screen, all put on the screens in one
// step. Used by the player's thread only.
#include <cstdint>
#include <optional>
#include <vector>

#include "host/host_types.h"
#include "hostsim/core/config.h"
#include "hostsim/media/pixels.h"

namespace hostsim {

class ClipStore;
class RenderLibrary;
class Screen;

/// One picture of a frame.
struct PictureJob {
  int monitor = 1;
  VG_RECT box{};                 ///< where it goes, screen pixels
  VG_CORNERS bounds{};           ///< drawing stays inside
  AV_RECORD clip = 0;
  std::optional<int32_t> frame;  ///< trimmed frame of the clip; none: the box shows black
};

/// Field `field` of the media (2 x global frame + parity) as a player shows
/// it in a box of width x height: painted in the field's own shape, no larger
/// than the box needs (scaling it is what shows a field in a box, at a
/// fraction of the cost of painting it whole), and scaled into the box.
/// Black for a field outside every media.
std::vector<uint32_t> videoPicture(RenderLibrary& render, VideoFormat format, int32_t field, int width, int height);

class FramePainter {
 public:
  FramePainter(const ClipStore& clips, RenderLibrary& render, Screen& screen, VideoFormat format);

  /// Paints every picture, then writes them together.
  void paint(const std::vector<PictureJob>& jobs);

 private:
  std::vector<uint32_t> picture(const PictureJob& job);

  const ClipStore& clips_;
  RenderLibrary& render_;
  Screen& screen_;
  const VideoFormat format_;
};

}  // namespace hostsim
