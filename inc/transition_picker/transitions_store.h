#pragma once
// The picker's part of a project file: the "transitions" element with the
// three choices, the jingle and the list of operators with their settings.
namespace tinyxml2 {
class XMLDocument;
class XMLElement;
}  // namespace tinyxml2

namespace ostrel3 {

/// The element of a project file that holds the picker's part.
inline constexpr const char* kTransitions = "transitions";

/// Appends the picker's "transitions" element as the last child of parent.
bool SaveTransitions(tinyxml2::XMLDocument& document, tinyxml2::XMLElement& parent);

/// Reads the "transitions" child of parent into the picker. Without one
/// nothing changes; what the element lacks stays as it was (the list too,
/// when it has no "ops"). Always true: a damaged part is read as absent.
bool LoadTransitions(const tinyxml2::XMLElement& parent);

}  // namespace ostrel3
