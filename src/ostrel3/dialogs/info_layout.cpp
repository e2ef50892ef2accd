#include "ostrel3/dialogs/info_layout.h"

#include <algorithm>
#include <utility>

#include "host/res.h"
#include "host/vg.h"

namespace ostrel3 {

namespace {

enum InfoLayoutString : int32_t {
  kInfoProjectLabel = 390,
  kInfoLengthLabel = 392,
  kInfoCutsLabel = 394,
  kInfoCameraHeading = 396,
  kInfoBlankHeading = 398,
  kInfoSoundHeading = 400,
  kInfoCutsHeading = 402,
};
constexpr uint32_t kTextStyle = 17;
constexpr uint32_t kGroupKind = 64;
// The names are the widest texts and want room to breathe; the other
// columns hold short numbers and marks.
constexpr int16_t kLabelAllowance = 32;
constexpr int16_t kValueAllowance = 10;
// A column of two blanks between the lengths and the sound marks.
constexpr XCHAR kTwoBlanks[] = u"  ";

int16_t lineHeight() { return static_cast<int16_t>(vgGetAddHeight() + vgGetFontHeight()); }

// A column holds its widest text and the allowance (in layout units), made even.
int16_t columnWidth(const std::vector<const XCHAR*>& texts, int16_t allowanceUnits) {
  int32_t widest = 0;
  for (const XCHAR* text : texts) widest = std::max<int32_t>(widest, vgsComponent::textWidth(text));
  const int32_t width = widest + vgConvertWidth(allowanceUnits);
  return static_cast<int16_t>(std::min<int32_t>(width + (width & 1), kVgsMaxExtent));
}

}  // namespace

template <typename T, typename... Args>
T* InfoLayout::make(Args&&... args) {
  auto part = std::make_unique<T>(std::forward<Args>(args)...);
  T* raw = part.get();
  parts_.push_back(std::move(part));
  return raw;
}

const XCHAR* InfoLayout::resource(int32_t id) const {
  const XCHAR* text = resGetString(strings_, id);
  return text ? text : u"";
}

vgsContainer* InfoLayout::column(const Texts& texts, int16_t width) {
  auto* column = make<vgsContainer>(&columnLayout_);
  const int16_t height = lineHeight();
  for (const XCHAR* text : texts) {
    auto* line = make<vgsBoxTextLine>(text, kTextStyle);
    line->setMaximumSize(width, height);
    line->setMinimumSize(width, height);
    line->setPreferredSize(width, height);
    column->addChild(line);
  }
  return column;
}

vgsPanel* InfoLayout::group(const std::vector<vgsContainer*>& columns) {
  auto* panel = make<vgsPanel>(&rowLayout_, kGroupKind);
  for (vgsContainer* c : columns) panel->addChild(c);
  return panel;
}

InfoLayout::InfoLayout(const InfoTexts& t, RES_STRINGS strings) : strings_(strings) {
  Texts labels = {resource(kInfoProjectLabel), resource(kInfoLengthLabel), resource(kInfoCutsLabel)};
  Texts values = {t.project.c_str(), t.length.c_str(), t.cuts.c_str()};
  Texts names = {resource(kInfoCameraHeading)}, lengths = {resource(kInfoLengthLabel)}, blanks = {resource(kInfoBlankHeading)},
        sound = {resource(kInfoSoundHeading)}, cuts = {resource(kInfoCutsHeading)};
  for (int k = 0; k < kInfoCameras; ++k) {
    names.push_back(t.cameraLine[k].c_str());
    lengths.push_back(t.cameraLength[k].c_str());
    blanks.push_back(kTwoBlanks);
    sound.push_back(t.cameraAudio[k].c_str());
    cuts.push_back(t.cameraCuts[k].c_str());
  }
  // One width for the labels of both groups, so that the values of the
  // first and the clip names of the second start in one line.
  Texts allLabels = labels;
  allLabels.insert(allLabels.end(), names.begin(), names.end());
  const int16_t labelWidth = columnWidth(allLabels, kLabelAllowance);

  const int16_t margin = vgConvertWidth(6);
  root_.setInsets(margin, margin, margin, margin);
  auto* title = make<vgsBoxTextLine>(t.title.c_str(), kTextStyle);
  title->setMaximumSize(kVgsMaxExtent, lineHeight());
  root_.addChild(title);
  root_.addChild(make<vgsPanelInterDim>());
  root_.addChild(group({column(labels, labelWidth), column(values, columnWidth(values, kValueAllowance))}));
  root_.addChild(make<vgsPanelInterDim>());
  std::vector<vgsContainer*> cameraColumns = {column(names, labelWidth)};
  for (const Texts* texts : {&lengths, &blanks, &sound, &cuts})
    cameraColumns.push_back(column(*texts, columnWidth(*texts, kValueAllowance)));
  root_.addChild(group(cameraColumns));
}

}  // namespace ostrel3
