#pragma once
// A project as its file holds it, and the XML layer that writes and reads
// it. Absent elements stay empty optionals, so that the caller applies the
// defaults in its own order. Needs no host (problems are logged).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ostrel3/project/project_model.h"

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
}  // namespace tinyxml2

namespace ostrel3 {

/// Name of the root element of the operator's files.
inline constexpr const char* kRootElement = "ostrel3";

/// One camera with a clip, as the file stores it.
struct SceneRecord {
  int32_t cam = 0;          ///< camera slot 0..7
  uint32_t uid = 0;         ///< unique id of the source clip
  int32_t trimIn = 0;
  uint32_t colour = 0;      ///< 0: the camera's default colour
  int32_t useAudio = 0;
  int32_t useDistance = 0;
  int32_t distance = 0;
  int32_t autoSync = 0;
  int32_t syncIn = 0;
  int32_t synced = 0;
  int32_t origIn = -1;
  int32_t origOut = -1;
  std::u16string clipName;  ///< the clip's name, for finding it again elsewhere
  bool operator==(const SceneRecord&) const = default;
};

/// First and last frame of the visible timeline window.
struct ZoomWindow {
  int32_t in = 0;
  int32_t out = 0;
  bool operator==(const ZoomWindow&) const = default;
};

/// Everything a project file holds except the transitions.
struct ProjectDocument {
  std::optional<std::u16string> name;
  std::vector<SceneRecord> scenes;  ///< in slot order when written
  std::optional<CutList> points;
  std::optional<int32_t> sceneCount;
  std::optional<int32_t> position;
  std::optional<int32_t> activeCamera;
  std::optional<ZoomWindow> zoom;
  std::optional<int32_t> trimLength;
  std::optional<int32_t> syncScrub;
  std::optional<int32_t> mainScrub;
  std::optional<int32_t> fps;
  std::optional<int32_t> showOutPreview;
  bool operator==(const ProjectDocument&) const = default;
};

/// Fills an empty document: declaration, root and the project's elements in
/// file order. An empty name and an empty cut list are left out. Returns the
/// root, to which the transitions are appended last.
tinyxml2::XMLElement* WriteProjectXml(const ProjectDocument& project, tinyxml2::XMLDocument& document);

/// The root element of a project or settings document; null when the
/// document has another root.
const tinyxml2::XMLElement* FindRoot(const tinyxml2::XMLDocument& document);

/// Reads a parsed project; nullopt (and a log line) when the root is
/// missing. Scenes without a usable camera index, a ninth scene, cut points
/// for a camera outside 0..7 and numbers that do not fit are dropped with a
/// log line.
std::optional<ProjectDocument> ReadProjectXml(const tinyxml2::XMLDocument& document);

/// One "scene" element as camera `cam`; absent or unusable attributes take
/// the defaults of the format (unusable ones are logged).
SceneRecord ReadSceneXml(const tinyxml2::XMLElement& scene, int32_t cam);

/// The whole document as text, indented; empty when the printer failed.
std::string PrintXml(const tinyxml2::XMLDocument& document);

}  // namespace ostrel3
