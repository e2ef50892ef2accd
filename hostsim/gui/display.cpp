#include "hostsim/gui/display.h"

#include <algorithm>
#include <utility>

#include "hostsim/core/host.h"
#include "hostsim/gui/display_state.h"
#include "hostsim/gui/palette.h"

namespace hostsim {

namespace {

constexpr size_t kMostMonitors = 4;
constexpr int16_t kLargestScreen = 8192;
constexpr int16_t kHighDefinitionHeight = 720;

void fixVisibleArea(MonitorConfig& m, int number, HostLog& log) {
  if (m.visibleX1 < 0) {
    m.visibleX0 = 0;
    m.visibleY0 = 0;
    m.visibleX1 = static_cast<int16_t>(m.width - 1);
    m.visibleY1 = static_cast<int16_t>(m.height - 1);
    return;
  }
  const MonitorConfig before = m;
  m.visibleX0 = std::clamp<int16_t>(m.visibleX0, 0, static_cast<int16_t>(m.width - 1));
  m.visibleX1 = std::clamp<int16_t>(m.visibleX1, 0, static_cast<int16_t>(m.width - 1));
  m.visibleY0 = std::clamp<int16_t>(m.visibleY0, 0, static_cast<int16_t>(m.height - 1));
  m.visibleY1 = std::clamp<int16_t>(m.visibleY1, 0, static_cast<int16_t>(m.height - 1));
  if (m.visibleX1 < m.visibleX0 || m.visibleY1 < m.visibleY0) {
    m.visibleX0 = m.visibleY0 = 0;
    m.visibleX1 = static_cast<int16_t>(m.width - 1);
    m.visibleY1 = static_cast<int16_t>(m.height - 1);
  }
  if (before.visibleX0 != m.visibleX0 || before.visibleY0 != m.visibleY0 || before.visibleX1 != m.visibleX1 ||
      before.visibleY1 != m.visibleY1)
    log.host(4, "monitor " + std::to_string(number) + ": visible area outside the screen, corrected");
}

}  // namespace

std::vector<MonitorConfig> usableMonitors(const std::vector<MonitorConfig>& configured, HostLog& log) {
  std::vector<MonitorConfig> out(configured.begin(), configured.begin() + std::min(configured.size(), kMostMonitors));
  if (configured.size() > kMostMonitors) log.host(4, "more than four monitors configured; the first four are used");
  if (out.empty()) {
    log.host(4, "no monitor configured; one HD monitor is used");
    out.emplace_back();
  }
  for (size_t i = 0; i < out.size(); ++i) {
    MonitorConfig& m = out[i];
    const int number = static_cast<int>(i + 1);
    if (m.width < 1 || m.height < 1 || m.width > kLargestScreen || m.height > kLargestScreen) {
      log.host(4, "monitor " + std::to_string(number) + ": unusable screen size, corrected");
      m.width = std::clamp<int16_t>(m.width, 1, kLargestScreen);
      m.height = std::clamp<int16_t>(m.height, 1, kLargestScreen);
    }
    if (m.aspectX <= 0 || m.aspectY <= 0) {
      log.host(4, "monitor " + std::to_string(number) + ": unusable pixel aspect, 16:9 used");
      m.aspectX = 16;
      m.aspectY = 9;
    }
    fixVisibleArea(m, number, log);
  }
  return out;
}

Display::Display(Host& host)
    : host_(host), state_(std::make_unique<State>(usableMonitors(host.config().monitors, host.log()))) {
  const int32_t wanted = host.config().defaultMonitor;
  if (state_->screen.validMonitor(wanted)) {
    state_->defaultMonitor = wanted;
  } else {
    host.log().host(4, "default monitor " + std::to_string(wanted) + " is not connected; monitor 1 is used");
  }
  const uint32_t background = 0xFF000000u | *palette::backgroundRgb(palette::kScreenBackground);
  for (int m = 1; m <= state_->screen.monitorCount(); ++m)
    state_->screen.fillRect(
        m, {0, 0, static_cast<int16_t>(state_->screen.width(m) - 1), static_cast<int16_t>(state_->screen.height(m) - 1)},
        background);
}

Display::~Display() = default;

Screen& Display::screen() { return state_->screen; }
const Screen& Display::screen() const { return state_->screen; }

int32_t Display::connectedMonitors() const { return state_->screen.monitorCount(); }

int32_t Display::defaultMonitor() const {
  std::lock_guard lock(state_->mutex);
  return state_->defaultMonitor;
}

int32_t Display::setDefaultMonitor(int32_t monitor) {
  if (!state_->screen.validMonitor(monitor)) return -1;
  std::lock_guard lock(state_->mutex);
  return std::exchange(state_->defaultMonitor, monitor);
}

std::optional<VG_CORNERS> Display::visibleArea(int32_t monitor) const {
  if (!state_->screen.validMonitor(monitor)) return std::nullopt;
  const MonitorConfig& m = state_->monitors[static_cast<size_t>(monitor - 1)];
  return VG_CORNERS{m.visibleX0, m.visibleY0, m.visibleX1, m.visibleY1};
}

std::optional<PIXEL_ASPECT> Display::pixelAspect(int32_t monitor) const {
  if (!state_->screen.validMonitor(monitor)) return std::nullopt;
  const MonitorConfig& m = state_->monitors[static_cast<size_t>(monitor - 1)];
  return PIXEL_ASPECT{m.aspectX, m.aspectY};
}

std::optional<VG_CORNERS> Display::clipRect(int32_t monitor) const {
  if (!state_->screen.validMonitor(monitor)) return std::nullopt;
  return state_->screen.clip(monitor);
}

int32_t Display::setClipRect(VG_PANEL panel, VG_CORNERS rect) {
  const auto origin = target(panel);
  if (!origin) return -1;
  const auto shift = [](int v, int by) { return static_cast<int16_t>(std::clamp(v + by, -32768, 32767)); };
  state_->screen.setClip(defaultMonitor(), {shift(rect.x0, origin->x), shift(rect.y0, origin->y),
                                            shift(rect.x1, origin->x), shift(rect.y1, origin->y)});
  return 0;
}

int32_t Display::videoMode() const { return 0; }

int32_t Display::dviMode() const { return state_->screen.height(defaultMonitor()) >= kHighDefinitionHeight ? 1 : 0; }

bool Display::colourBarOn() const {
  std::lock_guard lock(state_->mutex);
  return state_->colourBar;
}

void Display::setColourBar(bool on) {
  std::lock_guard lock(state_->mutex);
  state_->colourBar = on;
}

int32_t Display::disableRefresh(int32_t monitor) {
  if (!state_->screen.validMonitor(monitor)) return -1;
  std::lock_guard lock(state_->mutex);
  ++state_->refreshDepth[static_cast<size_t>(monitor - 1)];
  return 0;
}

int32_t Display::enableRefresh(int32_t monitor) {
  if (!state_->screen.validMonitor(monitor)) return -1;
  std::lock_guard lock(state_->mutex);
  int& depth = state_->refreshDepth[static_cast<size_t>(monitor - 1)];
  if (depth == 0) return -1;
  --depth;
  return 0;
}

int Display::refreshDepth(int32_t monitor) const {
  if (!state_->screen.validMonitor(monitor)) return 0;
  std::lock_guard lock(state_->mutex);
  return state_->refreshDepth[static_cast<size_t>(monitor - 1)];
}

uint32_t Display::guiColour(int32_t index) const { return argbToYuv(0xFF000000u | palette::classicRgb(index)); }
uint32_t Display::newGuiColour(int32_t index) const { return argbToYuv(0xFF000000u | palette::currentRgb(index)); }

std::optional<uint32_t> Display::backgroundColour(int32_t index) const {
  const auto rgb = palette::backgroundRgb(index);
  if (!rgb) return std::nullopt;
  return argbToYuv(0xFF000000u | *rgb);
}

uint32_t Display::textColour() const { return argbToYuv(0xFF000000u | palette::kTextRgb); }

uint32_t Display::currentColour() const {
  std::lock_guard lock(state_->mutex);
  return state_->currentYuv;
}

uint32_t Display::currentArgb() const {
  std::lock_guard lock(state_->mutex);
  return state_->currentArgb;
}

void Display::setCurrentColour(uint32_t yuv) {
  std::lock_guard lock(state_->mutex);
  state_->currentYuv = yuv;
  state_->currentArgb = yuvToArgb(yuv);
}

void Display::setCurrentColourRgb(uint32_t rgba) {
  // Kept as given, so that RGB colours are drawn without a round trip through YUV.
  const uint32_t argb = (rgba << 24) | (rgba >> 8);
  std::lock_guard lock(state_->mutex);
  state_->currentArgb = argb;
  state_->currentYuv = argbToYuv(argb);
}

int Display::beeps() const {
  std::lock_guard lock(state_->mutex);
  return state_->beeps;
}

void Display::beep() {
  {
    std::lock_guard lock(state_->mutex);
    ++state_->beeps;
  }
  host_.log().host(6, "pointer beep");
}

void Display::setBusyPointer(bool busy) {
  std::lock_guard lock(state_->mutex);
  state_->pointer.busy = busy;
}

int32_t Display::setPointerAttrs(int32_t look, int32_t a, int32_t b, int32_t c) {
  if (look < 0) return -1;
  std::lock_guard lock(state_->mutex);
  state_->pointer.look = look;
  state_->pointer.attrs[0] = a;
  state_->pointer.attrs[1] = b;
  state_->pointer.attrs[2] = c;
  return 0;
}

int32_t Display::setPointerPosition(int16_t x, int16_t y) {
  const int32_t monitor = defaultMonitor();
  if (x < 0 || y < 0 || x >= state_->screen.width(monitor) || y >= state_->screen.height(monitor)) return -1;
  std::lock_guard lock(state_->mutex);
  state_->pointer.x = x;
  state_->pointer.y = y;
  return 0;
}

PointerState Display::pointer() const {
  std::lock_guard lock(state_->mutex);
  return state_->pointer;
}

void Display::setPlaceSource(PlaceSource source) {
  std::lock_guard lock(state_->mutex);
  state_->placeSource = std::move(source);
}

}  // namespace hostsim
