#include "hostsim/gui/storyboard_picture.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "hostsim/core/text.h"
#include "hostsim/gui/metrics.h"
#include "hostsim/gui/text_render.h"

namespace hostsim {

namespace {

constexpr int kWidth = kStoryboardPictureWidth;
constexpr int kMargin = 16;
constexpr int kTrackLeft = kMargin + 13 * metrics::kCharWidth;  // room for the row names
constexpr int kTrackRight = kWidth - kMargin;
constexpr int kPictureCell = metrics::kCharWidth;
constexpr int kPictureLine = metrics::kFontHeight;

// Rows of the track part, top and bottom (inclusive).
struct Row {
  int top, bottom;
};
constexpr Row kRuler{50, 78};
constexpr Row kInserts{84, 115};
constexpr Row kScenes{120, 163};
constexpr Row kTransitions{168, 207};
constexpr Row kAudio{212, 239};
constexpr int kTableTop = 256;
constexpr int kTableRow = 20;

constexpr uint32_t kBackground = 0xFF1F2227;
constexpr uint32_t kText = 0xFFE8EAED;
constexpr uint32_t kDim = 0xFF9AA0A6;
constexpr uint32_t kOnBar = 0xFF101114;
constexpr uint32_t kActive = 0xFFFFFFFF;

// One colour per media, in the order the media first appear.
constexpr uint32_t kMediaColours[] = {0xFF4C8DF6, 0xFFF39C38, 0xFF4DBF6A, 0xFFCB5BC0,
                                      0xFF35B5BF, 0xFFE6CC45, 0xFFE55A5A, 0xFF8C80E6};

void fill(cairo_t* cr, double x, double y, double w, double h, uint32_t argb) {
  setColour(cr, argb);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

int textWidth(const std::u16string& s) { return static_cast<int>(s.size()) * kPictureCell; }

// Text in a box from (x, y), `width` pixels wide, one line high.
void text(cairo_t* cr, int x, int y, int width, const std::u16string& s, uint32_t argb, bool bold = false,
          TextStyle::Align align = TextStyle::Left) {
  if (width < kPictureCell) return;
  TextStyle style;
  style.align = align;
  style.bold = bold;
  renderText(cr, VG_CORNERS{int16_t(x), int16_t(y), int16_t(x + width - 1), int16_t(y + kPictureLine - 1)}, s, argb, style);
}

std::u16string u(const std::string& s) { return fromUtf8Lossy(s); }
std::u16string num(int64_t v) { return u(std::to_string(v)); }

// A text cut to `cells` characters, marked with "~" when it was cut.
std::u16string fit(const std::u16string& s, size_t cells) {
  if (s.size() <= cells) return s;
  if (cells == 0) return {};
  return s.substr(0, cells - 1) + u"~";
}

std::string shortOperator(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

class Painter {
 public:
  Painter(cairo_t* cr, const StoryboardView& view, const StoryboardPictureFacts& facts)
      : cr_(cr), view_(view), facts_(facts) {
    total_ = totalLength(view.scenes);
    scale_ = double(kTrackRight - kTrackLeft) / std::max(total_, 1);
    for (const SbScene& s : view.scenes) {
      colourOf(s.clip.mediaUid);
      if (s.insert) colourOf(s.insert->clip.mediaUid);
      for (const SbAudio& a : s.audio) colourOf(a.clip.mediaUid);
    }
  }

  void paint() {
    fill(cr_, 0, 0, kWidth, cairo_image_surface_get_height(cairo_get_target(cr_)), kBackground);
    header();
    rowNames();
    if (view_.scenes.empty()) {
      text(cr_, kTrackLeft, kScenes.top + 14, kTrackRight - kTrackLeft, u"The storyboard is empty.", kDim);
      return;
    }
    ruler();
    for (size_t i = 0; i < view_.scenes.size(); ++i) scene(i);
    for (size_t i = 0; i < view_.scenes.size(); ++i) transition(i);
    table();
  }

 private:
  uint32_t colourOf(uint32_t mediaUid) {
    auto it = colours_.find(mediaUid);
    if (it == colours_.end())
      it = colours_.emplace(mediaUid, kMediaColours[colours_.size() % std::size(kMediaColours)]).first;
    return it->second;
  }
  double x(int64_t frame) const { return kTrackLeft + double(frame) * scale_; }

  void header() {
    text(cr_, kMargin, 10, kWidth - 2 * kMargin, u"Storyboard", kText, true);
    const double seconds = double(total_) / std::max(facts_.framesPerSecond, 1);
    char length[32];
    std::snprintf(length, sizeof length, "%.2f", seconds);
    std::string line = std::to_string(view_.scenes.size()) + " scenes, " + std::to_string(total_) + " frames (" +
                       length + " s at " + std::to_string(facts_.framesPerSecond) + " fps)   active: " +
                       (view_.active ? "scene " + std::to_string(*view_.active + 1) : std::string("none")) +
                       "   include-trim limit: " + std::to_string(facts_.includeTrimLimit) +
                       " frames   undo steps: " + std::to_string(facts_.undoSteps);
    text(cr_, kMargin, 28, kWidth - 2 * kMargin, u(line), kDim);
  }

  void rowNames() {
    const std::pair<Row, const char16_t*> rows[] = {{kRuler, u"frames"},    {kInserts, u"inserts"},
                                                    {kScenes, u"scenes"},   {kTransitions, u"transitions"},
                                                    {kAudio, u"audio"}};
    for (const auto& [row, name] : rows)
      text(cr_, kMargin, (row.top + row.bottom + 1 - kPictureLine) / 2, kTrackLeft - kMargin - 4, name, kDim);
  }

  void ruler() {
    const int32_t step = rulerStep(scale_, 90);
    setColour(cr_, kDim);
    cairo_set_line_width(cr_, 1);
    cairo_move_to(cr_, kTrackLeft, kRuler.bottom + 0.5);
    cairo_line_to(cr_, kTrackRight, kRuler.bottom + 0.5);
    cairo_stroke(cr_);
    for (int64_t f = 0; f <= total_; f += step) {
      const double at = std::floor(x(f)) + 0.5;
      cairo_move_to(cr_, at, kRuler.bottom - 6);
      cairo_line_to(cr_, at, kRuler.bottom);
      cairo_stroke(cr_);
      const std::u16string label = num(f);
      // The last labels keep inside the picture.
      const int left = std::min(int(at) - textWidth(label) / 2, kWidth - kMargin - textWidth(label));
      text(cr_, std::max(left, kTrackLeft - textWidth(label) / 2), kRuler.top + 4, textWidth(label), label, kDim);
    }
  }

  // A bar with the first of its labels that fits inside it; the last label
  // is cut to fit when none does (and left out below four characters).
  void bar(double left, double right, Row row, uint32_t colour, const std::vector<std::u16string>& labels) {
    const double w = std::max(1.0, right - left - 1);
    fill(cr_, left, row.top, w, row.bottom - row.top + 1, colour);
    const int inner = int(w) - 8;
    const size_t cells = size_t(std::max(0, inner / kPictureCell));
    std::u16string shown;
    for (const std::u16string& label : labels)
      if (!label.empty() && label.size() <= cells) {
        shown = label;
        break;
      }
    if (shown.empty() && !labels.empty() && cells >= std::min<size_t>(labels.back().size(), 4))
      shown = fit(labels.back(), cells);
    if (!shown.empty())
      text(cr_, int(left) + 4, (row.top + row.bottom + 1 - kPictureLine) / 2, inner, shown, kOnBar, true);
  }

  void scene(size_t i) {
    const SbScene& s = view_.scenes[i];
    const int64_t pos = positionOf(view_.scenes, i);
    const double left = x(pos), right = x(pos + s.length());
    const std::u16string number = num(int64_t(i) + 1);
    bar(left, right, kScenes, colourOf(s.clip.mediaUid),
        {number + u" " + s.clip.name + u" \u00B7 " + num(s.length()), number + u" " + s.clip.name, number});
    if (view_.active && *view_.active == i) {
      setColour(cr_, kActive);
      cairo_set_line_width(cr_, 2);
      cairo_rectangle(cr_, left + 1, kScenes.top + 1, std::max(1.0, right - left - 3), kScenes.bottom - kScenes.top - 1);
      cairo_stroke(cr_);
    }
    if (s.insert) {
      const double il = x(pos + s.insert->offset), ir = x(pos + s.insert->end());
      bar(il, ir, kInserts, colourOf(s.insert->clip.mediaUid),
          {s.insert->clip.name + u" \u00B7 " + num(s.insert->clip.length()), s.insert->clip.name});
      // Where the insert covers the scene.
      setColour(cr_, kOnBar);
      cairo_rectangle(cr_, il, kScenes.top, std::max(1.0, ir - il - 1), 4);
      cairo_fill(cr_);
    }
    for (const SbAudio& a : s.audio) {
      const int64_t at = pos + s.audioOffset(a);
      audioBar(x(at), x(at + a.clip.length()), colourOf(a.clip.mediaUid), a.clip.name);
    }
  }

  void audioBar(double left, double right, uint32_t colour, const std::u16string& name) {
    const double w = std::max(1.0, right - left - 1);
    fill(cr_, left, kAudio.top, w, kAudio.bottom - kAudio.top + 1, colour);
    // A wave across the bar marks it as sound.
    setColour(cr_, kOnBar);
    cairo_set_line_width(cr_, 1.5);
    const double mid = kAudio.bottom - 5;
    cairo_move_to(cr_, left, mid);
    for (double px = left; px < left + w; px += 3) cairo_line_to(cr_, px, mid + ((int(px - left) / 3) % 2 ? -3 : 3));
    cairo_stroke(cr_);
    const int inner = int(w) - 8;
    if (textWidth(name) <= inner) text(cr_, int(left) + 4, kAudio.top + 2, inner, name, kOnBar, true);
  }

  // A bow tie across the cut, as wide as the transition, and its operator
  // and length under it when there is room.
  void transition(size_t i) {
    const SbScene& s = view_.scenes[i];
    if (!s.transition) return;
    const double cut = x(positionOf(view_.scenes, i + 1));
    const double half = std::max(4.0, s.transition->length * scale_ / 2);
    const double top = kTransitions.top + 2, bottom = kTransitions.top + 18;
    setColour(cr_, kText);
    cairo_move_to(cr_, cut - half, top);
    cairo_line_to(cr_, cut + half, bottom);
    cairo_line_to(cr_, cut + half, top);
    cairo_line_to(cr_, cut - half, bottom);
    cairo_close_path(cr_);
    cairo_fill(cr_);
    cairo_set_line_width(cr_, 1);
    cairo_move_to(cr_, std::floor(cut) + 0.5, kScenes.top);
    cairo_line_to(cr_, std::floor(cut) + 0.5, kTransitions.top);
    cairo_stroke(cr_);
    const std::u16string label = u(shortOperator(s.transition->path)) + u" " + num(s.transition->length) +
                                 (s.transition->jingle ? u" +J" : u"");
    const int w = textWidth(label);
    const int left = std::clamp(int(cut) - w / 2, kTrackLeft, kTrackRight - w);
    // Labels that would run into the previous one are left to the table.
    if (left < nextLabelLeft_) return;
    text(cr_, left, kTransitions.top + 21, w, label, kText);
    nextLabelLeft_ = left + w + kPictureCell;
  }

  struct Column {
    const char16_t* title;
    int cells;
  };
  static constexpr Column kColumns[] = {{u"#", 4},          {u"position", 9},          {u"length", 7},
                                        {u"type", 5},       {u"clip", 22},             {u"trims (handles)", 30},
                                        {u"insert at offset", 44}, {u"audio", 18},    {u"transition to next", 26}};

  void table() {
    int left = kMargin;
    for (const Column& c : kColumns) {
      text(cr_, left, kTableTop, c.cells * kPictureCell, c.title, kDim, true);
      left += c.cells * kPictureCell;
    }
    for (size_t i = 0; i < view_.scenes.size(); ++i) tableRow(i, kTableTop + kTableRow * int(i + 1));
  }

  static std::u16string trims(const SbClip& c) {
    return u"in " + num(c.in - c.keptFirst()) + u" out " + num(c.out - c.keptFirst()) + u" (" + num(c.headHandle()) +
           u"/" + num(c.tailHandle()) + u")";
  }

  void tableRow(size_t i, int y) {
    const SbScene& s = view_.scenes[i];
    const bool active = view_.active && *view_.active == i;
    if (active) fill(cr_, kMargin - 4, y - 2, kWidth - 2 * kMargin + 8, kTableRow, 0xFF33373E);
    std::u16string insert, audio, transition;
    if (s.insert)
      insert = s.insert->clip.name + u" @" + num(s.insert->offset) + u" " + num(s.insert->clip.length()) + u"f (" +
               num(s.insert->clip.headHandle()) + u"/" + num(s.insert->clip.tailHandle()) + u")";
    for (const SbAudio& a : s.audio) audio += (audio.empty() ? u"" : u", ") + a.clip.name;
    if (s.transition)
      transition = u(shortOperator(s.transition->path)) + u" " + num(s.transition->length) + u"f" +
                   (s.transition->jingle ? u" + jingle" : u"");
    const std::u16string cells[] = {num(int64_t(i) + 1) + (active ? u"*" : u""),
                                    num(positionOf(view_.scenes, i)),
                                    num(s.length()),
                                    num(s.type),
                                    s.clip.name,
                                    trims(s.clip),
                                    insert,
                                    audio,
                                    transition};
    int left = kMargin;
    for (size_t c = 0; c < std::size(kColumns); ++c) {
      const int cellsWide = kColumns[c].cells;
      int textLeft = left;
      if ((c == 4 || (c == 6 && s.insert)) && !cells[c].empty()) {
        fill(cr_, left, y + 3, 10, 10, colourOf(c == 4 ? s.clip.mediaUid : s.insert->clip.mediaUid));
        textLeft += 14;
      }
      const size_t room = size_t(std::max(0, (left + (cellsWide - 1) * kPictureCell - textLeft) / kPictureCell));
      text(cr_, textLeft, y, int(room) * kPictureCell, fit(cells[c], room), active ? kActive : kText);
      left += cellsWide * kPictureCell;
    }
  }

  cairo_t* cr_;
  const StoryboardView& view_;
  const StoryboardPictureFacts& facts_;
  int32_t total_ = 0;
  double scale_ = 1;
  std::map<uint32_t, uint32_t> colours_;
  int nextLabelLeft_ = 0;
};

// The font caches stay while a surface that may use them lives.
struct SurfaceGuard {
  SurfaceGuard() { framebufferMade(); }
  ~SurfaceGuard() { framebufferGone(); }
};

}  // namespace

int32_t rulerStep(double pixelsPerFrame, int minPixels) {
  if (!(pixelsPerFrame > 0)) return 1;
  for (int64_t power = 1; power <= 1'000'000'000; power *= 10)
    for (int64_t m : {1, 2, 5})
      if (double(m * power) * pixelsPerFrame >= minPixels) return static_cast<int32_t>(m * power);
  return 1'000'000'000;
}

bool writeStoryboardPicture(const StoryboardView& view, const StoryboardPictureFacts& facts,
                            const std::filesystem::path& file) {
  const int rows = std::max<int>(1, static_cast<int>(view.scenes.size()));
  const int height = kTableTop + kTableRow * (rows + 1) + kMargin;
  const SurfaceGuard guard;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, height);
  cairo_t* cr = cairo_create(surface);
  Painter(cr, view, facts).paint();
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  const bool written = cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return written;
}

}  // namespace hostsim
