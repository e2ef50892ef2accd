#pragma once
// Base of the layout toolkit: a rectangle with its size limits. Leaves stand
// for one host element each; containers arrange their children. A tree is
// built with sizes from the host's metrics, given a rectangle (setBounds)
// and then created as host elements (create).
#include <cstdint>

#include "host/host_types.h"

/// Largest width or height a component may be given.
inline constexpr int16_t kVgsMaxExtent = 4096;

/// Position, size limits and trailing gaps of a component, in pixels.
struct vgsGeometry {
  int16_t x = 0, y = 0;                           ///< relative to the parent until create
  int16_t width = 0, height = 0;                  ///< given by setBounds
  int16_t minWidth = 0, minHeight = 0;            ///< smallest usable size
  int16_t prefWidth = 0, prefHeight = 0;          ///< preferred; for containers after setBounds the laid-out size
  int16_t maxWidth = kVgsMaxExtent, maxHeight = kVgsMaxExtent;
  int16_t gapX = 0, gapY = 0;                     ///< space after this component before a sibling
};
static_assert(sizeof(vgsGeometry) == 24, "six 32-bit words");

/// A width and height pair.
struct vgsSize {
  int16_t width = 0;
  int16_t height = 0;
  bool operator==(const vgsSize&) const = default;
};

class vgsComponent {
 public:
  vgsComponent() = default;
  vgsComponent(const vgsComponent&) = delete;
  vgsComponent& operator=(const vgsComponent&) = delete;

  /// Copies position, size, limits and gaps of another component.
  virtual void copyGeometry(const vgsComponent& other);
  virtual ~vgsComponent() = default;
  /// Takes the rectangle's position and its size held within the limits.
  virtual void setBounds(const VG_RECT& rect);
  /// Adds the host element(s) on panel. False when one could not be made.
  virtual bool create(VG_PANEL panel);
  /// Width made even, then held within [minWidth, maxWidth].
  virtual int16_t clampWidth(int16_t width) const;
  /// Height made even, then held within [minHeight, maxHeight].
  virtual int16_t clampHeight(int16_t height) const;

  /// Sets the preferred size, each dimension raised to the minimum.
  void setPreferredSize(int16_t width, int16_t height);
  /// Sets the maximum size, lowering the minimum where it exceeds it.
  void setMaximumSize(int16_t width, int16_t height);
  /// Sets the minimum size, raising the preferred and maximum sizes to it.
  void setMinimumSize(int16_t width, int16_t height);
  /// Sets the space left after this component in a row (x) or column (y).
  void setGaps(int16_t gapX, int16_t gapY);
  /// Shifts the position (a plain container moves its children into panel coordinates).
  void moveBy(int16_t dx, int16_t dy);

  const vgsGeometry& geometry() const { return geo_; }
  int16_t x() const { return geo_.x; }
  int16_t y() const { return geo_.y; }
  int16_t width() const { return geo_.width; }
  int16_t height() const { return geo_.height; }
  VG_RECT bounds() const { return {geo_.x, geo_.y, geo_.width, geo_.height}; }
  vgsSize minimumSize() const { return {geo_.minWidth, geo_.minHeight}; }
  vgsSize preferredSize() const { return {geo_.prefWidth, geo_.prefHeight}; }
  vgsSize maximumSize() const { return {geo_.maxWidth, geo_.maxHeight}; }

  // ---- the host's metrics as the toolkit uses them ----
  /// One layout cell: the width of a gadget of 32 units.
  static int16_t cellWidth();
  /// One text line: font height of the default monitor + add height + 4.
  static int16_t lineHeight();
  /// The gap between two cells (2 units).
  static int16_t cellGap();
  /// A pixel width rounded up to whole cells, with the gaps between them; 0 for no width.
  static int16_t gridWidth(int32_t width);
  /// Width of a text in the GUI font (0 for null).
  static int16_t textWidth(const XCHAR* text);
  /// Width of a label area holding text: gridWidth of its text width (0 for no text).
  static int16_t labelWidth(const XCHAR* text);

 protected:
  vgsGeometry geo_;
};
