// Placeholder until the display is written; keeps the tree building.
#include "hostsim/gui/display.h"

namespace hostsim {

struct Display::State {
  Screen screen{{}};
};
Display::Display(Host& host) : host_(host), state_(std::make_unique<State>()) {}
Display::~Display() = default;
Screen& Display::screen() { return state_->screen; }
const Screen& Display::screen() const { return state_->screen; }
int32_t Display::defaultMonitor() const { return 1; }
int32_t Display::setDefaultMonitor(int32_t) { return -1; }
uint32_t Display::guiColour(int32_t) const { return 0x808080FFu; }
uint32_t Display::newGuiColour(int32_t) const { return 0x808080FFu; }
uint32_t Display::currentColour() const { return 0x808080FFu; }
void Display::setCurrentColour(uint32_t) {}
VG_IMAGE* Display::guiImage(int32_t) { return nullptr; }
int Display::beeps() const { return 0; }
void Display::beep() {}
std::vector<std::string> Display::liveHandles() const { return {}; }

}  // namespace hostsim
