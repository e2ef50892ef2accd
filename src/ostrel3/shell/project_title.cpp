// The main panel's title line: the project slot's number and the project's name.
#include "host/vg.h"
#include "ostrel3/dialogs/info_texts.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

namespace {

constexpr uint32_t kTitleStyle = 529;
constexpr int32_t kPanelBackground = 2;

}  // namespace

void MulticamOperator::DrawProjectTitle() {
  const PanelArea& area = titleArea;
  const VG_RECT& r = area.rect;
  if (!area.panel || r.width <= 0 || r.height <= 0) return;
  const std::u16string text = ProjectTitleText(projectSlot, projectName);
  // The text drawn before (another slot, a longer name) must not show through.
  if (vgFillBackground(area.panel, r.x, r.y, int16_t(r.x + r.width - 1), int16_t(r.y + r.height - 1), kPanelBackground,
                       0) != 0)
    OS3_LOG(kLogFailed);
  if (vgBoxText(area.panel, text.c_str(), r.x, r.y, r.width, r.height, kTitleStyle) != 0) OS3_LOG(kLogFailed);
}

}  // namespace ostrel3
