// The frame in the camera's colour around the active camera's picture box,
// and the colour and sound controls that follow the active camera.
#include "host/vg.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

// The camera framed last; survives panel rebuilds as long as the module is loaded.
int lastFramedCamera = -1;

constexpr int kBand = 4;
constexpr int kColourFieldSlot = 42;
constexpr int kAudioCheckBoxSlot = 43;
constexpr int32_t kColourTag = 5;
constexpr int32_t kCheckedTag = 60;

void fill(VG_PANEL panel, int x0, int y0, int x1, int y1, bool inColour) {
  if (inColour) vgRectFill(panel, int16_t(x0), int16_t(y0), int16_t(x1), int16_t(y1));
  else vgFillBackground(panel, int16_t(x0), int16_t(y0), int16_t(x1), int16_t(y1), 2, 0);
}

void drawBands(const CameraSlot& c, bool framed) {
  const int x = c.boxRect.x, y = c.boxRect.y, w = c.boxRect.width, h = c.boxRect.height;
  if (framed) vgSetColorYUV(c.colour);
  fill(c.boxPanel, x, y, x + w - 1, y + kBand - 1, framed);
  fill(c.boxPanel, x, y, x + kBand - 1, y + h - 1, framed);
  fill(c.boxPanel, x + w - kBand, y, x + w - 1, y + h - 1, framed);
  fill(c.boxPanel, x, y + h - kBand, x + w - 1, y + h - 1, framed);
}

}  // namespace

void MulticamOperator::MarkActiveCamera(bool force) {
  if (force) lastFramedCamera = -1;
  if (activeCamera == lastFramedCamera) return;
  lastFramedCamera = activeCamera;
  const int32_t monitor = vgGetDefaultMonitor();
  vgDisableRefresh(monitor);
  for (int i = 0; i < sceneCount && i < kCameraSlots; ++i) {
    const CameraSlot& c = cameras[i];
    if (!c.hasPictureBox()) continue;
    drawBands(c, i == activeCamera && c.hasClip());
    vgSetColorYUV(c.colour);
    vgRectFill(c.boxPanel, c.swatchRect.x, c.swatchRect.y, int16_t(c.swatchRect.x + c.swatchRect.width - 1),
               int16_t(c.swatchRect.y + c.swatchRect.height - 1));
  }
  const VG_PANEL panel = panelRequest.panel;
  const CameraSlot& active = cameras[activeCamera];
  if (const VG_ELEMENT colourField = elementSlots[kColourFieldSlot])
    vgChangeElement(panel, colourField, kColourTag, active.colour, 1);
  if (const VG_ELEMENT audio = elementSlots[kAudioCheckBoxSlot]) {
    vgChangeElement(panel, audio, kCheckedTag, active.useAudio, 1);
    // Camera 1's sound always goes into the output.
    if (activeCamera == 0) vgDisableElement(panel, audio);
    else vgEnableElement(panel, audio);
  }
  vgEnableRefresh(monitor);
}

}  // namespace ostrel3
