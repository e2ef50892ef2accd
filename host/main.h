#pragma once
/// Host main library: version, project, scene chooser, storyboard position,
/// playback, add-on operators and removable media. Calling thread only,
/// except the playback callbacks, which the host calls on its player thread.
#include "host/host_types.h"

struct HOST_MESSAGE;
struct VG_RECT;

/// The project's video format.
struct MAIN_INFO {
  uint32_t reserved0;
  int16_t width;        ///< byte 4: pixels of a line
  int16_t fieldHeight;  ///< byte 6: lines of a field
  uint8_t reserved1[36];
  int32_t aspectCode;   ///< byte 44: see opGetPixelAspect
};
static_assert(offsetof(MAIN_INFO, width) == 4);
static_assert(offsetof(MAIN_INFO, fieldHeight) == 6);
static_assert(offsetof(MAIN_INFO, aspectCode) == 44);

/// Playback callbacks handed to mainPlayInit. The host calls them on its
/// player thread. `size` is sizeof(MAIN_PLAY_CALLBACKS), or 20, the size of
/// the host's own record of five 32-bit words.
typedef void (*MAIN_PLAY_POSITION_FN)(int32_t frame);
typedef void (*MAIN_PLAY_EVENT_FN)(int32_t kind, int32_t value);
struct MAIN_PLAY_CALLBACKS {
  uintptr_t size;
  MAIN_PLAY_POSITION_FN position;
  MAIN_PLAY_EVENT_FN event;
  uintptr_t reserved[2];
};

/// Removable-media selection record.
struct MAIN_MEDIA {
  uint32_t mode;        ///< in: 2
  const XCHAR* title;   ///< in
  uint32_t state;       ///< out: 0x1 cancelled, 0x2 must be mounted, 0x8 unusable
  char path[512];       ///< out: the medium's directory
};

/// Settings window of an add-on operator (mainBuildOpGui / mainDoOpGui).
struct MAIN_OP_GADGETS {
  uint32_t words[16];
};

extern "C" {

/// Host version (which -1: the main version number).
int32_t mainVersion(int32_t which);
/// Number of the active host project.
int32_t mainGetActiveProjectNumber(int32_t flags = 0);
/// Finds a clip of a host project by its unique id; 0 when gone.
AV_RECORD mainGetAVRecordFromId(uint32_t uid, int32_t project, int32_t flags);
/// The project's video format; null on failure.
const MAIN_INFO* mainGetInfo(void);
/// The host's modal scene chooser, preselecting uid; returns the chosen
/// clip's unique id, 0 when cancelled.
uint32_t mainSelectSceneRequesterExt(uint32_t preselectUid, int32_t flags);

/// The host's active scene sample; restore it with mainSetActSceneSample.
uint32_t mainGetActSceneSample(int32_t which);
void mainSetActSceneSample(uint32_t sample, int32_t which);
/// Storyboard position and contents.
int32_t mainClearStoryboard(int32_t flags);                 ///< 0 or -1
int32_t mainGetActiveStoryboardScene(SB_SCENE out);         ///< 0 on success
int32_t mainSetActiveStoryboardScene(SB_SCENE scene);       ///< 0 or -1
/// Makes name unique among the project's clips into out (maxChars
/// characters at most). 0 or -1.
int32_t mainMakeUniqueName(int32_t kind, XCHAR* out, const XCHAR* name, int32_t maxChars);

/// Playback. 0 or -1 unless said otherwise.
int32_t mainPlayInit(const MAIN_PLAY_CALLBACKS* callbacks, int32_t flags);
/// Sets (rect) or commits (null) the screen area of the next playback.
int32_t mainPlaySetGuiRect(const VG_RECT* rect, int32_t flags);
/// Plays up to four clips side by side: (clip, first, last) x 4, then flags.
int32_t mainPlayStartMultiple(AV_RECORD c1, int32_t f1, int32_t l1, AV_RECORD c2, int32_t f2, int32_t l2,
                              AV_RECORD c3, int32_t f3, int32_t l3, AV_RECORD c4, int32_t f4, int32_t l4,
                              int32_t flags);
/// Plays up to six clips side by side: (clip, first, last) x 6, then flags.
int32_t mainPlayStartMultiple2(AV_RECORD c1, int32_t f1, int32_t l1, AV_RECORD c2, int32_t f2, int32_t l2,
                               AV_RECORD c3, int32_t f3, int32_t l3, AV_RECORD c4, int32_t f4, int32_t l4,
                               AV_RECORD c5, int32_t f5, int32_t l5, AV_RECORD c6, int32_t f6, int32_t l6,
                               int32_t flags);
/// Pauses; returns the frame reached, -1 on failure.
int32_t mainPlayPause(int32_t flags);
int32_t mainPlayStop(int32_t flags);
void mainPlayExit(int32_t flags);

/// Add-on operators (transitions), by path such as "transition/wipe".
OP_HANDLE mainLoadOperator(const char* path, int32_t flags); ///< 0 on failure
void mainUnloadOperator(OP_HANDLE op);
/// Display name of an operator; owned by the host. Null when unknown.
const XCHAR* mainGetOperatorName(const char* path, int32_t flags);
/// Flag bits of an operator; 0 when unknown.
uint32_t mainGetOperatorFlags(const char* path, int32_t flags);
/// The host's multiple-choice operator chooser. *names receives a
/// null-terminated array of names owned by the host (valid until the next
/// call). Returns the number of names, 0 when cancelled, -1 on failure.
int32_t mainSelectOperatorRequesterMulti(const char* const** names, int32_t flags, const char* lastPath,
                                         int32_t reserved);
/// An operator's settings window inside a request window.
int32_t mainBuildOpGui(VG_PANEL window, int16_t x, int16_t y, int16_t width, int16_t height, OP_HANDLE op,
                       MAIN_OP_GADGETS* gadgets);
/// Lets an operator's settings window handle a message; 0 when its settings changed.
int32_t mainDoOpGui(const HOST_MESSAGE* message, MAIN_OP_GADGETS* gadgets, OP_HANDLE op, VG_PANEL window,
                    int32_t a, int32_t b, int32_t c, int16_t* x, int16_t* y);
void mainRemoveOpGui(MAIN_OP_GADGETS* gadgets, OP_HANDLE op);

/// Removable media: init (null on failure), the chooser (0 when a medium
/// was chosen), mount/unmount (0 on success), exit.
MAIN_MEDIA* mainSelectMediaInit(void);
int32_t mainSelectMediaRequester(MAIN_MEDIA* media);
int32_t mainSelectMediaMount(MAIN_MEDIA* media);
int32_t mainSelectMediaUmount(MAIN_MEDIA* media);
void mainSelectMediaExit(MAIN_MEDIA* media);

}
