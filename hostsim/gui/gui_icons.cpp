#include "hostsim/gui/gui_icons.h"

#include <cairo.h>

#include <cmath>

namespace hostsim {

namespace {

constexpr int16_t kSize = 16;

void ink(cairo_t* cr) { cairo_set_source_rgb(cr, 0.86, 0.88, 0.91); }

void triangle(cairo_t* cr, double tipX, double baseX, double top, double bottom) {
  cairo_move_to(cr, baseX, top);
  cairo_line_to(cr, tipX, (top + bottom) / 2);
  cairo_line_to(cr, baseX, bottom);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void bar(cairo_t* cr, double x, double width) {
  cairo_rectangle(cr, x, 3, width, 10);
  cairo_fill(cr);
}

// A curved arrow; mirrored = true points right (redo).
void curvedArrow(cairo_t* cr, bool mirrored) {
  if (mirrored) {
    cairo_translate(cr, kSize, 0);
    cairo_scale(cr, -1, 1);
  }
  cairo_set_line_width(cr, 2);
  cairo_arc(cr, 9, 9.5, 4.5, M_PI, 2.3 * M_PI);
  cairo_stroke(cr);
  cairo_move_to(cr, 1.5, 9.5);
  cairo_line_to(cr, 7.5, 9.5);
  cairo_line_to(cr, 4.5, 13.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void waveform(cairo_t* cr, bool on) {
  if (on)
    cairo_set_source_rgb(cr, 0.30, 0.78, 0.39);
  else
    cairo_set_source_rgb(cr, 0.45, 0.47, 0.52);
  const double heights[] = {3, 7, 11, 6, 9, 4, 8};
  for (int i = 0; i < 7; ++i) {
    cairo_rectangle(cr, 1.5 + i * 2, 8 - heights[i] / 2, 1.5, heights[i]);
    cairo_fill(cr);
  }
  if (!on) {
    cairo_set_source_rgb(cr, 0.88, 0.28, 0.28);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 2, 14);
    cairo_line_to(cr, 14, 2);
    cairo_stroke(cr);
  }
}

void paintIcon(cairo_t* cr, int32_t id) {
  ink(cr);
  switch (id) {
    case kIconPlay: triangle(cr, 13, 4, 2, 14); break;
    case kIconStop: cairo_rectangle(cr, 3, 3, 10, 10); cairo_fill(cr); break;
    case kIconPause: bar(cr, 4, 3); bar(cr, 9, 3); break;
    case kIconToStart: bar(cr, 2, 2); triangle(cr, 4, 9, 3, 13); triangle(cr, 9, 14, 3, 13); break;
    case kIconPrevious: triangle(cr, 3, 11, 3, 13); bar(cr, 12, 2); break;
    case kIconNext: bar(cr, 2, 2); triangle(cr, 13, 5, 3, 13); break;
    case kIconUndo: curvedArrow(cr, false); break;
    case kIconRedo: curvedArrow(cr, true); break;
    case kIconScrubOff: waveform(cr, false); break;
    case kIconScrubOn: waveform(cr, true); break;
    default: break;
  }
}

}  // namespace

const std::vector<int32_t>& guiIconIds() {
  static const std::vector<int32_t> ids = {kIconPrevious, kIconNext,     kIconUndo,    kIconToStart, kIconPlay,
                                           kIconPause,    kIconStop,     kIconScrubOff, kIconScrubOn, kIconRedo};
  return ids;
}

std::unique_ptr<ImageBuffer> drawGuiIcon(int32_t id) {
  bool known = false;
  for (int32_t k : guiIconIds()) known = known || k == id;
  if (!known) return nullptr;
  return ImageBuffer::draw(kSize, kSize, [id](cairo_t* cr) { paintIcon(cr, id); });
}

}  // namespace hostsim
