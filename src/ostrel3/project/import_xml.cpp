// Reading the parts of a project file that an import takes, and converting
// its frames to the current rate. A value that cannot be converted is
// reported as absent, never wrapped into some other frame.
#include <tinyxml2.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "ostrel3/project/decimal.h"
#include "ostrel3/project/project_import.h"
#include "ostrel3/shell/log.h"

namespace ostrel3 {

namespace {

using tinyxml2::XMLElement;

// "tc" absent or without a number is frame 0; a number that does not fit
// is no frame at all.
ImportPoint readPoint(const XMLElement& p) {
  ImportPoint point;
  point.tc = 0;
  const Decimal<int32_t> tc = ScanInt(p.Attribute("tc"));
  if (tc.ok()) point.tc = tc.value;
  else if (tc.status == DecimalStatus::kOutOfRange) point.tc = std::nullopt;
  const Decimal<int32_t> cam = ScanInt(p.Attribute("cam"));
  if (cam.ok()) point.cam = cam.value;
  else if (cam.status == DecimalStatus::kOutOfRange) point.cam = -1;
  return point;
}

std::vector<ImportPoint> readPoints(const XMLElement& points) {
  std::vector<ImportPoint> out;
  for (const XMLElement* p = points.FirstChildElement("point"); p; p = p->NextSiblingElement())
    out.push_back(readPoint(*p));
  return out;
}

// The scenes by their place in the file: a project made elsewhere names its
// cameras in order, whatever their "cam" says.
std::vector<SceneRecord> readScenes(const XMLElement& scenes) {
  std::vector<SceneRecord> out;
  for (const XMLElement* e = scenes.FirstChildElement("scene"); e; e = e->NextSiblingElement()) {
    if (out.size() == static_cast<size_t>(kCameraSlots)) {
      OS3_LOG(kLogFailed);
      break;
    }
    out.push_back(ReadSceneXml(*e, static_cast<int32_t>(out.size())));
  }
  return out;
}

std::optional<double> readFrameRate(const XMLElement& root) {
  const XMLElement* fps = root.FirstChildElement("fps");
  if (!fps) return std::nullopt;
  std::optional<double> rate = ParseFrameRate(fps->GetText());
  if (!rate) OS3_LOG(kLogFailed);
  return rate;
}

std::optional<int32_t> readSceneCount(const XMLElement& root) {
  const XMLElement* e = root.FirstChildElement("num_gui_scenes");
  if (!e) return std::nullopt;
  const Decimal<int32_t> d = DecimalText(e->GetText());
  if (!d.ok()) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  return d.value;
}

}  // namespace

std::optional<double> ParseFrameRate(const char* text) {
  if (!text) return std::nullopt;
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r') ++text;
  if (*text == '+') ++text;
  double rate = 0;
  const char* end = text + std::strlen(text);
  const auto [next, error] = std::from_chars(text, end, rate);
  if (error != std::errc() || next == text) return std::nullopt;
  if (!std::isfinite(rate) || rate <= 0) return std::nullopt;
  return rate;
}

std::optional<int32_t> ConvertFrame(int32_t value, double currentRate, double fileRate) {
  const double converted = std::trunc(static_cast<double>(value) * currentRate / fileRate);
  if (!std::isfinite(converted)) return std::nullopt;
  if (converted < std::numeric_limits<int32_t>::min() || converted > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(converted);
}

std::optional<ImportDocument> ReadImportXml(const tinyxml2::XMLDocument& document) {
  const XMLElement* root = FindRoot(document);
  if (!root) {
    OS3_LOG(kLogFailed);
    return std::nullopt;
  }
  ImportDocument d;
  d.fps = readFrameRate(*root);
  d.sceneCount = readSceneCount(*root);
  if (const XMLElement* scenes = root->FirstChildElement("scenes")) d.scenes = readScenes(*scenes);
  if (const XMLElement* points = root->FirstChildElement("points")) d.points = readPoints(*points);
  return d;
}

}  // namespace ostrel3
