#pragma once
// The host's operator directory: the add-on operators it knows (from the
// setup), and the operators loaded from it with their settings blocks and
// unique ids. Transitions of the storyboard hold loaded operators too. Any
// thread; one per stand-in host.
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "host/host_types.h"
#include "hostsim/core/config.h"

namespace hostsim {

/// The transitions the host program offers when a session names none: a
/// few ordinary ones and one add-on the transition picker refuses.
std::vector<OperatorConfig> defaultTransitions();

/// True for a path the directory can hold: "folder/name", both parts
/// non-empty, no blanks, nothing that climbs out of the folder.
bool validOperatorPath(std::string_view path);

/// The caption of a settings byte's control: its name from the setup, else
/// "Setting N" (N from 1).
std::string settingCaption(const OperatorConfig& op, size_t byte);

class OperatorDirectory {
 public:
  explicit OperatorDirectory(std::vector<OperatorConfig> known);

  /// The operator of the directory with that path; null when there is none.
  const OperatorConfig* find(std::string_view path) const;
  /// Every operator of the directory, in setup order.
  const std::vector<OperatorConfig>& all() const { return known_; }
  /// The name an operator shows (mainGetOperatorName), kept as long as the
  /// host lives; null for a path the directory lacks.
  const XCHAR* displayName(std::string_view path) const;

  /// Loads an operator: a fresh handle with the operator's default settings
  /// (its configured defaults, else zero bytes of its settings size); 0 for
  /// a path the directory lacks.
  OP_HANDLE load(std::string_view path);
  /// Unloads a loaded operator; false for a handle that is not loaded.
  bool unload(OP_HANDLE op);
  bool loaded(OP_HANDLE op) const;
  /// The path a loaded operator was loaded from ("" when not loaded).
  std::string pathOf(OP_HANDLE op) const;

  /// A loaded operator's settings block (empty when not loaded).
  std::vector<uint8_t> prefs(OP_HANDLE op) const;
  /// Replaces a loaded operator's settings; false when not loaded or when
  /// the block's size is not the operator's settings size.
  bool setPrefs(OP_HANDLE op, const uint8_t* bytes, size_t size);
  /// The unique id given to a loaded operator (0 before one was given).
  uint32_t uniqueId(OP_HANDLE op) const;
  bool setUniqueId(OP_HANDLE op, uint32_t id);

  /// Loaded operators not unloaded, as text.
  std::vector<std::string> liveHandles() const;

  /// A loaded operator as the dumps show it.
  struct LoadedView {
    OP_HANDLE handle = 0;
    std::string path;
    std::vector<uint8_t> prefs;
    uint32_t uniqueId = 0;
  };
  /// The loaded operators, in the order they were loaded.
  std::vector<LoadedView> loadedViews() const;

 private:
  struct Loaded {
    std::string path;
    std::vector<uint8_t> prefs;
    uint32_t uniqueId = 0;
  };

  const std::vector<OperatorConfig> known_;
  const std::vector<std::u16string> names_;  ///< display names, as known_
  mutable std::mutex mutex_;
  std::map<OP_HANDLE, Loaded> loaded_;
  OP_HANDLE nextHandle_ = 0x0C000001u;
};

}  // namespace hostsim
