#pragma once
// The input side of the host GUI: panels, elements, requests and the
// delivery of the user's input to the operator's queues.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/host_types.h"

namespace hostsim {

class Host;

/// Where a panel lies: its monitor and its screen rectangle.
struct PanelPlace {
  int32_t monitor = 1;
  VG_RECT rect{};
};

class Panels {
 public:
  explicit Panels(Host& host);
  ~Panels();

  /// Place of a panel; panel 0 is the whole screen of the default monitor.
  /// nullopt for a panel that does not exist.
  std::optional<PanelPlace> place(VG_PANEL panel) const;

  std::vector<std::string> liveHandles() const;

 private:
  struct State;
  Host& host_;
  State* state_;
};

}  // namespace hostsim
