#pragma once
// The host GUI's own pictures (vgGetGuiResource), drawn with cairo: the
// transport, navigation, undo and scrub icons of its buttons.
#include <cstdint>
#include <memory>
#include <vector>

#include "hostsim/gui/image_buffer.h"

namespace hostsim {

/// Ids of the host GUI pictures.
enum GuiIcon : int32_t {
  kIconPrevious = 0x002,
  kIconNext = 0x003,
  kIconUndo = 0x02C,
  kIconToStart = 0x02D,
  kIconPlay = 0x216,
  kIconPause = 0x225,
  kIconStop = 0x226,
  kIconScrubOff = 0x24C,
  kIconScrubOn = 0x24D,
  kIconRedo = 0x29C,
};

/// Every id drawGuiIcon knows.
const std::vector<int32_t>& guiIconIds();

/// The picture of a host GUI id (16 x 16 pixels); null for an unknown id.
std::unique_ptr<ImageBuffer> drawGuiIcon(int32_t id);

}  // namespace hostsim
