// The picker's "transitions" element and the Base64 of its settings blocks.
// Base64: bytes encode to whole groups and decode back; a text that decodes
// encodes to a text of its length that decodes to the same bytes. The
// element: what was read saves to an element that reads back to the same.
#include <tinyxml2.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "fuzz_host.h"
#include "fuzz_operator.h"
#include "ostrel3/project/project_document.h"
#include "transition_picker/base64.h"
#include "transition_picker/picker_state.h"
#include "transition_picker/transitions_store.h"

namespace {

using ostrel3_fuzz::Require;

void checkBase64(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const std::string encoded = ostrel3::EncodeBase64(bytes);
  Require(encoded.size() == (size + 2) / 3 * 4, "bytes encode to whole groups");
  const auto back = ostrel3::DecodeBase64(encoded);
  Require(back && std::equal(back->begin(), back->end(), bytes.begin(), bytes.end()), "encoded bytes decode back");

  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto decoded = ostrel3::DecodeBase64(text);
  if (!decoded) return;
  const std::string again = ostrel3::EncodeBase64(*decoded);
  Require(again.size() == size, "a decoded text encodes to its own length");
  Require(ostrel3::DecodeBase64(again) == decoded, "a decoded text's encoding decodes the same");
}

// The picker's element as a whole document's text.
std::string savedTransitions() {
  tinyxml2::XMLDocument document;
  tinyxml2::XMLElement* root = document.NewElement(ostrel3::kRootElement);
  document.InsertEndChild(root);
  Require(ostrel3::SaveTransitions(document, *root), "the picker's element is written");
  return ostrel3::PrintXml(document);
}

void checkEntries() {
  for (HOST_NODE* node = lstFirst(&ostrel3::transitionPicker().list); node; node = lstNext(node)) {
    const auto* entry = reinterpret_cast<const ostrel3::TransitionEntry*>(node);
    Require(entry->path && *entry->path, "every entry names an operator");
    Require(entry->prefsSize >= 0 && (entry->prefsSize == 0) == (entry->prefs == nullptr), "a block has its size");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  checkBase64(data, size);
  ostrel3_fuzz::FuzzHost();
  static const bool prepared = (ostrel3::PrepareTransitionPicker(), true);
  (void)prepared;
  ostrel3_fuzz::ResetTransitionChoices();

  tinyxml2::XMLDocument document;
  if (document.Parse(reinterpret_cast<const char*>(data), size) != tinyxml2::XML_SUCCESS) return 0;
  const tinyxml2::XMLElement* root = document.RootElement();
  if (!root) return 0;
  Require(ostrel3::LoadTransitions(*root), "reading the element always succeeds");
  checkEntries();
  // Only 1 turns transitions on; any other value means off, and a negative
  // one prints unsigned and reads back as 0: the round trip compares that.
  int32_t& enabled = ostrel3::transitionPicker().transitionsEnabled;
  enabled = enabled == 1 ? 1 : 0;

  const std::string first = savedTransitions();
  Require(!first.empty(), "the element prints");
  tinyxml2::XMLDocument again;
  Require(again.Parse(first.c_str(), first.size()) == tinyxml2::XML_SUCCESS, "the printed element parses");
  ostrel3_fuzz::ResetTransitionChoices();
  Require(ostrel3::LoadTransitions(*again.RootElement()), "the printed element reads");
  checkEntries();
  const std::string second = savedTransitions();
  if (second != first) std::fprintf(stderr, "first save:\n%s\nafter reading it:\n%s\n", first.c_str(), second.c_str());
  Require(second == first, "the element reads back to the same");
  return 0;
}
