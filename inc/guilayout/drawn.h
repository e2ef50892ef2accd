#pragma once
// Leaves that draw on the panel instead of adding an element: a line of
// text and the framed box around a picture area.
#include <optional>

#include "guilayout/gadget.h"

class vgsBoxTextLine : public vgsComponent {
 public:
  /// Style bit that makes the host use the colour set before the text.
  static constexpr uint32_t kStyleOwnColour = 0x40;

  /// A line of text drawn with the host's box text style; its minimum and
  /// preferred size hold the whole text.
  explicit vgsBoxTextLine(const XCHAR* text, uint32_t style = 0);

  /// Draws the text in colour (YUV) instead of the GUI's text colour.
  void setColour(uint32_t colour) { colour_ = colour; }

  /// Draws the text into the rectangle (nothing for an empty rectangle).
  bool create(VG_PANEL panel) override;

 private:
  vgsText text_;
  uint32_t style_;
  std::optional<uint32_t> colour_;
};

class vgsOutputBox : public vgsComponent {
 public:
  /// Frame around the inner area on each side.
  static constexpr int16_t kFrame = 4;
  /// Box style handed to the host's frame drawing.
  static constexpr int32_t kBoxStyle = 11;

  /// A framed box around a picture of pictureWidth x pictureHeight.
  vgsOutputBox(int16_t pictureWidth, int16_t pictureHeight);

  /// Makes setBounds shrink the box to the picture's aspect and centre it.
  void setKeepAspect(bool keep) { keepAspect_ = keep; }
  /// The picture size whose aspect the box keeps (the preferred size stays).
  void setPictureSize(int16_t width, int16_t height);

  void setBounds(const VG_RECT& rect) override;
  /// Draws the frame and remembers the panel.
  bool create(VG_PANEL panel) override;

  /// The panel the box was drawn on (0 before create).
  VG_PANEL panel() const { return panel_; }
  /// The area inside the frame, in the panel's coordinates after create.
  VG_RECT innerRect() const;

 private:
  void fitToAspect();

  int16_t pictureWidth_, pictureHeight_;
  bool keepAspect_ = false;
  VG_PANEL panel_ = 0;
};
