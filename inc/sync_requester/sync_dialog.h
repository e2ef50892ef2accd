#pragma once
// The synchronisation dialog: camera 1 and the sync camera side by side,
// each with its picture, time display and sound strip. The user positions
// either camera on the host's jog slider (with sound when audio scrubbing
// is on), previews both playing together, and confirms the pair.
#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "envelope/audio_envelope.h"
#include "envelope/waveform_strip.h"
#include "host/host_types.h"
#include "host/list.h"
#include "host/main.h"
#include "host/op.h"
#include "host/vreq.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/queue_message.h"
#include "sync_requester/auto_sync.h"
#include "sync_requester/clip_sound_source.h"
#include "sync_requester/sync_params.h"

struct SwsContext;

namespace ostrel3 {

/// The dialog's input context while it waits for the user.
inline constexpr uint32_t kParserIdle = 0x520F0067;
/// The class-5 message the dialog sends itself for the next step of an
/// automatic synchronisation, so the user's input is taken between steps.
inline constexpr int32_t kAutoSyncStepMessageId = 2071;

/// Shows the dialog over `params` and returns when the user closes it, with
/// the results in the block: true. False when the dialog could not be shown;
/// the block is then unchanged.
bool RunSyncDialog(SyncParams& params);

/// Element slots of the dialog.
enum SyncSlot : int {
  kSyncClose = 1,
  kSyncCameraPopup = 4,
  kSyncScrubBox = 8,
  kSyncStopPreview = 9,
  kSyncPreviewToEnds = 10,
  kSyncPreviewAround = 11,
  kSyncRefName = 13,
  kSyncRefPosition = 14,
  kSyncRefTime = 15,
  kSyncName = 16,
  kSyncPosition = 17,
  kSyncTime = 18,
  kSyncRefStripLabel = 19,
  kSyncStripLabel = 20,
  kSyncJog = 21,
  kSyncAutomatic = 22,
  kSyncAllCameras = 23,
  kSyncVerdict = 24,
  kSyncVerdictDetail = 25,
  kSyncSlots = 26,
};

class SyncDialog {
 public:
  /// Takes the operator's resources for one run; throws CMC_Error when one
  /// of them is refused (what was obtained before is released).
  explicit SyncDialog(SyncParams& params);
  ~SyncDialog();
  SyncDialog(const SyncDialog&) = delete;
  SyncDialog& operator=(const SyncDialog&) = delete;

  /// Builds and shows the dialog. False when the host refused the request:
  /// then run() and close() have nothing to do.
  bool open();
  /// The event loop; returns when the dialog closes.
  void run();
  /// Frees the pictures and deletes the request.
  void close();

  // ---- the views ----
  void refreshReference();
  void refreshSync();
  /// Camera `camera`'s ten seconds around its frame into `rect` of the strip panel.
  void drawStrip(AudioEnvelope* envelope, const VG_RECT& rect, int camera, bool isReference);

  // ---- positioning ----
  void startPositioning(int camera);
  void stopPositioning();
  void endPositioning(bool confirm);
  void jogElement(const QueueMessage& message);
  void jogCommand(const QueueMessage& message);

  // ---- audio scrub ----
  void startTicker();
  void stopTicker();
  void tick(int32_t value);
  void scrubTo(int32_t frame);
  void feedScrub();

  // ---- preview ----
  void previewPlay(bool toEnds);
  void stopPreview();
  void playbackPosition(int32_t frame);

  // ---- automatic synchronisation ----
  /// Starts the search for the sync camera (or every camera with a clip);
  /// while one runs, either button stops it.
  void startAutomatic(bool allCameras);
  void stepAutomatic();
  void cancelAutomatic();
  bool automaticRunning() const { return autoRun_ != nullptr; }
  /// The verdict lines shown under the controls.
  const std::array<std::u16string, 2>& verdictLines() const { return verdictLines_; }
  /// Whether camera k shows an automatic result the user has not confirmed yet.
  bool pendingAutomatic(int k) const { return k >= 0 && k < kSyncCameras && pending_[k].active; }

  /// One message of the loop; true when the dialog is to close.
  bool handle(const QueueMessage& message);

  // ---- read by the ticker task ----
  bool continuousPlay() const { return continuous_.load(); }
  bool tickBusy() const { return tickBusy_.load(); }

  // ---- state, for callers and tests ----
  int scrubCamera() const { return scrubCamera_; }
  bool previewing() const { return playing_.load(); }
  int32_t tickerTask() const { return tickerTask_; }
  int32_t scrubWindow() const { return scrubWindow_; }
  MSG_Q_ID guiQueue() const { return guiQueue_.get(); }
  VG_PANEL root() const { return request_.panel; }
  VG_ELEMENT element(int slot) const { return slot >= 0 && slot < kSyncSlots ? elements_[slot] : 0; }
  const VG_RECT& referencePicture() const { return refPicture_; }
  const VG_RECT& syncPicture() const { return syncPicture_; }

 private:
  struct ColumnLayout;
  // One "Automatic" or "All cameras" run: the cameras still to search and
  // the search under way.
  struct AutomaticRun {
    std::vector<int> cameras;
    size_t next = 0;
    int camera = -1;
    double framesPerSecond = 25.0;
    std::unique_ptr<AudioEnvelope> referenceSound, otherSound;
    std::unique_ptr<ClipSoundSource> reference, other;
    std::unique_ptr<AutoSyncJob> job;
  };
  // What a camera showed before an automatic result moved it; put back when
  // the dialog closes without the user confirming the result.
  struct PendingSync {
    bool active = false;
    int32_t trimIn = 0, syncIn = 0, autoSync = 0;
  };
  // geometry and building
  bool createRequest(const VG_RECT& dialog);
  void buildPicturePanel();
  bool layCameraColumns(int16_t width, int16_t height, bool forReal);
  void fillCameraList();
  // pictures
  void freeImages();
  void showFrame(AV_RECORD record, int32_t frame, VG_PANEL panel, const VG_RECT& rect);
  bool showPicture(AV_RECORD record, int32_t frame, VG_PANEL panel, const VG_RECT& rect);
  bool prepareScaling(const VG_RECT& rect);
  void showTime(int slot, VG_PANEL panel, int32_t frame, int32_t length);
  // helpers
  int32_t length(int camera) const;
  int32_t& positionedFrame();
  void refreshPositioned();
  void chooseCamera();
  void beepList(bool on);
  void beep(int slot, bool on);
  void setParserId(uint32_t id);
  AudioEnvelope* positionedEnvelope();
  std::unique_ptr<AudioEnvelope> envelopeFor(int camera);
  void deleteCopies();
  bool startPlayback(bool toEnds);
  // automatic synchronisation
  bool beginAutomaticCamera();
  void finishAutomaticCamera(const AutoSyncResult& result);
  void endAutomatic();
  void postAutomaticStep();
  void beepWhileSearching(bool on);
  void showVerdict(int camera);
  void setVerdictLines(const std::u16string& first, const std::u16string& second);
  void restoreUnconfirmed();

  SyncParams& params_;
  ResourceStrings strings_;
  ResourceImages images_;
  GadgetExtension gadgets_;
  MessageQueue guiQueue_;
  RenderHandle render_;
  MessageQueue tickerQueue_;

  VREQ_REQUEST request_{};
  std::array<VG_ELEMENT, kSyncSlots> elements_{};
  HOST_LIST cameraList_{};
  std::vector<VG_LIST_ENTRY> cameraEntries_;
  VG_RECT cameraArea_{};
  VG_PANEL picturePanel_ = 0;
  VG_PANEL refPanel_ = 0, syncPanel_ = 0, stripPanel_ = 0;
  VG_RECT refPicture_{}, syncPicture_{};
  VG_RECT refStrip_{}, syncStrip_{};
  OP_IMAGE* fieldImage_ = nullptr;
  OP_IMAGE* visibleImage_ = nullptr;
  OP_IMAGE* viewImage_ = nullptr;
  SwsContext* scaler_ = nullptr;
  bool threeMonitors_ = false;
  bool closing_ = false;

  int scrubCamera_ = -1;
  std::unique_ptr<AudioEnvelope> refEnvelope_, syncEnvelope_;
  WaveformStrip strip_;
  std::vector<int16_t> stripPeaks_;
  bool audioScrub_ = false;
  const OP_AUDIO_INFO* audioInfo_ = nullptr;

  // positioning
  int32_t sliderMin_ = 0, sliderMax_ = 0, sliderStart_ = 0;
  // audio scrub: the engine writes the start word from its own task
  alignas(4) uint32_t scrubState_ = 0;
  int32_t scrubStart_ = -1;
  int32_t tickerTask_ = -1;
  std::atomic<bool> continuous_{false};
  std::atomic<bool> tickBusy_{false};
  int32_t slowTicks_ = 0;
  int32_t scrubWindow_ = 6;
  std::array<std::vector<int16_t>, 2> scrubBuffers_;
  int32_t bufferToggle_ = 0;

  // preview
  MAIN_PLAY_CALLBACKS playRecord_{};
  std::atomic<bool> playing_{false};
  bool playerInitialised_ = false;
  AV_RECORD refCopy_ = 0, syncCopy_ = 0;
  int32_t refPlayStart_ = 0, syncPlayStart_ = 0;

  // automatic synchronisation
  std::unique_ptr<AutomaticRun> autoRun_;
  std::array<PendingSync, kSyncCameras> pending_{};
  std::array<std::vector<std::string>, kSyncCameras> verdicts_;
  std::array<std::u16string, 2> verdictLines_;  ///< the gadgets show these texts
};

}  // namespace ostrel3
