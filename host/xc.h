#pragma once
/// Host wide-string helpers and UTF-8 conversion. Any thread.
#include "host/host_types.h"

extern "C" {

size_t xcslen(const XCHAR* text);
XCHAR* xcscpy(XCHAR* destination, const XCHAR* source);
/// Copies at most count characters; pads with 0 like strncpy.
XCHAR* xcsncpy(XCHAR* destination, const XCHAR* source, size_t count);
XCHAR* xcscat(XCHAR* destination, const XCHAR* source);
int32_t xcscmp(const XCHAR* a, const XCHAR* b);
/// printf into a wide buffer of count characters (always terminated).
/// The format is wide; %s takes a wide text, %hs a narrow one; %d, %ld, %u,
/// %x, %c with the usual flags and widths. Returns the characters written,
/// -1 when cut.
int32_t snxprintf(XCHAR* buffer, size_t count, const XCHAR* format, ...);

/// Characters (without terminator) that a UTF-8 text gives.
int32_t mstlGetUTF8toXCHARlen(const char* utf8);
/// Converts UTF-8 into at most capacity characters including the
/// terminator. Returns the characters written without it, -1 on bad input.
int32_t mstlUTF8toXCHAR(XCHAR* destination, const char* utf8, int32_t capacity);
/// Bytes (without terminator) of the UTF-8 form of a wide text.
int32_t mstlGetXCHARtoUTF8len(const XCHAR* text);
/// Converts into at most capacity bytes including the terminator. Returns the
/// bytes written without it, -1 on bad input.
int32_t mstlXCHARtoUTF8(char* destination, const XCHAR* text, int32_t capacity);
/// A fresh id, unique within the host's run.
uint32_t mstlGetUniqueID(void);

}
