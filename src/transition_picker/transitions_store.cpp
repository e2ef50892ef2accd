// Settings bytes are stored as Base64 and only kept when they decode to the
// size stored beside them: a damaged or edited file must never make the
// picker allocate from a number it read, nor hand an operator a block of
// the wrong size.
#include "transition_picker/transitions_store.h"

#include <tinyxml2.h>

#include <span>
#include <string>

#include "ostrel3/project/decimal.h"
#include "ostrel3/project/utf8.h"
#include "ostrel3/shell/log.h"
#include "transition_picker/base64.h"
#include "transition_picker/picker_state.h"

namespace ostrel3 {

namespace {


void addText(tinyxml2::XMLDocument& doc, tinyxml2::XMLElement& parent, const char* name, const char* text) {
  tinyxml2::XMLElement* child = doc.NewElement(name);
  child->SetText(text);
  parent.InsertEndChild(child);
}

void addNumber(tinyxml2::XMLDocument& doc, tinyxml2::XMLElement& parent, const char* name, int32_t value) {
  addText(doc, parent, name, std::to_string(value).c_str());
}

tinyxml2::XMLElement* opsElement(tinyxml2::XMLDocument& doc) {
  tinyxml2::XMLElement* ops = doc.NewElement("ops");
  for (HOST_NODE* node = lstFirst(&transitionPicker().list); node; node = lstNext(node)) {
    const auto* entry = reinterpret_cast<const TransitionEntry*>(node);
    tinyxml2::XMLElement* op = doc.NewElement("op");
    op->SetAttribute("bn", entry->path);
    if (entry->prefsSize > 0 && entry->prefs) {
      op->SetAttribute("ps", entry->prefsSize);
      const std::span<const uint8_t> bytes(entry->prefs, static_cast<size_t>(entry->prefsSize));
      op->SetAttribute("pd", EncodeBase64(bytes).c_str());
    }
    ops->InsertEndChild(op);
  }
  return ops;
}

// An element of the three choices: present but without a number counts as 0.
void readChoice(const tinyxml2::XMLElement& transitions, const char* name, int32_t& choice) {
  const tinyxml2::XMLElement* e = transitions.FirstChildElement(name);
  if (!e) return;
  const Decimal<int32_t> value = DecimalText(e->GetText());
  choice = value.ok() ? value.value : 0;
}

// A text element that is missing or empty leaves the value as it was.
const char* nonEmptyText(const tinyxml2::XMLElement& transitions, const char* name) {
  const tinyxml2::XMLElement* e = transitions.FirstChildElement(name);
  const char* text = e ? e->GetText() : nullptr;
  return text && *text ? text : nullptr;
}

// The stored settings of an entry; none unless the block decodes to exactly
// the stored size.
void readPrefs(const tinyxml2::XMLElement& op, TransitionEntry& entry) {
  const Decimal<int32_t> size = ScanInt(op.Attribute("ps"));
  if (!size.ok() || size.value <= 0) return;
  const char* data = op.Attribute("pd");
  const auto bytes = data ? DecodeBase64(data) : std::nullopt;
  if (!bytes || bytes->size() != static_cast<size_t>(size.value)) {
    OS3_LOG(kLogFailed);
    return;
  }
  SetEntryPrefs(entry, bytes->data(), size.value);
}

void readOps(const tinyxml2::XMLElement& ops) {
  ClearTransitions();
  TransitionEntry* previous = nullptr;
  for (const tinyxml2::XMLElement* op = ops.FirstChildElement("op"); op; op = op->NextSiblingElement("op")) {
    const char* path = op->Attribute("bn");
    if (!path || !*path) {
      OS3_LOG(kLogFailed);
      continue;
    }
    TransitionEntry* entry = NewEntry(path);
    readPrefs(*op, *entry);
    InsertEntryAfter(previous, entry);
    previous = entry;
  }
}

}  // namespace

bool SaveTransitions(tinyxml2::XMLDocument& document, tinyxml2::XMLElement& parent) {
  const TransitionPickerState& s = transitionPicker();
  tinyxml2::XMLElement* e = document.NewElement(kTransitions);
  e->SetAttribute("use", static_cast<unsigned>(s.transitionsEnabled));
  addNumber(document, *e, "time", s.transitionTime);
  addNumber(document, *e, "sort", s.transitionOrder);
  addNumber(document, *e, "change", s.transitionChange);
  if (!s.jingleFile.empty()) addText(document, *e, "jinglec", s.jingleFile.c_str());
  if (!s.jingleImage.empty()) addText(document, *e, "jinglex", ToUtf8(s.jingleImage).c_str());
  if (EntryCount() > 0) e->InsertEndChild(opsElement(document));
  return parent.InsertEndChild(e) != nullptr;
}

bool LoadTransitions(const tinyxml2::XMLElement& parent) {
  const tinyxml2::XMLElement* e = parent.FirstChildElement(kTransitions);
  if (!e) return true;
  TransitionPickerState& s = transitionPicker();
  // Only 1 adds transitions at the cuts; any other number a hand-edited file
  // holds reads as off, so that the switch shows what the output does and a
  // save writes back what was read.
  const Decimal<int32_t> use = ScanInt(e->Attribute("use"));
  s.transitionsEnabled = use.ok() && use.value == 1 ? 1 : 0;
  readChoice(*e, "time", s.transitionTime);
  readChoice(*e, "sort", s.transitionOrder);
  readChoice(*e, "change", s.transitionChange);
  if (const char* file = nonEmptyText(*e, "jinglec")) s.jingleFile = file;
  if (const char* image = nonEmptyText(*e, "jinglex")) s.jingleImage = FromUtf8(image);
  if (const tinyxml2::XMLElement* ops = e->FirstChildElement("ops")) readOps(*ops);
  return true;
}

}  // namespace ostrel3
