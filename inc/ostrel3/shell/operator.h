#pragma once
// The operator's one main object of a run. It owns every host resource of
// the run, the project model, the histories and the panel's element
// handles. Members that own something are declared in construction order:
// a refusal part-way destroys exactly what was built before it, in reverse.
#include <array>
#include <atomic>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "envelope/audio_envelope.h"
#include "envelope/waveform_strip.h"
#include "host/cm.h"
#include "host/main.h"
#include "host/op.h"
#include "host/vreq.h"
#include "ostrel3/shell/holders.h"
#include "ostrel3/shell/panel_area.h"
#include "ostrel3/display/output_list.h"
#include "ostrel3/display/picture_cache.h"
#include "ostrel3/display/playback_marks.h"
#include "ostrel3/display/playback_plan.h"
#include "ostrel3/display/player_session.h"
#include "ostrel3/editing/cut_geometry.h"
#include "ostrel3/project/project_import.h"
#include "ostrel3/project/project_io.h"
#include "ostrel3/project/project_model.h"
#include "ostrel3/shell/queue_message.h"
#include "sync_requester/sync_dialog.h"
#include "transition_picker/transitions_hook.h"

namespace ostrel3 {

class MainPanelLayout;

inline constexpr int kElementSlots = 49;
inline constexpr uint32_t kHighlightColour = 0xB68080FFu;

/// Bookkeeping of the scrub task of the main view.
struct ScrubTaskState {
  int32_t scrubState = -1;   ///< 0 while the scrub engine runs
  int32_t scrubTaskId = -1;  ///< the scrub task, -1 when none runs
  int32_t scrubWindow = 6;   ///< frames around the position
  uint32_t startWord = 0;    ///< handed to the scrub engine
  OP_AUDIO_INFO audioInfo{}; ///< the project's sound format
};

class MulticamOperator {
 public:
  MulticamOperator();
  ~MulticamOperator();
  MulticamOperator(const MulticamOperator&) = delete;
  MulticamOperator& operator=(const MulticamOperator&) = delete;

  // ---- Project model -------------------------------------------------------
  /// Turns the model into an empty project.
  void ResetProject();
  /// Recomputes projectLength from the cameras in use; returns the last frame.
  int32_t UpdateTimelineLength();
  /// Last valid frame of the timeline (projectLength / 2 - 1).
  int32_t LastFrame() const { return projectLength / 2 - 1; }
  /// After a length decrease: clamps the position and drops cuts beyond the end.
  void TrimCutsToLength();

  // ---- Camera pictures ---------------------------------------------------------
  /// Shows camera i's frame at the position in its picture box.
  void ShowCameraPicture(int i);
  /// Fills camera i's picture box with the empty-camera colour.
  void ShowEmptyCamera(int i);
  /// Frames the active camera's box in its colour; draws only on a change unless forced.
  void MarkActiveCamera(bool force);

  // ---- Panel and event loop --------------------------------------------------
  bool OpenPanel(OperatorMsg* message);
  /// Lays the panel out at the current picture size; with create, opens it.
  bool BuildPanel(bool create);
  void ClosePanel();
  void RunEventLoop();

  // ---- Event loop ------------------------------------------------------------------
  /// True when no playback starts or runs, or when the camera has a clip.
  bool IsCameraSelectable(int camera) const;
  /// Deletes the cut in force at the position.
  void DeleteCutAtPosition();
  /// A camera button or camera key: makes the camera active (button -1: the
  /// button itself was pressed).
  void SelectCamera(int camera, int buttonSlot);
  /// Follow-up of every position change.
  void UpdateCursor(bool updateSlider);
  /// Draws every camera picture and the timeline.
  void RedrawAll();

  // ---- Scrubbing: the sound and the strip at the position ----------------------
  /// Starts the scrub engine and the scrub task; true when both run or
  /// scrubbing is off. Does nothing while either already runs.
  bool ScrubStart();
  /// Silences and stops the engine and ends the task (deleting it when it
  /// does not answer). Never throws; safe when nothing runs.
  void ScrubStop();
  /// Hands the sound around the position to the engine (unless `silent`)
  /// and draws its strip.
  void ScrubUpdate(bool silent);
  void ClearWaveformStrip();

  // ---- Operations that arrive with later work: recognised, they do nothing yet ----
  void AssignSceneToActiveCamera();
  void RemoveClipFromActiveCamera();
  void SynchroniseCameras();
  void UpdateCameraLabels();
  void UpdateCameraPanel(int camera, bool force);
  void ZoomTimeline(int direction);
  void RedrawTimeline(bool force);
  /// The timeline redraw after a change of clips: recomputes the project
  /// length and clamps the window, then draws the overview once per tick.
  void UpdateTimeline();
  bool BuildStoryboard();
  /// The project and settings dialog: true when the caller must show the
  /// project anew; a changed camera count or live picture switch also asks
  /// for a new panel (restartRequested).
  bool ProjectSettingsDialog();
  /// Asks what to reset and does it; true when the user confirmed.
  bool AskResetProject();
  /// Saves the project under another slot the user chooses.
  void CopyProjectToSlot();
  /// Whether the panel may show the live picture (one monitor setup, a
  /// screen high enough and a render library that can).
  bool LivePictureOffered() const;
  /// The project's archives and removable media, reached from the project
  /// dialog: each true when it brought a project in that the caller shows.
  void ExportProjectToMedium();
  bool ImportProjectFromMedium();
  bool ArchivesCommand();
  /// Reads a project file made elsewhere into the model, at the current
  /// frame rate and with its clips found again by name; true when it had
  /// cut points and they were read. The whole import is one undo step.
  bool ImportProjectFile(const char* path);
  /// Gives the cameras the bin's clips of the names an imported file gave
  /// them (after asking); true when a camera the file names still lacks its clip.
  bool RelinkCamerasByName(ImportNames& names);
  void InfoDialog();
  void ChooseCameraColour();
  void RenameCameraClip();
  void DrawProjectTitle();

  // ---- Members that own something, in construction order ----------------------
  VREQ_REQUEST panelRequest{};
  ResourceStrings strings;
  ResourceImages images;
  GadgetExtension gadgetExt;
  MessageQueue eventQueue;
  RenderHandle render;
  CutList cutList;
  StoryboardScene sbScenes[3];
  std::u16string projectName;
  SnapshotHistory undoHistory;
  SnapshotHistory redoHistory;
  MessageQueue scrubCommandQueue;
  std::array<std::vector<int16_t>, 2> scrubBuffers;
  int32_t nextScrubBuffer = 0;
  std::unique_ptr<AudioEnvelope> scrubEnvelope;
  WaveformStrip waveformStrip;

  // ---- Plain state -------------------------------------------------------------
  VG_ELEMENT elementSlots[kElementSlots] = {};
  OperatorMsg* runMessage = nullptr;
  int16_t pictureWidth = 0;
  int16_t pictureHeight = 0;
  CameraSlot cameras[kCameraSlots];
  int32_t sceneCount = 4;
  int32_t framesPerSecond = 0;
  int32_t maxLength = 0;
  bool restartRequested = false;
  bool settingsChanged = false;
  bool threeMonitors = false;
  bool renderReady = false;
  int16_t textLineHeight = 0;
  int16_t timelineGap = 12;
  int16_t timelineMargin = 6;
  uint32_t highlightColor = kHighlightColour;
  int16_t timeTextWidth = 0;
  ScrubTaskState scrubTask;
  PictureCache pictures;
  VG_PANEL previewPanel = 0;  ///< the live picture area; 0 when there is none
  VG_RECT previewRect{};

  // Drawing areas of the main panel, set when it is opened.
  PanelArea timelineArea;     ///< where the timeline overview is drawn
  PanelArea titleArea;        ///< the project title line
  PanelArea waveformArea;     ///< the scrub strip
  PanelArea syncStateArea;    ///< the sync-state picture
  VG_PANEL playbackPanel = 0; ///< the sub-panel the player draws into
  VG_RECT playbackRect{};

  // Project preferences and position.
  int32_t projectSlot = 0;
  int32_t activeCamera = 0;
  int32_t position = 0;
  int32_t zoomIn = 0;
  int32_t zoomOut = 0;
  int32_t trimLength = 0;
  bool syncScrub = false;
  bool mainScrub = true;
  int32_t showOutPreview = 1;
  int32_t projectLength = 0;

  // Move-cut mode.
  bool moveMode = false;
  int32_t moveFrom = 0;
  int32_t moveDelta = 0;
  int32_t moveLow = 0;
  int32_t moveHigh = 0;

  // Event loop.
  bool keepRunning = false;

  // Sizing of the main panel.
  int16_t spacerHeight = 0;

  // ---- Project and settings files, clip copies, undo and redo --------------
  /// Path of a slot's project file in pathBuffer; null (logged) when it cannot be built.
  const char* ProjectFilePath(int32_t slot);
  /// Path of the host project's settings file in pathBuffer; null (logged) on failure.
  const char* SettingsFilePath();
  /// The model as the project file stores it.
  ProjectDocument CaptureProject() const;
  /// Prints the project into `text` when given (nothing touches the disk);
  /// otherwise saves it to `path`, or to the slot file of projectSlot when null.
  bool SaveProject(std::string* text = nullptr, const char* path = nullptr);
  /// Why the last save to a file failed: the file (empty when no path could
  /// be built) and the system's error number (0 when none is known).
  struct SaveFailure {
    std::string path;
    int error = 0;
  };
  /// Set by every SaveProject; empty after one that succeeded.
  SaveFailure lastSaveFailure;
  /// Resets the model and loads the slot file of projectSlot into it; a
  /// missing or unreadable file leaves an empty project. True unless the file
  /// has another root.
  bool LoadProjectSlot();
  /// Fills the freshly reset model from a parsed project; false when the root is missing.
  bool LoadProjectDocument(const tinyxml2::XMLDocument& document);
  /// Name and emptiness of a slot's stored project.
  ProjectSummary ReadProjectSummary(int32_t slot);
  /// Appends the current project to the undo (or redo) history, at most 32 kept.
  void PushUndo();
  void PushRedo();
  /// Steps back (or forward) to the newest snapshot; an empty history beeps.
  bool Undo();
  bool Redo();
  /// Reads projectSlot from the settings file of the host project.
  void LoadSettings();
  /// Writes projectSlot to the settings file of the host project.
  bool SaveSettings();
  /// Re-trims the cameras in use so that they all run in step.
  void ApplySyncTrims();

  /// Reads and writes the transitions element of the project file.
  std::unique_ptr<TransitionsHook> transitionsHook = MakeTransitionsHook();
  /// The one buffer every path of the operator is built in.
  PathBuffer pathBuffer{};
  /// The file name the archives and media requesters offer, kept between them.
  std::array<char, 64> archiveName{};

 private:
  void initialisePlainState();
  void initialiseDisplayMetrics();
  void clearPlaybackState();
  void teardown() noexcept;
  // Main panel.
  bool findFittingPictureSize();
  bool livePictureAllowed(int16_t visibleHeight) const;
  void takeCameraAreas(const MainPanelLayout& layout);
  void takeLivePicture(const MainPanelLayout& layout, bool allowed);
  void openPlaybackPanel();
  void showPanelContents();
  // Event loop (the dispatch of each message class).
  void catchUpOverview();
  void dispatch(const QueueMessage& message);
  void handleElement(const QueueMessage& message);
  bool handleFrameElement(VG_ELEMENT element);
  void handleSlot(int slot, const QueueMessage& message);
  void handleKey(const QueueMessage& message);
  void handleClose();
  void handlePlayback(const QueueMessage& message);
  bool stopPlaybackIfRunning();
  void apply(bool saveOnSuccess);
  void undoOrRedo(bool undo);
  void afterSettingsDialog(bool changed);
  void refresh(bool afterHistory);
  void rebuild();
  /// Saves and ends the event loop. When the save fails the user is asked
  /// whether to stay (unless `mayStay` is false, as when no message can come).
  void saveAndLeave(bool mayStay = true);
  /// Tells the user that the project could not be saved; true when the user
  /// leaves anyway, false to stay in the editor.
  bool leaveUnsaved();
  bool printProject(std::string& text);
  bool saveProjectTo(const std::string& target);
  void leave();
  void stepToCut(bool forward);
  bool fetchField(const CameraSlot& camera);
  void showPreview();
  bool prepareBoxScaling();
  void scaleFieldIntoBox();

  // Camera assignment
 public:
  /// Lets the user choose the camera's clip in the host's scene chooser; true
  /// when the camera's clip changed.
  bool SelectSceneForCamera(int camera);
  /// The dialog the synchronise command runs over its block (a test may put a
  /// scripted one here).
  bool (*runSyncDialog)(SyncParams& params) = RunSyncDialog;

 private:
  bool chooseClip(int camera);
  void clampToShorterTimeline(int32_t oldLength);
  void showCameraPictures();
  int fillSyncParams(SyncParams& params);
  void fetchRecordingTimes(CameraSlot& camera);
  int32_t recordingInfoMode();
  void adoptSyncResults(const SyncParams& params);
  void drawSyncState(const CameraSlot& camera);

  // Cut editing
 public:
  /// Cuts to the camera at the position (a camera without a clip makes no cut).
  void SetCameraAtPosition(int camera);
  /// The cut itself, without its undo step: sets it, keeps the list
  /// normalised and, while a playback runs, hands the live preview its list.
  void PutCut(int32_t frame, int camera);
  /// One command of the host's input parser: play, pause, stop, camera keys, jog.
  void HandleKeyCommand(const QueueMessage& message);
  /// A click `x` pixels right of the timeline's left edge.
  void HandleTimelineClick(int16_t x);
  /// Enters the move-cut mode for the cut at the position.
  void StartMoveCut();
  /// Leaves the move-cut mode, moving the cut unless cancelled.
  void EndMoveCut(bool cancel);
  /// Pointer movement to screen column `x` while a cut is moved.
  void MoveCutToPointer(int16_t x);
  /// Keeps the moved cut between its neighbours and shows the cursor on it.
  void PreviewMoveCut();
  /// Messages the jog took off the event queue and could not put back; the
  /// event loop takes them before anything still waiting in the queue.
  std::deque<QueueMessage> heldMessages;

 private:
  void handOverOutputList();
  int32_t currentInputScreen();
  void jog(int32_t delta);
  int64_t gatherQueuedJogs();
  void putBack(const QueueMessage& message, int32_t size);
  TimelineView timelineView() const;
  void placePointerOnFrame(int32_t frame);
  void switchMovePointer(bool on);
  void switchInputScreen(uint32_t parserId);
  void commitMove();

  // Timeline
  /// The once-per-tick gate of the overview's drawings (forced: always);
  /// false as well while there is no timeline to draw on.
  bool overviewDue(bool force);
  /// Ruler, cut bar, zoom bar and position marker, under one clip rectangle.
  void DrawOverview();
  /// The time ruler, composed off-screen and written in one piece.
  void DrawTimeRuler();
  void drawCutBar(int16_t minLabel);
  void drawPositionMarker();
  void drawZoomBar();

  // Playback
 public:
  /// Plays the cameras side by side from `first` (negative: from resumePos)
  /// to `last` (-1: to the end of the timeline).
  void PlayStart(int32_t first, int32_t last);
  /// Ends a starting, running or paused playback: the position goes back to
  /// where it started. `fromPlayer`: the player reported the end of play.
  void PlayStop(bool fromPlayer);
  /// Pauses a running playback; resumes a paused one.
  void PlayPauseToggle();
  /// The player's position message, in fields (two a frame).
  void PlaybackPosition(int32_t fields);
  /// The player's report that `camera`'s material ran out at `fields`.
  void HandlePlayCamera(int32_t camera, int32_t fields);
  /// Builds the live preview's output list from `start` on into the list
  /// the render library does not read, and makes it the current one.
  void BuildOutputList(int32_t start);
  /// The last frame every camera in use has material for; the largest frame
  /// when no camera has a clip.
  int32_t TimelineLastFrame();
  /// Each camera's clip (0 for none), by camera index.
  CameraClips cameraClips() const;

  /// Set when the player accepted the start, cleared by its first position.
  bool playStarting = false;
  /// Set by the first position message, cleared by pause and stop.
  bool playing = false;
  /// Where PlayStart(-1, ...) starts: the paused frame, or the position.
  int32_t resumePos = 0;
  /// resumePos when PlayStart began (or the last live cut): a stop returns there.
  int32_t playStartPos = 0;
  /// The start frame of the output list of the running playback.
  int32_t outputListStart = 0;
  /// Handed to mainPlayInit: record size, position and event callbacks.
  MAIN_PLAY_CALLBACKS playCallbacks{};
  /// Two output lists used in turn, the current one by index.
  std::array<std::vector<CM_OUTPUT_PAIR>, 2> outputLists;
  int32_t currentOutputList = 0;
  /// The list the render library reads; -1 while none plays.
  int32_t outputListInPlayer = -1;
  /// The current list was made from the cut list as it stands, changed
  /// since by live cuts only: the next live cut updates it around its frame.
  bool outputListFollowsCuts = false;
  /// A playback started and not yet stopped (running, starting or paused).
  bool playbackUnderway = false;
  /// Playback turned scrubbing off; it comes back when playback ends or fails.
  bool scrubHeldForPlayback = false;
  PlaybackMarks playbackMarks;
  PlayerSession player;

 private:
  /// Both flags change together: starting (1, 0), running (0, 1), neither.
  void setPlayFlags(bool starting, bool running);
  int32_t nextOutputList() const;
  void updateOutputList(int32_t frame);
  /// No player reads an output list any more.
  void playerGone();
  void refusePlayback();
  bool startPlayer(int32_t first, int32_t last);
  CM_MULTICAM playbackLayout(int32_t first);
  OutputPreview outputPreview() const;
  VG_RECT outputPreviewRect(OutputPreview preview);
  CameraClipMask camerasWithClip() const;
  void markPlaybackElements();
  void unmarkPlaybackElements();
  void endPausedPlayback(bool fromPlayer);
  void resumeScrubbing();
  /// The stop handshake with the scrub task.
  void endScrubTask();
  /// Drops commands the scrub task never took (a stop after a time-out).
  void purgeScrubCommands();
  /// The envelope of camera 1's clip, made anew when the clip changed.
  AudioEnvelope* cameraOneSound();
  void switchPlaybackScreen(bool playback);
};

/// The live main object of a run; null outside a run. The host's player
/// thread reads it in the playback callbacks.
extern std::atomic<MulticamOperator*> currentOperator;

}  // namespace ostrel3
