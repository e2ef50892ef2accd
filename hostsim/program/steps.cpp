#include "hostsim/program/steps.h"

#include "hostsim/core/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/display.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using Action = std::function<bool(Host&)>;

Action screenshot(const ScriptCommand& c, const std::filesystem::path& out) {
  const std::filesystem::path file = out / "screens" / (c.text + ".png");
  const int monitor = static_cast<int>(c.b);
  return [file, monitor](Host& h) {
    std::filesystem::create_directories(file.parent_path());
    const int m = monitor > 0 ? monitor : h.display().defaultMonitor();
    return h.display().screen().savePng(m, file);
  };
}

Action actionFor(const ScriptCommand& c, const std::filesystem::path& out) {
  switch (c.kind) {
    case ScriptCommand::Screenshot:
      return screenshot(c, out);
    case ScriptCommand::DumpLog: {
      const std::filesystem::path file = out / c.text;
      return [file](Host& h) { return dumpLog(h, file); };
    }
    default:
      return [kind = c.kind](Host& h) {
        h.log().host(4, "this user action is not available in the stand-in host yet (kind " + std::to_string(kind) + ")");
        return false;
      };
  }
}

}  // namespace

void queueSteps(Host& host, const Script& script, const std::filesystem::path& out) {
  for (const auto& c : script.commands) {
    const std::string description = "line " + std::to_string(c.line) + ": " + c.source;
    if (c.answer) {
      host.user().addAnswer(*c.answer, description);
    } else {
      host.user().addAction(description, actionFor(c, out));
    }
  }
}

}  // namespace hostsim::program
