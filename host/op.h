#pragma once
/// Operator support: the run message, images, sound blocks and the
/// add-on operator interface.
#include "host/host_types.h"

/// Descriptor tags: "OPE" and a number in the low byte.
#define OP_TAG_END 0u
#define OP_TAG_KIND 0x4F504500u
#define OP_TAG_API 0x4F504501u
#define OP_TAG_MESSAGE_FN 0x4F504503u
#define OP_TAG_TABLE 0x4F504504u
#define OP_TAG_FLAGS 0x4F50450Du
#define OP_TAG_IDENT 0x4F504510u

/// One descriptor entry. The value carries an address for some tags, so it
/// is pointer-sized here.
struct OP_TAG {
  uint32_t tag;
  uintptr_t value;
};

/// Message codes the host sends to an operator's message function.
enum : uint16_t {
  OP_MSG_LENGTH = 1, ///< report the operator's own length (opSetLength)
  OP_MSG_RUN = 4,    ///< run the operator
  OP_MSG_INIT = 7,   ///< initialise; check the host version
};

/// The host's message record, owned by the host for the call.
struct OperatorMsg {
  uint16_t code;          ///< byte 0: message code
  int16_t arg;            ///< byte 2: for OP_MSG_RUN, 0 to run
  uint32_t flags;         ///< byte 4: for OP_MSG_RUN, bit 2 set: 29.97 frames per second, else 25
  uint8_t reserved[38];   ///< bytes 8..45: host data the operator does not read
  uint16_t fieldRate;     ///< byte 46: fields per second, 0 when not given
};
static_assert(sizeof(OperatorMsg) == 48);
static_assert(offsetof(OperatorMsg, flags) == 4);
static_assert(offsetof(OperatorMsg, fieldRate) == 46);

#define OP_MSG_FLAG_NTSC 0x4u

/// The message function an operator hands the host: 0 handled or ignored, -1 refused.
typedef int32_t (*OP_MESSAGE_FN)(OperatorMsg* message);

/// Image types of opAllocImage.
#define OP_IMAGE_ARGB 1   ///< 32-bit pixels
#define OP_IMAGE_YUV420 7 ///< planar YUV 4:2:0, one field of the video format

/// An image record of the host. Address fields are pointer-sized here;
/// the order of the fields is the host's.
struct OP_IMAGE {
  uint8_t* plane0;        ///< Y plane, or the pixels of a 32-bit image
  uint16_t width;         ///< pixels
  uint16_t height;        ///< lines
  uint32_t type;          ///< OP_IMAGE_ARGB or OP_IMAGE_YUV420
  uint8_t hostData[32];   ///< host bookkeeping
  uint8_t* plane1;        ///< U plane (planar images)
  uint8_t* plane2;        ///< V plane (planar images)
  uint8_t hostData2[12];  ///< host bookkeeping
  int32_t stride[3];      ///< bytes per line of each plane
};
static_assert(offsetof(OP_IMAGE, width) == 8);
static_assert(offsetof(OP_IMAGE, height) == 10);
static_assert(offsetof(OP_IMAGE, plane1) == 48);
static_assert(offsetof(OP_IMAGE, plane2) == 56);
static_assert(offsetof(OP_IMAGE, stride) == 76);

/// A block of sound: interleaved stereo 16-bit sample pairs.
struct OP_AUDIO {
  int16_t* samples; ///< first pair (left, right)
  int32_t pairs;    ///< number of pairs
};

/// Sound format of the host project. Callers read the samples per field as
/// the 16-bit word at byte 2, so it must stay there.
struct OP_AUDIO_INFO {
  uint16_t reserved;        ///< byte 0: 0
  uint16_t samplesPerField; ///< byte 2: sample pairs of one field (960 at 50 fields a second, 800 at 60)
  int32_t sampleRate;       ///< byte 4: sample pairs per second (48000)
  int32_t channels;         ///< byte 8: 2
  int32_t bits;             ///< byte 12: 16
};
static_assert(offsetof(OP_AUDIO_INFO, samplesPerField) == 2 && sizeof(OP_AUDIO_INFO::samplesPerField) == 2);
static_assert(offsetof(OP_AUDIO_INFO, sampleRate) == 4 && offsetof(OP_AUDIO_INFO, channels) == 8);
static_assert(offsetof(OP_AUDIO_INFO, bits) == 12 && sizeof(OP_AUDIO_INFO) == 16);

extern "C" {

/// Tells the host the operator's own length. 0 or -1.
int32_t opSetLength(int32_t length, int32_t reserved);

/// Allocates an image. width/height -1: the video format's full width and
/// one field's height. Returns the image or null. Freed with opFreeImage.
OP_IMAGE* opAllocImage(int32_t width, int32_t height, int32_t type, void* reserved);
void opFreeImage(OP_IMAGE* image);

/// Frees a sound block returned by the render library.
void opFreeAudio(OP_AUDIO* audio);

/// The project's sound format; valid while the host runs. Null on failure.
const OP_AUDIO_INFO* opGetAudioInfo(void);

/// Pixel aspect of a video aspect code (see MAIN_INFO::aspectCode).
PIXEL_ASPECT opGetPixelAspect(int32_t aspectCode);

/// Fits width x height of a picture with pixel aspect `video` into
/// maxWidth x maxHeight of a screen with pixel aspect `screen`, keeping
/// the picture's shape. flags 1: scale up or down to the largest size that
/// fits; 0: keep the natural size unless it must shrink. 0 or -1.
int32_t opCalcDims(int16_t* width, int16_t* height, PIXEL_ASPECT video, int16_t maxWidth,
                   int16_t maxHeight, PIXEL_ASPECT screen, int32_t flags);

/// Settings of a loaded add-on operator (transitions).
uint32_t opGetPrefsSize(OP_HANDLE op);
int32_t opGetPrefs(OP_HANDLE op, void* block, uint32_t size);
int32_t opSetPrefs(OP_HANDLE op, const void* block, uint32_t size);
int32_t opSetUniqueID(OP_HANDLE op, uint32_t id);

}
