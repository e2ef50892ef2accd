#pragma once
// The pattern every leaf that stands for one host element shares: sizes in
// cells and text lines, the caller's handle variable, and the optional
// attributes applied with vgChangeElement once the element exists.
#include <array>
#include <string>

#include "guilayout/component.h"

/// Element attribute tags the toolkit applies at create.
enum : int32_t {
  kVgsTagId = 57,          ///< the id value (shortcut code)
  kVgsTagPairFirst = 80,   ///< first of a pair, applied only with the second
  kVgsTagPairSecond = 82,
  kVgsTagFlagged = 111,    ///< applied when style bit kVgsStyleFlagged is set
  kVgsTagSlider = 116,
  kVgsTagPopup = 117,
  kVgsTagButton = 118,
  kVgsTagString = 119,
  kVgsTagListview = 120,
  kVgsTagSliderSecond = 121,
  kVgsTagCheckBox = 122,
};

/// Style bit that makes create apply tag 111.
inline constexpr uint32_t kVgsStyleFlagged = 0x10;
/// Style bit the host honours only on buttons exactly 18 pixels high.
inline constexpr uint32_t kVgsStyleHeight18 = 0x100000;

class vgsGadget : public vgsComponent {
 public:
  /// Adds the element unless it is narrower than a cell or lower than a text
  /// line (then nothing happens and the handle variable stays as it was);
  /// otherwise stores its handle (0 when refused) and applies the non-zero
  /// optional attributes.
  bool create(VG_PANEL panel) override;

  /// The id value (tag 57).
  void setId(uint32_t id) { id_ = id; }
  uint32_t id() const { return id_; }
  /// Values of tags 80 and 82; applied only when both are non-zero.
  void setTagPair(intptr_t first, intptr_t second) { pair_ = {first, second}; }
  /// Value of tag 111; applied when it is non-zero and style bit 0x10 is set.
  void setFlaggedTag(intptr_t value) { flagged_ = value; }
  /// Value of the type's own tag (118 buttons, 122 check box, 119 string
  /// gadget, 117 popup, 120 list view, 116 slider); ignored by types without one.
  void setTypeTag(intptr_t value) { typeTags_[0].value = value; }
  /// Value of the slider's second tag (121).
  void setSecondTypeTag(intptr_t value) { typeTags_[1].value = value; }
  uint32_t flags() const { return flags_; }

  /// flags with kVgsStyleHeight18 cleared unless height is exactly 18.
  static uint32_t styleForHeight(uint32_t flags, int16_t height);

 protected:
  vgsGadget(VG_ELEMENT* handleOut, uint32_t id, uint32_t flags);

  /// Minimum (minWidth, one line), preferred (prefWidth, one line), size =
  /// preferred, leaf gaps.
  void initSizes(int16_t minWidth, int16_t prefWidth);
  /// Whether the given rectangle is large enough for the element: at least
  /// one cell wide and one text line high.
  virtual bool fits() const;
  /// Adds the host element at the component's rectangle; 0 when refused.
  virtual VG_ELEMENT addElement(VG_PANEL panel) = 0;
  /// The panel the element lives on (a list view may open one of its own).
  virtual VG_PANEL elementPanel(VG_PANEL panel) const { return panel; }
  void setTypeTagNumbers(int32_t first, int32_t second = 0);

  uint32_t flags_;

 private:
  struct TagValue {
    int32_t tag = 0;
    intptr_t value = 0;
  };
  void applyTags(VG_PANEL panel, VG_ELEMENT element) const;

  VG_ELEMENT* handleOut_;
  uint32_t id_;
  std::array<intptr_t, 2> pair_{};
  intptr_t flagged_ = 0;
  std::array<TagValue, 2> typeTags_{};
};

/// A text kept by a component until create (callers' texts need not outlive it).
class vgsText {
 public:
  vgsText() = default;
  explicit vgsText(const XCHAR* text) : present_(text != nullptr), text_(text ? text : u"") {}
  /// The text, or null when none was given.
  const XCHAR* get() const { return present_ ? text_.c_str() : nullptr; }
  bool empty() const { return text_.empty(); }

 private:
  bool present_ = false;
  std::u16string text_;
};
