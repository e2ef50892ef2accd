#pragma once
#include "host/host_types.h"

namespace ostrel3 {

/// A drawing area of a panel: its host panel and its rectangle on it
/// (panel 0 when the area does not exist).
struct PanelArea {
  VG_PANEL panel = 0;
  VG_RECT rect{};
};

}  // namespace ostrel3
