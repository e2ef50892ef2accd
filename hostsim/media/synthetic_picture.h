#pragma once
// The pictures of the synthetic media. Every media has its own look (a
// background hue, an element of another colour that moves from field to
// field, its name at the top) and every field shows the media's frame
// number in large seven-segment digits on a dark plate. The geometry is
// public so that tests and tools can read a picture back.
#include <cstdint>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "hostsim/media/pixels.h"

namespace hostsim {

struct MediaSource;

/// The colours of a media.
struct PictureLook {
  Yuv background;
  Yuv element;
};
PictureLook lookOf(const MediaSource& source);

/// Colours shared by every media.
constexpr Yuv kPlateColour{16, 128, 128};
constexpr Yuv kDigitColour{235, 128, 128};

/// Segments of a digit: top, upper right, lower right, bottom, lower left,
/// upper left, middle.
enum Segment { kSegTop, kSegUpperRight, kSegLowerRight, kSegBottom, kSegLowerLeft, kSegUpperLeft, kSegMiddle, kSegments };
/// Bit s set when segment s is lit for the digit.
uint8_t segmentsOf(int digit);

/// Where the frame number of a picture lies.
struct NumberLayout {
  std::vector<Box> digits;  ///< one box a digit, left to right
  Box plate;                ///< the dark plate behind them
  int thickH = 2;           ///< lines of a horizontal segment
  int thickV = 2;           ///< columns of a vertical segment
};
NumberLayout numberLayout(int width, int height, int digitCount);
Box segmentBox(const NumberLayout& layout, int digit, Segment segment);
/// The band at the top that carries the media's name.
Box nameBand(int width, int height);
/// The moving element in field number `field` of the media (2 x frame + 0 or 1).
Box elementBox(int width, int height, int64_t field);

/// Paints pictures. Keeps the rendered name bands (text is drawn with cairo)
/// so that a field costs a few fills. Any thread.
class SyntheticPicture {
 public:
  /// Paints frame `frame` of the media, field `parity` (0 or 1), into a
  /// planar 4:2:0 picture of any size.
  void paint(const MediaSource& source, int32_t frame, int parity, const ImageView& target);

 private:
  struct Band {
    std::vector<uint8_t> y, u, v;  ///< planes of the name band
  };
  const Band& nameBandOf(const MediaSource& source, int width, int height);
  static Band bandFromArgb(const uint8_t* data, int stride, int width, int height);

  std::mutex mutex_;
  std::map<std::tuple<int, int, int>, Band> bands_;
};

}  // namespace hostsim
