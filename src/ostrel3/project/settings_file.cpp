// The settings file of the host project: the project slot open last, so
// that the next start in the same host project opens it again.
#include "ostrel3/shell/log.h"
#include "ostrel3/shell/operator.h"

namespace ostrel3 {

void MulticamOperator::LoadSettings() {
  try {
    const char* path = SettingsFilePath();
    if (!path) return;
    if (const auto slot = ReadSettingsFile(path)) projectSlot = *slot;
  } catch (...) {
    OS3_LOG(kLogFailed);
  }
}

bool MulticamOperator::SaveSettings() {
  try {
    const char* path = SettingsFilePath();
    return path && WriteSettingsFile(path, projectSlot);
  } catch (...) {
    OS3_LOG(kLogFailed);
    return false;
  }
}

}  // namespace ostrel3
