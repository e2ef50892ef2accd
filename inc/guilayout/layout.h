#pragma once
// The layout engine: sizes a container bottom-up from its children and
// places the children top-down in its rectangle. Layouts hold no data, so one
// instance may serve many containers.
#include "guilayout/component.h"

class vgsContainer;

/// Which size of each child a sum is taken over.
enum class vgsSizeSelector { Minimum, Preferred };

class vgsLayout {
 public:
  virtual ~vgsLayout() = default;
  /// Gives every child of the container its rectangle.
  virtual void place(vgsContainer& container) const = 0;
  /// Children's selected sizes with gaps and insets, rounded down to even.
  virtual vgsSize sumSize(const vgsContainer& container, vgsSizeSelector selector) const = 0;
  /// Children's maximum sizes with gaps (capped at 4096) and insets, rounded down to even.
  virtual vgsSize maxSize(const vgsContainer& container) const = 0;
};

/// Children side by side, left to right.
class vgsLayoutX : public vgsLayout {
 public:
  void place(vgsContainer& container) const override;
  vgsSize sumSize(const vgsContainer& container, vgsSizeSelector selector) const override;
  vgsSize maxSize(const vgsContainer& container) const override;
};

/// Children stacked, top to bottom.
class vgsLayoutY : public vgsLayout {
 public:
  void place(vgsContainer& container) const override;
  vgsSize sumSize(const vgsContainer& container, vgsSizeSelector selector) const override;
  vgsSize maxSize(const vgsContainer& container) const override;
};
