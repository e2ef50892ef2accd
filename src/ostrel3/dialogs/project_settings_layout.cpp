#include "ostrel3/dialogs/project_settings_layout.h"

#include <algorithm>
#include <string>
#include <type_traits>
#include <utility>

#include "host/res.h"
#include "host/vg.h"

namespace ostrel3 {

namespace {

enum SettingsLayoutString : int32_t {
  kLayoutNameLabel = 342,
  kLayoutCopyText = 353,
  kLayoutCountLabel = 362,
  kLayoutResetLabel = 476,
  kLayoutChooseText = 380,
  kLayoutTrimLabel = 382,
  kLayoutExportText = 504,
  kLayoutImportText = 506,
  kLayoutArchivesText = 524,
  kLayoutLivePictureText = 682,
};
enum ElementId : uint32_t {
  kArchivesId = 97,
  kCopyId = 99,
  kResetId = 100,
  kExportId = 101,
  kLivePictureId = 102,
  kImportId = 105,
  kCountId = 110,
  kChooseId = 115,
};
constexpr int32_t kResetImage = 116;
constexpr int32_t kNameFieldChars = 30;

}  // namespace

int32_t CameraCountEntry(int32_t count) {
  const auto* found = std::find(kCameraCountChoices.begin(), kCameraCountChoices.end(), count);
  return static_cast<int32_t>(found - kCameraCountChoices.begin());
}

template <typename T, typename... Args>
T* ProjectSettingsLayout::add(Args&&... args) {
  auto part = std::make_unique<T>(std::forward<Args>(args)...);
  T* raw = part.get();
  // Every line of the dialog is one text line high and as wide as the dialog.
  if constexpr (!std::is_same_v<T, vgsPanelInterDim>) raw->setMaximumSize(kVgsMaxExtent, vgsComponent::lineHeight());
  parts_.push_back(std::move(part));
  root_.addChild(raw);
  return raw;
}

const XCHAR* ProjectSettingsLayout::resource(int32_t id) const {
  const XCHAR* text = resGetString(strings_, id);
  return text ? text : u"";
}

void ProjectSettingsLayout::fillCountEntries() {
  lstInit(&countList_);
  for (size_t i = 0; i < kCameraCountChoices.size(); ++i) {
    const std::string digits = std::to_string(kCameraCountChoices[i]);
    countTexts_[i].assign(digits.begin(), digits.end());
    countEntries_[i].text = countTexts_[i].c_str();
    countEntries_[i].value = kCameraCountChoices[i];
    lstAdd(&countList_, &countEntries_[i].node);
  }
}

ProjectSettingsLayout::ProjectSettingsLayout(RES_STRINGS strings, RES_IMAGES images, const ProjectSettingsValues& v,
                                             ProjectSettingsElements& e)
    : strings_(strings) {
  fillCountEntries();
  const int16_t margin = vgConvertWidth(6);
  root_.setInsets(margin, margin, margin, margin);
  // The slider and the popup share one label width, so that they line up.
  const int16_t labelWidth =
      std::max(vgsComponent::labelWidth(resource(kLayoutCountLabel)), vgsComponent::labelWidth(resource(kLayoutTrimLabel)));
  const int16_t sixCells = static_cast<int16_t>(6 * vgsComponent::cellWidth() + 5 * vgConvertWidth(2));

  add<vgsTextButton>(&e.chooseProject, kChooseId, resource(kLayoutChooseText));
  auto* name = add<vgsStringGadget>(&e.name, 0u, resource(kLayoutNameLabel), v.name.c_str(), kNameFieldChars);
  name->setMinimumSize(std::max(name->minimumSize().width, sixCells), vgsComponent::lineHeight());
  add<vgsTextButton>(&e.copyToSlot, kCopyId, resource(kLayoutCopyText));
  auto* reset = add<vgsImageButton>(&e.reset, kResetId, images, kResetImage, 0u, resource(kLayoutResetLabel));
  // A picture lower than a text line would leave the button out of the dialog.
  reset->setMinimumSize(reset->minimumSize().width, vgsComponent::lineHeight());
  add<vgsTextButton>(&e.archives, kArchivesId, resource(kLayoutArchivesText));
  add<vgsPanelInterDim>();
  add<vgsTextButton>(&e.exportToMedium, kExportId, resource(kLayoutExportText));
  add<vgsTextButton>(&e.importFromMedium, kImportId, resource(kLayoutImportText));
  add<vgsPanelInterDim>();
  auto* trim = add<vgsSlider>(&e.trimLength, 0u, resource(kLayoutTrimLabel), labelWidth, 0, v.maxTrimLength, v.trimLength,
                               0u, vgSliderCallbackFramesTime);
  // The dialog opens at its smallest size: the slider keeps room to be moved beside its time.
  trim->setMinimumSize(trim->preferredSize().width, vgsComponent::lineHeight());
  if (v.offerLivePicture)
    add<vgsCheckBox>(&e.livePicture, kLivePictureId, resource(kLayoutLivePictureText), v.showOutPreview ? 1 : 0);
  // A count the popup does not offer shows its first entry.
  const int32_t entry = CameraCountEntry(v.sceneCount);
  add<vgsPopup>(&e.cameraCount, kCountId, &countList_, entry < static_cast<int32_t>(kCameraCountChoices.size()) ? entry : 0,
                resource(kLayoutCountLabel), labelWidth);
}

}  // namespace ostrel3
