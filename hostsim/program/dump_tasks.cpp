// The tasks dump: every task the host has started, so that a check sees an
// operator's worker come and go.
#include "hostsim/core/host.h"
#include "hostsim/kernel/kernel.h"
#include "hostsim/program/dumps.h"

namespace hostsim::program {

namespace {

using json = nlohmann::ordered_json;

// A task taskDelete ended is "deleted" even when its thread still has to
// reach its next host call; one whose entry returned by itself is "ended".
const char* stateName(const TaskRecord& t) {
  if (t.deleted) return "deleted";
  if (t.ended) return "ended";
  return "running";
}

json taskJson(const TaskRecord& t) {
  return {{"id", t.id},
          {"order", t.id},
          {"name", t.name},
          {"priority", t.settings.priority},
          {"options", t.settings.options},
          {"stack_size", t.settings.stackSize},
          {"state", stateName(t)},
          {"deleted", t.deleted},
          {"ended", t.ended},
          {"start_tick", t.startTick},
          {"end_tick", t.endTick ? json(*t.endTick) : json(nullptr)}};
}

}  // namespace

json tasksState(Host& host) {
  json running = json::array();
  json tasks = json::array();
  for (const TaskRecord& t : host.kernel().taskRecords()) {
    if (!t.deleted && !t.ended) running.push_back(t.name);
    tasks.push_back(taskJson(t));
  }
  return {{"tick", host.kernel().clock().ticks()}, {"running", running}, {"tasks", tasks}};
}

bool dumpTasks(Host& host, const std::filesystem::path& file) { return writeJson(tasksState(host), file); }

}  // namespace hostsim::program
