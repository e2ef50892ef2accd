// The main panel as a tree of layout components: controls on the left, the
// cameras on the right, the timeline below them and the apply and leave
// buttons at the bottom.
#include "ostrel3/shell/main_panel_layout.h"

#include <string>

#include "host/nsl.h"
#include "host/res.h"
#include "host/vg.h"
#include "ostrel3/shell/element_slots.h"
#include "ostrel3/shell/operator.h"
#include "videodisplay/fit_video.h"

namespace ostrel3 {

namespace {

constexpr int kMaxShownCameras = 6;
constexpr uint32_t kCameraButtonFlags = 0x20000;
constexpr uint32_t kLivePanelFlags = 0x200;
constexpr int16_t kBandRoom = 4;
constexpr int32_t kScrubOffImage = 0x24C;
constexpr int32_t kScrubOnImage = 0x24D;
constexpr uint32_t kScrubShortcut = 0x77;  // room for the active camera's frame around its box
constexpr int32_t kCameraNames[kMaxShownCameras] = {203, 204, 205, 206, 320, 322};
constexpr uint32_t kCameraShortcuts[kMaxShownCameras] = {0x20, 0x31, 0x32, 0x33, 0x34, 0x35};

struct ButtonSpec {
  int slot;
  int32_t image;
  uint32_t shortcut;
  bool hostImage;
};

// Which cameras stand in which row, by camera count.
std::vector<std::vector<int>> cameraRows(int count) {
  switch (count) {
    case 2: return {{0, 1}};
    case 3: return {{0, 1, 2}};
    case 5: return {{0, 1, 2}, {3, 4}};
    case 6: return {{0, 1, 2}, {3, 4, 5}};
    default: return {{0, 1}, {2, 3}};
  }
}

}  // namespace

struct MainPanelLayout::Parts {
  vgsPanel* titlePanel = nullptr;
  vgsBoxTextLine* titleLine = nullptr;
  vgsPanel* clipPanel = nullptr;
  vgsComponent* syncSpace = nullptr;
  vgsPanel* scrubPanel = nullptr;
  vgsComponent* waveformSpace = nullptr;
  vgsPanel* livePanel = nullptr;
  vgsOutputBox* liveBox = nullptr;
  vgsPanel* cameraPanel = nullptr;
  vgsOutputBox* pictures[kMaxShownCameras] = {};
  vgsOutputBox* swatches[kMaxShownCameras] = {};
  vgsPanel* timelinePanel = nullptr;
  vgsComponent* timelineArea = nullptr;
  std::u16string clipName;
};

template <typename T, typename... Args>
T* MainPanelLayout::make(Args&&... args) {
  auto owned = std::make_unique<T>(std::forward<Args>(args)...);
  T* raw = owned.get();
  owned_.push_back(std::move(owned));
  return raw;
}

vgsContainer* MainPanelLayout::container(bool horizontal) {
  auto* c = make<vgsContainer>(horizontal ? static_cast<vgsLayout*>(&row_) : &column_);
  c->setGaps(vgConvertWidth(4), vgConvertWidth(4));
  return c;
}

vgsPanel* MainPanelLayout::panel(bool horizontal, uint32_t flags) {
  auto* p = make<vgsPanel>(horizontal ? static_cast<vgsLayout*>(&row_) : &column_, flags);
  p->setGaps(vgConvertWidth(4), vgConvertWidth(4));
  return p;
}

vgsComponent* MainPanelLayout::space(int16_t minW, int16_t minH, int16_t prefW, int16_t prefH, int16_t maxW,
                                     int16_t maxH) {
  return make<vgsSpace>(minW, minH, prefW, prefH, maxW, maxH);
}

// Controls keep their own size; the spaces between them take what is left.
template <typename T>
T* keepSize(T* c) {
  c->setMaximumSize(c->preferredSize().width, c->preferredSize().height);
  return c;
}

// Panels of controls keep their height; only the live picture grows.
template <typename T>
T* keepHeight(T* c) {
  c->setMaximumSize(kVgsMaxExtent, c->preferredSize().height);
  return c;
}

// A switch with two host pictures, lit while the main view scrubs.
vgsComponent* MainPanelLayout::scrubToggle() {
  auto* b = make<vgsImageButton>(&op_.elementSlots[kScrubToggle], kScrubShortcut, vgGetGuiResource(0, 0, kScrubOffImage),
                                 vgGetGuiResource(0, 0, kScrubOnImage), 0u, nullptr, op_.mainScrub ? 1u : 0u);
  b->setId(kScrubShortcut);
  return keepSize(b);
}

vgsComponent* MainPanelLayout::textButton(int slot, int32_t stringId, uint32_t shortcut, uint32_t flags) {
  auto* b = make<vgsTextButton>(&op_.elementSlots[slot], shortcut, resGetString(op_.strings.get(), stringId), flags);
  b->setId(shortcut);
  return keepSize(b);
}

vgsComponent* MainPanelLayout::imageButton(int slot, int32_t imageId, uint32_t shortcut, bool hostImage) {
  vgsImageButton* b =
      hostImage ? make<vgsImageButton>(&op_.elementSlots[slot], shortcut, vgGetGuiResource(0, 0, imageId))
                : make<vgsImageButton>(&op_.elementSlots[slot], shortcut, op_.images.get(), imageId);
  b->setId(shortcut);
  return keepSize(b);
}

MainPanelLayout::MainPanelLayout(MulticamOperator& op, int16_t pictureWidth, int16_t pictureHeight,
                                 int16_t spacerHeight, bool livePicture)
    : op_(op),
      pictureWidth_(pictureWidth),
      pictureHeight_(pictureHeight),
      spacerHeight_(spacerHeight),
      livePicture_(livePicture),
      parts_(std::make_unique<Parts>()) {
  vgsContainer* mainRow = container(true);
  mainRow->addChild(buildControlColumn());
  mainRow->addChild(make<vgsPanelInterDim>());
  mainRow->addChild(buildCameraColumn());
  root_ = container(false);
  root_->addChild(mainRow);
  root_->addChild(space(0, 0, 0, vgConvertHeight(2), 4096, vgConvertHeight(8)));
  root_->addChild(buildTimelinePanel());
  root_->addChild(space(0, 0, 0, vgConvertHeight(2), 4096, vgConvertHeight(8)));
  root_->addChild(buildBottomRow());
}

MainPanelLayout::~MainPanelLayout() = default;

vgsComponent* MainPanelLayout::buildControlColumn() {
  const int16_t gap = vgConvertHeight(4);
  vgsContainer* column = container(false);

  Parts& p = *parts_;
  p.titlePanel = panel(false);
  vgsContainer* titleRow = container(true);
  titleRow->addChild(textButton(kSettingsButton, 340, 0x70));
  p.titleLine = make<vgsBoxTextLine>(op_.projectName.c_str());
  p.titleLine->setMaximumSize(4096, p.titleLine->preferredSize().height);
  titleRow->addChild(p.titleLine);
  p.titlePanel->addChild(titleRow);
  p.titlePanel->addChild(textButton(kInfoButton, 384, 0x69));
  column->addChild(keepHeight(p.titlePanel));
  column->addChild(space(0, 0, 0, gap, 4096, gap));

  column->addChild(keepHeight(buildClipControls()));
  column->addChild(space(0, 0, 0, gap, 4096, gap));

  p.scrubPanel = panel(false);
  const int16_t line = vgsComponent::lineHeight();
  p.waveformSpace = space(vgsComponent::cellWidth(), line, 4 * vgsComponent::cellWidth(), line, 4096, line);
  p.scrubPanel->addChild(p.waveformSpace);
  vgsContainer* scrubRow = container(true);
  scrubRow->addChild(space(0, 0, 0, 0));
  scrubRow->addChild(scrubToggle());
  p.scrubPanel->addChild(scrubRow);
  column->addChild(keepHeight(p.scrubPanel));
  if (livePicture_) {
    column->addChild(space(0, 0, 0, gap, 4096, gap));
    p.livePanel = panel(false, kLivePanelFlags);
    // The live picture keeps the shape of the video on this monitor: a 4:3
    // format is not stretched to the box. It asks for little room of its
    // own and takes whatever width the control column has.
    VideoSize video;
    FitVideoToMonitor(video);
    const int16_t width = vgConvertWidth(96);
    const int16_t height = video.width > 0 ? int16_t(int32_t(width) * video.height / video.width) : int16_t(width * 9 / 16);
    p.liveBox = make<vgsOutputBox>(width, height);
    p.liveBox->setPictureSize(video.width, video.height);
    p.liveBox->setKeepAspect(true);
    p.liveBox->setMaximumSize(4096, 4096);
    p.livePanel->addChild(p.liveBox);
    column->addChild(p.livePanel);  // the live picture takes the height the controls leave
  } else {
    column->addChild(space(0, 0, 0, 0));
  }
  return column;
}

vgsComponent* MainPanelLayout::buildClipControls() {
  Parts& p = *parts_;
  const CameraSlot& camera = op_.cameras[op_.activeCamera];
  p.clipName = camera.hasClip() && nslGetAVRecordName(camera.record) ? nslGetAVRecordName(camera.record) : u"";
  p.clipPanel = panel(false);

  vgsContainer* nameRow = container(true);
  auto* name = make<vgsStringGadget>(&op_.elementSlots[kClipNameField], 0u, nullptr, p.clipName.c_str(), 32);
  const std::u16string wide(32, u'M');
  name->setPreferredSize(vgsComponent::gridWidth(vgTextLength(wide.c_str()) + 31), vgsComponent::lineHeight());
  name->setMaximumSize(4096, vgsComponent::lineHeight());
  nameRow->addChild(name);
  const int32_t length = camera.hasClip() ? 2 * nslGetTrimmedAVRecordLength(camera.record) : 0;
  nameRow->addChild(keepSize(make<vgsTimeGadget>(&op_.elementSlots[kClipLengthField], 0u, nullptr, length)));
  p.clipPanel->addChild(nameRow);

  p.clipPanel->addChild(textButton(kChooseClipButton, 201, 0x0002E009));

  vgsContainer* syncRow = container(true);
  syncRow->addChild(textButton(kSynchroniseButton, 422, 0x73));
  p.syncSpace = space(vgsComponent::lineHeight(), vgsComponent::lineHeight(), vgsComponent::lineHeight(),
                      vgsComponent::lineHeight(), 4096, vgsComponent::lineHeight());
  syncRow->addChild(p.syncSpace);
  p.clipPanel->addChild(syncRow);

  vgsContainer* colourRow = container(true);
  colourRow->addChild(keepSize(make<vgsPaletteButton>(&op_.elementSlots[kCameraColorButton], camera.colour)));
  colourRow->addChild(imageButton(kRemoveClipButton, 0x74, 0x8002E002, false));
  p.clipPanel->addChild(colourRow);

  const int32_t checked = op_.activeCamera == 0 ? 2 : (camera.useAudio & 1);
  auto* audio = make<vgsCheckBox>(&op_.elementSlots[kCameraAudioCheckBox], 0x75u,
                                  resGetString(op_.strings.get(), 420), checked);
  audio->setId(0x75);
  p.clipPanel->addChild(keepSize(audio));
  return p.clipPanel;
}

vgsComponent* MainPanelLayout::buildCameraGroup(int camera) {
  Parts& p = *parts_;
  vgsContainer* group = container(false);
  vgsContainer* buttonRow = container(true);
  const uint32_t flags = kCameraButtonFlags | (camera == op_.activeCamera ? 1u : 0u);
  vgsComponent* button = textButton(CameraButtonSlot(camera), kCameraNames[camera], kCameraShortcuts[camera], flags);
  button->setMaximumSize(4096, button->preferredSize().height);
  buttonRow->addChild(button);
  const int16_t line = vgsComponent::lineHeight();
  p.swatches[camera] = make<vgsOutputBox>(int16_t(2 * line - 8), int16_t(line - 8));
  p.swatches[camera]->setMinimumSize(2 * line, line);
  p.swatches[camera]->setMaximumSize(2 * line, line);
  buttonRow->addChild(p.swatches[camera]);
  group->addChild(buttonRow);

  vgsContainer* box = container(false);
  box->setInsets(kBandRoom, kBandRoom, kBandRoom, kBandRoom);
  p.pictures[camera] = make<vgsOutputBox>(pictureWidth_, pictureHeight_);
  const vgsSize fixed = p.pictures[camera]->preferredSize();
  p.pictures[camera]->setMinimumSize(fixed.width, fixed.height);
  p.pictures[camera]->setMaximumSize(fixed.width, fixed.height);
  box->addChild(p.pictures[camera]);
  group->addChild(box);
  return group;
}

vgsComponent* MainPanelLayout::buildCameraColumn() {
  Parts& p = *parts_;
  const int count = op_.sceneCount;
  const auto rows = cameraRows(count);
  p.cameraPanel = panel(false);
  const int16_t gap = vgConvertWidth(8);
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r > 0) p.cameraPanel->addChild(space(0, 0, 0, gap, 4096, gap));
    vgsContainer* row = container(true);
    for (size_t i = 0; i < rows[r].size(); ++i) {
      if (i > 0) row->addChild(space(gap, 0, gap, 0));
      row->addChild(buildCameraGroup(rows[r][i]));
    }
    // Three cameras stand left; a short second row keeps the columns of the first.
    if (count == 3) row->addChild(space(0, 0, 0, 0));
    if (count == 5 && r == 1) {
      const int16_t groupWidth = static_cast<int16_t>(pictureWidth_ + 2 * vgsOutputBox::kFrame + 2 * kBandRoom);
      row->addChild(space(int16_t(groupWidth + gap), 0, int16_t(groupWidth + gap), 0));
    }
    p.cameraPanel->addChild(row);
  }
  vgsContainer* column = container(false);
  column->addChild(p.cameraPanel);
  if (rows.size() == 1 && spacerHeight_ > 0) column->addChild(space(0, spacerHeight_, 0, spacerHeight_, 4096, spacerHeight_));
  return column;
}

vgsComponent* MainPanelLayout::buildTransport() {
  vgsContainer* row = container(true);
  const ButtonSpec buttons[] = {{kZoomAllButton, 0x71, 0x30, false},          {kZoomInButton, 0x70, 0x4000002B, false},
                                {kZoomOutButton, 0x6E, 0x8000002D, false},     {kToStartButton, 0x2D, 0xE00A, true},
                                {kPreviousCutButton, 2, 0x4000E007, true},     {kNextCutButton, 3, 0x8000E008, true},
                                {kMoveCutButton, 0x72, 0x4000006D, false}};
  for (const auto& b : buttons) row->addChild(imageButton(b.slot, b.image, b.shortcut, b.hostImage));
  row->addChild(space(0, 0, vgsComponent::cellWidth(), 0));
  row->addChild(imageButton(kDeleteCutButton, 0x74, 0x8000E002, false));
  row->addChild(space(0, 0, vgsComponent::cellWidth(), 0));
  row->addChild(imageButton(kUndoButton, 0x2C, 0x4040007A, true));
  row->addChild(imageButton(kRedoButton, 0x29C, 0x80400079, true));
  row->addChild(space(0, 0, vgsComponent::cellWidth(), 0));
  vgsContainer* play = container(true);
  const ButtonSpec playButtons[] = {{kStopButton, 0x226, 0x4000E01B, true},
                                    {kPlayButton, 0x216, 0x8000E01C, true},
                                    {kPreviewButton, 0x78, 0x4002E01C, false},
                                    {kPauseButton, 0x225, 0x8000E01D, true}};
  for (const auto& b : playButtons) play->addChild(imageButton(b.slot, b.image, b.shortcut, b.hostImage));
  row->addChild(play);
  return row;
}

vgsComponent* MainPanelLayout::buildTimelinePanel() {
  Parts& p = *parts_;
  p.timelinePanel = panel(false);
  // Room for the time ruler, a cut bar of one line and the zoom bar.
  const int16_t height =
      static_cast<int16_t>(op_.textLineHeight + op_.timelineGap + 2 + vgsComponent::lineHeight() + op_.timelineMargin);
  p.timelineArea = make<vgsClickGadget>(&op_.elementSlots[kTimelineArea]);
  p.timelineArea->setMinimumSize(vgsComponent::cellWidth(), height);
  p.timelineArea->setPreferredSize(vgsComponent::cellWidth(), height);
  p.timelineArea->setMaximumSize(4096, height);
  p.timelinePanel->addChild(p.timelineArea);
  const int32_t last = op_.LastFrame() > 0 ? op_.LastFrame() : 0;
  auto* slider = make<vgsSlider>(&op_.elementSlots[kPositionSlider], 0u, nullptr, int16_t(0), 0, last, op_.position, 0u,
                                 &vgSliderCallbackFramesTime);
  slider->setMaximumSize(4096, slider->preferredSize().height);
  p.timelinePanel->addChild(slider);
  p.timelinePanel->addChild(buildTransport());
  return p.timelinePanel;
}

vgsComponent* MainPanelLayout::buildBottomRow() {
  vgsContainer* row = container(true);
  row->addChild(space(0, 0, 0, 0));
  vgsPanel* buttons = panel(true);
  buttons->addChild(textButton(kApplyButton, 368, 0xE004));
  buttons->addChild(textButton(kLeaveButton, 370, 0xE011));
  row->addChild(buttons);
  return row;
}

bool MainPanelLayout::layOut(const VG_RECT& area) {
  // Fitting means every part gets its preferred size: nothing is squeezed
  // below what it needs to be created.
  const vgsSize wanted = root_->preferredSize();
  root_->setBounds(area);
  return wanted.width <= area.width && wanted.height <= area.height;
}

bool MainPanelLayout::create(VG_PANEL panel) { return root_->create(panel); }

PanelArea MainPanelLayout::area(const vgsComponent* c, const vgsPanel* owner) const {
  if (!c || !owner || !owner->handle()) return {};
  return {owner->handle(), c->bounds()};
}

PanelArea MainPanelLayout::pictureBox(int camera) const {
  if (camera < 0 || camera >= kMaxShownCameras) return {};
  return area(parts_->pictures[camera], parts_->cameraPanel);
}

PanelArea MainPanelLayout::swatchBox(int camera) const {
  if (camera < 0 || camera >= kMaxShownCameras) return {};
  return area(parts_->swatches[camera], parts_->cameraPanel);
}

PanelArea MainPanelLayout::timeline() const { return area(parts_->timelineArea, parts_->timelinePanel); }
PanelArea MainPanelLayout::livePicture() const {
  if (!parts_->liveBox) return {};
  return {parts_->livePanel->handle(), parts_->liveBox->innerRect()};
}
PanelArea MainPanelLayout::projectTitle() const { return area(parts_->titleLine, parts_->titlePanel); }
PanelArea MainPanelLayout::waveform() const { return area(parts_->waveformSpace, parts_->scrubPanel); }
PanelArea MainPanelLayout::syncState() const { return area(parts_->syncSpace, parts_->clipPanel); }

}  // namespace ostrel3
