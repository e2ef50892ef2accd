// Cost of the project file layer for six cameras and 10,000 cut points,
// each beside what tinyxml2 alone needs for an equivalent document in the
// same run. Goal: our code adds at most half again on top of the library.
#include <benchmark/benchmark.h>
#include <tinyxml2.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "hostsim/core/host.h"
#include "ostrel3/project/clip_ops.h"
#include "ostrel3/shell/operator.h"
#include "ostrel3/project/project_io.h"
#include "transition_picker/transitions_hook.h"

namespace {

constexpr int kCameras = 6;
constexpr int kCuts = 10000;

ostrel3::CutList makeCuts(int count) {
  ostrel3::CutList cuts;
  for (int i = 0; i < count; ++i) cuts.insert_or_assign(i * 7, i % kCameras);
  return cuts;
}

ostrel3::ProjectDocument makeDocument() {
  ostrel3::ProjectDocument p;
  p.name = u"Konzert \u00fcber Nacht";
  for (int i = 0; i < kCameras; ++i)
    p.scenes.push_back({i, 1000u + i, 12, 0xB68080FFu, 1, 0, 0, 0, 40 * i, 1, 0, 99999, u"Kamera " + std::u16string(1, char16_t(u'1' + i))});
  p.points = makeCuts(kCuts);
  p.sceneCount = kCameras;
  p.position = 500;
  p.activeCamera = 2;
  p.zoom = ostrel3::ZoomWindow{0, 69999};
  p.trimLength = 125;
  p.syncScrub = 0;
  p.mainScrub = 1;
  p.fps = 25;
  p.showOutPreview = 1;
  return p;
}

// The same document written with nothing but the library's own calls.
void buildBare(tinyxml2::XMLDocument& doc, const ostrel3::CutList& cuts) {
  doc.InsertEndChild(doc.NewDeclaration());
  auto* root = doc.NewElement("ostrel3");
  doc.InsertEndChild(root);
  root->InsertNewChildElement("name")->SetText("Konzert \xC3\xBC" "ber Nacht");
  auto* scenes = root->InsertNewChildElement("scenes");
  for (int i = 0; i < kCameras; ++i) {
    auto* s = scenes->InsertNewChildElement("scene");
    for (const char* a : {"uid", "in", "color", "cam", "audio", "use_dist", "distance", "auto_sync", "in0", "synced",
                          "orig_in", "orig_out"})
      s->SetAttribute(a, i);
    s->SetAttribute("name", "Kamera 1");
  }
  auto* points = root->InsertNewChildElement("points");
  for (const auto& [tc, cam] : cuts) {
    auto* p = points->InsertNewChildElement("point");
    p->SetAttribute("tc", tc);
    p->SetAttribute("cam", cam);
  }
  for (const char* e : {"num_gui_scenes", "act_tc", "act_cam", "trim_len", "sync_scrub", "main_scrub", "fps",
                        "show_out_preview"})
    root->InsertNewChildElement(e)->SetText(1);
  auto* zoom = root->InsertNewChildElement("zoom");
  zoom->SetAttribute("in", 0);
  zoom->SetAttribute("out", 69999);
}

std::string printBare(const ostrel3::CutList& cuts) {
  tinyxml2::XMLDocument doc;
  buildBare(doc, cuts);
  tinyxml2::XMLPrinter printer;
  doc.Print(&printer);
  return printer.CStr();
}

// ---- the library alone -------------------------------------------------------

void BM_Bare_BuildAndPrint(benchmark::State& state) {
  const ostrel3::CutList cuts = makeCuts(kCuts);
  for (auto _ : state) benchmark::DoNotOptimize(printBare(cuts));
}
BENCHMARK(BM_Bare_BuildAndPrint)->Unit(benchmark::kMicrosecond);

void BM_Bare_Parse(benchmark::State& state) {
  const std::string text = printBare(makeCuts(kCuts));
  for (auto _ : state) {
    tinyxml2::XMLDocument doc;
    benchmark::DoNotOptimize(doc.Parse(text.c_str(), text.size()));
  }
}
BENCHMARK(BM_Bare_Parse)->Unit(benchmark::kMicrosecond);

// Parsing and taking every number out with the library's own queries: what
// any reader of the document pays before it keeps anything.
void BM_Bare_ParseAndQuery(benchmark::State& state) {
  const std::string text = printBare(makeCuts(kCuts));
  for (auto _ : state) {
    tinyxml2::XMLDocument doc;
    doc.Parse(text.c_str(), text.size());
    int64_t sum = 0;
    const auto* root = doc.RootElement();
    for (const auto* p = root->FirstChildElement("points")->FirstChildElement("point"); p; p = p->NextSiblingElement()) {
      sum += p->IntAttribute("tc") + p->IntAttribute("cam");
    }
    for (const auto* s = root->FirstChildElement("scenes")->FirstChildElement(); s; s = s->NextSiblingElement())
      for (const auto* a = s->FirstAttribute(); a; a = a->Next()) sum += a->IntValue();
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_Bare_ParseAndQuery)->Unit(benchmark::kMicrosecond);

// ---- the operator's layer without a host ----------------------------------------

void BM_ProjectText(benchmark::State& state) {
  const ostrel3::ProjectDocument p = makeDocument();
  ostrel3::PreservedTransitions hook;
  for (auto _ : state) benchmark::DoNotOptimize(ostrel3::ProjectText(p, hook));
}
BENCHMARK(BM_ProjectText)->Unit(benchmark::kMicrosecond);

void BM_ParseAndReadProjectXml(benchmark::State& state) {
  ostrel3::PreservedTransitions hook;
  const std::string text = ostrel3::ProjectText(makeDocument(), hook);
  for (auto _ : state) {
    tinyxml2::XMLDocument doc;
    doc.Parse(text.c_str(), text.size());
    benchmark::DoNotOptimize(ostrel3::ReadProjectXml(doc));
  }
}
BENCHMARK(BM_ParseAndReadProjectXml)->Unit(benchmark::kMicrosecond);

// Cut points stored forwards and backwards: both read in n log n (a file
// stored backwards once cost a shift of the whole list per point).
std::string pointsText(int count, bool descending) {
  std::string text = "<?xml version=\"1.0\"?><ostrel3><points>";
  for (int i = 0; i < count; ++i) {
    const int n = descending ? count - 1 - i : i;
    text += "<point tc=\"" + std::to_string(n * 7) + "\" cam=\"" + std::to_string(n % kCameras) + "\"/>";
  }
  return text + "</points></ostrel3>";
}

void BM_ReadPoints(benchmark::State& state) {
  const std::string text = pointsText(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    tinyxml2::XMLDocument doc;
    doc.Parse(text.c_str(), text.size());
    benchmark::DoNotOptimize(ostrel3::ReadProjectXml(doc));
  }
}
BENCHMARK(BM_ReadPoints)->ArgNames({"points", "descending"})->ArgsProduct({{50000, 200000}, {0, 1}})->Unit(benchmark::kMillisecond);

// ---- the main object against the stand-in host -------------------------------------

struct LiveOperator {
  std::filesystem::path home;
  std::unique_ptr<hostsim::Host> host;
  std::unique_ptr<ostrel3::MulticamOperator> op;

  LiveOperator() {
    home = std::filesystem::temp_directory_path() / "ostrel3-bench";
    std::filesystem::create_directories(home);
    ::setenv("VTHOME", home.c_str(), 1);
    hostsim::HostConfig config;
    config.home = home;
    config.trace = false;
    for (int i = 0; i < kCameras; ++i) config.clips.push_back({1000u + i, "Kamera", 80000});
    host = std::make_unique<hostsim::Host>(config);
    try {
      op = std::make_unique<ostrel3::MulticamOperator>();
    } catch (...) {
      return;
    }
    for (int i = 0; i < kCameras; ++i)
      ostrel3::AssignClip(op->cameras[i], mainGetAVRecordFromId(1000u + i, mainGetActiveProjectNumber(), 1), 12, -1, -1);
    op->sceneCount = kCameras;
    op->cutList = makeCuts(kCuts);
    op->UpdateTimelineLength();
  }
  ~LiveOperator() {
    op.reset();
    host.reset();
    std::filesystem::remove_all(home);
  }
};

void BM_Operator_SaveProjectToText(benchmark::State& state) {
  LiveOperator live;
  if (!live.op) return state.SkipWithError("the stand-in host cannot build the main object yet");
  for (auto _ : state) {
    std::string text;
    benchmark::DoNotOptimize(live.op->SaveProject(&text));
  }
}
BENCHMARK(BM_Operator_SaveProjectToText)->Unit(benchmark::kMicrosecond);

void BM_Operator_PushUndo(benchmark::State& state) {
  LiveOperator live;
  if (!live.op) return state.SkipWithError("the stand-in host cannot build the main object yet");
  for (auto _ : state) live.op->PushUndo();
}
BENCHMARK(BM_Operator_PushUndo)->Unit(benchmark::kMicrosecond);

void BM_Operator_ParseAndLoadProjectDocument(benchmark::State& state) {
  LiveOperator live;
  if (!live.op) return state.SkipWithError("the stand-in host cannot build the main object yet");
  std::string text;
  live.op->SaveProject(&text);
  for (auto _ : state) {
    // Every load follows a reset (slot load, undo, redo); the reset itself is not measured.
    state.PauseTiming();
    live.op->ResetProject();
    state.ResumeTiming();
    tinyxml2::XMLDocument doc;
    doc.Parse(text.c_str(), text.size());
    benchmark::DoNotOptimize(live.op->LoadProjectDocument(doc));
  }
}
BENCHMARK(BM_Operator_ParseAndLoadProjectDocument)->Unit(benchmark::kMicrosecond);

// ---- cut-list normalisation scales linearly ------------------------------------------

// A list in which `run` neighbours in a row name the same camera; with run 1
// nothing is removed (the usual case after an edit), with run 3 two entries
// of every three are. The list is built in position order, as the loader
// builds it, so that its nodes lie in memory the way a loaded list's do.
void normaliseCutList(benchmark::State& state, int run) {
  const int count = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    ostrel3::CutList cuts;
    for (int i = 0; i < count; ++i) cuts.insert_or_assign(i, (i / run) % kCameras);
    state.ResumeTiming();
    ostrel3::NormaliseCutList(cuts);
    benchmark::DoNotOptimize(cuts);
    state.PauseTiming();
    cuts.clear();
    state.ResumeTiming();
  }
}

void BM_NormaliseCutList_AlreadyNormal(benchmark::State& state) { normaliseCutList(state, 1); }
void BM_NormaliseCutList_RunsOfThree(benchmark::State& state) { normaliseCutList(state, 3); }
BENCHMARK(BM_NormaliseCutList_AlreadyNormal)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NormaliseCutList_RunsOfThree)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
