// The resource library: string and image sets by name.
#include <string>

#include "host/res.h"
#include "hostsim/core/shim.h"
#include "hostsim/gui/resources.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

extern "C" {

RES_STRINGS resLoadStrings(const char* setName) {
  return hostCall(
      "resLoadStrings", RES_STRINGS(0),
      [&](Host& h) { return setName ? h.resources().loadStrings(setName) : RES_STRINGS(0); }, setName);
}

void resFreeStrings(RES_STRINGS strings) {
  hostCallVoid(
      "resFreeStrings",
      [&](Host& h) {
        if (!h.resources().freeStrings(strings))
          h.log().host(4, "resFreeStrings: " + std::to_string(strings) + " is not an open string set");
      },
      strings);
}

const XCHAR* resGetString(RES_STRINGS strings, int32_t id) {
  return hostCall(
      "resGetString", static_cast<const XCHAR*>(nullptr),
      [&](Host& h) {
        const XCHAR* text = h.resources().string(strings, id);
        if (!text) h.log().host(4, "resGetString: " + std::to_string(strings) + " is not an open string set");
        return text;
      },
      strings, id);
}

RES_IMAGES resLoadImages(const char* setName) {
  return hostCall(
      "resLoadImages", RES_IMAGES(0),
      [&](Host& h) { return setName ? h.resources().loadImages(setName) : RES_IMAGES(0); }, setName);
}

void resFreeImages(RES_IMAGES images) {
  hostCallVoid(
      "resFreeImages",
      [&](Host& h) {
        if (!h.resources().freeImages(images))
          h.log().host(4, "resFreeImages: " + std::to_string(images) + " is not an open image set");
      },
      images);
}

VG_IMAGE* resGetImage(RES_IMAGES images, int32_t id) {
  return hostCall(
      "resGetImage", static_cast<VG_IMAGE*>(nullptr), [&](Host& h) { return h.resources().image(images, id); }, images,
      id);
}

}
