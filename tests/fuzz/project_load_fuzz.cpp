// The project file reader: any text handed to the operator's loader leaves a
// consistent model, and what it loaded saves to a text that loads back to
// the very same project.
#include <tinyxml2.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_host.h"
#include "fuzz_operator.h"
#include "ostrel3/project/project_document.h"

namespace {

using ostrel3_fuzz::Require;

// An empty name is not stored (a reload names the project after its slot):
// it is replaced before the round trip, which then checks everything else.
bool nameSurvivesSaving(const std::u16string& name) { return !name.empty(); }

std::string savedText(ostrel3::MulticamOperator& op) {
  std::string text;
  Require(op.SaveProject(&text) && !text.empty(), "a loaded project prints");
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ostrel3::MulticamOperator& op = ostrel3_fuzz::FreshOperator();
  tinyxml2::XMLDocument document;
  if (document.Parse(reinterpret_cast<const char*>(data), size) != tinyxml2::XML_SUCCESS) return 0;
  const bool loaded = op.LoadProjectDocument(document);
  Require(loaded == (ostrel3::FindRoot(document) != nullptr), "only a document with the root loads");
  ostrel3_fuzz::RequireConsistentModel(op);
  if (!loaded) return 0;
  if (!nameSurvivesSaving(op.projectName)) op.projectName = u"Renamed";

  const std::string first = savedText(op);
  tinyxml2::XMLDocument again;
  Require(again.Parse(first.c_str(), first.size()) == tinyxml2::XML_SUCCESS, "a saved project parses");
  op.ResetProject();
  Require(op.LoadProjectDocument(again), "a saved project loads");
  ostrel3_fuzz::RequireConsistentModel(op);
  const std::string second = savedText(op);
  if (second != first) std::fprintf(stderr, "first save:\n%s\nafter reloading it:\n%s\n", first.c_str(), second.c_str());
  Require(second == first, "saving a reloaded project gives the same text");
  return 0;
}
