// Drawing in panel coordinates and into off-screen buffers.
#include <algorithm>

#include "host/vg.h"
#include "hostsim/core/host.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/display_state.h"
#include "hostsim/gui/palette.h"

namespace hostsim {

namespace {

constexpr int kBevel = 2;

int16_t saturate(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }

VG_CORNERS moved(VG_CORNERS r, int dx, int dy) {
  return {saturate(r.x0 + dx), saturate(r.y0 + dy), saturate(r.x1 + dx), saturate(r.y1 + dy)};
}

VG_CORNERS corners(VG_RECT r) {
  return {r.x, r.y, saturate(r.x + r.width - 1), saturate(r.y + r.height - 1)};
}

uint32_t argbOf(uint32_t rgb) { return 0xFF000000u | rgb; }

}  // namespace

TextStyle boxTextStyle(uint32_t style) {
  TextStyle look;
  if (style & kTextCentre)
    look.align = TextStyle::Centre;
  else if (style & kTextRight)
    look.align = TextStyle::Right;
  else
    look.align = TextStyle::Left;
  look.verticalCentre = (style & kTextMiddle) != 0;
  look.bold = (style & kTextBold) != 0;
  return look;
}

std::optional<Display::Target> Display::target(VG_PANEL panel) const {
  if (panel == 0) return Target{defaultMonitor(), 0, 0};
  PlaceSource source;
  {
    std::lock_guard lock(state_->mutex);
    source = state_->placeSource;
  }
  const std::optional<PanelPlace> place = source ? source(panel) : host_.panels().place(panel);
  if (!place || !state_->screen.validMonitor(place->monitor)) return std::nullopt;
  return Target{place->monitor, place->rect.x, place->rect.y};
}

int32_t Display::fillRect(VG_PANEL panel, VG_CORNERS rect) {
  const auto t = target(panel);
  if (!t) return -1;
  state_->screen.fillRect(t->monitor, moved(rect, t->x, t->y), currentArgb());
  return 0;
}

int32_t Display::fillBackground(VG_PANEL panel, VG_CORNERS rect, int32_t colourIndex) {
  const auto rgb = palette::backgroundRgb(colourIndex);
  const auto t = target(panel);
  if (!rgb || !t) return -1;
  state_->screen.fillRect(t->monitor, moved(rect, t->x, t->y), argbOf(*rgb));
  return 0;
}

int32_t Display::drawBox(VG_PANEL panel, VG_CORNERS rect, int32_t style, int32_t fillIndex) {
  const auto t = target(panel);
  if (!t) return -1;
  const VG_CORNERS r = moved(rect, t->x, t->y);
  if (fillIndex > 0) {
    const auto rgb = palette::backgroundRgb(fillIndex);
    if (!rgb) return -1;
    state_->screen.fillRect(t->monitor, r, argbOf(*rgb));
  }
  const uint32_t light = argbOf(palette::kFrameLightRgb);
  const uint32_t dark = argbOf(palette::kFrameDarkRgb);
  switch (style) {
    case kBoxRaised: state_->screen.drawFrame(t->monitor, r, light, dark, kBevel); break;
    case kBoxSunken: state_->screen.drawFrame(t->monitor, r, dark, light, kBevel); break;
    default: {
      const uint32_t flat = argbOf(palette::kFrameFlatRgb);
      state_->screen.drawFrame(t->monitor, r, flat, flat, 1);
      break;
    }
  }
  return 0;
}

int32_t Display::boxText(VG_PANEL panel, std::u16string_view text, VG_RECT box, uint32_t style) {
  const auto t = target(panel);
  if (!t) return -1;
  if (box.width <= 0 || box.height <= 0) return 0;
  const uint32_t argb = (style & kTextCurrentColour) ? currentArgb() : yuvToArgb(textColour());
  state_->screen.drawText(t->monitor, moved(corners(box), t->x, t->y), text, argb, boxTextStyle(style));
  return 0;
}

int32_t Display::writeRaw(VG_PANEL panel, const void* pixels, VG_RECT rect) {
  const auto t = target(panel);
  if (!t || !pixels || rect.width <= 0 || rect.height <= 0) return -1;
  state_->screen.drawPixels(t->monitor, static_cast<const uint8_t*>(pixels), rect.width, rect.height, rect.width * 4,
                            rect.x + t->x, rect.y + t->y);
  return 0;
}

int32_t Display::writeImage(VG_PANEL panel, const VG_IMAGE* image, int16_t x, int16_t y, bool blend) {
  if (!knownImage(image)) {
    host_.log().host(4, "an image the host did not hand out cannot be written");
    return -1;
  }
  const auto t = target(panel);
  if (!t || !image->pixels || image->width <= 0 || image->height <= 0) return -1;
  if (blend)
    state_->screen.drawImage(t->monitor, *image, x + t->x, y + t->y);
  else
    state_->screen.drawPixels(t->monitor, image->pixels, image->width, image->height, image->width * 4, x + t->x,
                              y + t->y);
  return 0;
}

int32_t Display::fillBuffer(void* buffer, int16_t bufferWidth, VG_CORNERS rect) const {
  if (!buffer || bufferWidth <= 0) return -1;
  // The buffer's height is not given: rows below 0 are skipped, rows below
  // the buffer's end are the caller's to keep within it.
  const int x0 = std::max<int>(rect.x0, 0), x1 = std::min<int>(rect.x1, bufferWidth - 1);
  const int y0 = std::max<int>(rect.y0, 0);
  const uint32_t argb = currentArgb();
  const uint8_t bgra[4] = {static_cast<uint8_t>(argb), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb >> 16),
                           static_cast<uint8_t>(argb >> 24)};
  auto* bytes = static_cast<uint8_t*>(buffer);
  for (int y = y0; y <= rect.y1; ++y)
    for (int x = x0; x <= x1; ++x)
      std::copy(bgra, bgra + 4, bytes + (static_cast<ptrdiff_t>(y) * bufferWidth + x) * 4);
  return 0;
}

int32_t Display::boxTextBuffer(void* buffer, int16_t bufferWidth, int16_t bufferHeight, std::u16string_view text,
                               VG_RECT box, uint32_t style) const {
  if (!buffer || bufferWidth <= 0 || bufferHeight <= 0) return -1;
  if (box.width <= 0 || box.height <= 0) return 0;
  const uint32_t argb = (style & kTextCurrentColour) ? currentArgb() : yuvToArgb(textColour());
  Screen::drawTextInto(static_cast<uint8_t*>(buffer), bufferWidth, bufferHeight, corners(box), text, argb,
                       boxTextStyle(style));
  return 0;
}

}  // namespace hostsim
