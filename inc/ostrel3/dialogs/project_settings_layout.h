#pragma once
// The project and settings dialog's component tree: the project commands,
// the name field, the archives and media commands, and the three settings.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "guilayout/guilayout.h"
#include "host/host_types.h"
#include "host/list.h"

namespace ostrel3 {

/// The camera counts the dialog offers, in the order of its popup.
inline constexpr std::array<int32_t, 5> kCameraCountChoices = {2, 3, 4, 5, 6};

/// The popup entry of a camera count; one past the last for a count the
/// popup does not offer.
int32_t CameraCountEntry(int32_t count);

/// What the dialog shows when it opens.
struct ProjectSettingsValues {
  std::u16string name;
  int32_t trimLength = 0;
  int32_t maxTrimLength = 0;
  int32_t showOutPreview = 0;
  bool offerLivePicture = false;  ///< whether the live picture switch is shown
  int32_t sceneCount = 4;
};

/// The handles of the dialog's elements, 0 for one not made.
struct ProjectSettingsElements {
  VG_ELEMENT chooseProject = 0;
  VG_ELEMENT name = 0;
  VG_ELEMENT copyToSlot = 0;
  VG_ELEMENT reset = 0;
  VG_ELEMENT archives = 0;
  VG_ELEMENT exportToMedium = 0;
  VG_ELEMENT importFromMedium = 0;
  VG_ELEMENT trimLength = 0;
  VG_ELEMENT livePicture = 0;
  VG_ELEMENT cameraCount = 0;
};

/// The tree of the dialog. It keeps its components, and the popup's entries
/// the host reads while the popup lives, until it goes: it must outlive the
/// request. The handles arrive in `elements` at create.
class ProjectSettingsLayout {
 public:
  ProjectSettingsLayout(RES_STRINGS strings, RES_IMAGES images, const ProjectSettingsValues& values,
                        ProjectSettingsElements& elements);
  ProjectSettingsLayout(const ProjectSettingsLayout&) = delete;
  ProjectSettingsLayout& operator=(const ProjectSettingsLayout&) = delete;

  vgsContainer& root() { return root_; }

 private:
  const XCHAR* resource(int32_t id) const;
  template <typename T, typename... Args>
  T* add(Args&&... args);
  void fillCountEntries();

  RES_STRINGS strings_;
  std::array<std::u16string, kCameraCountChoices.size()> countTexts_;
  std::array<VG_LIST_ENTRY, kCameraCountChoices.size()> countEntries_{};
  HOST_LIST countList_{};
  vgsLayoutY layout_;
  vgsContainer root_{&layout_};
  std::vector<std::unique_ptr<vgsComponent>> parts_;
};

}  // namespace ostrel3
