// The settings file: which project slot was open last in a host project.
#include <tinyxml2.h>

#include "ostrel3/project/decimal.h"
#include "ostrel3/shell/log.h"
#include "ostrel3/project/project_io.h"

namespace ostrel3 {

std::optional<int32_t> ReadSettingsFile(const char* path) {
  tinyxml2::XMLDocument document;
  if (LoadXmlFile(path, document) != FileLoad::kParsed) return std::nullopt;
  const tinyxml2::XMLElement* root = FindRoot(document);
  if (!root) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  const tinyxml2::XMLElement* slot = root->FirstChildElement("prj_num");
  if (!slot) return std::nullopt;
  const Decimal<int32_t> d = DecimalText(slot->GetText());
  // A slot the chooser cannot offer would name a file nobody can reach.
  if (!d.ok() || d.value < 0 || d.value >= kProjectSlots) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  return d.value;
}

bool WriteSettingsFile(const std::string& path, int32_t slot) {
  tinyxml2::XMLDocument document;
  document.InsertEndChild(document.NewDeclaration());
  tinyxml2::XMLElement* root = document.NewElement(kRootElement);
  document.InsertEndChild(root);
  tinyxml2::XMLElement* number = document.NewElement("prj_num");
  number->SetText(slot);
  root->InsertEndChild(number);
  const std::string text = PrintXml(document);
  if (text.empty() || !WriteFileAtomically(path, text)) {
    OS3_LOG(kLogFailed);
    return false;
  }
  return true;
}

}  // namespace ostrel3
