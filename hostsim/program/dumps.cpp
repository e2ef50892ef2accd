#include "hostsim/program/dumps.h"

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "hostsim/core/host.h"

namespace hostsim::program {

bool dumpLog(const Host& host, const std::filesystem::path& file) {
  nlohmann::json lines = nlohmann::json::array();
  for (const auto& l : host.log().lines())
    lines.push_back({{"level", l.level}, {"line", l.line}, {"file", l.file}, {"category", l.category},
                     {"text", l.text}, {"from_host", l.fromHost}});
  std::ofstream out(file);
  out << lines.dump(2) << "\n";
  return static_cast<bool>(out);
}

bool writeLogText(const Host& host, const std::filesystem::path& file) {
  std::ofstream out(file);
  for (const auto& l : host.log().lines()) {
    out << "level " << l.level << "  ";
    if (l.fromHost) {
      out << "[host] " << l.text << "\n";
    } else {
      char category[16];
      std::snprintf(category, sizeof category, "0x%08X", l.category);
      out << l.file << ":" << l.line << "  " << category << "  \"" << l.text << "\"\n";
    }
  }
  return static_cast<bool>(out);
}

}  // namespace hostsim::program
