#pragma once
// Fillers that take room in a layout without anything on the screen.
#include "guilayout/component.h"

/// A filler of the sizes the caller gives; by default it stretches freely.
class vgsSpace : public vgsComponent {
 public:
  explicit vgsSpace(int16_t minWidth = 0, int16_t minHeight = 0, int16_t prefWidth = 0, int16_t prefHeight = 0,
                    int16_t maxWidth = kVgsMaxExtent, int16_t maxHeight = kVgsMaxExtent);
  bool create(VG_PANEL panel) override;
};

/// The standard space between groups: minimum 10 x 6 units, preferred
/// 20 x 10 units, at most twice the preferred.
class vgsPanelInterDim : public vgsComponent {
 public:
  vgsPanelInterDim();
  bool create(VG_PANEL panel) override;
};
