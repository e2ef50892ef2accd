#include "hostsim/gui/text_render.h"

#include <fontconfig/fontconfig.h>

#include <atomic>
#include <string>
#include <vector>

#include "hostsim/core/text.h"
#include "hostsim/gui/metrics.h"

namespace hostsim {

namespace {

constexpr const char* kFontFamily = "DejaVu Sans Mono";
constexpr int kCell = metrics::kCharWidth;
constexpr int kLine = metrics::kFontHeight;

struct FontSetup {
  double size = 13.0;      ///< font size whose advance is one cell
  double baseline = 12.0;  ///< baseline below the top of a line
};

// Measured once: the size that makes the advance exactly one cell, and the
// baseline that centres ascent and descent in the 16-pixel line.
FontSetup measureFont() {
  FontSetup setup;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4, 4);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 100.0);
  cairo_text_extents_t text;
  cairo_text_extents(cr, "0", &text);
  if (text.x_advance > 0) setup.size = 100.0 * kCell / text.x_advance;
  cairo_set_font_size(cr, setup.size);
  cairo_font_extents_t font;
  cairo_font_extents(cr, &font);
  setup.baseline = (kLine - (font.ascent + font.descent)) / 2.0 + font.ascent;
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return setup;
}

std::atomic<int> liveFramebuffers{0};

// cairo and fontconfig keep their font caches and configuration for the
// life of the process. They are handed back at exit, once fonts were used,
// so that leak checkers report only real leaks.
struct FontCachesAtExit {
  ~FontCachesAtExit() {
    if (liveFramebuffers.load() != 0) return;
    cairo_debug_reset_static_data();
    FcFini();
  }
};

const FontSetup& fontSetup() {
  static const FontCachesAtExit release;
  static const FontSetup setup = measureFont();
  return setup;
}

// Draws one cell's glyph; returns how many 16-bit units it used.
size_t drawCell(cairo_t* cr, std::u16string_view line, size_t i, double x, double top) {
  const char16_t c = line[i];
  switch (c) {
    case 0xE003:  // blank the width of a character
      return 1;
    case 0xE004:  // a thin upright mark that frames a number
      cairo_rectangle(cr, x + kCell / 2 - 1, top + 3, 1, kLine - 6);
      cairo_fill(cr);
      return 1;
    case 0xE006:  // filled dot
      cairo_arc(cr, x + kCell / 2.0, top + kLine / 2.0, 2.5, 0, 6.2832);
      cairo_fill(cr);
      return 1;
    case 0xE05D:  // dash
      cairo_rectangle(cr, x + 1, top + kLine / 2.0 - 1, kCell - 2, 2);
      cairo_fill(cr);
      return 1;
    default:
      break;
  }
  if (c < 0x20 || c == ' ' || (c >= 0xE000 && c <= 0xF8FF)) return 1;
  size_t used = 1;
  std::u16string one(1, c);
  if (c >= 0xD800 && c <= 0xDBFF && i + 1 < line.size() && line[i + 1] >= 0xDC00 && line[i + 1] <= 0xDFFF) {
    one += line[i + 1];
    used = 2;  // the pair draws in the first cell; the second stays empty
  }
  const std::string utf8 = toUtf8(one);
  cairo_move_to(cr, x, top + fontSetup().baseline);
  cairo_show_text(cr, utf8.c_str());
  return used;
}

std::vector<std::u16string_view> splitLines(std::u16string_view text) {
  std::vector<std::u16string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == u'\n') {
      lines.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return lines;
}

int lineLeft(VG_CORNERS box, size_t cells, TextStyle::Align align) {
  const int boxWidth = box.x1 - box.x0 + 1;
  const int width = static_cast<int>(cells) * kCell;
  // A text wider than its box shows its beginning, as the host's GUI does:
  // a centred one cut on both sides would read as nothing.
  if (width > boxWidth) return box.x0;
  switch (align) {
    case TextStyle::Centre: return box.x0 + (boxWidth - width) / 2;
    case TextStyle::Right: return box.x1 + 1 - width;
    default: return box.x0;
  }
}

}  // namespace

void framebufferMade() { ++liveFramebuffers; }
void framebufferGone() { --liveFramebuffers; }

void setColour(cairo_t* cr, uint32_t argb) {
  cairo_set_source_rgb(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0);
}

void renderText(cairo_t* cr, VG_CORNERS box, std::u16string_view text, uint32_t argb, TextStyle style) {
  if (box.x1 < box.x0 || box.y1 < box.y0 || text.empty()) return;
  cairo_save(cr);
  cairo_rectangle(cr, box.x0, box.y0, box.x1 - box.x0 + 1, box.y1 - box.y0 + 1);
  cairo_clip(cr);
  setColour(cr, argb);
  cairo_select_font_face(cr, kFontFamily, CAIRO_FONT_SLANT_NORMAL,
                         style.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, fontSetup().size);

  const auto lines = splitLines(text);
  const int blockHeight = static_cast<int>(lines.size()) * kLine;
  int top = box.y0;
  if (style.verticalCentre) top += (box.y1 - box.y0 + 1 - blockHeight) / 2;
  for (const auto line : lines) {
    const int left = lineLeft(box, line.size(), style.align);
    for (size_t i = 0; i < line.size();) i += drawCell(cr, line, i, left + static_cast<double>(i) * kCell, top);
    top += kLine;
  }
  cairo_restore(cr);
}

}  // namespace hostsim
