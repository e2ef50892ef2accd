// The operator dump: the directory, loaded operators with their settings,
// open settings windows, and every operator and jingle request.
#include <cstdio>

#include "hostsim/core/host.h"
#include "hostsim/core/text.h"
#include "hostsim/media/media.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using json = nlohmann::ordered_json;

std::string hexBytes(const std::vector<uint8_t>& bytes) {
  std::string out;
  char two[3];
  for (uint8_t b : bytes) {
    std::snprintf(two, sizeof two, "%02x", b);
    out += two;
  }
  return out;
}

json directoryJson(const OperatorDirectory& directory) {
  json out = json::array();
  for (const OperatorConfig& o : directory.all()) {
    json captions = json::array();
    for (size_t i = 0; i < size_t(std::max(0, o.prefsSize)); ++i) captions.push_back(settingCaption(o, i));
    const std::vector<uint8_t> defaults =
        o.defaults.empty() ? std::vector<uint8_t>(size_t(std::max(0, o.prefsSize)), 0) : o.defaults;
    out.push_back({{"path", o.path}, {"name", o.name}, {"flags", o.flags}, {"prefs_size", o.prefsSize},
                   {"settings", captions}, {"defaults", hexBytes(defaults)}});
  }
  return out;
}

json loadedJson(const OperatorDirectory& directory) {
  json out = json::array();
  for (const auto& op : directory.loadedViews())
    out.push_back({{"handle", op.handle}, {"path", op.path}, {"prefs", hexBytes(op.prefs)}, {"unique_id", op.uniqueId}});
  return out;
}

json settingsWindowsJson(const OperatorGuis& guis) {
  json out = json::array();
  for (const auto& gui : guis.views()) {
    json controls = json::array();
    for (const auto& c : gui.controls) controls.push_back({{"element", c.element}, {"caption", c.caption}, {"byte", c.byte}});
    out.push_back({{"window", gui.window}, {"panel", gui.panel}, {"operator", gui.op}, {"path", gui.path},
                   {"controls", controls}});
  }
  return out;
}

json operatorRequestsJson(const OperatorRequester& requester) {
  json out = json::array();
  for (const auto& r : requester.history())
    out.push_back({{"start_path", r.startPath ? json(*r.startPath) : json(nullptr)}, {"chosen", r.chosen},
                   {"result", r.result}, {"note", r.note}});
  return out;
}

json jingleRequestsJson(const JingleRequests& jingles) {
  json out = json::array();
  for (const auto& r : jingles.history())
    out.push_back({{"handle", r.handle}, {"kind", r.kind}, {"shown", r.shown}, {"status", r.status}, {"file", r.file},
                   {"image", toUtf8(r.image)}, {"freed", r.freed}});
  return out;
}

}  // namespace

json operatorsState(Host& host) {
  Media& media = host.media();
  return {{"directory", directoryJson(media.operators())},
          {"loaded", loadedJson(media.operators())},
          {"settings_windows", settingsWindowsJson(media.operatorGuis())},
          {"operator_requests", operatorRequestsJson(media.operatorRequester())},
          {"jingle_requests", jingleRequestsJson(media.jingles())}};
}

bool dumpOperators(Host& host, const std::filesystem::path& file) { return writeJson(operatorsState(host), file); }

}  // namespace hostsim::program
