#pragma once
// The "transitions" element of a project file belongs to the transition
// picker. The project writer and reader reach it only through this hook.
#include <memory>

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
}  // namespace tinyxml2

namespace ostrel3 {

/// Writes and reads the transitions element of a project document.
class TransitionsHook {
 public:
  virtual ~TransitionsHook() = default;
  /// Appends the transitions element as the last child of `root`; false when it could not.
  virtual bool save(tinyxml2::XMLDocument& document, tinyxml2::XMLElement& root) = 0;
  /// Reads the transitions child of `root`; without one nothing changes and the result is true.
  virtual bool load(const tinyxml2::XMLElement& root) = 0;
};

/// Writes and reads the element from the picker's own state: its choices,
/// its jingle and its list of transitions with their settings.
class PickerTransitions final : public TransitionsHook {
 public:
  bool save(tinyxml2::XMLDocument& document, tinyxml2::XMLElement& root) override;
  bool load(const tinyxml2::XMLElement& root) override;
};

/// Keeps the transitions element exactly as it was last read and writes it
/// back unchanged; before anything was read it writes the picker's defaults.
/// For a run without a picker.
class PreservedTransitions final : public TransitionsHook {
 public:
  PreservedTransitions();
  ~PreservedTransitions() override;
  bool save(tinyxml2::XMLDocument& document, tinyxml2::XMLElement& root) override;
  bool load(const tinyxml2::XMLElement& root) override;

 private:
  std::unique_ptr<tinyxml2::XMLDocument> kept_;  ///< holds the element as its only child
};

/// The hook a run of the operator uses: the picker's.
std::unique_ptr<TransitionsHook> MakeTransitionsHook();

}  // namespace ostrel3
