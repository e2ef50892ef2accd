#pragma once
// The information dialog's texts and the component tree that shows them: the
// title line, the project's facts as label/value pairs and one row a camera
// in five columns.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "guilayout/guilayout.h"
#include "host/host_types.h"
#include "ostrel3/dialogs/info_texts.h"

namespace ostrel3 {

/// Everything the dialog shows apart from the resource strings.
struct InfoTexts {
  std::u16string title;
  std::u16string project;
  std::u16string length;
  std::u16string cuts;
  std::array<std::u16string, kInfoCameras> cameraLine;
  std::array<std::u16string, kInfoCameras> cameraLength;
  std::array<std::u16string, kInfoCameras> cameraAudio;
  std::array<std::u16string, kInfoCameras> cameraCuts;
};

/// The tree of the dialog. It keeps its components alive until it goes; the
/// texts and the string set must outlive it.
class InfoLayout {
 public:
  InfoLayout(const InfoTexts& texts, RES_STRINGS strings);
  InfoLayout(const InfoLayout&) = delete;
  InfoLayout& operator=(const InfoLayout&) = delete;

  /// The root; its minimum size is the size the request is opened at.
  vgsContainer& root() { return root_; }

 private:
  using Texts = std::vector<const XCHAR*>;
  const XCHAR* resource(int32_t id) const;
  /// A column of lines, every one as wide as the widest text plus the allowance.
  vgsContainer* column(const Texts& texts, int16_t width);
  /// A framed group of columns side by side.
  vgsPanel* group(const std::vector<vgsContainer*>& columns);
  template <typename T, typename... Args>
  T* make(Args&&... args);

  RES_STRINGS strings_;
  vgsLayoutX rowLayout_;
  vgsLayoutY columnLayout_;
  vgsContainer root_{&columnLayout_};
  std::vector<std::unique_ptr<vgsComponent>> parts_;
};

}  // namespace ostrel3
