// Placeholder until the framebuffers are written; keeps the tree building.
#include "hostsim/gui/screen.h"

namespace hostsim {

uint32_t yuvToArgb(uint32_t) { return 0xFF000000u; }
uint32_t argbToYuv(uint32_t) { return 0x008080FFu; }
struct Screen::Monitor {};
Screen::Screen(const std::vector<MonitorConfig>&) {}
Screen::~Screen() = default;
int Screen::monitorCount() const { return 0; }
bool Screen::validMonitor(int) const { return false; }
int16_t Screen::width(int) const { return 0; }
int16_t Screen::height(int) const { return 0; }
void Screen::setClip(int, VG_CORNERS) {}
VG_CORNERS Screen::clip(int) const { return {}; }
void Screen::resetClip(int) {}
void Screen::fillRect(int, VG_CORNERS, uint32_t) {}
void Screen::drawFrame(int, VG_CORNERS, uint32_t, uint32_t, int) {}
void Screen::drawText(int, VG_CORNERS, std::u16string_view, uint32_t, TextStyle) {}
void Screen::drawPixels(int, const uint8_t*, int, int, int, int, int) {}
void Screen::drawImage(int, const VG_IMAGE&, int, int) {}
uint32_t Screen::pixel(int, int, int) const { return 0; }
std::vector<uint32_t> Screen::saveRect(int, VG_CORNERS) const { return {}; }
void Screen::restoreRect(int, VG_CORNERS, const std::vector<uint32_t>&) {}
bool Screen::savePng(int, const std::filesystem::path&) const { return false; }
void Screen::drawTextInto(uint8_t*, int, int, VG_CORNERS, std::u16string_view, uint32_t, TextStyle) {}

}  // namespace hostsim
