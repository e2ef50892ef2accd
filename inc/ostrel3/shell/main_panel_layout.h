#pragma once
// The component tree of the main panel. It is built anew for every size the
// panel tries; the components live as long as this object, so the areas
// that the operator draws into can be read after create.
#include <memory>
#include <vector>

#include "guilayout/guilayout.h"
#include "ostrel3/shell/panel_area.h"

namespace ostrel3 {

class MulticamOperator;

class MainPanelLayout {
 public:
  /// pictureWidth/Height: one camera picture; spacerHeight: the room below a
  /// single camera row; livePicture: whether the live picture area is part of it.
  MainPanelLayout(MulticamOperator& op, int16_t pictureWidth, int16_t pictureHeight, int16_t spacerHeight,
                  bool livePicture);
  ~MainPanelLayout();
  MainPanelLayout(const MainPanelLayout&) = delete;
  MainPanelLayout& operator=(const MainPanelLayout&) = delete;

  /// Lays the tree out in the rectangle; true when it is no larger than it.
  bool layOut(const VG_RECT& area);
  /// Creates the elements on the panel (their handles go into the slots).
  bool create(VG_PANEL panel);

  // Areas, valid after create (panel 0 when the area does not exist).
  PanelArea pictureBox(int camera) const;  ///< outer rectangle of the camera's picture box
  PanelArea swatchBox(int camera) const;
  PanelArea timeline() const;
  PanelArea livePicture() const;
  PanelArea projectTitle() const;
  PanelArea waveform() const;
  PanelArea syncState() const;

 private:
  struct Parts;
  template <typename T, typename... Args>
  T* make(Args&&... args);
  vgsContainer* container(bool horizontal);
  vgsPanel* panel(bool horizontal, uint32_t flags = 0);
  vgsComponent* buildControlColumn();
  vgsComponent* buildClipControls();
  vgsComponent* buildCameraColumn();
  vgsComponent* buildCameraGroup(int camera);
  vgsComponent* buildTimelinePanel();
  vgsComponent* buildTransport();
  vgsComponent* buildBottomRow();
  vgsComponent* scrubToggle();
  vgsComponent* imageButton(int slot, int32_t imageId, uint32_t shortcut, bool hostImage);
  vgsComponent* textButton(int slot, int32_t stringId, uint32_t shortcut, uint32_t flags = 0);
  vgsComponent* space(int16_t minW, int16_t minH, int16_t prefW, int16_t prefH, int16_t maxW = kVgsMaxExtent,
                      int16_t maxH = kVgsMaxExtent);
  PanelArea area(const vgsComponent* c, const vgsPanel* owner) const;

  MulticamOperator& op_;
  int16_t pictureWidth_, pictureHeight_, spacerHeight_;
  bool livePicture_;
  std::unique_ptr<Parts> parts_;
  std::vector<std::unique_ptr<vgsComponent>> owned_;
  vgsLayoutX row_;
  vgsLayoutY column_;
  vgsContainer* root_ = nullptr;
};

}  // namespace ostrel3
