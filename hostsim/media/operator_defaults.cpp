// The operator directory of a host program session that names no operator.
#include "hostsim/media/operators.h"

namespace hostsim {

std::vector<OperatorConfig> defaultTransitions() {
  return {
      {"transition/dissolve", "Dissolve", 0, 2, {"Softness", "Curve"}, {0x40, 0x80}},
      {"transition/wipe", "Wipe", 0x4, 4, {"Softness", "Border", "Angle", "Border colour"}, {0x20, 0x04, 0x00, 0xFF}},
      {"transition/push", "Push", 0x4, 2, {"Direction", "Bounce"}, {0x01, 0x00}},
      {"transition/iris", "Iris", 0, 0, {}, {}},
      // An add-on the picker refuses, so that its refusal can be seen.
      {"transition/addon_cube", "Cube", 0x4, 4, {"Spin", "Depth", "Light", "Shadow"}, {0x10, 0x30, 0x80, 0x40}},
  };
}

std::string settingCaption(const OperatorConfig& op, size_t byte) {
  if (byte < op.settingNames.size() && !op.settingNames[byte].empty()) return op.settingNames[byte];
  return "Setting " + std::to_string(byte + 1);
}

bool validOperatorPath(std::string_view path) {
  const size_t slash = path.find('/');
  if (slash == std::string_view::npos || slash == 0 || slash + 1 == path.size()) return false;
  if (path.find("..") != std::string_view::npos || path.front() == '/' || path.back() == '/') return false;
  for (char c : path)
    if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == '\\') return false;
  return true;
}

}  // namespace hostsim
