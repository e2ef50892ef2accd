#pragma once
/// Host resources: the numbered strings and images of a resource set.
/// Calling thread only.
#include "host/host_types.h"
#include "host/vg.h"

extern "C" {

/// Opens the string set of the given name. Returns a handle, 0 on failure.
RES_STRINGS resLoadStrings(const char* setName);
void resFreeStrings(RES_STRINGS strings);

/// Text of string id. Valid until the set is freed. An id the set does not
/// hold gives an empty text; a bad handle gives null.
const XCHAR* resGetString(RES_STRINGS strings, int32_t id);

/// Opens the image set of the given name. Returns a handle, 0 on failure.
RES_IMAGES resLoadImages(const char* setName);
void resFreeImages(RES_IMAGES images);

/// Image id of the set at its own size; null when the set has none.
/// Valid until the set is freed.
VG_IMAGE* resGetImage(RES_IMAGES images, int32_t id);

}
