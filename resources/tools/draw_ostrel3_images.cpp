// Draws the pictures of the resource set "ostrel3" as PNG files named by id.
// The files are kept in the tree; run this only to change a picture:
//
//   g++ -std=c++20 draw_ostrel3_images.cpp $(pkg-config --cflags --libs cairo) -o draw
//   ./draw ../ostrel3/images
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

namespace {

void ink(cairo_t* cr) { cairo_set_source_rgb(cr, 0.86, 0.88, 0.91); }

void magnifier(cairo_t* cr) {
  ink(cr);
  cairo_set_line_width(cr, 1.6);
  cairo_arc(cr, 6.5, 6.5, 4.5, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.4);
  cairo_move_to(cr, 10, 10);
  cairo_line_to(cr, 14.5, 14.5);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, 4, 6.5);
  cairo_line_to(cr, 9, 6.5);
  cairo_stroke(cr);
}

void zoomIn(cairo_t* cr) {
  magnifier(cr);
  cairo_move_to(cr, 6.5, 4);
  cairo_line_to(cr, 6.5, 9);
  cairo_stroke(cr);
}

void arrowHead(cairo_t* cr, double tipX, double y, double direction) {
  cairo_move_to(cr, tipX, y);
  cairo_line_to(cr, tipX - 3.5 * direction, y - 3);
  cairo_line_to(cr, tipX - 3.5 * direction, y + 3);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void zoomAll(cairo_t* cr) {
  ink(cr);
  cairo_rectangle(cr, 1, 3, 1.5, 10);
  cairo_rectangle(cr, 13.5, 3, 1.5, 10);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, 5, 8);
  cairo_line_to(cr, 11, 8);
  cairo_stroke(cr);
  arrowHead(cr, 3.5, 8, -1);
  arrowHead(cr, 12.5, 8, 1);
}

void moveCut(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0.94, 0.63, 0.19);
  cairo_rectangle(cr, 7.25, 1, 1.5, 14);
  cairo_fill(cr);
  ink(cr);
  arrowHead(cr, 1.5, 8, -1);
  arrowHead(cr, 14.5, 8, 1);
}

void cross(cairo_t* cr) {
  cairo_set_source_rgb(cr, 0.90, 0.32, 0.32);
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 4, 4);
  cairo_line_to(cr, 12, 12);
  cairo_move_to(cr, 12, 4);
  cairo_line_to(cr, 4, 12);
  cairo_stroke(cr);
}

void note(cairo_t* cr) {
  ink(cr);
  cairo_save(cr);
  cairo_translate(cr, 5.5, 12.5);
  cairo_scale(cr, 1.3, 1.0);
  cairo_arc(cr, 0, 0, 2.3, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_rectangle(cr, 7.6, 2, 1.4, 10.5);
  cairo_fill(cr);
  cairo_move_to(cr, 9, 2);
  cairo_curve_to(cr, 12, 3, 13, 5, 12.5, 8);
  cairo_curve_to(cr, 12, 6, 10.5, 5.5, 9, 5.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

void preview(cairo_t* cr) {
  ink(cr);
  cairo_set_line_width(cr, 1.3);
  cairo_move_to(cr, 3.5, 2.5);
  cairo_line_to(cr, 1.5, 2.5);
  cairo_line_to(cr, 1.5, 13.5);
  cairo_line_to(cr, 3.5, 13.5);
  cairo_move_to(cr, 12.5, 2.5);
  cairo_line_to(cr, 14.5, 2.5);
  cairo_line_to(cr, 14.5, 13.5);
  cairo_line_to(cr, 12.5, 13.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 5.5, 4);
  cairo_line_to(cr, 11.5, 8);
  cairo_line_to(cr, 5.5, 12);
  cairo_close_path(cr);
  cairo_fill(cr);
}

// Two sound bars: apart when not in step, lined up with a link when in step.
void syncState(cairo_t* cr, bool synced) {
  if (synced)
    cairo_set_source_rgb(cr, 0.30, 0.78, 0.39);
  else
    cairo_set_source_rgb(cr, 0.55, 0.58, 0.63);
  const double shift = synced ? 0 : 4;
  cairo_rectangle(cr, 1, 2, 10, 4);
  cairo_rectangle(cr, 1 + shift, 10, 10, 4);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, 6.5 - shift / 2, 6);
  cairo_line_to(cr, 6.5 + shift / 2, 10);
  cairo_stroke(cr);
  if (!synced) {
    cairo_set_source_rgb(cr, 0.94, 0.63, 0.19);
    cairo_rectangle(cr, 13, 2, 2, 8);
    cairo_rectangle(cr, 13, 12, 2, 2);
    cairo_fill(cr);
  }
}

// A position marker of the timeline: a line with a pointer at its foot.
void marker(cairo_t* cr, double r, double g, double b, bool arrows) {
  cairo_set_source_rgb(cr, r, g, b);
  cairo_rectangle(cr, 5, 0, 1, 13);
  cairo_fill(cr);
  cairo_move_to(cr, 5.5, 11);
  cairo_line_to(cr, 10.5, 19);
  cairo_line_to(cr, 0.5, 19);
  cairo_close_path(cr);
  cairo_fill(cr);
  if (arrows) {
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
    cairo_move_to(cr, 2, 17);
    cairo_line_to(cr, 4.5, 15.5);
    cairo_line_to(cr, 4.5, 18.5);
    cairo_close_path(cr);
    cairo_move_to(cr, 9, 17);
    cairo_line_to(cr, 6.5, 15.5);
    cairo_line_to(cr, 6.5, 18.5);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
}

bool write(const std::string& directory, int id, int width, int height, const std::function<void(cairo_t*)>& paint) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(surface);
  paint(cr);
  cairo_destroy(cr);
  const std::string file = directory + "/" + std::to_string(id) + ".png";
  const bool ok = cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) std::fprintf(stderr, "cannot write %s\n", file.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <images directory>\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = true;
  ok &= write(dir, 102, 11, 20, [](cairo_t* cr) { marker(cr, 0.95, 0.96, 0.97, false); });
  ok &= write(dir, 104, 11, 20, [](cairo_t* cr) { marker(cr, 0.94, 0.63, 0.19, false); });
  ok &= write(dir, 106, 11, 20, [](cairo_t* cr) { marker(cr, 0.18, 0.77, 0.84, true); });
  ok &= write(dir, 0x6E, 16, 16, magnifier);
  ok &= write(dir, 0x70, 16, 16, zoomIn);
  ok &= write(dir, 0x71, 16, 16, zoomAll);
  ok &= write(dir, 0x72, 16, 16, moveCut);
  ok &= write(dir, 0x74, 16, 16, cross);
  ok &= write(dir, 118, 16, 16, note);
  ok &= write(dir, 0x78, 16, 16, preview);
  ok &= write(dir, 122, 16, 16, [](cairo_t* cr) { syncState(cr, false); });
  ok &= write(dir, 126, 16, 16, [](cairo_t* cr) { syncState(cr, true); });
  return ok ? 0 : 1;
}
