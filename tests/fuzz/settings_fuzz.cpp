// The settings file reader: it names a slot the chooser can offer or none,
// and a slot it named is written and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_host.h"
#include "ostrel3/project/project_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using ostrel3_fuzz::Require;
  const std::string path =
      ostrel3_fuzz::WriteHomeFile("settings.info", std::string_view(reinterpret_cast<const char*>(data), size));
  const std::optional<int32_t> slot = ostrel3::ReadSettingsFile(path.c_str());
  if (!slot) return 0;
  Require(*slot >= 0 && *slot < ostrel3::kProjectSlots, "a slot read is one the chooser offers");
  const std::string copy = (ostrel3_fuzz::FuzzHome() / "settings-copy.info").string();
  Require(ostrel3::WriteSettingsFile(copy, *slot), "a slot read can be written");
  Require(ostrel3::ReadSettingsFile(copy.c_str()) == slot, "a written slot reads back");
  return 0;
}
