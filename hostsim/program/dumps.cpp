#include "hostsim/program/dumps.h"

#include <cstdio>
#include <fstream>

#include "hostsim/core/host.h"

namespace hostsim::program {

namespace {

// Dumps may name a subfolder of the output folder.
std::ofstream openOutput(const std::filesystem::path& file) {
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  return std::ofstream(file, std::ios::binary);
}

template <typename Json>
bool writeAnyJson(const Json& value, const std::filesystem::path& file) {
  std::ofstream out = openOutput(file);
  out << value.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  return static_cast<bool>(out);
}

// host.log keeps one entry a line: a message of several lines (a text
// request's) shows its breaks as \n.
std::string oneLine(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

}  // namespace

bool writeJson(const nlohmann::json& value, const std::filesystem::path& file) { return writeAnyJson(value, file); }
bool writeJson(const nlohmann::ordered_json& value, const std::filesystem::path& file) { return writeAnyJson(value, file); }

bool dumpLog(const Host& host, const std::filesystem::path& file) {
  nlohmann::json lines = nlohmann::json::array();
  for (const auto& l : host.log().lines())
    lines.push_back({{"level", l.level}, {"line", l.line}, {"file", l.file}, {"category", l.category},
                     {"text", l.text}, {"from_host", l.fromHost}});
  return writeJson(lines, file);
}

bool writeLogText(const Host& host, const std::filesystem::path& file) {
  std::ofstream out = openOutput(file);
  for (const auto& l : host.log().lines()) {
    out << "level " << l.level << "  ";
    if (l.fromHost) {
      out << "[host] " << oneLine(l.text) << "\n";
    } else {
      char category[16];
      std::snprintf(category, sizeof category, "0x%08X", l.category);
      out << l.file << ":" << l.line << "  " << category << "  \"" << oneLine(l.text) << "\"\n";
    }
  }
  return static_cast<bool>(out);
}

std::string traceText(Host& host) {
  std::string text;
  for (const TraceEntry& e : host.calls().trace()) text += e.text() + "\n";
  return text;
}

bool dumpTrace(Host& host, const std::filesystem::path& file) {
  std::ofstream out = openOutput(file);
  out << traceText(host);
  return static_cast<bool>(out);
}

}  // namespace hostsim::program
