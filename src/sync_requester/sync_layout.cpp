// Building the synchronisation dialog: the request centred in the visible
// area, its controls, and the camera columns with the largest pictures
// that fit the room between the controls and the close button.
#include <optional>

#include "guilayout/guilayout.h"
#include "host/res.h"
#include "host/vg.h"
#include "host/vreq.h"
#include "ostrel3/shell/log.h"
#include "sync_requester/sync_dialog.h"
#include "sync_requester/sync_geometry.h"
#include "videodisplay/fit_video.h"

namespace ostrel3 {

namespace {
enum SyncString : int32_t {
  kTooSmallText = 364,
  kCloseText = 404,
  kTitleText = 430,
  kHelpText1 = 432,
  kHelpText2 = 434,
  kPositionText = 450,
  kScrubText = 470,
  kAutomaticText = 700,
  kAllCamerasText = 702,
};
constexpr uint32_t kSyncRequestFlags = 0x14040;
constexpr uint32_t kSyncEntryFlags = 0x201;
constexpr uint32_t kPositionButtonFlags = 0x820000;
constexpr uint32_t kTitleStyle = 17;
constexpr uint32_t kHelpStyle = 20;
constexpr uint32_t kNameStyle = 4;
constexpr uint32_t kReferenceLabelStyle = 20;
constexpr uint32_t kSyncLabelStyle = 0;
constexpr uint32_t kPicturePanelFlags = 0x200;
constexpr int32_t kStopImage = 550, kToEndsImage = 534, kAroundImage = 120;

const XCHAR* text(RES_STRINGS strings, int32_t id) {
  const XCHAR* t = resGetString(strings, id);
  return t ? t : u"";
}

void singleLine(vgsComponent& c) {
  const int16_t line = vgsComponent::lineHeight();
  c.setMinimumSize(c.minimumSize().width, line);
  c.setMaximumSize(kVgsMaxExtent, line);
}
}  // namespace

// Both camera columns and the strip row for one picture size.
struct SyncDialog::ColumnLayout {
  ColumnLayout(SyncDialog& d, int16_t w, int16_t h, int16_t areaWidth)
      : refName(&d.elements_[kSyncRefName], 0, nullptr, d.params_.name[0], kNameStyle),
        refButton(&d.elements_[kSyncRefPosition], 49, text(d.strings_.get(), kPositionText), kPositionButtonFlags),
        refTime(&d.elements_[kSyncRefTime], 0, nullptr, d.params_.syncIn[d.params_.syncCamera] * 2),
        refBox(w + 8, h + 8),
        syncName(&d.elements_[kSyncName], 0, nullptr, d.params_.name[d.params_.syncCamera], kNameStyle),
        syncButton(&d.elements_[kSyncPosition], 50, text(d.strings_.get(), kPositionText), kPositionButtonFlags),
        syncTime(&d.elements_[kSyncTime], 0, nullptr, d.params_.trimIn[d.params_.syncCamera] * 2),
        syncBox(w + 8, h + 8),
        refLabel(&d.elements_[kSyncRefStripLabel], 0, nullptr, d.params_.name[0], kReferenceLabelStyle),
        syncLabel(&d.elements_[kSyncStripLabel], 0, nullptr, d.params_.name[d.params_.syncCamera], kSyncLabelStyle),
        root(&yLayout), columns(&xLayout), refColumn(&yLayout), syncColumn(&yLayout), refHeader(&xLayout),
        syncHeader(&xLayout), stripRow(&xLayout), labels(&yLayout), strips(&yLayout) {
    const int16_t cell = vgsComponent::cellWidth(), gap = vgConvertWidth(2), line = vgsComponent::lineHeight();
    const int16_t timeWidth = 4 * cell + 3 * gap;
    for (vgsTimeGadget* t : {&refTime, &syncTime}) {
      t->setMinimumSize(timeWidth, line);
      t->setMaximumSize(timeWidth, line);
    }
    for (vgsComponent* c : {static_cast<vgsComponent*>(&refName), static_cast<vgsComponent*>(&refButton),
                            static_cast<vgsComponent*>(&syncName), static_cast<vgsComponent*>(&syncButton)})
      singleLine(*c);
    refHeader.addChild(&refName);
    refHeader.addChild(&refButton);
    refHeader.addChild(&refTime);
    syncHeader.addChild(&syncName);
    syncHeader.addChild(&syncButton);
    syncHeader.addChild(&syncTime);
    const int16_t columnWidth = static_cast<int16_t>(((areaWidth - vgConvertWidth(20)) / 2) & ~1);
    for (vgsContainer* column : {&refColumn, &syncColumn}) column->setInsets(vgConvertWidth(2), vgConvertWidth(4), 0, 0);
    // The pictures keep the candidate's shape, centred in whatever room the column gives.
    for (vgsOutputBox* box : {&refBox, &syncBox}) {
      box->setPictureSize(w, h);
      box->setKeepAspect(true);
    }
    refColumn.addChild(&refHeader);
    refColumn.addChild(&refBox);
    syncColumn.addChild(&syncHeader);
    syncColumn.addChild(&syncBox);
    for (vgsContainer* column : {&refColumn, &syncColumn})
      column->setMinimumSize(std::max(columnWidth, column->minimumSize().width), column->minimumSize().height);
    columns.addChild(&refColumn);
    columns.addChild(&syncColumn);
    const int16_t labelWidth = 5 * cell + 4 * gap;
    for (vgsTextGadget* l : {&refLabel, &syncLabel}) {
      l->setMinimumSize(labelWidth, 2 * line);
      l->setMaximumSize(labelWidth, 2 * line);
    }
    labels.addChild(&refLabel);
    labels.addChild(&syncLabel);
    for (vgsSpace* s : {&refStrip, &syncStrip}) {
      s->setMinimumSize(cell, 2 * line);
      s->setMaximumSize(kVgsMaxExtent, 2 * line);
    }
    strips.addChild(&refStrip);
    strips.addChild(&syncStrip);
    stripRow.addChild(&labels);
    stripRow.addChild(&strips);
    // Pictures and strips keep their sizes, one under the other; the room
    // left over stays below them.
    columns.setMaximumSize(kVgsMaxExtent, columns.preferredSize().height);
    stripRow.setMaximumSize(kVgsMaxExtent, stripRow.preferredSize().height);
    root.addChild(&columns);
    root.addChild(&stripRow);
    root.addChild(&rest);
  }
  bool fits(const VG_RECT& area) const {
    const vgsSize size = root.minimumSize();
    return size.width <= area.width && size.height <= area.height;
  }

  vgsTextGadget refName;
  vgsTextButton refButton;
  vgsTimeGadget refTime;
  vgsOutputBox refBox;
  vgsTextGadget syncName;
  vgsTextButton syncButton;
  vgsTimeGadget syncTime;
  vgsOutputBox syncBox;
  vgsTextGadget refLabel, syncLabel;
  vgsSpace refStrip, syncStrip, rest;
  vgsLayoutX xLayout;
  vgsLayoutY yLayout;
  vgsContainer root, columns, refColumn, syncColumn, refHeader, syncHeader, stripRow, labels, strips;
};

void SyncDialog::fillCameraList() {
  lstInit(&cameraList_);
  cameraEntries_.clear();
  cameraEntries_.reserve(kSyncCameras);  // the host keeps pointers into it
  for (int k = 1; k < kSyncCameras; ++k) {
    if (!params_.record[k]) continue;
    VG_LIST_ENTRY entry{};
    entry.flags = kSyncEntryFlags;
    entry.text = params_.name[k] ? params_.name[k] : u"";
    entry.value = k;
    cameraEntries_.push_back(entry);
  }
  for (VG_LIST_ENTRY& entry : cameraEntries_) lstAdd(&cameraList_, &entry.node);
}

bool SyncDialog::open() {
  int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (vgGetVisibleAreaMonitor(&x0, &y0, &x1, &y1, vgGetDefaultMonitor()) == -1) OS3_LOG(kLogFailed);
  const VG_RECT dialog = SyncDialogRect(x0, y0, x1, y1, vgGetScreenWidth(), vgGetScreenHeight(), vgConvertWidth(20),
                                        vgConvertHeight(10));
  const RES_STRINGS s = strings_.get();
  fillCameraList();
  int32_t selected = 0;
  for (size_t i = 0; i < cameraEntries_.size(); ++i)
    if (cameraEntries_[i].value == params_.syncCamera) selected = static_cast<int32_t>(i);

  vgsBoxTextLine title(text(s, kTitleText), kTitleStyle);
  vgsBoxTextLine help1(text(s, kHelpText1), kHelpStyle), help2(text(s, kHelpText2), kHelpStyle);
  vgsBoxTextLine refName(params_.name[0], kTitleStyle);
  vgsPopup popup(&elements_[kSyncCameraPopup], 99, &cameraList_, selected, nullptr, 0);
  vgsLayoutX xLayout;
  vgsLayoutY yLayout;
  const int16_t line = vgsComponent::lineHeight();
  const int16_t cell = vgConvertGadgetWidth(32);
  vgsContainer helpColumn(&yLayout), choiceColumn(&yLayout), choiceRow(&xLayout), upper(&yLayout);
  for (vgsComponent* c : {static_cast<vgsComponent*>(&title), static_cast<vgsComponent*>(&help1),
                          static_cast<vgsComponent*>(&help2), static_cast<vgsComponent*>(&refName),
                          static_cast<vgsComponent*>(&popup)})
    singleLine(*c);
  // The popup is as wide as a clip name needs, not the whole screen.
  popup.setMaximumSize(static_cast<int16_t>(10 * cell), line);
  helpColumn.addChild(&help1);
  helpColumn.addChild(&help2);
  helpColumn.setMaximumSize(helpColumn.preferredSize().width, kVgsMaxExtent);
  helpColumn.setGaps(vgConvertWidth(6), 0);
  choiceColumn.addChild(&refName);
  choiceColumn.addChild(&popup);
  choiceRow.addChild(&helpColumn);
  choiceRow.addChild(&choiceColumn);

  vgsPanelInterDim gap1, gap2, gap3, gap4;
  // Fillers of one line: the rows they sit in keep their height.
  vgsSpace leftSpace(0, 0, 0, 0, kVgsMaxExtent, line), rightSpace(0, 0, 0, 0, kVgsMaxExtent, line);
  vgsSpace bottomSpace(0, 0, 0, 0, kVgsMaxExtent, line), stretch;
  vgsCheckBox scrubBox(&elements_[kSyncScrubBox], 119, text(s, kScrubText), params_.syncScrub ? 1 : 0);
  singleLine(scrubBox);
  scrubBox.setMaximumSize(scrubBox.preferredSize().width, line);
  vgsImageButton stopButton(&elements_[kSyncStopPreview], 0x4000E01B, vgGetGuiResource(0, 0, kStopImage));
  vgsImageButton toEndsButton(&elements_[kSyncPreviewToEnds], 0x8000E01C, vgGetGuiResource(0, 0, kToEndsImage));
  vgsImageButton aroundButton(&elements_[kSyncPreviewAround], 0x4002E01C, images_.get(), kAroundImage);
  vgsContainer buttons(&xLayout), controls(&xLayout), bottom(&xLayout), column(&yLayout);
  for (vgsImageButton* b : {&stopButton, &toEndsButton, &aroundButton}) {
    b->setMinimumSize(cell, line);
    b->setMaximumSize(static_cast<int16_t>(2 * cell + vgConvertWidth(2)), line);
    buttons.addChild(b);
  }
  buttons.setInsets(vgConvertWidth(4), 0, 0, 0);
  buttons.setMaximumSize(buttons.maximumSize().width, line);
  vgsTextButton automaticButton(&elements_[kSyncAutomatic], 0, text(s, kAutomaticText));
  vgsTextButton allCamerasButton(&elements_[kSyncAllCameras], 0, text(s, kAllCamerasText));
  vgsContainer automatic(&xLayout);
  for (vgsTextButton* b : {&automaticButton, &allCamerasButton}) {
    singleLine(*b);
    b->setMaximumSize(b->preferredSize().width, line);
    automatic.addChild(b);
  }
  automatic.setInsets(vgConvertWidth(8), 0, 0, 0);
  automatic.setMaximumSize(automatic.preferredSize().width, line);
  controls.addChild(&leftSpace);
  controls.addChild(&scrubBox);
  controls.addChild(&buttons);
  controls.addChild(&automatic);
  controls.addChild(&rightSpace);
  // The automatic search's progress and verdict, centred under the controls.
  vgsTextGadget verdict(&elements_[kSyncVerdict], 0, nullptr, verdictLines_[0].c_str(), kHelpStyle);
  vgsTextGadget verdictDetail(&elements_[kSyncVerdictDetail], 0, nullptr, verdictLines_[1].c_str(), kHelpStyle);
  vgsContainer verdictLines(&yLayout);
  for (vgsTextGadget* t : {&verdict, &verdictDetail}) {
    singleLine(*t);
    verdictLines.addChild(t);
  }
  upper.addChild(&choiceRow);
  upper.addChild(&gap1);
  upper.addChild(&controls);
  upper.addChild(&verdictLines);
  upper.setMaximumSize(kVgsMaxExtent, upper.preferredSize().height);
  vgsTextButton closeButton(&elements_[kSyncClose], 0xE011, text(s, kCloseText));
  singleLine(closeButton);
  closeButton.setMaximumSize(static_cast<int16_t>(4 * cell), line);
  bottom.addChild(&bottomSpace);
  bottom.addChild(&closeButton);
  column.addChild(&title);
  column.addChild(&upper);
  column.addChild(&gap2);
  column.addChild(&gap3);
  column.addChild(&stretch);
  column.addChild(&gap4);
  column.addChild(&bottom);

  request_ = VREQ_REQUEST{};
  request_.queue = guiQueue_.get();
  request_.flags = kSyncRequestFlags;
  request_.width = vgGetScreenWidth();
  request_.height = vgGetScreenHeight();
  if (vreqCreateRequest(&request_) != 0) {
    OS3_LOG(kLogFailed);
    request_ = VREQ_REQUEST{};
    elements_.fill(0);
    return false;
  }
  column.setBounds({0, 0, dialog.width, dialog.height});
  column.moveBy(dialog.x, dialog.y);
  if (!column.create(request_.panel)) OS3_LOG(kLogFailed);

  const int16_t space = vgConvertHeight(10);
  cameraArea_.x = upper.x();
  cameraArea_.width = upper.width();
  cameraArea_.y = static_cast<int16_t>(upper.y() + upper.height() + space);
  cameraArea_.height = static_cast<int16_t>(bottom.y() - space - cameraArea_.y + 1);

  intptr_t chosen = 1;
  if (elements_[kSyncCameraPopup] &&
      vgGetElementInfo(request_.panel, elements_[kSyncCameraPopup], VG_TAG_POPUP_VALUE, &chosen) == -1)
    OS3_LOG(kLogFailed);
  if (chosen != params_.syncCamera && chosen > 0 && chosen < kSyncCameras && params_.record[chosen]) {
    params_.syncCamera = static_cast<int32_t>(chosen);
    syncEnvelope_ = envelopeFor(params_.syncCamera);
  }
  buildPicturePanel();
  refreshReference();
  refreshSync();
  stopPreview();
  return true;
}

void SyncDialog::buildPicturePanel() {
  freeImages();
  if (picturePanel_) {
    if (vgRemovePanel(picturePanel_) == -1) OS3_LOG(kLogFailed);
    picturePanel_ = refPanel_ = syncPanel_ = stripPanel_ = 0;
    for (int slot = kSyncRefName; slot <= kSyncStripLabel; ++slot) elements_[slot] = 0;
  }
  refPicture_ = syncPicture_ = refStrip_ = syncStrip_ = VG_RECT{};
  const VG_RECT& a = cameraArea_;
  if (a.width <= 0 || a.height <= 0) return;
  vgFillBackground(request_.panel, a.x, a.y, a.x + a.width - 1, a.y + a.height - 1, 1, 0);
  picturePanel_ = vgCreatePanel(request_.panel, a.x, a.y, a.width, a.height, kPicturePanelFlags, 0, 0);
  if (!picturePanel_) {
    OS3_LOG(kLogFailed);
    return;
  }
  int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (vgGetVisibleAreaMonitor(&x0, &y0, &x1, &y1, vgGetDefaultMonitor()) == -1) OS3_LOG(kLogFailed);
  VideoSize video;
  FitVideoToMonitor(video);
  PictureSize size{static_cast<int16_t>((x1 - x0 + 1) / 2), static_cast<int16_t>((y1 - y0 + 1) / 2)};
  while (!layCameraColumns(size.width, size.height, false)) {
    size = NextSmallerPicture(size, video.width, video.height);
    if (size.width < kMinPictureWidth) {
      OS3_LOG(kLogFailed);
      VREQ_TEXT tooSmall{};
      tooSmall.text = text(strings_.get(), kTooSmallText);
      tooSmall.flags = 2;
      vreqTextRequest(&tooSmall);
      return;
    }
  }
  layCameraColumns(size.width, size.height, true);
}

bool SyncDialog::layCameraColumns(int16_t width, int16_t height, bool forReal) {
  const VG_RECT area{0, 0, cameraArea_.width, cameraArea_.height};
  ColumnLayout layout(*this, width, height, area.width);
  if (!layout.fits(area)) return false;
  if (!forReal) return true;
  layout.root.setBounds(area);
  if (!layout.root.create(picturePanel_)) OS3_LOG(kLogFailed);
  refPanel_ = syncPanel_ = stripPanel_ = picturePanel_;
  auto inset = [](const vgsOutputBox& box) {
    const VG_RECT b = box.bounds();
    return VG_RECT{static_cast<int16_t>(b.x + 4), static_cast<int16_t>(b.y + 4), static_cast<int16_t>(b.width - 8),
                   static_cast<int16_t>(b.height - 8)};
  };
  refPicture_ = inset(layout.refBox);
  syncPicture_ = inset(layout.syncBox);
  refStrip_ = layout.refStrip.bounds();
  refStrip_.height = static_cast<int16_t>(refStrip_.height - 2);
  syncStrip_ = layout.syncStrip.bounds();
  syncStrip_.y = static_cast<int16_t>(syncStrip_.y + 2);
  syncStrip_.height = static_cast<int16_t>(syncStrip_.height - 2);
  return true;
}

}  // namespace ostrel3
