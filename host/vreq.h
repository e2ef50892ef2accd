#pragma once
/// Host requesters: windows with their own elements, and the host's modal
/// requests. Calling thread only.
#include "host/host_types.h"

/// Request flag bits the host reads: 0x08 adds its confirm (OK) element,
/// 0x10 its cancel element; 0x40 makes the request the whole screen of the
/// default monitor, whose frame carries both; 0x400 leaves the confirm
/// element disabled until the caller enables it.
/// Request flags that make the host add its OK and cancel elements.
#define VREQ_FLAGS_OK_CANCEL 0x1Eu
#define VREQ_FLAGS_WINDOW_OK_CANCEL 0x10001Eu

/// A request window. The caller fills the "in" fields; vreqCreateRequest
/// fills the "out" fields.
struct VREQ_REQUEST {
  VG_PANEL panel;        ///< out: the request's root panel
  int16_t width;         ///< in: inner size
  int16_t height;
  uint32_t flags;        ///< in
  VG_PANEL parent;       ///< in: 0 for the screen
  MSG_Q_ID queue;        ///< in: receives the messages of the request's elements
  VG_ELEMENT okElement;  ///< out: the host's confirm element (0 if none)
  VG_ELEMENT cancelElement; ///< out: the host's cancel element (0 if none)
  const XCHAR* title;    ///< in: may be null
  const XCHAR* text2;    ///< in: second text, may be null
  uint32_t reserved[4];
};
static_assert(offsetof(VREQ_REQUEST, okElement) == 20);
static_assert(offsetof(VREQ_REQUEST, title) == 32);
static_assert(sizeof(VREQ_REQUEST) == 64);

/// A message request with buttons.
struct VREQ_TEXT {
  const XCHAR* title;   ///< may be null
  const XCHAR* text;    ///< the message; line breaks allowed
  const XCHAR* buttons; ///< button captions separated by '|', may be null
  uint32_t flags;       ///< 1 OK, 2 OK alone, 3 OK and cancel, 0x43 yes and no
  int32_t answer;       ///< out: chosen button, 1 = the first, 0 = cancel
  uint32_t reserved[4];
};

/// A text entry request.
struct VREQ_KEY {
  const XCHAR* title;
  XCHAR* buffer;        ///< in and out
  int32_t size;         ///< characters the buffer holds, without the terminator
  int32_t answer;       ///< out: 1 confirmed
};

/// A palette request.
struct VREQ_PALETTE {
  const XCHAR* title;
  uint32_t colour;      ///< in and out, YUV
  uint32_t mode;        ///< 25600
  int32_t answer;       ///< out: 1 confirmed
};

/// A file request.
struct VREQ_FILE {
  const XCHAR* title;
  const char* directory;  ///< relative to the host's home directory
  char* defaultName;      ///< caller's buffer, kept between calls
  uint32_t mode;          ///< 1 load, 2 save, 3 delete; 0x10001 choose, 0x10002 save on a medium
  char* result;           ///< out: the chosen path
  int16_t resultSize;     ///< 511
  char* defaultName2;     ///< the default-name buffer again
  int16_t defaultNameSize;///< 63
  int32_t answer;         ///< out: 1 confirmed
};

extern "C" {

/// Opens a request window. 0 on success.
int32_t vreqCreateRequest(VREQ_REQUEST* request);
/// Closes it and removes its panel. 0 or -1.
int32_t vreqDeleteRequest(VREQ_REQUEST* request);
/// Modal message request. 0 when it could be shown (answer filled), else -1.
int32_t vreqTextRequest(VREQ_TEXT* request);
/// Modal text entry. 0 when it could be shown, else -1.
int32_t vreqKeyRequest(VREQ_KEY* request);
/// Modal palette. 0 when it could be shown, else -1.
int32_t vreqPaletteRequest(VREQ_PALETTE* request);
/// Modal file chooser. 0 when it could be shown, else -1.
int32_t vreqFileRequest(VREQ_FILE* request);
/// Modal archives request: returns the chosen action (4 load, 5 save,
/// 6 delete, others: nothing), -1 on failure.
int32_t vreqArchivesRequest(const XCHAR* title);

}
