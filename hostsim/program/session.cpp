#include "hostsim/program/session.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "hostsim/core/host.h"
#include "hostsim/core/user.h"
#include "hostsim/gui/panels.h"
#include "hostsim/gui/user_input.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/media/operators.h"
#include "hostsim/program/demo.h"
#include "hostsim/program/dumps.h"
#include "hostsim/program/module.h"
#include "hostsim/program/steps.h"
#include "hostsim/user/script.h"

namespace hostsim::program {

namespace {

namespace fs = std::filesystem;

struct SetupError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string readScript(const Options& o) {
  std::ifstream in(o.script);
  if (!in) throw SetupError("cannot read the script " + o.script.string());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void placeFiles(const Script& script, const fs::path& home, const fs::path& scriptDir) {
  for (const auto& f : script.files) {
    const fs::path target = home / f.path;
    fs::create_directories(target.parent_path());
    std::error_code ec;
    if (!f.copyFrom.empty()) {
      fs::copy_file(scriptDir / f.copyFrom, target, fs::copy_options::overwrite_existing, ec);
    } else {
      std::ofstream out(target, std::ios::binary);
      out << f.content;
      if (!out) ec = std::make_error_code(std::errc::io_error);
    }
    if (ec) throw SetupError("line " + std::to_string(f.line) + ": cannot place " + f.path + ": " + ec.message());
  }
}

fs::path modulePath(const Options& o) {
  if (!o.module.empty()) return o.module;
  return fs::path(OSTREL3_MODULE_DIR) / "op_ostrel3.so";
}

OperatorMsg runMessage(const HostConfig& c) {
  OperatorMsg m{};
  m.code = OP_MSG_RUN;
  // PAL and 1080i both run at 25 frames, 50 fields a second.
  const bool ntsc = c.format == VideoFormat::Ntsc2997;
  m.flags = ntsc ? OP_MSG_FLAG_NTSC : 0;
  m.fieldRate = ntsc ? 60 : 50;
  return m;
}

struct RunResult {
  int32_t init = -1, length = -1, run = -1;
  bool ran = false;
};

// Sends the messages the host sends to an operator it starts.
RunResult play(const OperatorModule& module, const HostConfig& config) {
  RunResult r;
  OperatorMsg init{};
  init.code = OP_MSG_INIT;
  r.init = module.send(init);
  if (r.init != 0) return r;
  OperatorMsg length{};
  length.code = OP_MSG_LENGTH;
  r.length = module.send(length);
  OperatorMsg run = runMessage(config);
  r.run = module.send(run);
  r.ran = true;
  return r;
}

void writeReport(Host& host, const RunResult& r, const fs::path& out, size_t stepsLeft) {
  writeLogText(host, out / "host.log");
  dumpLog(host, out / "log.json");
  nlohmann::json report = {{"init_result", r.init}, {"length_result", r.length}, {"run_result", r.run},
                           {"ran", r.ran}, {"user_steps_left", stepsLeft}, {"log_lines", host.log().size()}};
  const std::optional<std::string> stopped = host.user().stoppedAt();
  report["script_stopped_at"] = stopped ? nlohmann::json(*stopped) : nlohmann::json(nullptr);
  // Written after the operator ended and the steps left were done: whatever
  // is still listed here the operator acquired and never released.
  report["left_behind"] = host.liveHandles();
  std::ofstream(out / "run.json") << report.dump(2) << "\n";
}

constexpr std::chrono::milliseconds kUnloadLimit{5000};

int session(const Options& o, const std::string& text, const fs::path& out) {
  HostConfig setup;
  // A session that names no operator still finds transitions to choose from.
  setup.operators = defaultTransitions();
  Script script = parseScript(text, setup);
  // A script may dump the trace at any point, so every call from the first
  // on is recorded (benchmarks build their hosts without it).
  script.config.trace = true;
  const fs::path home = out / "home";
  fs::create_directories(home / "programs" / "ostrel3");
  ::setenv("VTHOME", home.c_str(), 1);
  script.config.home = home;
  // A demo session's "from" files are read from the demo's output, so a
  // later session can take up what an earlier one wrote.
  placeFiles(script, home, o.demo ? fs::absolute(o.out) : fs::absolute(o.script).parent_path());
  std::cout << "session " << out.filename().string() << "\n";

  Host host(script.config);
  host.panels().input().setScreenshotDir(out / "screens");
  queueSteps(host, script, out);
  RunResult result;
  {
    OperatorModule module(modulePath(o));
    std::cout << "operator: " << module.identification() << "\n";
    result = play(module, script.config);
    // A task answers its stop before its entry returns: the operator's code
    // stays loaded until every task of it has left that code.
    if (!host.kernel().awaitTaskEntries(kUnloadLimit)) {
      host.log().host(4, "operator end: a task still runs the operator's code; the module stays loaded");
      module.keepLoaded();
    }
  }
  const size_t stepsLeft = host.user().pending();
  runStepsAfterEnd(host);
  // What the scrub engine played, to listen to (nothing when it played nothing).
  writeScrubWav(host, out / "scrub.wav");
  writeReport(host, result, out, stepsLeft);
  if (result.init != 0) std::cout << "the operator refused to start on host version " << script.config.version << "\n";
  else std::cout << "run result: " << result.run << "\n";
  std::cout << "results in " << out.string() << "\n";
  if (const std::optional<std::string> stopped = host.user().stoppedAt()) {
    std::cerr << "the script stopped at " << *stopped << " (host.log says why)\n";
    return 1;
  }
  return 0;
}

int runScript(const Options& o, const std::string& name, const std::string& text, const fs::path& out) {
  try {
    return session(o, text, out);
  } catch (const ScriptError& e) {
    std::cerr << name << ":" << e.line() << ": " << e.what() << "\n";
    return 2;
  } catch (const SetupError& e) {
    std::cerr << name << ": " << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "ostrel3-host: " << e.what() << "\n";
    return 3;
  }
}

}  // namespace

int runSession(const Options& o) {
  const fs::path out = fs::absolute(o.out);
  if (!o.demo) {
    std::string text;
    try {
      text = readScript(o);
    } catch (const SetupError& e) {
      std::cerr << o.script.string() << ": " << e.what() << "\n";
      return 2;
    }
    return runScript(o, o.script.string(), text, out);
  }
  for (const auto& demo : demoSessions()) {
    if (demo.script.empty()) continue;  // a session still being written
    const int code = runScript(o, "demo " + demo.name, demo.script, out / demo.name);
    if (code != 0) return code;
  }
  return 0;
}

}  // namespace hostsim::program
