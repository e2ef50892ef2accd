#pragma once
// Settings windows of add-on operators: the host lays the controls of a
// loaded operator's settings into a window of the caller (mainBuildOpGui),
// lets them change the settings (mainDoOpGui) and takes them away again
// (mainRemoveOpGui). Each settings byte gets a slider from 0 to 255,
// captioned with the setting's name. Calling thread only.
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "host/host_types.h"
#include "host/main.h"

namespace hostsim {

class Host;
class OperatorDirectory;

/// Where the controls of a settings window go: one row each, as many rows
/// as fit the area, columns side by side when one is not enough.
struct SettingsLayout {
  std::vector<VG_RECT> controls;  ///< relative to the area
  int32_t hidden = 0;             ///< controls that found no room
  VG_RECT note{};                 ///< where the "more settings" note goes when some are hidden
};

inline constexpr int16_t kSettingRowHeight = 24;
inline constexpr int16_t kSettingRowGap = 4;
inline constexpr int16_t kSettingColumnGap = 16;
inline constexpr int16_t kSettingMinColumnWidth = 200;

SettingsLayout layoutSettings(int32_t count, int16_t width, int16_t height);

class OperatorGuis {
 public:
  OperatorGuis(Host& host, OperatorDirectory& directory);

  /// mainBuildOpGui: 0, or -1 (logged) for no gadgets record, one that
  /// already holds a window, an operator not loaded, or a window or area
  /// the controls cannot go in.
  int32_t build(VG_PANEL window, VG_RECT area, OP_HANDLE op, MAIN_OP_GADGETS* gadgets);
  /// mainDoOpGui: 0 when the message moved one of the controls to a new
  /// value (the operator's settings now hold it), 1 for any other message,
  /// -1 (logged) for a record without a window or another operator.
  int32_t handle(const HOST_MESSAGE* message, MAIN_OP_GADGETS* gadgets, OP_HANDLE op);
  /// mainRemoveOpGui: takes the controls away and empties the record.
  void remove(MAIN_OP_GADGETS* gadgets, OP_HANDLE op);

  struct Control {
    VG_ELEMENT element = 0;
    std::string caption;
    int32_t byte = 0;  ///< the settings byte it sets
  };
  /// A settings window as the dumps show it.
  struct View {
    uint32_t id = 0;
    OP_HANDLE op = 0;
    std::string path;
    VG_PANEL window = 0;
    VG_PANEL panel = 0;  ///< the host's panel holding the controls
    std::vector<Control> controls;
  };
  std::vector<View> views() const;
  std::vector<std::string> liveHandles() const;

  /// Marks a gadgets record that holds a settings window.
  static constexpr uint32_t kMagic = 0x4F504755u;

 private:
  /// The window a gadgets record holds, or null.
  View* find(const MAIN_OP_GADGETS* gadgets);
  /// Adds the controls of `prefs` to `panel`; false when one could not be made.
  bool addControls(View& gui, VG_RECT area, const std::vector<uint8_t>& prefs);
  std::string captionOf(const std::string& path, size_t byte) const;

  Host& host_;
  OperatorDirectory& directory_;
  mutable std::mutex mutex_;
  std::map<uint32_t, View> guis_;
  uint32_t nextId_ = 1;
};

}  // namespace hostsim
