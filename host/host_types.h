#pragma once
/// Basic types shared by every host library.
///
/// The host is a 32-bit program: its handles are 32-bit words and stay so here,
/// so that message records keep their 44-byte layout. Where a host record
/// carries an address, the field is pointer-sized on this platform and the
/// record's layout is pinned with static_assert next to its declaration.

#include <cstddef>
#include <cstdint>

/// A 16-bit character of the host's wide strings (NUL-terminated).
typedef char16_t XCHAR;

/// Handles of host objects; 0 always means "none" or "failed".
typedef uint32_t VG_PANEL;      ///< a panel (0: the screen itself in drawing calls)
typedef uint32_t VG_ELEMENT;    ///< an element (gadget) on a panel
typedef uint32_t MSG_Q_ID;      ///< a message queue
typedef uint32_t RES_STRINGS;   ///< an opened string set
typedef uint32_t RES_IMAGES;    ///< an opened image set
typedef uint32_t AV_RECORD;     ///< a clip (AV record) of the host project
typedef uint32_t SB_SCENE;      ///< a storyboard scene buffer
typedef uint32_t SB_AUDIO_SCENE;///< a storyboard audio scene buffer
typedef uint32_t SB_AUDIO;      ///< an audio clip inside an audio scene
typedef uint32_t SB_TRANSITION; ///< a transition of a storyboard scene
typedef uint32_t CM_HANDLE;     ///< a render library handle
typedef uint32_t OP_HANDLE;     ///< a loaded add-on operator (transitions)

/// Rectangle by position and size, in pixels.
struct VG_RECT {
  int16_t x;
  int16_t y;
  int16_t width;
  int16_t height;
};
static_assert(sizeof(VG_RECT) == 8);

/// Rectangle by inclusive corners, in pixels.
struct VG_CORNERS {
  int16_t x0;
  int16_t y0;
  int16_t x1;
  int16_t y1;
};
static_assert(sizeof(VG_CORNERS) == 8);

/// Pixel aspect as a ratio x:y.
struct PIXEL_ASPECT {
  int16_t x;
  int16_t y;
};
static_assert(sizeof(PIXEL_ASPECT) == 4);

/// The host's message record: every message queue of the GUI carries these.
/// Fields the host fills by class (the operator reads only what it needs):
///  1 key:       key code in the low 16 bits of `id`, qualifier bits in its high 16 bits
///  2 pointer:   pointer x in the low 16 bits of `id`, y in the high 16 bits
///  3 confirm/cancel of a pointer mode: `id` 1 confirm, 2 cancel
///  4 element:   element handle in `id`, new value in `value`, kind of event in `subCode`
///  6, 7 close:  the panel or request is to be closed
///  14 command:  input-parser command in `id`, signed step in `subCode`
struct HOST_MESSAGE {
  uint16_t msgClass;   ///< byte 0
  uint8_t reserved[6]; ///< bytes 2..7
  int32_t position;    ///< byte 8
  int32_t id;          ///< byte 12
  int32_t subCode;     ///< byte 16
  int32_t value;       ///< byte 20
  uint8_t extra[20];   ///< bytes 24..43
};
static_assert(sizeof(HOST_MESSAGE) == 44);
static_assert(offsetof(HOST_MESSAGE, position) == 8);
static_assert(offsetof(HOST_MESSAGE, id) == 12);
static_assert(offsetof(HOST_MESSAGE, subCode) == 16);
static_assert(offsetof(HOST_MESSAGE, value) == 20);

/// Message classes the host GUI posts.
enum : uint16_t {
  HOST_MSG_KEY = 1,
  HOST_MSG_POINTER = 2,
  HOST_MSG_POINTER_BUTTON = 3,
  HOST_MSG_ELEMENT = 4,
  HOST_MSG_CLOSE = 6,
  HOST_MSG_CLOSE_WINDOW = 7,
  HOST_MSG_COMMAND = 14,
};
