#include "transition_picker/transitions_hook.h"

#include <tinyxml2.h>

#include "transition_picker/transitions_store.h"

namespace ostrel3 {

namespace {


// What the picker writes with its settings untouched: transitions off, the
// first length, list order, a new transition at every cut, no list.
tinyxml2::XMLElement* defaultTransitions(tinyxml2::XMLDocument& doc) {
  tinyxml2::XMLElement* e = doc.NewElement(kTransitions);
  e->SetAttribute("use", 0u);
  for (const char* name : {"time", "sort", "change"}) {
    tinyxml2::XMLElement* child = doc.NewElement(name);
    child->SetText(0);
    e->InsertEndChild(child);
  }
  return e;
}

}  // namespace

bool PickerTransitions::save(tinyxml2::XMLDocument& document, tinyxml2::XMLElement& root) {
  return SaveTransitions(document, root);
}

bool PickerTransitions::load(const tinyxml2::XMLElement& root) { return LoadTransitions(root); }

PreservedTransitions::PreservedTransitions() = default;
PreservedTransitions::~PreservedTransitions() = default;

bool PreservedTransitions::save(tinyxml2::XMLDocument& document, tinyxml2::XMLElement& root) {
  const tinyxml2::XMLElement* kept = kept_ ? kept_->FirstChildElement(kTransitions) : nullptr;
  tinyxml2::XMLNode* element = kept ? kept->DeepClone(&document) : defaultTransitions(document);
  return root.InsertEndChild(element) != nullptr;
}

bool PreservedTransitions::load(const tinyxml2::XMLElement& root) {
  const tinyxml2::XMLElement* found = root.FirstChildElement(kTransitions);
  if (!found) return true;
  auto copy = std::make_unique<tinyxml2::XMLDocument>();
  copy->InsertEndChild(found->DeepClone(copy.get()));
  kept_ = std::move(copy);
  return true;
}

std::unique_ptr<TransitionsHook> MakeTransitionsHook() { return std::make_unique<PickerTransitions>(); }

}  // namespace ostrel3
