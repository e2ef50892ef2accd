#pragma once
// A stand-in host with a scene bin of three clips, and helpers to read the
// synthetic media back.
#include <string>

#include "host/host.h"
#include "hostsim/media/media.h"
#include "hostsim/media/synthetic_picture.h"
#include "support/host_fixture.h"

namespace ostrel3_test {

constexpr uint32_t kUidA = 501, kUidB = 502, kUidC = 503;

class MediaTest : public HostTest {
 protected:
  hostsim::HostConfig makeConfig() override {
    hostsim::HostConfig c = HostTest::makeConfig();
    c.clips = {{kUidA, "Camera A", 300, 120, 1700000000},
               {kUidB, "Camera B", 250, 75, 0},
               {kUidC, "Camera C", 1200, -1, 1700000100}};
    return c;
  }

  AV_RECORD bin(uint32_t uid) { return mainGetAVRecordFromId(uid, host().config().projectNumber, 1); }
  hostsim::ClipInfo info(AV_RECORD clip) { return host().media().clips().info(clip).value(); }
  std::u16string nameOf(AV_RECORD clip) {
    const XCHAR* n = nslGetAVRecordName(clip);
    return n ? n : u"<null>";
  }
};

/// The frame number painted into a planar picture, read from its seven-segment
/// digits; -1 when a digit cannot be read.
inline int readFrameNumber(const hostsim::ImageView& image) {
  using namespace hostsim;
  for (int digits = 1; digits <= 7; ++digits) {
    const NumberLayout layout = numberLayout(image.width, image.height, digits);
    // Only the layout of the painted digit count has plate just left of its
    // first digit and background (as at the picture's left edge) just left of its plate.
    const Box first = layout.digits.front();
    const uint8_t background = sampleAt(image, 2, first.y).y;
    if (sampleAt(image, first.x - 4, first.y + first.height / 2).y != kPlateColour.y) continue;
    if (sampleAt(image, layout.plate.x - 2, first.y).y != background) continue;
    int value = 0;
    for (int d = 0; d < digits; ++d) {
      uint8_t lit = 0;
      for (int s = 0; s < kSegments; ++s) {
        const Box b = segmentBox(layout, d, static_cast<Segment>(s));
        if (sampleAt(image, b.x + b.width / 2, b.y + b.height / 2).y == kDigitColour.y) lit |= uint8_t(1 << s);
      }
      int digit = -1;
      for (int k = 0; k <= 9; ++k)
        if (segmentsOf(k) == lit) digit = k;
      if (digit < 0) return -1;
      value = value * 10 + digit;
    }
    return value;
  }
  return -1;
}

}  // namespace ostrel3_test
