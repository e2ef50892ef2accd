#pragma once
// The display side of the host GUI: monitors and their framebuffers, the
// default monitor, colours and the drawing state, pointer and beeps.
//
// Drawing calls take panel coordinates: panel 0 is the screen of the default
// monitor, any other panel is placed by the host's panels. Everything drawn
// is clipped to the clip rectangle of the monitor it lands on. Every member
// is safe to call from any thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_types.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/screen.h"

struct VG_IMAGE;

namespace hostsim {

class Host;

/// Bits of the style word of vgBoxText and vgBoxTextBuffer.
enum BoxTextStyle : uint32_t {
  kTextLeft = 0x01,            ///< (also when no alignment bit is set)
  kTextCentre = 0x02,
  kTextRight = 0x04,
  kTextMiddle = 0x10,          ///< centred vertically, else at the top of the box
  kTextCurrentColour = 0x40,   ///< the current colour, else the GUI text colour
  kTextBold = 0x200,
};
/// The look a style word asks for.
TextStyle boxTextStyle(uint32_t style);

/// Styles of vgDrawBoxNew.
enum BoxStyle : int32_t {
  kBoxRaised = 4,   ///< a raised panel part (light edge top and left)
  kBoxSunken = 11,  ///< a frame sunk into the panel (output boxes)
};

/// The pointer's state as the operator left it.
struct PointerState {
  bool busy = false;
  int32_t look = 1;
  int32_t attrs[3] = {0, 0, 0};
  int16_t x = 0, y = 0;
};

class Display {
 public:
  explicit Display(Host& host);
  ~Display();

  Screen& screen();
  const Screen& screen() const;

  // ---- monitors ----------------------------------------------------------
  int32_t connectedMonitors() const;
  int32_t defaultMonitor() const;
  /// Returns the previous default, -1 for a monitor that is not connected.
  int32_t setDefaultMonitor(int32_t monitor);
  /// Visible area (inclusive corners); nullopt for a monitor not connected.
  std::optional<VG_CORNERS> visibleArea(int32_t monitor) const;
  /// Pixel aspect; nullopt for a monitor not connected.
  std::optional<PIXEL_ASPECT> pixelAspect(int32_t monitor) const;
  /// Clip rectangle of a monitor in screen coordinates.
  std::optional<VG_CORNERS> clipRect(int32_t monitor) const;
  /// Clip rectangle of the default monitor, in the panel's coordinates
  /// (panel 0: the screen's). -1 for a panel that does not exist.
  int32_t setClipRect(VG_PANEL panel, VG_CORNERS rect);
  /// 1 in the high-definition video modes; the formats here are standard definition.
  int32_t videoMode() const;
  /// 1 when the default monitor is a high-definition screen.
  int32_t dviMode() const;
  bool colourBarOn() const;
  void setColourBar(bool on);

  /// Refresh brackets of a monitor: depth counting. -1 for a monitor not
  /// connected, or enabling what was not disabled.
  int32_t disableRefresh(int32_t monitor);
  int32_t enableRefresh(int32_t monitor);
  int refreshDepth(int32_t monitor) const;

  // ---- colours -------------------------------------------------------------
  /// Colour of a GUI colour index (classic and current tables), YUV.
  uint32_t guiColour(int32_t index) const;
  uint32_t newGuiColour(int32_t index) const;
  /// Background colour by index, YUV; nullopt for an index the GUI lacks.
  std::optional<uint32_t> backgroundColour(int32_t index) const;
  /// The colour of texts not drawn in the current colour, YUV.
  uint32_t textColour() const;
  /// The colour of later fills and texts (vgSetColorYUV), YUV.
  uint32_t currentColour() const;
  void setCurrentColour(uint32_t yuv);
  /// Sets the current colour from RGB (red in the top byte, alpha lowest).
  void setCurrentColourRgb(uint32_t rgba);

  // ---- drawing in panel coordinates; 0 or -1 ---------------------------------
  int32_t fillRect(VG_PANEL panel, VG_CORNERS rect);
  int32_t fillBackground(VG_PANEL panel, VG_CORNERS rect, int32_t colourIndex);
  /// A bevelled box; fillIndex > 0 fills its inside with that background.
  int32_t drawBox(VG_PANEL panel, VG_CORNERS rect, int32_t style, int32_t fillIndex);
  int32_t boxText(VG_PANEL panel, std::u16string_view text, VG_RECT box, uint32_t style);
  /// Writes width x height 32-bit pixels (VG_IMAGE layout), opaque.
  int32_t writeRaw(VG_PANEL panel, const void* pixels, VG_RECT rect);
  /// Writes a GUI image the host knows (allocated, resource or GUI picture);
  /// blend: by its alpha (pictures), else opaque (video pictures).
  int32_t writeImage(VG_PANEL panel, const VG_IMAGE* image, int16_t x, int16_t y, bool blend);

  // ---- off-screen buffers of 32-bit pixels ----------------------------------
  int32_t fillBuffer(void* buffer, int16_t bufferWidth, VG_CORNERS rect) const;
  int32_t boxTextBuffer(void* buffer, int16_t bufferWidth, int16_t bufferHeight, std::u16string_view text, VG_RECT box,
                        uint32_t style) const;

  // ---- images ----------------------------------------------------------------
  /// A header with width x height pixels of its own; null for a size below 1.
  VG_IMAGE* allocImage(uint32_t flags, int16_t width, int16_t height);
  /// Frees an image of allocImage and its own pixels, whatever the header
  /// points at now. False for an image the display did not allocate.
  bool freeImage(VG_IMAGE* image);
  /// An image of the host GUI's own set (buttons' pictures), owned by the display.
  VG_IMAGE* guiImage(int32_t id);
  /// True for images the host owns: allocated, GUI pictures, resource images.
  bool knownImage(const VG_IMAGE* image) const;

  // ---- pointer ----------------------------------------------------------------
  /// Pointer beeps heard so far (refused actions).
  int beeps() const;
  void beep();
  void setBusyPointer(bool busy);
  /// -1 for a negative look.
  int32_t setPointerAttrs(int32_t look, int32_t a, int32_t b, int32_t c);
  /// -1 outside the default monitor's screen.
  int32_t setPointerPosition(int16_t x, int16_t y);
  PointerState pointer() const;

  /// Where panel places come from; by default the host's panels. Tests of the
  /// display alone put their own places here.
  using PlaceSource = std::function<std::optional<PanelPlace>(VG_PANEL)>;
  void setPlaceSource(PlaceSource source);

  std::vector<std::string> liveHandles() const;

 private:
  struct State;
  struct Target {
    int monitor;
    int x, y;  ///< the panel's origin on the screen
  };
  std::optional<Target> target(VG_PANEL panel) const;
  uint32_t currentArgb() const;

  Host& host_;
  std::unique_ptr<State> state_;
};

}  // namespace hostsim
