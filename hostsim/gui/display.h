#pragma once
// The display side of the host GUI: monitors and their framebuffers, the
// default monitor, colours and the drawing state, pointer and beeps.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hostsim/gui/screen.h"

struct VG_IMAGE;

namespace hostsim {

class Host;

class Display {
 public:
  explicit Display(Host& host);
  ~Display();

  Screen& screen();
  const Screen& screen() const;

  int32_t defaultMonitor() const;
  /// Returns the previous default, -1 for a monitor that is not connected.
  int32_t setDefaultMonitor(int32_t monitor);

  /// Colour of a GUI colour index (classic and current tables), YUV.
  uint32_t guiColour(int32_t index) const;
  uint32_t newGuiColour(int32_t index) const;
  /// The colour of later fills and texts (vgSetColorYUV), YUV.
  uint32_t currentColour() const;
  void setCurrentColour(uint32_t yuv);

  /// An image of the host GUI's own set (buttons' pictures), owned by the display.
  VG_IMAGE* guiImage(int32_t id);

  /// Pointer beeps heard so far (refused actions).
  int beeps() const;
  void beep();

  std::vector<std::string> liveHandles() const;

 private:
  struct State;
  Host& host_;
  std::unique_ptr<State> state_;
};

}  // namespace hostsim
