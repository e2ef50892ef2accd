#pragma once
// A stand-in host with the picker prepared as a run prepares it, and
// released at the end of each test before the host checks its handles.
#include <string>
#include <vector>

#include "support/host_fixture.h"
#include "transition_picker/picker_state.h"

namespace picker_test {

/// Appends an entry for "transition/" + name with the given settings.
inline ostrel3::TransitionEntry* AddEntry(const std::string& name, const std::vector<uint8_t>& prefs = {}) {
  ostrel3::TransitionEntry* e = ostrel3::NewEntry("transition/" + name);
  ostrel3::SetEntryPrefs(*e, prefs.data(), static_cast<int32_t>(prefs.size()));
  ostrel3::InsertEntryAfter(nullptr, e);
  return e;
}

class PickerTest : public ostrel3_test::HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    ostrel3::PrepareTransitionPicker();
  }
  void TearDown() override {
    ostrel3::ReleaseTransitionPicker();
    HostTest::TearDown();
  }

  static ostrel3::TransitionPickerState& picker() { return ostrel3::transitionPicker(); }

  static ostrel3::TransitionEntry* addEntry(const std::string& name, const std::vector<uint8_t>& prefs = {}) {
    return AddEntry(name, prefs);
  }

  /// The list as "path" or "path:hex settings", in order.
  static std::vector<std::string> entries() {
    std::vector<std::string> out;
    for (int32_t i = 1; const ostrel3::TransitionEntry* e = ostrel3::EntryAt(i); ++i) {
      std::string text = e->path;
      if (e->prefs) {
        text += ':';
        for (int32_t k = 0; k < e->prefsSize; ++k) {
          static const char hex[] = "0123456789abcdef";
          text += hex[e->prefs[k] >> 4];
          text += hex[e->prefs[k] & 15];
        }
      }
      out.push_back(text);
    }
    return out;
  }
};

}  // namespace picker_test
