#pragma once
/// Host GUI library: monitors, metrics, colours, drawing, panels and input.
/// Only the host's calling thread draws and builds panels; other threads
/// only post messages.
#include "host/host_types.h"

/// A GUI image: 32-bit pixels stored as the bytes blue, green, red, alpha
/// (the order the picture scaler writes), `width` pixels to a line.
struct VG_IMAGE {
  uint8_t* pixels;
  int16_t width;
  int16_t height;
  uint32_t flags;
};

/// A gadget extension record: 32 bytes the host's gadgets read.
struct VG_GADEXT {
  uint8_t bytes[32];
};
static_assert(sizeof(VG_GADEXT) == 32);

/// Formats a value (in frames) as text for a slider; text holds at least
/// VG_TIME_TEXT_MAX characters. Returns the number of characters.
typedef int32_t (*VG_SLIDER_TEXT_FN)(int32_t frames, XCHAR* text);
#define VG_TIME_TEXT_MAX 32

/// Input-context ids (parser ids) a root panel can be given.
#define VG_PARSER_MAIN 0x520F0064u
#define VG_PARSER_PLAYBACK 0x520F0065u
#define VG_PARSER_MOVE_CUT 0x520F0066u
#define VG_PARSER_SYNC 0x520F0067u

extern "C" {

// ---- Monitors and screen ---------------------------------------------------

/// Number of connected monitors (1..4).
int32_t vgGetConnectedMonitors(void);
/// Monitor that later calls address (1-based). 
int32_t vgGetDefaultMonitor(void);
/// Makes monitor the default; returns the previous one, -1 for a bad monitor.
int32_t vgSetDefaultMonitor(int32_t monitor);
/// Size of the default monitor's screen.
int16_t vgGetScreenWidth(void);
int16_t vgGetScreenHeight(void);
/// Size of a given monitor's screen; 0 for a monitor that is not connected.
int16_t vgGetScreenWidthMonitor(int32_t monitor);
int16_t vgGetScreenHeightMonitor(int32_t monitor);
/// Visible (safe) area of the default monitor, inclusive corners. 0 or -1.
int32_t vgGetVisibleArea(int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1);
/// Visible area of a monitor, inclusive corners. 0 or -1.
int32_t vgGetVisibleAreaMonitor(int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1, int32_t monitor);
/// which 1..3: the shape of a full video picture on that monitor (16:9 on
/// a high-definition screen); which 4 (VG_ASPECT_GUI_PIXELS): the shape of
/// one pixel of the GUI (1:1 on square-pixel screens).
PIXEL_ASPECT vgGetPixelAspect(int32_t which);
#define VG_ASPECT_GUI_PIXELS 4
/// Clip rectangle of a monitor into *rect (screen coordinates). 0 or -1.
int32_t vgGetClipRectMonitor(VG_CORNERS* rect, int32_t monitor);
/// Limits drawing on the default monitor to the rectangle (panel 0: screen
/// coordinates, else relative to the panel). 0 or -1.
int32_t vgSetClipRect(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1);
/// Video mode and DVI mode flags of the output (1 for the high-definition modes).
int32_t vgGetVideoMode(void);
int32_t vgGetDVIMode(void);
/// GUI status bits; bit 0: the GUI is up and shows pointers.
int32_t vgGetGuiStatus(void);
/// Look of the GUI (1 classic, 2 dark).
int32_t vgGetGuiLook(void);
/// Non-zero when the main monitor's colour boost is on.
int32_t vgGetColorBoostMain(void);
/// Hides or shows the colour bar of the video output.
void vgColorBarOff(void);
void vgColorBarOn(void);

// ---- Metrics -------------------------------------------------------------

/// Layout units to pixels, horizontally and vertically.
int16_t vgConvertWidth(int16_t units);
int16_t vgConvertHeight(int16_t units);
/// Width in pixels of a gadget of the given size in layout units.
int16_t vgConvertGadgetWidth(int16_t units);
/// Font height of the default monitor, of a given monitor, and the extra
/// height a text line needs.
int16_t vgGetFontHeight(void);
int16_t vgGetFontHeightMonitor(int32_t monitor);
int16_t vgGetAddHeight(void);
/// Width in pixels of a text in the GUI font.
int16_t vgTextLength(const XCHAR* text);
/// Time text of a frame number; usable as a slider's VG_SLIDER_TEXT_FN.
int32_t vgSliderCallbackFramesTime(int32_t frames, XCHAR* text);

// ---- Colours and drawing ----------------------------------------------------
// Colours are 32-bit YUV values: Y in the top byte, then U, V and alpha.

/// Colour of a classic and of a current GUI colour index.
uint32_t vgGetGuiColorYUV(int32_t index);
uint32_t vgGetNewGuiColorYUV(int32_t index);
/// Sets the colour of later fills and texts.
void vgSetColorYUV(uint32_t colour);
/// Sets the colour from an RGB value (red in the top byte, alpha in the lowest).
void vgSetColorRGB(uint32_t rgba);
/// Fills a rectangle (inclusive corners) with the current colour. 0 or -1.
int32_t vgRectFill(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1);
/// Fills a rectangle with a background colour index. 0 or -1.
int32_t vgFillBackground(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1,
                         int32_t colourIndex, int32_t flags);
/// Draws a framed box of a style. 0 or -1.
int32_t vgDrawBoxNew(VG_PANEL panel, int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t style,
                     int32_t fillIndex, int32_t reserved1, int32_t reserved2);
/// Writes a text into a box, cut at the box; style bits choose alignment
/// (0x40: use the current colour). 0 or -1.
int32_t vgBoxText(VG_PANEL panel, const XCHAR* text, int16_t x, int16_t y, int16_t width,
                  int16_t height, uint32_t style);
/// The same into an off-screen buffer of 32-bit pixels (as VG_IMAGE),
/// bufferWidth pixels a line.
int32_t vgBoxTextBuffer(void* buffer, int16_t bufferWidth, int16_t bufferHeight, const XCHAR* text,
                        int16_t x, int16_t y, int16_t width, int16_t height, uint32_t style);
/// Fills a rectangle (inclusive corners) of an off-screen buffer of 32-bit
/// pixels with the current colour. target, x, y: where the buffer will be
/// written (unused by the fill itself). 0 or -1.
int32_t vgRectFillBuffer(VG_PANEL target, int16_t x, int16_t y, void* buffer, int16_t bufferWidth,
                         int16_t x0, int16_t y0, int16_t x1, int16_t y1, int32_t mode, int32_t flags);
/// Writes an off-screen buffer of 32-bit pixels to a panel. 0 or -1.
int32_t vgWriteRectRaw(VG_PANEL panel, const void* buffer, int16_t x, int16_t y, int16_t width,
                       int16_t height, int32_t mode);
/// Allocates a GUI image header (and pixels of width x height). Null on failure.
VG_IMAGE* vgAllocImage(uint32_t flags, int16_t width, int16_t height);
void vgFreeImage(VG_IMAGE* image);
/// Writes a GUI image to a panel (0: screen coordinates). 0 or -1.
int32_t vgWriteImage(VG_PANEL panel, VG_IMAGE* image, int16_t x, int16_t y);
/// An image of a resource set scaled to width x height (0, 0: its own size).
/// Owned by the image set. Null when missing.
VG_IMAGE* vgGetScaledResImage(RES_IMAGES images, int32_t id, int16_t width, int16_t height, int32_t flags);
/// Writes a resource image to a panel. 0 or -1.
int32_t vgWriteResImage(VG_PANEL panel, VG_IMAGE* image, int16_t x, int16_t y);
/// An image of the host GUI's own set. Owned by the host. Null when missing.
VG_IMAGE* vgGetGuiResource(int32_t set, int32_t flags, int32_t id);
/// Brackets a group of drawing calls on a monitor. 0 or -1.
int32_t vgDisableRefresh(int32_t monitor);
int32_t vgEnableRefresh(int32_t monitor);
/// Hides the extended help bubbles inside a region. 0 or -1.
int32_t vgHideExtendedHelpInRegion(VG_PANEL panel, int16_t x, int16_t y, int16_t width, int16_t height, int32_t flags);

// ---- Pointer ---------------------------------------------------------------

/// Signals a refused action.
void vgPointerBeep(void);
void vgBusyPointer(void);
void vgStandardPointer(void);
/// Pointer look (1 normal, 2 horizontal move). 0 or -1.
int32_t vgSetPointerAttrs(int32_t look, int32_t a, int32_t b, int32_t c);
/// Moves the mouse pointer (screen coordinates). 0 or -1.
int32_t vgSetPointerPosition(int16_t x, int16_t y);

// ---- Panels and input ------------------------------------------------------

/// Creates a panel inside parent (0: the screen) at x, y relative to it. 0 on failure.
VG_PANEL vgCreatePanel(VG_PANEL parent, int16_t x, int16_t y, int16_t width, int16_t height,
                       uint32_t flags1, uint32_t flags2, uint32_t flags3);
/// Removes a panel with its elements and child panels. 0 or -1.
int32_t vgRemovePanel(VG_PANEL panel);
/// Screen rectangle of a panel. 0 or -1.
int32_t vgGetPanelRect(VG_PANEL panel, VG_RECT* rect);
/// Tells the host which input context of a root panel is current. 0 or -1.
int32_t vgSetRootPanelParserID(VG_PANEL root, uint32_t parserId);
/// Waits for the next message of a GUI queue (timeout in ticks, -1: no
/// limit). Returns the size of the message received (44 for a whole
/// HOST_MESSAGE), -1 on failure or time-out.
int32_t vgMsgQReceive2(void* buffer, int32_t timeout, MSG_Q_ID queue);

/// A gadget extension record for check boxes. Null on failure.
VG_GADEXT* vgAllocGadExt(void);
void vgFreeGadExt(VG_GADEXT* ext);

/// The host's jog slider: a virtual slider driven by the jog controls.
VG_ELEMENT vgAddVirtualSlider(VG_PANEL root, int32_t minimum, int32_t maximum, int32_t start, uint32_t flags);
int32_t vgActivateVirtualSlider(VG_PANEL root);
int32_t vgInactivateVirtualSlider(VG_PANEL root, int32_t flags);
int32_t vgSetVirtualSliderPageSize(VG_PANEL root, int32_t pageSize);

}

#include "host/vg_elements.h"
