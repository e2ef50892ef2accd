// The host's modal requests: a box on the default monitor that takes the
// user's next answer of its kind, then gives the screen back as it was.
// With no such answer next, the request counts as cancelled.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/gui/elements_draw.h"
#include "hostsim/gui/metrics.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/requests.h"
#include "hostsim/gui/requests_geometry.h"
#include "hostsim/gui/user_input.h"

namespace hostsim {

using namespace window_look;

namespace {

std::vector<std::u16string> splitOn(std::u16string_view text, char16_t sep) {
  std::vector<std::u16string> out;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(sep, start);
    out.emplace_back(text.substr(start, end == std::u16string_view::npos ? std::u16string_view::npos : end - start));
    if (end == std::u16string_view::npos) return out;
    start = end + 1;
  }
}

int textWidth(std::u16string_view t) { return static_cast<int>(t.size()) * metrics::kCharWidth; }

}  // namespace

/// What a modal box shows.
struct ModalContent {
  std::u16string title;
  std::u16string message;
  std::vector<std::u16string> buttons;
  std::optional<std::u16string> field;  ///< a text entry line
  std::optional<uint32_t> swatch;       ///< a colour, YUV
};

/// A modal box on the screen for as long as it lives.
class ModalBox {
 public:
  ModalBox(Panels& panels, const ModalContent& content) : panels_(panels) {
    std::lock_guard lock(panels_.mutex_);
    monitor_ = panels_.host_.display().defaultMonitor();
    Screen& screen = panels_.host_.display().screen();
    if (!screen.validMonitor(monitor_)) return;
    layout(content);
    saved_ = screen.saveRect(monitor_, outer_);
    UnclippedDrawing unclipped(screen, monitor_);
    paint(content);
    panels_.input().modalShown(monitor_, content.title);
  }

  ~ModalBox() {
    std::lock_guard lock(panels_.mutex_);
    Screen& screen = panels_.host_.display().screen();
    if (saved_.empty() || !screen.validMonitor(monitor_)) return;
    UnclippedDrawing unclipped(screen, monitor_);
    screen.restoreRect(monitor_, outer_, saved_);
  }

  ModalBox(const ModalBox&) = delete;
  ModalBox& operator=(const ModalBox&) = delete;

 private:
  static constexpr int kLine = metrics::kFontHeight + metrics::kAddHeight;

  void layout(const ModalContent& c) {
    const auto lines = splitOn(c.message, u'\n');
    int w = 240;
    for (const auto& l : lines) w = std::max(w, textWidth(l) + 16);
    if (c.field) w = std::max(w, 32 * metrics::kCharWidth + 8);
    buttonWidth_ = kButtonWidth;
    for (const auto& caption : c.buttons) buttonWidth_ = std::max(buttonWidth_, textWidth(caption) + 16);
    const int buttonsWidth = static_cast<int>(c.buttons.size()) * (buttonWidth_ + kPad);
    w = std::max(w, buttonsWidth);
    messageHeight_ = static_cast<int>(lines.size()) * kLine;
    int h = messageHeight_ + kPad + kButtonHeight;
    if (c.field) h += kLine + 8 + kPad;
    if (c.swatch) h += 40 + kPad;
    const HostConfig& config = panels_.host_.config();
    const int outerW = w + 2 * (kBorder + kPad), outerH = h + 2 * kPad + 2 * kBorder + kTitleHeight;
    outer_ = centredBox(monitorVisible(config, monitor_), monitorScreen(config, monitor_), outerW, outerH);
    inner_ = {static_cast<int16_t>(outer_.x0 + kBorder + kPad), static_cast<int16_t>(outer_.y0 + kBorder + kTitleHeight + kPad),
              static_cast<int16_t>(outer_.x1 - kBorder - kPad), static_cast<int16_t>(outer_.y1 - kBorder - kPad)};
  }

  void paint(const ModalContent& c) {
    Screen& screen = panels_.host_.display().screen();
    DrawContext ctx{screen, monitor_, panels_.fps(), listRowHeight(monitor_),
                    yuvToArgb(panels_.host_.display().newGuiColour(2))};
    drawWindowFrame(ctx, outer_, kTitleHeight, c.title);
    int y = inner_.y0;
    drawMessage(ctx, {inner_.x0, static_cast<int16_t>(y), inner_.x1, static_cast<int16_t>(y + messageHeight_ - 1)}, c.message);
    y += messageHeight_ + kPad;
    if (c.field) {
      ElementRec field;
      field.kind = ElementKind::StringGadget;
      field.text = *c.field;
      drawElement(ctx, rect(inner_.x0, y, inner_.x1 - inner_.x0 + 1, kLine + 8), field);
      y += kLine + 8 + kPad;
    }
    if (c.swatch) {
      const int x = inner_.x0 + (inner_.x1 - inner_.x0 + 1 - 80) / 2;
      drawSwatch(ctx, {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(x + 79), static_cast<int16_t>(y + 39)},
                 *c.swatch);
      y += 40 + kPad;
    }
    paintButtons(ctx, c.buttons, y);
  }

  void paintButtons(const DrawContext& ctx, const std::vector<std::u16string>& buttons, int y) const {
    // Every button is as wide as the widest caption needs, so none is cut.
    const int total = static_cast<int>(buttons.size()) * (buttonWidth_ + kPad) - kPad;
    int x = inner_.x0 + (inner_.x1 - inner_.x0 + 1 - total) / 2;
    for (const auto& caption : buttons) {
      ElementRec b;
      b.kind = ElementKind::TextButton;
      b.caption = caption;
      drawElement(ctx, rect(x, y, buttonWidth_, kButtonHeight), b);
      x += buttonWidth_ + kPad;
    }
  }

  static VG_RECT rect(int x, int y, int w, int h) {
    return {static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(w), static_cast<int16_t>(h)};
  }

  Panels& panels_;
  int32_t monitor_ = 1;
  VG_CORNERS outer_{};
  VG_CORNERS inner_{};
  int messageHeight_ = 0;
  int buttonWidth_ = kButtonWidth;
  std::vector<uint32_t> saved_;
};

namespace {

std::vector<std::u16string> textButtons(const VREQ_TEXT& r) {
  if (r.buttons && r.buttons[0]) return splitOn(r.buttons, u'|');
  if ((r.flags & 0x40) != 0) return {u"Yes", u"No"};
  if ((r.flags & 3) == 3) return {u"OK", u"Cancel"};
  return {u"OK"};
}

std::optional<Answer> takeOrCancel(Host& host, AnswerKind kind, const std::u16string& title) {
  std::optional<Answer> a = host.user().takeAnswer(kind);
  if (!a)
    host.log().host(4, std::string(answerKindName(kind)) + " request \"" + toUtf8(title) +
                           "\": the user gave no answer of that kind, so it counts as cancelled");
  return a;
}

bool choosesExistingFile(uint32_t mode) { return mode == 1 || mode == 3 || mode == 0x10001; }

// The folder the requester shows: a directory that already lies in the home
// directory stands as it is (a medium's folder); any other is relative to it.
std::string offeredFolder(const std::filesystem::path& home, const char* directory) {
  std::string dir = directory ? directory : "";
  std::error_code ec;
  const std::string base = home.empty() ? std::string() : std::filesystem::absolute(home, ec).string();
  if (base.empty() || dir.compare(0, base.size(), base) == 0) return dir;
  if (!dir.empty() && dir.front() != '/') dir.insert(dir.begin(), '/');
  return base + dir;
}

// A typed absolute path stands as it is; a name is taken in the folder.
std::string chosenPath(const std::string& folder, const std::string& answer) {
  if (answer.front() == '/' || folder.empty()) return answer;
  return folder.back() == '/' ? folder + answer : folder + "/" + answer;
}

// The requester offers the last name again next time, when it fits.
void rememberName(VREQ_FILE& request, const std::string& answer) {
  const std::string name = answer.substr(answer.find_last_of('/') + 1);
  if (!request.defaultName || request.defaultNameSize <= 0) return;
  if (name.size() >= static_cast<size_t>(request.defaultNameSize)) return;
  std::memcpy(request.defaultName, name.c_str(), name.size() + 1);
}

}  // namespace

int32_t Panels::textRequest(VREQ_TEXT* request) {
  if (!request) return -1;
  ModalContent c{copyText(request->title), copyText(request->text), textButtons(*request), {}, {}};
  const int32_t count = static_cast<int32_t>(c.buttons.size());
  {
    ModalBox box(*this, c);
    host_.log().host(6, "text request \"" + toUtf8(c.title) + "\": " + toUtf8(c.message));
    request->answer = 0;
    if (std::optional<Answer> a = takeOrCancel(host_, AnswerKind::Text, c.title)) {
      if (a->number >= 0 && a->number <= count) request->answer = static_cast<int32_t>(a->number);
      else host_.log().host(4, "text request: there is no button " + std::to_string(a->number) + "; cancelled");
    }
  }
  return 0;
}

int32_t Panels::keyRequest(VREQ_KEY* request) {
  if (!request || !request->buffer || request->size <= 0) {
    host_.log().host(4, "vreqKeyRequest: no buffer to edit");
    return -1;
  }
  const std::u16string title = copyText(request->title);
  ModalBox box(*this, {title, {}, {u"OK", u"Cancel"}, std::u16string(request->buffer), {}});
  request->answer = 0;
  if (std::optional<Answer> a = takeOrCancel(host_, AnswerKind::Key, title)) {
    std::u16string text = fromUtf8Lossy(a->text);
    // The buffer holds `size` characters and the terminator.
    if (text.size() > static_cast<size_t>(request->size)) text.resize(static_cast<size_t>(request->size));
    std::copy(text.begin(), text.end(), request->buffer);
    request->buffer[text.size()] = 0;
    request->answer = 1;
  }
  return 0;
}

int32_t Panels::paletteRequest(VREQ_PALETTE* request) {
  if (!request) return -1;
  const std::u16string title = copyText(request->title);
  ModalBox box(*this, {title, {}, {u"OK", u"Cancel"}, {}, request->colour});
  request->answer = 0;
  if (std::optional<Answer> a = takeOrCancel(host_, AnswerKind::Palette, title)) {
    request->colour = static_cast<uint32_t>(a->number);
    request->answer = 1;
  }
  return 0;
}

int32_t Panels::fileRequest(VREQ_FILE* request) {
  if (!request || !request->result || request->resultSize <= 0) {
    host_.log().host(4, "vreqFileRequest: no result buffer");
    return -1;
  }
  const std::u16string title = copyText(request->title);
  const std::string folder = offeredFolder(host_.config().home, request->directory);
  ModalBox box(*this, {title, fromUtf8Lossy(folder), {u"OK", u"Cancel"}, std::u16string(), {}});
  request->answer = 0;
  std::optional<Answer> a = takeOrCancel(host_, AnswerKind::File, title);
  if (!a || a->text.empty()) return 0;
  const std::string path = chosenPath(folder, a->text);
  std::error_code ec;
  if (choosesExistingFile(request->mode) && !std::filesystem::exists(path, ec)) {
    // The requester lists the files there are: a missing one cannot be picked.
    host_.log().host(4, "file request \"" + toUtf8(title) + "\": there is no file " + path + "; cancelled");
    return 0;
  }
  if (path.size() >= static_cast<size_t>(request->resultSize)) {
    // A shortened path would name another file.
    host_.log().host(4, "file request: the path " + path + " does not fit the result buffer; cancelled");
    return 0;
  }
  std::memcpy(request->result, path.c_str(), path.size() + 1);
  rememberName(*request, a->text);
  host_.log().host(6, "file request \"" + toUtf8(title) + "\": " + path);
  request->answer = 1;
  return 0;
}

std::optional<Answer> Panels::chooserRequest(AnswerKind kind, const std::u16string& title, const std::u16string& message) {
  ModalBox box(*this, {title, message, {u"OK", u"Cancel"}, {}, {}});
  return takeOrCancel(host_, kind, title);
}

int32_t Panels::archivesRequest(const XCHAR* title) {
  const std::u16string t = copyText(title);
  ModalBox box(*this, {t, {}, {u"Load", u"Save", u"Delete", u"Cancel"}, {}, {}});
  std::optional<Answer> a = takeOrCancel(host_, AnswerKind::Archives, t);
  return a ? static_cast<int32_t>(a->number) : 0;
}

}  // namespace hostsim
