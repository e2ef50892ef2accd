#include "hostsim/gui/elements_draw.h"

#include <algorithm>

#include "hostsim/gui/metrics.h"

namespace hostsim {

namespace {

// The host's own widget look; fixed so that screenshots read the same on
// every run whatever colours the operator sets for its drawing.
constexpr uint32_t kFace = 0xFF4C535Eu;
constexpr uint32_t kFaceLit = 0xFFD58A2Bu;
constexpr uint32_t kFaceDim = 0xFF3A3E45u;
constexpr uint32_t kLight = 0xFF8A929Eu;
constexpr uint32_t kDark = 0xFF1A1C20u;
constexpr uint32_t kText = 0xFFEDEDEDu;
constexpr uint32_t kTextDim = 0xFF7E838Bu;
constexpr uint32_t kField = 0xFF1E2024u;
constexpr uint32_t kSelection = 0xFF3C70A8u;
constexpr uint32_t kTick = 0xFF6BD46Bu;
constexpr uint32_t kKnob = 0xFFD0D0D0u;
constexpr uint32_t kTitleBar = 0xFF2C4A78u;

using Corners = VG_CORNERS;

Corners inset(Corners c, int n) {
  return {static_cast<int16_t>(c.x0 + n), static_cast<int16_t>(c.y0 + n), static_cast<int16_t>(c.x1 - n),
          static_cast<int16_t>(c.y1 - n)};
}

bool emptyBox(Corners c) { return c.x1 < c.x0 || c.y1 < c.y0; }

Corners box(int x0, int y0, int x1, int y1) {
  return {static_cast<int16_t>(x0), static_cast<int16_t>(y0), static_cast<int16_t>(x1), static_cast<int16_t>(y1)};
}

struct Painter {
  const DrawContext& ctx;
  bool enabled;

  void fill(Corners c, uint32_t argb) const {
    if (!emptyBox(c)) ctx.screen.fillRect(ctx.monitor, c, argb);
  }
  void raised(Corners c) const {
    if (!emptyBox(c)) ctx.screen.drawFrame(ctx.monitor, c, kLight, kDark, 1);
  }
  void sunken(Corners c) const {
    if (!emptyBox(c)) ctx.screen.drawFrame(ctx.monitor, c, kDark, kLight, 1);
  }
  uint32_t textColour() const { return enabled ? kText : kTextDim; }
  void text(Corners c, std::u16string_view t, TextStyle::Align align) const {
    if (emptyBox(c) || t.empty()) return;
    TextStyle s;
    s.align = align;
    ctx.screen.drawText(ctx.monitor, c, t, textColour(), s);
  }
  void face(Corners c, bool lit) const {
    fill(c, !enabled ? kFaceDim : (lit ? kFaceLit : kFace));
    if (lit) sunken(c);
    else raised(c);
  }
  void field(Corners c) const {
    fill(c, kField);
    sunken(c);
  }
  void image(const OwnedImage& img, Corners area) const {
    if (img.empty()) return;
    VG_IMAGE v = img.view();
    const int x = area.x0 + ((area.x1 - area.x0 + 1) - img.width) / 2;
    const int y = area.y0 + ((area.y1 - area.y0 + 1) - img.height) / 2;
    ctx.screen.drawImage(ctx.monitor, v, x, y);
  }
};

// Label area of `width` pixels at the left of c; returns the rest. The label
// may use the whole area: layouts size it to the label's text, whole cells
// of it, so a text that fills its cells exactly must not lose a character.
Corners splitLabel(const Painter& p, Corners c, int width, std::u16string_view label) {
  if (width <= 0) return c;
  p.text(box(c.x0, c.y0, c.x0 + width - 1, c.y1), label, TextStyle::Left);
  return box(c.x0 + width, c.y0, c.x1, c.y1);
}

void drawTick(const Painter& p, Corners b) {
  // A check mark of 2 x 2 dots: a short stroke down, a long stroke up.
  const int w = b.x1 - b.x0 + 1, h = b.y1 - b.y0 + 1;
  if (w < 6 || h < 6) {
    p.fill(b, kTick);
    return;
  }
  const int x0 = b.x0 + 1, yMid = b.y0 + h / 2, xLow = b.x0 + w / 3, yLow = b.y1 - 1;
  for (int x = x0; x <= xLow; ++x) {
    const int y = yMid + (x - x0) * (yLow - yMid) / std::max(1, xLow - x0);
    p.fill(box(x, y - 1, x + 1, y), kTick);
  }
  const int xEnd = b.x1 - 1, yTop = b.y0 + 1;
  for (int x = xLow; x <= xEnd; ++x) {
    const int y = yLow - (x - xLow) * (yLow - yTop) / std::max(1, xEnd - xLow);
    p.fill(box(x, y - 1, x + 1, y), kTick);
  }
}

void drawCheckBox(const Painter& p, Corners c, const ElementRec& e) {
  const int cell = std::min<int>(metrics::convertGadgetWidth(32), c.x1 - c.x0 + 1);
  const int cellX0 = c.x1 - cell + 1;
  p.text(box(c.x0, c.y0, cellX0 - 1, c.y1), e.label, TextStyle::Left);
  const int side = std::max(6, std::min(c.y1 - c.y0 + 1 - 4, 18));
  const int bx = cellX0 + (cell - side) / 2, by = c.y0 + (c.y1 - c.y0 + 1 - side) / 2;
  const Corners b = box(bx, by, bx + side - 1, by + side - 1);
  p.field(b);
  if (e.value & 1) drawTick(p, inset(b, 2));
}

void drawImageButton(const Painter& p, Corners c, const ElementRec& e) {
  if (!e.label.empty()) {
    const int lw = std::min<int>(c.x1 - c.x0 + 1 - 16, metrics::textLength(e.label.c_str()) + 8);
    c = splitLabel(p, c, lw, e.label);
  }
  p.face(c, e.active);
  const OwnedImage& img = (e.active && !e.altImage.empty()) ? e.altImage : e.image;
  if (!img.empty()) p.image(img, inset(c, 2));
  else p.text(inset(c, 2), e.caption, TextStyle::Centre);
}

void drawPaletteButton(const Painter& p, Corners c, const ElementRec& e) {
  p.face(c, e.active);
  const Corners swatch = inset(c, 4);
  p.fill(swatch, yuvToArgb(e.colour));
  p.sunken(swatch);
}

constexpr int kKnobWidth = 10;

// The track of a slider inside c: right of the label, left of the value text.
Corners sliderTrack(Corners c, const ElementRec& e) {
  c.x0 = static_cast<int16_t>(c.x0 + std::max<int>(0, e.labelWidth));
  if (!e.text.empty()) c.x1 = static_cast<int16_t>(c.x1 - (metrics::textLength(e.text.c_str()) + 8) - 4);
  return c;
}

void drawSlider(const Painter& p, Corners c, const ElementRec& e) {
  splitLabel(p, c, e.labelWidth, e.label);
  if (!e.text.empty()) {
    const int tw = metrics::textLength(e.text.c_str()) + 8;
    p.text(box(c.x1 - tw + 1, c.y0, c.x1, c.y1), e.text, TextStyle::Right);
  }
  c = sliderTrack(c, e);
  const int h = c.y1 - c.y0 + 1, mid = c.y0 + h / 2;
  p.field(box(c.x0, mid - 3, c.x1, mid + 3));
  const int knobW = kKnobWidth, travel = std::max(0, c.x1 - c.x0 + 1 - knobW);
  const int64_t span = static_cast<int64_t>(e.maximum) - e.minimum;
  const int64_t pos = span > 0 ? (static_cast<int64_t>(e.value) - e.minimum) * travel / span : 0;
  const int kx = c.x0 + static_cast<int>(std::clamp<int64_t>(pos, 0, travel));
  const Corners knob = box(kx, c.y0 + 2, kx + knobW - 1, c.y1 - 2);
  p.fill(knob, !p.enabled ? kFaceDim : (e.active ? kFaceLit : kKnob));
  p.raised(knob);
}

void drawLabelledText(const Painter& p, Corners c, const ElementRec& e, bool sunkenField, TextStyle::Align align) {
  c = splitLabel(p, c, e.labelWidth, e.label);
  if (sunkenField) p.field(c);
  p.text(inset(c, 4), e.text, align);
}

void drawPopup(const Painter& p, Corners c, const ElementRec& e) {
  if (!e.label.empty()) {
    const int lw = metrics::textLength(e.label.c_str());
    p.text(box(c.x0 - lw - 8, c.y0, c.x0 - 4, c.y1), e.label, TextStyle::Right);
  }
  p.face(c, e.active);
  const int h = c.y1 - c.y0 + 1;
  const int arrowX = c.x1 - 14, arrowY = c.y0 + h / 2 - 2;
  for (int i = 0; i < 5; ++i) p.fill(box(arrowX + i, arrowY + i, arrowX + 9 - i, arrowY + i), p.textColour());
  if (e.value >= 0 && e.value < static_cast<int32_t>(e.rows.size()))
    p.text(box(c.x0 + 6, c.y0, arrowX - 4, c.y1), e.rows[e.value].text, TextStyle::Left);
}

void drawListRow(const Painter& p, Corners row, const ListRow& r, bool selected) {
  if (selected) p.fill(row, kSelection);
  // A separator is a row flag; its type is the caller's business.
  if (r.text.empty() && (r.flags & 0x40)) {
    const int mid = row.y0 + (row.y1 - row.y0) / 2;
    p.fill(box(row.x0 + 4, mid, row.x1 - 4, mid), kLight);
    return;
  }
  int x = row.x0 + 4;
  if (!r.image.empty()) {
    p.image(r.image, box(x, row.y0, x + r.image.width - 1, row.y1));
    x += r.image.width + 4;
  }
  int right = row.x1 - 4;
  if (!r.text2.empty()) {
    const int tw = metrics::textLength(r.text2.c_str());
    p.text(box(right - tw + 1, row.y0, right, row.y1), r.text2, TextStyle::Right);
    right -= tw + 8;
  }
  p.text(box(x, row.y0, right, row.y1), r.text, TextStyle::Left);
}

void drawListview(const Painter& p, Corners c, const ElementRec& e) {
  p.field(c);
  const int16_t rh = p.ctx.rowHeight;
  const int shown = visibleRows(static_cast<int16_t>(c.y1 - c.y0 + 1), rh);
  for (int i = 0; i < shown; ++i) {
    const int index = e.firstVisible + i;
    if (index < 0 || index >= static_cast<int>(e.rows.size())) break;
    const int y = c.y0 + 2 + i * rh;
    drawListRow(p, box(c.x0 + 2, y, c.x1 - 2, y + rh - 1), e.rows[index], index == e.value);
  }
}

}  // namespace

VG_CORNERS cornersOf(VG_RECT r) {
  return box(r.x, r.y, r.x + r.width - 1, r.y + r.height - 1);
}

int16_t listRowHeight(int32_t defaultMonitor) {
  return static_cast<int16_t>(metrics::kFontHeight + 2 * metrics::convertHeight(defaultMonitor == 1 ? 4 : 2));
}

int32_t visibleRows(int16_t height, int16_t rowHeight) {
  if (rowHeight <= 0) return 0;
  return std::max(0, (height - 4) / rowHeight);
}

int32_t sliderValueAt(const ElementRec& e, int relX) {
  const Corners track = sliderTrack(box(0, 0, e.rect.width - 1, e.rect.height - 1), e);
  const int travel = std::max(0, track.x1 - track.x0 + 1 - kKnobWidth);
  if (travel == 0) return e.minimum;
  const int64_t along = std::clamp<int64_t>(relX - track.x0 - kKnobWidth / 2, 0, travel);
  const int64_t span = static_cast<int64_t>(e.maximum) - e.minimum;
  return static_cast<int32_t>(e.minimum + (along * span + travel / 2) / travel);
}

int32_t listRowAt(const ElementRec& e, int relY, int16_t rowHeight) {
  if (rowHeight <= 0 || relY < 2) return -1;
  const int i = (relY - 2) / rowHeight;
  if (i >= visibleRows(e.rect.height, rowHeight)) return -1;
  const int index = e.firstVisible + i;
  return index < static_cast<int>(e.rows.size()) ? index : -1;
}

void drawElement(const DrawContext& ctx, VG_RECT screenRect, const ElementRec& e) {
  if (screenRect.width <= 0 || screenRect.height <= 0) return;
  if (e.kind == ElementKind::ClickGadget || e.kind == ElementKind::VirtualSlider) return;  // invisible
  const Painter p{ctx, e.enabled};
  const Corners c = cornersOf(screenRect);
  // Redraws paint over the element's previous look.
  p.fill(c, ctx.background);
  if (e.kind == ElementKind::Popup && !e.label.empty())
    p.fill(box(c.x0 - metrics::textLength(e.label.c_str()) - 8, c.y0, c.x0 - 1, c.y1), ctx.background);
  switch (e.kind) {
    case ElementKind::TextButton:
      p.face(c, e.active);
      p.text(inset(c, 2), e.caption, TextStyle::Centre);
      break;
    case ElementKind::CheckBox: drawCheckBox(p, c, e); break;
    case ElementKind::ImageButton: drawImageButton(p, c, e); break;
    case ElementKind::PaletteButton: drawPaletteButton(p, c, e); break;
    case ElementKind::Slider: drawSlider(p, c, e); break;
    case ElementKind::StringGadget: drawLabelledText(p, c, e, true, TextStyle::Left); break;
    case ElementKind::TextGadget: drawLabelledText(p, c, e, false, TextStyle::Left); break;
    case ElementKind::TimeGadget: drawLabelledText(p, c, e, true, TextStyle::Centre); break;
    case ElementKind::Popup: drawPopup(p, c, e); break;
    case ElementKind::Listview: drawListview(p, c, e); break;
    case ElementKind::ClickGadget:
    case ElementKind::VirtualSlider: break;  // invisible
  }
}

void drawWindowFrame(const DrawContext& ctx, VG_CORNERS outer, int16_t titleHeight, std::u16string_view title) {
  const Painter p{ctx, true};
  p.fill(outer, ctx.background);
  ctx.screen.drawFrame(ctx.monitor, outer, kLight, kDark, 2);
  if (titleHeight <= 0) return;
  const Corners bar = box(outer.x0 + 2, outer.y0 + 2, outer.x1 - 2, outer.y0 + 1 + titleHeight);
  p.fill(bar, kTitleBar);
  TextStyle s;
  s.align = TextStyle::Centre;
  s.bold = true;
  if (!title.empty()) ctx.screen.drawText(ctx.monitor, inset(bar, 2), title, kText, s);
}

void drawMessage(const DrawContext& ctx, VG_CORNERS area, std::u16string_view text) {
  const Painter p{ctx, true};
  std::vector<std::u16string_view> lines;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find(u'\n', start);
    lines.push_back(text.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  const int lineHeight = metrics::kFontHeight + metrics::kAddHeight;
  const int total = static_cast<int>(lines.size()) * lineHeight;
  int y = area.y0 + std::max(0, (area.y1 - area.y0 + 1 - total) / 2);
  for (auto line : lines) {
    p.text(box(area.x0, y, area.x1, y + lineHeight - 1), line, TextStyle::Centre);
    y += lineHeight;
  }
}

void drawSwatch(const DrawContext& ctx, VG_CORNERS area, uint32_t yuv) {
  const Painter p{ctx, true};
  p.fill(area, yuvToArgb(yuv));
  p.sunken(area);
}

}  // namespace hostsim
