// A whole editing session with one host call refused at a time: every call
// that acquires something, at every place the session makes it. Each run
// must end, answer the right result, say in the log that something was
// refused, and leave no host resource behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <set>

#include "hostsim/media/storyboard.h"
#include "ostrel3/reliability/editing_session.h"

namespace {

using ostrel3_test::SessionHost;

// The host functions that hand the caller something it must give back or
// that start something that must be ended: this list is the sweep's scope.
// The GUI's scratch images (vgAllocImage: a borrowed picture header, the
// ruler's buffer) are left out: each lives within one drawing, and their
// hundred and more calls would triple the sweep's time.
const std::vector<std::string>& acquiringCalls() {
  static const std::vector<std::string> names{
      // construction: strings, images, gadget records, queues, render handles, scene buffers
      "resLoadStrings", "resLoadImages", "vgAllocGadExt", "msgQCreate", "cmOpen", "cmInitRender",
      "nslSBAllocScene",
      // requests, panels, the jog's sliders, pictures
      "vreqCreateRequest", "vgCreatePanel", "vgAddVirtualSlider", "opAllocImage",
      // tasks, sound, the scrub engine, the player
      "taskSpawn", "cmOpen2", "cmInitRenderAudio", "cmScrubStart", "mainPlayInit", "mainPlayStartMultiple2",
      "cmSetMultiCam",
      // clip copies and the scene chooser
      "nslCopyAVRecord", "nslSplitAVRecord", "mainSelectSceneRequesterExt",
      // the storyboard output
      "nslProjectUndoExtSeqStart", "nslSBAddScene", "nslSBAddInsertWithTrim"};
  return names;
}

// One test per function, and per ten of its calls, so that CTest spreads the
// sweep over its jobs and no test comes near its time limit.
struct Shard {
  std::string name;
  int part = 0;   ///< runs the calls n with (n - 1) / kCallsPerShard == part
};
constexpr int kCallsPerShard = 10;

void PrintTo(const Shard& s, std::ostream* os) { *os << s.name << " part " << s.part + 1; }

std::vector<Shard> shards() {
  // The number of calls a function makes in the session, rounded up to whole
  // shards; a shard past the calls made sweeps nothing and says so.
  static const std::map<std::string, int> parts{{"msgQCreate", 2}, {"opAllocImage", 3}, {"nslCopyAVRecord", 2}};
  std::vector<Shard> out;
  for (const auto& name : acquiringCalls()) {
    const auto it = parts.find(name);
    for (int p = 0; p < (it == parts.end() ? 1 : it->second); ++p) out.push_back({name, p});
  }
  return out;
}

// The operator's log lines carry no text, only a level and the source line
// that wrote them, so the check is lenient: at least one refusal (3) or
// failure (4) line of the operator. The session without failures writes
// none, so such a line belongs to the refused call or to what it stopped.
size_t warnings(const hostsim::Host& host) { return host.log().callerLines(3).size() + host.log().callerLines(4).size(); }

// Two calls answer a refusal exactly as they answer a normal outcome, so a
// caller has nothing to log: the scene chooser's failure value is the user's
// cancel (0), and a jog slider added with an empty range removes the slider
// and answers 0 either way.
bool refusalLooksLikeSuccess(const hostsim::TraceEntry& call) {
  if (call.name == "mainSelectSceneRequesterExt") return true;
  const std::string emptyRange = ", 0, 0, 0, 0";
  return call.name == "vgAddVirtualSlider" && call.args.size() > emptyRange.size() &&
         call.args.compare(call.args.size() - emptyRange.size(), emptyRange.size(), emptyRange) == 0;
}

// A smaller screen than the host's default: its pictures cost the stand-in
// player a fraction of the full-size ones, and the sweep runs a whole
// session per refused call (under the address sanitizer too).
const hostsim::MonitorConfig kSweepMonitor{1280, 720};

struct CleanRun {
  std::map<std::string, int> counts;  ///< calls of every listed host function
  std::set<std::string> traced;       ///< every host function called
  /// Calls (name, n) whose refusal the caller cannot tell from success.
  std::set<std::pair<std::string, int>> silent;
  size_t warnings = 0;
};

CleanRun cleanRun() {
  SessionHost s(true, 600, kSweepMonitor);
  ostrel3_test::queueWholeSession(s.host());
  CleanRun r;
  EXPECT_EQ(ostrel3_test::runOperator(s.host(), "the session without failures"), 0);
  for (const auto& name : acquiringCalls()) r.counts[name] = s.host().calls().count(name);
  std::map<std::string, int> seen;
  for (const auto& e : s.host().calls().trace()) {
    r.traced.insert(e.name);
    const int nth = ++seen[e.name];
    if (refusalLooksLikeSuccess(e)) r.silent.insert({e.name, nth});
  }
  r.warnings = warnings(s.host());
  EXPECT_FALSE(s.host().media().storyboard().view().scenes.empty()) << "the clean session applies its edit";
  EXPECT_EQ(s.host().user().pending(), 1u) << "the output ended the operator, leaving is left";
  EXPECT_EQ(s.host().liveHandles(), std::vector<std::string>{});
  return r;
}

enum class Outcome { ConstructionRefused, RefusedAndLogged, Completed };

Outcome refusedRun(const std::string& name, int nth, bool silent) {
  const std::string what = name + " call " + std::to_string(nth);
  SessionHost s(false, 600, kSweepMonitor);
  s.host().calls().failNth(name, nth);
  ostrel3_test::queueWholeSession(s.host());
  const size_t queued = s.host().user().pending();
  const int32_t result = ostrel3_test::runOperator(s.host(), "the session with " + what + " refused");
  if (!silent && s.host().calls().count(name) >= nth) {
    EXPECT_GT(warnings(s.host()), 0u) << what << ": no refusal or failure in the log";
  }
  EXPECT_EQ(s.host().liveHandles(), std::vector<std::string>{}) << what;
  if (result == -1) {
    // A run that never showed its panel: the run step says so in its one
    // uniform line, and the user never got to act.
    const auto failures = s.host().log().callerLines(4);
    EXPECT_TRUE(std::any_of(failures.begin(), failures.end(), [](const auto& l) { return l.file == "run.cpp"; }))
        << what;
    EXPECT_EQ(s.host().user().pending(), queued) << what << ": refused the start after the user acted";
    return Outcome::ConstructionRefused;
  }
  EXPECT_EQ(result, 0) << what;
  // The output ends the operator when it is written, before the user's last
  // step (leaving), which is then the only one left.
  const bool applied = !s.host().media().storyboard().view().scenes.empty() && s.host().user().pending() == 1;
  return applied ? Outcome::Completed : Outcome::RefusedAndLogged;
}

class FailureSweep : public ::testing::TestWithParam<Shard> {};

TEST_P(FailureSweep, EveryRefusalEndsLoggedAndReleasesEverything) {
  const Shard& shard = GetParam();
  const CleanRun clean = cleanRun();
  EXPECT_EQ(clean.warnings, 0u) << "the clean session logs no refusal";
  const int calls = clean.counts.at(shard.name);
  const int first = shard.part * kCallsPerShard + 1, last = std::min(calls, first + kCallsPerShard - 1);
  // Every call of the function in the session lies in one of its shards.
  if (shard.part == 0) {
    const auto all = shards();
    const auto total = std::count_if(all.begin(), all.end(), [&](const Shard& s) { return s.name == shard.name; });
    EXPECT_LE(calls, total * kCallsPerShard) << shard.name << " needs more shards";
  }
  std::map<Outcome, int> outcomes;
  for (int nth = first; nth <= last; ++nth)
    ++outcomes[refusedRun(shard.name, nth, clean.silent.count({shard.name, nth}) > 0)];
  const int swept = std::max(0, last - first + 1);
  const int refused = outcomes[Outcome::ConstructionRefused], logged = outcomes[Outcome::RefusedAndLogged],
            completed = outcomes[Outcome::Completed];
  RecordProperty("swept_calls", swept);
  RecordProperty("construction_refused", refused);
  RecordProperty("refused_and_logged", logged);
  RecordProperty("session_completed", completed);
  std::cout << "sweep " << shard.name << " calls " << first << " to " << last << ": " << swept
            << " swept; construction refused " << refused << ", operation refused and logged " << logged
            << ", session completed " << completed << "\n";
}

INSTANTIATE_TEST_SUITE_P(AcquiringCalls, FailureSweep, ::testing::ValuesIn(shards()),
                         [](const auto& info) { return info.param.name + "_" + std::to_string(info.param.part + 1); });

// The list names host functions the session really calls: a renamed or
// dropped call would silently shrink the sweep.
TEST(FailureSweepScope, EveryListedCallIsMadeByTheSession) {
  const CleanRun clean = cleanRun();
  for (const auto& name : acquiringCalls()) EXPECT_TRUE(clean.traced.count(name)) << name;
}

}  // namespace
