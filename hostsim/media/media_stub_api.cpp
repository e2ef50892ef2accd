// Placeholders that refuse every call until this part of the stand-in host
// is written: the operator module links against a complete host.
#include "host/host.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

CM_HANDLE cmOpen(int32_t a, int32_t b) {
  return hostCall("cmOpen", CM_HANDLE(0), [](Host&) { return CM_HANDLE(0); }, a, b);
}

CM_HANDLE cmOpen2(int32_t a, int32_t b, int32_t c) {
  return hostCall("cmOpen2", CM_HANDLE(0), [](Host&) { return CM_HANDLE(0); }, a, b, c);
}

int32_t cmGetFramesPerSecond(CM_HANDLE render, int32_t flags) {
  return hostCall("cmGetFramesPerSecond", int32_t(-1), [](Host&) { return int32_t(-1); }, render, flags);
}

int32_t cmVersion(int32_t which) {
  return hostCall("cmVersion", int32_t(-1), [](Host&) { return int32_t(-1); }, which);
}

int32_t cmInitRender(CM_HANDLE render, int32_t mode, int32_t flags) {
  return hostCall("cmInitRender", int32_t(-1), [](Host&) { return int32_t(-1); }, render, mode, flags);
}

int32_t cmExitRender(CM_HANDLE render, int32_t flags) {
  return hostCall("cmExitRender", int32_t(-1), [](Host&) { return int32_t(-1); }, render, flags);
}

int32_t cmInitRenderAudio(CM_HANDLE render, int32_t mode, int32_t flags) {
  return hostCall("cmInitRenderAudio", int32_t(-1), [](Host&) { return int32_t(-1); }, render, mode, flags);
}

int32_t cmExitRenderAudio(CM_HANDLE render) {
  return hostCall("cmExitRenderAudio", int32_t(-1), [](Host&) { return int32_t(-1); }, render);
}

int32_t cmGetField(CM_HANDLE render, OP_IMAGE* image, int32_t flags, int32_t field) {
  return hostCall("cmGetField", int32_t(-1), [](Host&) { return int32_t(-1); }, render, image, flags, field);
}

int32_t cmGetVisibleArea(CM_HANDLE render, int16_t* x0, int16_t* y0, int16_t* x1, int16_t* y1, int32_t flags) {
  return hostCall("cmGetVisibleArea", int32_t(-1), [](Host&) { return int32_t(-1); }, render, x0, y0, x1, y1, flags);
}

int32_t cmDisplayImage(CM_HANDLE render, OP_IMAGE* image, int32_t flags) {
  return hostCall("cmDisplayImage", int32_t(-1), [](Host&) { return int32_t(-1); }, render, image, flags);
}

OP_AUDIO* cmGetFieldAudio(CM_HANDLE render, int32_t field) {
  return hostCall("cmGetFieldAudio", static_cast<OP_AUDIO*>(nullptr), [](Host&) { return static_cast<OP_AUDIO*>(nullptr); }, render, field);
}

int32_t cmGetRecInfo(CM_HANDLE render, int32_t field, CM_RECTIME* end, CM_RECTIME* start, int32_t mode) {
  return hostCall("cmGetRecInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, render, field, end, start, mode);
}

int32_t cmScrubStart(CM_HANDLE render, uint32_t* state, int32_t flags) {
  return hostCall("cmScrubStart", int32_t(-1), [](Host&) { return int32_t(-1); }, render, state, flags);
}

int32_t cmScrubData(CM_HANDLE render, const int16_t* samples, int32_t pairs, int32_t a, int32_t b) {
  return hostCall("cmScrubData", int32_t(-1), [](Host&) { return int32_t(-1); }, render, samples, pairs, a, b);
}

int32_t cmScrubStop(CM_HANDLE render, int32_t flags) {
  return hostCall("cmScrubStop", int32_t(-1), [](Host&) { return int32_t(-1); }, render, flags);
}

int32_t cmSetMultiCam(CM_HANDLE render, const CM_MULTICAM* layout) {
  return hostCall("cmSetMultiCam", int32_t(-1), [](Host&) { return int32_t(-1); }, render, layout);
}

int32_t cmUpdateFinalList(CM_HANDLE render, const CM_OUTPUT_PAIR* first, int32_t flags) {
  return hostCall("cmUpdateFinalList", int32_t(-1), [](Host&) { return int32_t(-1); }, render, first, flags);
}

AV_RECORD mainGetAVRecordFromId(uint32_t uid, int32_t project, int32_t flags) {
  return hostCall("mainGetAVRecordFromId", AV_RECORD(0), [](Host&) { return AV_RECORD(0); }, uid, project, flags);
}

const MAIN_INFO* mainGetInfo(void) {
  return hostCall("mainGetInfo", static_cast<const MAIN_INFO*>(nullptr), [](Host&) { return static_cast<const MAIN_INFO*>(nullptr); });
}

uint32_t mainSelectSceneRequesterExt(uint32_t preselectUid, int32_t flags) {
  return hostCall("mainSelectSceneRequesterExt", uint32_t(0), [](Host&) { return uint32_t(0); }, preselectUid, flags);
}

uint32_t mainGetActSceneSample(int32_t which) {
  return hostCall("mainGetActSceneSample", uint32_t(0), [](Host&) { return uint32_t(0); }, which);
}

void mainSetActSceneSample(uint32_t sample, int32_t which) {
  hostCallVoid("mainSetActSceneSample", [](Host&) {}, sample, which);
}

int32_t mainClearStoryboard(int32_t flags) {
  return hostCall("mainClearStoryboard", int32_t(-1), [](Host&) { return int32_t(-1); }, flags);
}

int32_t mainGetActiveStoryboardScene(SB_SCENE out) {
  return hostCall("mainGetActiveStoryboardScene", int32_t(-1), [](Host&) { return int32_t(-1); }, out);
}

int32_t mainSetActiveStoryboardScene(SB_SCENE scene) {
  return hostCall("mainSetActiveStoryboardScene", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t mainMakeUniqueName(int32_t kind, XCHAR* out, const XCHAR* name, int32_t maxChars) {
  return hostCall("mainMakeUniqueName", int32_t(-1), [](Host&) { return int32_t(-1); }, kind, out, name, maxChars);
}

int32_t mainPlayInit(const MAIN_PLAY_CALLBACKS* callbacks, int32_t flags) {
  return hostCall("mainPlayInit", int32_t(-1), [](Host&) { return int32_t(-1); }, callbacks, flags);
}

int32_t mainPlaySetGuiRect(const VG_RECT* rect, int32_t flags) {
  return hostCall("mainPlaySetGuiRect", int32_t(-1), [](Host&) { return int32_t(-1); }, rect, flags);
}

int32_t mainPlayStartMultiple(AV_RECORD c1, int32_t f1, int32_t l1, AV_RECORD c2, int32_t f2, int32_t l2, AV_RECORD c3, int32_t f3, int32_t l3, AV_RECORD c4, int32_t f4, int32_t l4, int32_t flags) {
  return hostCall("mainPlayStartMultiple", int32_t(-1), [](Host&) { return int32_t(-1); }, c1, f1, l1, c2, f2, l2, c3, f3, l3, c4, f4, l4, flags);
}

int32_t mainPlayStartMultiple2(AV_RECORD c1, int32_t f1, int32_t l1, AV_RECORD c2, int32_t f2, int32_t l2, AV_RECORD c3, int32_t f3, int32_t l3, AV_RECORD c4, int32_t f4, int32_t l4, AV_RECORD c5, int32_t f5, int32_t l5, AV_RECORD c6, int32_t f6, int32_t l6, int32_t flags) {
  return hostCall("mainPlayStartMultiple2", int32_t(-1), [](Host&) { return int32_t(-1); }, c1, f1, l1, c2, f2, l2, c3, f3, l3, c4, f4, l4, c5, f5, l5, c6, f6, l6, flags);
}

int32_t mainPlayPause(int32_t flags) {
  return hostCall("mainPlayPause", int32_t(-1), [](Host&) { return int32_t(-1); }, flags);
}

int32_t mainPlayStop(int32_t flags) {
  return hostCall("mainPlayStop", int32_t(-1), [](Host&) { return int32_t(-1); }, flags);
}

void mainPlayExit(int32_t flags) {
  hostCallVoid("mainPlayExit", [](Host&) {}, flags);
}

OP_HANDLE mainLoadOperator(const char* path, int32_t flags) {
  return hostCall("mainLoadOperator", OP_HANDLE(0), [](Host&) { return OP_HANDLE(0); }, path, flags);
}

void mainUnloadOperator(OP_HANDLE op) {
  hostCallVoid("mainUnloadOperator", [](Host&) {}, op);
}

const XCHAR* mainGetOperatorName(const char* path, int32_t flags) {
  return hostCall("mainGetOperatorName", static_cast<const XCHAR*>(nullptr), [](Host&) { return static_cast<const XCHAR*>(nullptr); }, path, flags);
}

uint32_t mainGetOperatorFlags(const char* path, int32_t flags) {
  return hostCall("mainGetOperatorFlags", uint32_t(0), [](Host&) { return uint32_t(0); }, path, flags);
}

int32_t mainSelectOperatorRequesterMulti(const char* const** names, int32_t flags, const char* lastPath, int32_t reserved) {
  return hostCall("mainSelectOperatorRequesterMulti", int32_t(-1), [](Host&) { return int32_t(-1); }, names, flags, lastPath, reserved);
}

int32_t mainBuildOpGui(VG_PANEL window, int16_t x, int16_t y, int16_t width, int16_t height, OP_HANDLE op, MAIN_OP_GADGETS* gadgets) {
  return hostCall("mainBuildOpGui", int32_t(-1), [](Host&) { return int32_t(-1); }, window, x, y, width, height, op, gadgets);
}

int32_t mainDoOpGui(const HOST_MESSAGE* message, MAIN_OP_GADGETS* gadgets, OP_HANDLE op, VG_PANEL window, int32_t a, int32_t b, int32_t c, int16_t* x, int16_t* y) {
  return hostCall("mainDoOpGui", int32_t(-1), [](Host&) { return int32_t(-1); }, message, gadgets, op, window, a, b, c, x, y);
}

void mainRemoveOpGui(MAIN_OP_GADGETS* gadgets, OP_HANDLE op) {
  hostCallVoid("mainRemoveOpGui", [](Host&) {}, gadgets, op);
}

MAIN_MEDIA* mainSelectMediaInit(void) {
  return hostCall("mainSelectMediaInit", static_cast<MAIN_MEDIA*>(nullptr), [](Host&) { return static_cast<MAIN_MEDIA*>(nullptr); });
}

int32_t mainSelectMediaRequester(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaRequester", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaMount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaMount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

int32_t mainSelectMediaUmount(MAIN_MEDIA* media) {
  return hostCall("mainSelectMediaUmount", int32_t(-1), [](Host&) { return int32_t(-1); }, media);
}

void mainSelectMediaExit(MAIN_MEDIA* media) {
  hostCallVoid("mainSelectMediaExit", [](Host&) {}, media);
}

AV_RECORD nslCopyAVRecord(AV_RECORD source, int32_t flags) {
  return hostCall("nslCopyAVRecord", AV_RECORD(0), [](Host&) { return AV_RECORD(0); }, source, flags);
}

int32_t nslDeleteAVRecord(AV_RECORD record) {
  return hostCall("nslDeleteAVRecord", int32_t(-1), [](Host&) { return int32_t(-1); }, record);
}

int32_t nslGetTrimmedAVRecordLength(AV_RECORD record) {
  return hostCall("nslGetTrimmedAVRecordLength", int32_t(-1), [](Host&) { return int32_t(-1); }, record);
}

int32_t nslGetTotalAVRecordLength(AV_RECORD record) {
  return hostCall("nslGetTotalAVRecordLength", int32_t(-1), [](Host&) { return int32_t(-1); }, record);
}

int32_t nslBeginAVRecordTrim(AV_RECORD record, int32_t* in, int32_t* out) {
  return hostCall("nslBeginAVRecordTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, record, in, out);
}

int32_t nslEndAVRecordTrim(AV_RECORD record, int32_t in, int32_t out) {
  return hostCall("nslEndAVRecordTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, record, in, out);
}

AV_RECORD nslSplitAVRecord(AV_RECORD record, int32_t n) {
  return hostCall("nslSplitAVRecord", AV_RECORD(0), [](Host&) { return AV_RECORD(0); }, record, n);
}

uint32_t nslAVRecordGetUniqueID(AV_RECORD record) {
  return hostCall("nslAVRecordGetUniqueID", uint32_t(0), [](Host&) { return uint32_t(0); }, record);
}

const XCHAR* nslGetAVRecordName(AV_RECORD record) {
  return hostCall("nslGetAVRecordName", static_cast<const XCHAR*>(nullptr), [](Host&) { return static_cast<const XCHAR*>(nullptr); }, record);
}

int32_t nslSetAVRecordName(AV_RECORD record, const XCHAR* name) {
  return hostCall("nslSetAVRecordName", int32_t(-1), [](Host&) { return int32_t(-1); }, record, name);
}

int32_t nslGetVideoFrameOffset(AV_RECORD record, int32_t frame) {
  return hostCall("nslGetVideoFrameOffset", int32_t(-1), [](Host&) { return int32_t(-1); }, record, frame);
}

int32_t nslGetAudioFrameOffset(AV_RECORD record, int32_t frame) {
  return hostCall("nslGetAudioFrameOffset", int32_t(-1), [](Host&) { return int32_t(-1); }, record, frame);
}

AV_RECORD nslGetFirstScene(void) {
  return hostCall("nslGetFirstScene", AV_RECORD(0), [](Host&) { return AV_RECORD(0); });
}

AV_RECORD nslGetNextScene(AV_RECORD record) {
  return hostCall("nslGetNextScene", AV_RECORD(0), [](Host&) { return AV_RECORD(0); }, record);
}

int32_t nslGetMaxIncludeTrimFrames(void) {
  return hostCall("nslGetMaxIncludeTrimFrames", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t nslSetMaxIncludeTrimFrames(int32_t frames) {
  return hostCall("nslSetMaxIncludeTrimFrames", int32_t(-1), [](Host&) { return int32_t(-1); }, frames);
}

int32_t nslProjectUndoExtSeqStart(const XCHAR* name) {
  return hostCall("nslProjectUndoExtSeqStart", int32_t(-1), [](Host&) { return int32_t(-1); }, name);
}

int32_t nslProjectUndoExtSeqEnd(void) {
  return hostCall("nslProjectUndoExtSeqEnd", int32_t(-1), [](Host&) { return int32_t(-1); });
}

SB_SCENE nslSBAllocScene(void) {
  return hostCall("nslSBAllocScene", SB_SCENE(0), [](Host&) { return SB_SCENE(0); });
}

void nslSBFreeScene(SB_SCENE scene) {
  hostCallVoid("nslSBFreeScene", [](Host&) {}, scene);
}

SB_AUDIO_SCENE nslSBAllocAudioScene(void) {
  return hostCall("nslSBAllocAudioScene", SB_AUDIO_SCENE(0), [](Host&) { return SB_AUDIO_SCENE(0); });
}

void nslSBFreeAudioScene(SB_AUDIO_SCENE scene) {
  hostCallVoid("nslSBFreeAudioScene", [](Host&) {}, scene);
}

int32_t nslSBGetFirstScene(SB_SCENE out) {
  return hostCall("nslSBGetFirstScene", int32_t(-1), [](Host&) { return int32_t(-1); }, out);
}

int32_t nslSBGetLastScene(SB_SCENE out) {
  return hostCall("nslSBGetLastScene", int32_t(-1), [](Host&) { return int32_t(-1); }, out);
}

int32_t nslSBGetNextScene(SB_SCENE from, SB_SCENE out) {
  return hostCall("nslSBGetNextScene", int32_t(-1), [](Host&) { return int32_t(-1); }, from, out);
}

int32_t nslSBGetLength(void) {
  return hostCall("nslSBGetLength", int32_t(-1), [](Host&) { return int32_t(-1); });
}

int32_t nslSBAddScene(SB_SCENE position, AV_RECORD clip, SB_SCENE out) {
  return hostCall("nslSBAddScene", int32_t(-1), [](Host&) { return int32_t(-1); }, position, clip, out);
}

int32_t nslSBAddInsertWithTrim(SB_SCENE scene, AV_RECORD clip, SB_SCENE out) {
  return hostCall("nslSBAddInsertWithTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, clip, out);
}

int32_t nslSBInsertBeginTrim(SB_SCENE scene, SB_INSERT_TRIM* trim, int32_t flags) {
  return hostCall("nslSBInsertBeginTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, trim, flags);
}

int32_t nslSBInsertEndTrim(SB_SCENE scene, SB_INSERT_TRIM* trim) {
  return hostCall("nslSBInsertEndTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, trim);
}

int32_t nslSBSceneGetAbsolutePos(SB_SCENE scene) {
  return hostCall("nslSBSceneGetAbsolutePos", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBGetSceneLength(SB_SCENE scene) {
  return hostCall("nslSBGetSceneLength", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBSceneCmp(SB_SCENE a, SB_SCENE b) {
  return hostCall("nslSBSceneCmp", int32_t(-1), [](Host&) { return int32_t(-1); }, a, b);
}

int32_t nslSBSceneCopy(SB_SCENE source, SB_SCENE destination) {
  return hostCall("nslSBSceneCopy", int32_t(-1), [](Host&) { return int32_t(-1); }, source, destination);
}

int32_t nslSBGetSceneType(SB_SCENE scene) {
  return hostCall("nslSBGetSceneType", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBSceneHasInsert(SB_SCENE scene) {
  return hostCall("nslSBSceneHasInsert", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBGetSceneInfo(SB_SCENE scene, SB_SCENE_INFO* info) {
  return hostCall("nslSBGetSceneInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, info);
}

int32_t nslConvertSBSceneToSBAudioScene(SB_SCENE scene, SB_AUDIO_SCENE audioScene) {
  return hostCall("nslConvertSBSceneToSBAudioScene", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, audioScene);
}

SB_AUDIO nslSBAddAudio(SB_AUDIO_SCENE audioScene, int32_t track, int32_t flags, AV_RECORD clip) {
  return hostCall("nslSBAddAudio", SB_AUDIO(0), [](Host&) { return SB_AUDIO(0); }, audioScene, track, flags, clip);
}

int32_t nslSBAudioBeginTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim, int32_t flags) {
  return hostCall("nslSBAudioBeginTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, trim, flags);
}

int32_t nslSBAudioEndTrim(SB_AUDIO audio, SB_AUDIO_TRIM* trim) {
  return hostCall("nslSBAudioEndTrim", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, trim);
}

int32_t nslSBGetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info) {
  return hostCall("nslSBGetAudioInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, info);
}

int32_t nslSBSetAudioInfo(SB_AUDIO audio, SB_AUDIO_INFO* info) {
  return hostCall("nslSBSetAudioInfo", int32_t(-1), [](Host&) { return int32_t(-1); }, audio, info);
}

int32_t nslSBSceneGetMaxTransitionLength(SB_SCENE scene) {
  return hostCall("nslSBSceneGetMaxTransitionLength", int32_t(-1), [](Host&) { return int32_t(-1); }, scene);
}

int32_t nslSBAddTransition22(SB_SCENE scene, const char* path, int32_t length, int32_t direction, SB_TRANSITION* out) {
  return hostCall("nslSBAddTransition22", int32_t(-1), [](Host&) { return int32_t(-1); }, scene, path, length, direction, out);
}

int32_t nslSBTransitionLoad(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionLoad", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

OP_HANDLE nslSBTransitionGetOperator(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionGetOperator", OP_HANDLE(0), [](Host&) { return OP_HANDLE(0); }, transition);
}

int32_t nslSBTransitionUpdatePrefs(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionUpdatePrefs", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

int32_t nslSBTransitionUnload(SB_TRANSITION transition) {
  return hostCall("nslSBTransitionUnload", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

int32_t nslSBCalcTransitionAudio(SB_TRANSITION transition) {
  return hostCall("nslSBCalcTransitionAudio", int32_t(-1), [](Host&) { return int32_t(-1); }, transition);
}

int32_t nslSBTransitionAddJingle(SB_TRANSITION transition, const char* file, const XCHAR* image, int32_t flags) {
  return hostCall("nslSBTransitionAddJingle", int32_t(-1), [](Host&) { return int32_t(-1); }, transition, file, image, flags);
}

OP_IMAGE* opAllocImage(int32_t width, int32_t height, int32_t type, void* reserved) {
  return hostCall("opAllocImage", static_cast<OP_IMAGE*>(nullptr), [](Host&) { return static_cast<OP_IMAGE*>(nullptr); }, width, height, type, reserved);
}

void opFreeImage(OP_IMAGE* image) {
  hostCallVoid("opFreeImage", [](Host&) {}, image);
}

void opFreeAudio(OP_AUDIO* audio) {
  hostCallVoid("opFreeAudio", [](Host&) {}, audio);
}

const OP_AUDIO_INFO* opGetAudioInfo(void) {
  return hostCall("opGetAudioInfo", static_cast<const OP_AUDIO_INFO*>(nullptr), [](Host&) { return static_cast<const OP_AUDIO_INFO*>(nullptr); });
}

PIXEL_ASPECT opGetPixelAspect(int32_t aspectCode) {
  return hostCall("opGetPixelAspect", PIXEL_ASPECT{1, 1}, [](Host&) { return PIXEL_ASPECT{1, 1}; }, aspectCode);
}

int32_t opCalcDims(int16_t* width, int16_t* height, PIXEL_ASPECT video, int16_t maxWidth, int16_t maxHeight, PIXEL_ASPECT screen, int32_t flags) {
  return hostCall("opCalcDims", int32_t(-1), [](Host&) { return int32_t(-1); }, width, height, video, maxWidth, maxHeight, screen, flags);
}

uint32_t opGetPrefsSize(OP_HANDLE op) {
  return hostCall("opGetPrefsSize", uint32_t(0), [](Host&) { return uint32_t(0); }, op);
}

int32_t opGetPrefs(OP_HANDLE op, void* block, uint32_t size) {
  return hostCall("opGetPrefs", int32_t(-1), [](Host&) { return int32_t(-1); }, op, block, size);
}

int32_t opSetPrefs(OP_HANDLE op, const void* block, uint32_t size) {
  return hostCall("opSetPrefs", int32_t(-1), [](Host&) { return int32_t(-1); }, op, block, size);
}

int32_t opSetUniqueID(OP_HANDLE op, uint32_t id) {
  return hostCall("opSetUniqueID", int32_t(-1), [](Host&) { return int32_t(-1); }, op, id);
}

TX_REQUEST txAllocRequest(int32_t kind) {
  return hostCall("txAllocRequest", TX_REQUEST(0), [](Host&) { return TX_REQUEST(0); }, kind);
}

int32_t txRequest(TX_REQUEST request, int32_t flags) {
  return hostCall("txRequest", int32_t(-1), [](Host&) { return int32_t(-1); }, request, flags);
}

int32_t txGetStatus(TX_REQUEST request) {
  return hostCall("txGetStatus", int32_t(-1), [](Host&) { return int32_t(-1); }, request);
}

int32_t txGetFileName(TX_REQUEST request, char* buffer, int32_t size) {
  return hostCall("txGetFileName", int32_t(-1), [](Host&) { return int32_t(-1); }, request, buffer, size);
}

int32_t txGetImageName(TX_REQUEST request, XCHAR* buffer, int32_t size) {
  return hostCall("txGetImageName", int32_t(-1), [](Host&) { return int32_t(-1); }, request, buffer, size);
}

void txFreeRequest(TX_REQUEST request) {
  hostCallVoid("txFreeRequest", [](Host&) {}, request);
}

size_t xcslen(const XCHAR* text) {
  return hostCall("xcslen", size_t(0), [](Host&) { return size_t(0); }, text);
}

XCHAR* xcscpy(XCHAR* destination, const XCHAR* source) {
  return hostCall("xcscpy", static_cast<XCHAR*>(nullptr), [](Host&) { return static_cast<XCHAR*>(nullptr); }, destination, source);
}

XCHAR* xcsncpy(XCHAR* destination, const XCHAR* source, size_t count) {
  return hostCall("xcsncpy", static_cast<XCHAR*>(nullptr), [](Host&) { return static_cast<XCHAR*>(nullptr); }, destination, source, count);
}

XCHAR* xcscat(XCHAR* destination, const XCHAR* source) {
  return hostCall("xcscat", static_cast<XCHAR*>(nullptr), [](Host&) { return static_cast<XCHAR*>(nullptr); }, destination, source);
}

int32_t xcscmp(const XCHAR* a, const XCHAR* b) {
  return hostCall("xcscmp", int32_t(-1), [](Host&) { return int32_t(-1); }, a, b);
}

int32_t snxprintf(XCHAR* buffer, size_t count, const XCHAR* format, ...) {
  return hostCall("snxprintf", int32_t(-1), [](Host&) { return int32_t(-1); }, buffer, count, format);
}

int32_t mstlGetUTF8toXCHARlen(const char* utf8) {
  return hostCall("mstlGetUTF8toXCHARlen", int32_t(-1), [](Host&) { return int32_t(-1); }, utf8);
}

int32_t mstlUTF8toXCHAR(XCHAR* destination, const char* utf8, int32_t capacity) {
  return hostCall("mstlUTF8toXCHAR", int32_t(-1), [](Host&) { return int32_t(-1); }, destination, utf8, capacity);
}

int32_t mstlGetXCHARtoUTF8len(const XCHAR* text) {
  return hostCall("mstlGetXCHARtoUTF8len", int32_t(-1), [](Host&) { return int32_t(-1); }, text);
}

int32_t mstlXCHARtoUTF8(char* destination, const XCHAR* text, int32_t capacity) {
  return hostCall("mstlXCHARtoUTF8", int32_t(-1), [](Host&) { return int32_t(-1); }, destination, text, capacity);
}

uint32_t mstlGetUniqueID(void) {
  return hostCall("mstlGetUniqueID", uint32_t(0), [](Host&) { return uint32_t(0); });
}

}
