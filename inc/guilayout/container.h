#pragma once
// Containers arrange their children with a layout; panels also open a host
// panel of their own, which becomes their children's coordinate space.
// Neither owns its children nor its layout: the caller keeps them alive
// until after create.
#include <vector>

#include "guilayout/component.h"
#include "guilayout/layout.h"

/// Space kept free inside a container's edges.
struct vgsInsets {
  int16_t left = 0, right = 0, top = 0, bottom = 0;
};

class vgsContainer : public vgsComponent {
 public:
  /// A container with no size of its own yet; layout may be shared.
  explicit vgsContainer(vgsLayout* layout);

  /// Appends a child (complete with its own children) and recomputes the sizes.
  void addChild(vgsComponent* child);
  /// Sets the insets; the sizes follow when there are children.
  void setInsets(int16_t left, int16_t right, int16_t top, int16_t bottom);

  /// Sizes itself within its limits and lays out the children.
  void setBounds(const VG_RECT& rect) override;
  /// Moves every child into the panel's coordinates and creates it (nothing for panel 0).
  bool create(VG_PANEL panel) override;

  vgsLayout* layout() const { return layout_; }
  const std::vector<vgsComponent*>& children() const { return children_; }
  const vgsInsets& insets() const { return insets_; }

 protected:
  void recomputeSizes();

  vgsLayout* layout_;
  std::vector<vgsComponent*> children_;
  vgsInsets insets_;
};

class vgsPanel : public vgsContainer {
 public:
  /// A panel with the host panel flags; insets of 6 units + 2 on every side.
  vgsPanel(vgsLayout* layout, uint32_t flags1, uint32_t flags2 = 0, uint32_t flags3 = 0);

  /// Opens the host panel inside parent and creates the children on it;
  /// when the host refuses the panel its children are skipped.
  bool create(VG_PANEL parent) override;

  /// The host panel made by create (0 before, or when it was refused). It
  /// belongs to the parent panel and goes when that is removed.
  VG_PANEL handle() const { return handle_; }

 private:
  uint32_t flags_[3];
  VG_PANEL handle_ = 0;
};
